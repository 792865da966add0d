#include "views/ListPrintout.h"

#include <algorithm>

ListPrintout::ListPrintout(const IonCatalogue& catalogue)
    : Printout("List")
    , catalogue(catalogue)
{
}

void ListPrintout::takeSurface(TextSurface& surface, int pageWidth, int pageHeight)
{
    Printout::takeSurface(surface, pageWidth, pageHeight);
    const int h = surface.textHeight("X");
    pitch = 2 * h;
    // Line k of a page stands at 10 + pitch k and reaches one subscript drop below its text.
    const int extent = h + h / 3;
    const int linesPerPage = std::max(1, (pageHeight - 10 - extent) / std::max(1, pitch) + 1);
    pageStarts.clear();
    const int lines = catalogue_drawing::lineCount(catalogue);
    for (int first = 0; first < lines; first += linesPerPage)
        pageStarts.push_back(first);
}

bool ListPrintout::hasPage(int page) const
{
    return page >= 1 && static_cast<std::size_t>(page) <= pageStarts.size();
}

void ListPrintout::printPage(int page, TextSurface& surface)
{
    if (!hasPage(page))
        return;
    const int first = pageStarts[static_cast<std::size_t>(page - 1)];
    const int end = static_cast<std::size_t>(page) < pageStarts.size()
                        ? pageStarts[static_cast<std::size_t>(page)]
                        : catalogue_drawing::lineCount(catalogue);
    // Each page starts its first line where the list starts, 10 units down.
    catalogue_drawing::draw(surface, catalogue, {first, end}, pitch * first);
}
