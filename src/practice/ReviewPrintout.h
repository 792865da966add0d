#pragma once

#include "practice/ReviewLog.h"
#include "print/LinePrintout.h"

#include <string>
#include <vector>

// The answers marked wrong on paper, for the student to go over: each with its number among
// the answers marked, the question, the answer typed, the correct one and why it was wrong,
// then how often each kind of mistake was made. Formulas have their digits lowered, as the
// answer key draws them, and the lines go on over pages as the answer key's do.
class ReviewPrintout : public LinePrintout {
public:
    static constexpr const char* titleLine = "Questions to review";

    // The log is read when the pages are laid out for a job, and must stand until it ends.
    // The title line names the student, unless no name was given.
    ReviewPrintout(const ReviewLog& log, std::string student);

    void takeSurface(TextSurface& surface, int pageWidth, int pageHeight) override;

private:
    void printLines(LineRange lines, TextSurface& surface) override;

    struct Piece {
        int x = 0;
        std::string text;
        bool formula = false;
    };
    // A line without pieces is blank.
    using Line = std::vector<Piece>;

    void layOut(TextSurface& surface, int pageWidth);
    void layOutTally(int indent);
    void addText(int x, std::string text) { lines.push_back({{x, std::move(text), false}}); }

    const ReviewLog& log;
    std::string student;
    std::vector<Line> lines;
    // An entry's lines, and the tally's, go on one page where they fit on one.
    std::vector<LineRange> keptTogether;
    int lineHeight = 0;
};
