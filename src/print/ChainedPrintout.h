#pragma once

#include "print/Printout.h"

// One printout, then, while a switch is on, a second one on pages of its own, the pages
// numbered on from the first's: the print dialog's range, has-page and "Printing" all count
// both. With the switch off it is the first printout and nothing else.
class ChainedPrintout : public Printout {
public:
    ChainedPrintout(Printout& first, Printout& second, bool secondWanted);

    int pageCount() const override;
    bool hasPage(int page) const override;
    void takeSurface(TextSurface& surface, int pageWidth, int pageHeight) override;
    void printPage(int page, TextSurface& surface) override;

private:
    bool withSecond() const { return secondWanted && secondTaken; }

    Printout& first;
    Printout& second;
    bool secondWanted;
    // Whether the second printout was laid out for this job.
    bool secondTaken = false;
};
