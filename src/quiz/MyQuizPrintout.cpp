#include "quiz/MyQuizPrintout.h"

#include "quiz/QuizDrawing.h"

#include <algorithm>

MyQuizPrintout::MyQuizPrintout(const SentenceList& quiz)
    : Printout("Quiz")
    , quiz(quiz)
{
}

void MyQuizPrintout::takeSurface(TextSurface& surface, int pageWidth, int pageHeight)
{
    Printout::takeSurface(surface, pageWidth, pageHeight);
    lineHeight = std::max(1, surface.textHeight("X"));
    // Line k of a page stands at k h and its subscripts reach a third of h lower.
    const int extent = lineHeight + lineHeight / 3;
    const int linesPerPage = std::max(1, (pageHeight - extent) / lineHeight + 1);
    // An empty quiz still prints its one blank page.
    pageStarts = {0};
    for (int first = linesPerPage; first < static_cast<int>(quiz.size()); first += linesPerPage)
        pageStarts.push_back(first);
}

bool MyQuizPrintout::hasPage(int page) const
{
    return page >= 1 && static_cast<std::size_t>(page) <= pageStarts.size();
}

void MyQuizPrintout::printPage(int page, TextSurface& surface)
{
    if (!hasPage(page))
        return;
    const auto index = static_cast<std::size_t>(page - 1);
    const int first = pageStarts[index];
    const int end = index + 1 < pageStarts.size() ? pageStarts[index + 1] : static_cast<int>(quiz.size());
    quiz_drawing::draw(surface, quiz, {first, end}, lineHeight * first);
}
