#include "quiz/MyQuizPrintout.h"

#include <algorithm>

namespace {

// A line that puts no ink on the page: the spacer lines, an empty heading line.
bool blank(const TSentence& sentence)
{
    return sentence.isCompound == 0
        && std::all_of(sentence.text.begin(), sentence.text.end(),
                       [](char c) { return c == ' ' || c == '\n'; });
}

} // namespace

MyQuizPrintout::MyQuizPrintout(const SentenceList& quiz)
    : Printout("Quiz")
    , quiz(quiz)
{
}

void MyQuizPrintout::takeSurface(TextSurface& surface, int pageWidth, int pageHeight)
{
    Printout::takeSurface(surface, pageWidth, pageHeight);
    lineHeight = std::max(1, surface.textHeight("X"));
    const int drop = lineHeight / 3;
    const int count = static_cast<int>(std::min<std::size_t>(quiz.size(), INT32_MAX));

    // Line k of a page stands at k h; an exercise's subscripts reach a third of h lower.
    // Every page takes at least one line, however small the paper.
    pages.clear();
    for (int first = 0; first < count;) {
        int end = first + 1;
        while (end < count) {
            const int extent = lineHeight + (quiz[static_cast<std::size_t>(end)].isCompound ? drop : 0);
            if (std::int64_t(end - first) * lineHeight + extent > pageHeight)
                break;
            ++end;
        }
        // Blank lines that were left over for a page of their own would make an empty sheet.
        const bool anyInk = std::any_of(quiz.begin() + first, quiz.begin() + end,
                                        [](const TSentence& s) { return !blank(s); });
        if (anyInk)
            pages.push_back({first, end});
        first = end;
    }
    // An empty quiz, or one of blank lines only, still prints its one blank page.
    if (pages.empty())
        pages.push_back({0, count});
}

bool MyQuizPrintout::hasPage(int page) const
{
    return page >= 1 && static_cast<std::size_t>(page) <= pages.size();
}

void MyQuizPrintout::printPage(int page, TextSurface& surface)
{
    if (!hasPage(page))
        return;
    const quiz_drawing::Lines lines = pages[static_cast<std::size_t>(page - 1)];
    quiz_drawing::draw(surface, quiz, lines, lineHeight * lines.first);
}
