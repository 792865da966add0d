#pragma once

#include "print/LinePrintout.h"
#include "quiz/TSentence.h"

// The quiz on paper, drawn as the quiz view draws it from the top-left of the page. A quiz
// longer than a page goes on over further pages, each line whole on one page, the exercise
// numbers running on; no page holds only blank lines.
class MyQuizPrintout : public LinePrintout {
public:
    explicit MyQuizPrintout(const SentenceList& quiz);

    void takeSurface(TextSurface& surface, int pageWidth, int pageHeight) override;

private:
    void printLines(LineRange lines, TextSurface& surface) override;

    const SentenceList& quiz;
    int lineHeight = 0;
};
