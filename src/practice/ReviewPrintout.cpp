#include "practice/ReviewPrintout.h"

#include "compound/CompoundRules.h"
#include "practice/WordWrap.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr const char* yourAnswer = "Your answer: ";
constexpr const char* correctAnswer = "Correct answer: ";

std::string countOf(std::uint32_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

ReviewPrintout::ReviewPrintout(const ReviewLog& log, std::string student)
    : LinePrintout(titleLine)
    , log(log)
    , student(std::move(student))
{
}

void ReviewPrintout::takeSurface(TextSurface& surface, int pageWidth, int pageHeight)
{
    Printout::takeSurface(surface, pageWidth, pageHeight);
    lineHeight = std::max(1, surface.textHeight());
    layOut(surface, pageWidth);
    const int drop = lineHeight / 3;
    const int pitch = lineHeight + drop;
    const auto depth = [&](int k) {
        const Line& line = lines[static_cast<std::size_t>(k)];
        const bool lowered =
            std::any_of(line.begin(), line.end(), [](const Piece& p) { return p.formula; });
        return lineHeight + (lowered ? drop : 0);
    };
    // As in the answer key, lines stand a third of a line further apart than they are high,
    // room for a formula's lowered digits. A block's first line counts the ink of the whole
    // block, so that a block that does not fit below other lines starts the next page instead
    // of breaking; one longer than a page still breaks. The title line has ink, so there is
    // always a page.
    std::vector<int> last(lines.size());
    std::iota(last.begin(), last.end(), 0);
    for (const LineRange& block : keptTogether)
        last[static_cast<std::size_t>(block.first)] = block.end - 1;
    setPages(breakIntoPages(
        static_cast<int>(lines.size()), pageHeight, 0, pitch,
        [&](int k) {
            const int end = last[static_cast<std::size_t>(k)];
            return pitch * (end - k) + depth(end);
        },
        [this](int k) { return lines[static_cast<std::size_t>(k)].empty(); }));
}

void ReviewPrintout::layOut(TextSurface& surface, int pageWidth)
{
    lines.clear();
    keptTogether.clear();
    const auto count = [this] { return static_cast<int>(lines.size()); };
    // The results page names the student; so does this one, which may be read on its own.
    const std::string title = titleLine;
    addText(0, student.empty() ? title : title + " for: " + student);
    lines.emplace_back();
    if (log.wrongCount() == 0) {
        addText(0, "No answers were marked wrong.");
        return;
    }
    if (log.dropped() > 0) {
        addText(0, countOf(log.dropped(), "earlier wrong answer is", "earlier wrong answers are") +
                       " not listed.");
        lines.emplace_back();
    }

    // The texts of the entries stand right of the widest number, and the two answers in one
    // column, so that what was typed and what was right read one above the other.
    int indent = 0;
    for (const ReviewEntry& entry : log.entries())
        indent = std::max(indent, surface.textWidth(std::to_string(entry.number) + ".  "));
    const int answerX =
        indent + std::max(surface.textWidth(yourAnswer), surface.textWidth(correctAnswer));
    for (const ReviewEntry& entry : log.entries()) {
        const int first = count();
        const std::string prompt =
            entry.nameAsked ? "Write the name of: " : "Write the formula for: ";
        lines.push_back({{0, std::to_string(entry.number) + ".", false},
                         {indent, prompt, false},
                         {indent + surface.textWidth(prompt), entry.question, entry.nameAsked}});
        // A name asked for is answered in words, a formula asked for as a formula.
        const bool typedNothing = entry.typed.empty();
        lines.push_back({{indent, yourAnswer, false},
                         {answerX, typedNothing ? "(no answer)" : entry.typed,
                          !entry.nameAsked && !typedNothing}});
        lines.push_back(
            {{indent, correctAnswer, false}, {answerX, entry.expected, !entry.nameAsked}});
        for (const answer_diagnosis::Finding& finding : entry.findings) {
            for (std::string& row : wrapWords(surface, finding.sentence, pageWidth - indent))
                addText(indent, std::move(row));
        }
        keptTogether.push_back({first, count()});
        lines.emplace_back();
    }

    layOutTally(indent);
}

// The count of each kind of mistake, kept on one page.
void ReviewPrintout::layOutTally(int indent)
{
    const int tally = static_cast<int>(lines.size());
    addText(0, "Mistakes by kind (" + countOf(log.wrongCount(), "wrong answer", "wrong answers") +
                   "):");
    for (int k = 0; k < answer_diagnosis::kindCount; ++k) {
        const auto kind = static_cast<answer_diagnosis::Kind>(k);
        if (log.tally(kind) > 0)
            addText(indent, std::string(answer_diagnosis::title(kind)) + ": " +
                                std::to_string(log.tally(kind)));
    }
    if (log.unexplained() > 0)
        addText(indent, "No explanation found: " + std::to_string(log.unexplained()));
    keptTogether.push_back({tally, static_cast<int>(lines.size())});
}

void ReviewPrintout::printLines(LineRange range, TextSurface& surface)
{
    const int drop = lineHeight / 3;
    // The blank line after an entry may fall at the top of a page: the page starts below it.
    while (lines[static_cast<std::size_t>(range.first)].empty())
        ++range.first;
    for (int k = range.first; k < range.end; ++k) {
        const int y = (lineHeight + drop) * (k - range.first);
        for (const Piece& piece : lines[static_cast<std::size_t>(k)]) {
            if (piece.formula)
                drawFormulaText(surface, piece.x, y, piece.text, drop);
            else
                surface.drawText(piece.x, y, piece.text);
        }
    }
}
