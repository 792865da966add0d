#include "catalogue/ListPrintout.h"

#include "catalogue/CatalogueDrawing.h"

ListPrintout::ListPrintout(const IonCatalogue& catalogue)
    : LinePrintout("List")
    , catalogue(catalogue)
{
}

void ListPrintout::takeSurface(TextSurface& surface, int pageWidth, int pageHeight)
{
    Printout::takeSurface(surface, pageWidth, pageHeight);
    const int h = surface.textHeight();
    pitch = 2 * h;
    // Every line reaches one subscript drop below its text.
    const int depth = h + h / 3;
    setPages(breakIntoPages(catalogue_drawing::lineCount(catalogue), pageHeight, 10, pitch,
                            [depth](int) { return depth; }));
}

void ListPrintout::printLines(LineRange lines, TextSurface& surface)
{
    // Each page starts its first line where the list starts, 10 units down.
    catalogue_drawing::draw(surface, catalogue, lines, pitch * lines.first);
}
