#pragma once

#include "print/LinePrintout.h"
#include "quiz/AnswerKey.h"

#include <functional>

// The answer key on paper, laid out as the quiz is: the title line, the heading lines, each
// exercise's number and answer (a formula with its digits lowered), and the count of those no
// pair of the lists answered. It goes on over pages as the quiz does.
class AnswerKeyPrintout : public LinePrintout {
public:
    static constexpr const char* titleLine = "Answer key";

    explicit AnswerKeyPrintout(const answer_key::Key& key);
    // The key worked out only when it is laid out for a job: a stored quiz's key searches
    // every pair of the lists, which a job without the key should not wait for.
    explicit AnswerKeyPrintout(std::function<answer_key::Key()> makeKey);

    void takeSurface(TextSurface& surface, int pageWidth, int pageHeight) override;

private:
    void printLines(LineRange lines, TextSurface& surface) override;

    void setKey(const answer_key::Key& key);

    std::function<answer_key::Key()> pendingKey;
    struct Line {
        std::string label; // "12.  " for an exercise
        std::string text;
        bool lowered = false;
    };

    std::vector<Line> lines;
    int lineHeight = 0;
};
