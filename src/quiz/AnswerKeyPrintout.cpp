#include "quiz/AnswerKeyPrintout.h"

#include "compound/CompoundRules.h"

#include <algorithm>

AnswerKeyPrintout::AnswerKeyPrintout(const answer_key::Key& key)
    : LinePrintout(titleLine)
{
    setKey(key);
}

AnswerKeyPrintout::AnswerKeyPrintout(std::function<answer_key::Key()> makeKey)
    : LinePrintout(titleLine)
    , pendingKey(std::move(makeKey))
{
    setPages({{0, 1}});
}

void AnswerKeyPrintout::setKey(const answer_key::Key& key)
{
    lines.clear();
    lines.push_back({{}, titleLine, false});
    for (const std::string& heading : key.heading)
        lines.push_back({{}, heading, false});
    for (const answer_key::Answer& answer : key.answers)
        lines.push_back({std::to_string(answer.number) + ".  ", answer.text, answer.formula});
    if (key.unanswered > 0)
        lines.push_back({{}, answer_key::unansweredLine(key.unanswered), false});
    setPages({{0, static_cast<int>(lines.size())}});
}

void AnswerKeyPrintout::takeSurface(TextSurface& surface, int pageWidth, int pageHeight)
{
    Printout::takeSurface(surface, pageWidth, pageHeight);
    if (pendingKey) {
        setKey(pendingKey());
        pendingKey = nullptr;
    }
    lineHeight = std::max(1, surface.textHeight());
    const int drop = lineHeight / 3;
    const auto line = [this](int k) -> const Line& { return lines[static_cast<std::size_t>(k)]; };
    // A formula's subscripts reach a third of a line lower than other text, and the lines
    // stand that much further apart, so that they never touch the line below. The title line
    // always has ink, so the key has at least one page.
    setPages(breakIntoPages(
        static_cast<int>(lines.size()), pageHeight, 0, lineHeight + drop,
        [&](int k) { return lineHeight + (line(k).lowered ? drop : 0); },
        [&](int k) {
            return line(k).label.empty()
                && std::all_of(line(k).text.begin(), line(k).text.end(),
                               [](char c) { return c == ' '; });
        }));
}

void AnswerKeyPrintout::printLines(LineRange range, TextSurface& surface)
{
    const int h = surface.textHeight();
    const int drop = h / 3;
    for (int k = range.first; k < range.end; ++k) {
        const Line& line = lines[static_cast<std::size_t>(k)];
        const int y = (h + drop) * (k - range.first);
        int x = 0;
        if (!line.label.empty()) {
            surface.drawText(0, y, line.label);
            x += surface.textWidth(line.label);
        }
        drawFormulaText(surface, x, y, line.text, line.lowered ? drop : 0);
    }
}
