#include "print/ChainedPrintout.h"

ChainedPrintout::ChainedPrintout(Printout& first, Printout& second, bool secondWanted)
    : Printout(first.title())
    , first(first)
    , second(second)
    , secondWanted(secondWanted)
{
}

int ChainedPrintout::pageCount() const
{
    return first.pageCount() + (withSecond() ? second.pageCount() : 0);
}

bool ChainedPrintout::hasPage(int page) const
{
    if (!withSecond() || page <= first.pageCount())
        return first.hasPage(page);
    return second.hasPage(page - first.pageCount());
}

void ChainedPrintout::takeSurface(TextSurface& surface, int pageWidth, int pageHeight)
{
    Printout::takeSurface(surface, pageWidth, pageHeight);
    first.takeSurface(surface, pageWidth, pageHeight);
    secondTaken = secondWanted;
    if (secondTaken)
        second.takeSurface(surface, pageWidth, pageHeight);
}

void ChainedPrintout::printPage(int page, TextSurface& surface)
{
    if (!withSecond() || page <= first.pageCount())
        first.printPage(page, surface);
    else
        second.printPage(page - first.pageCount(), surface);
}
