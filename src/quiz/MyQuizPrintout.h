#pragma once

#include "print/Printout.h"
#include "quiz/QuizDrawing.h"
#include "quiz/TSentence.h"

#include <vector>

// The quiz on paper, drawn as the quiz view draws it from the top-left of the page. A quiz
// longer than a page goes on over further pages, each line whole on one page, the exercise
// numbers running on; no page holds only blank lines.
class MyQuizPrintout : public Printout {
public:
    explicit MyQuizPrintout(const SentenceList& quiz);

    void takeSurface(TextSurface& surface, int pageWidth, int pageHeight) override;
    bool hasPage(int page) const override;
    void printPage(int page, TextSurface& surface) override;

    int pageCount() const { return static_cast<int>(pages.size()); }

private:
    const SentenceList& quiz;
    int lineHeight = 0;
    // The lines of each page.
    std::vector<quiz_drawing::Lines> pages{{0, 0}};
};
