#include "quiz/MyQuizPrintout.h"

#include "quiz/QuizDrawing.h"

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
    : LinePrintout("Quiz")
    , quiz(quiz)
{
    // An empty quiz prints its one blank page.
    setPages({{0, 0}});
}

void MyQuizPrintout::takeSurface(TextSurface& surface, int pageWidth, int pageHeight)
{
    Printout::takeSurface(surface, pageWidth, pageHeight);
    lineHeight = std::max(1, surface.textHeight());
    const int drop = lineHeight / 3;
    const int count = static_cast<int>(std::min<std::size_t>(quiz.size(), INT32_MAX));
    const auto sentence = [this](int line) -> const TSentence& {
        return quiz[static_cast<std::size_t>(line)];
    };
    // An exercise's subscripts reach a third of a line lower than other text.
    std::vector<LineRange> pages = breakIntoPages(
        count, pageHeight, 0, lineHeight,
        [&](int line) { return lineHeight + (sentence(line).isCompound ? drop : 0); },
        [&](int line) { return blank(sentence(line)); });
    // A quiz of blank lines only, like an empty one, still prints its one blank page.
    if (pages.empty())
        pages.push_back({0, count});
    setPages(std::move(pages));
}

void MyQuizPrintout::printLines(LineRange lines, TextSurface& surface)
{
    quiz_drawing::draw(surface, quiz, lines, lineHeight * lines.first);
}
