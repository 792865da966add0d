#pragma once

#include "catalogue/IonCatalogue.h"
#include "print/LinePrintout.h"

// Both ion lists on paper, drawn exactly as the catalogue view draws them, from the top of the
// lists whatever the view's scroll position. A list longer than a page goes on over further
// pages, each line whole on one page.
class ListPrintout : public LinePrintout {
public:
    explicit ListPrintout(const IonCatalogue& catalogue);

    void takeSurface(TextSurface& surface, int pageWidth, int pageHeight) override;

private:
    void printLines(LineRange lines, TextSurface& surface) override;

    const IonCatalogue& catalogue;
    int pitch = 0;
};
