#pragma once

#include "platform/TextSurface.h"

#include <string>

// What a print job prints: a title, the pages it has and how each is painted. Pages are
// painted on the printer's surface in its own pixels.
class Printout {
public:
    explicit Printout(std::string title) : documentTitle(std::move(title)) {}
    virtual ~Printout() = default;

    // The document name, shown in "Printing" and handed to the printing system.
    const std::string& title() const { return documentTitle; }

    // Page 1 alone, unless a printout has more. Known once the surface has been taken.
    virtual int pageCount() const { return 1; }
    virtual bool hasPage(int page) const { return page >= 1 && page <= pageCount(); }
    // The surface the pages will be painted on, for measuring, and its page size.
    virtual void takeSurface(TextSurface&, int pageWidth, int pageHeight)
    {
        width = pageWidth;
        height = pageHeight;
    }
    virtual void printPage(int page, TextSurface& surface) = 0;

protected:
    int pageWidth() const { return width; }
    int pageHeight() const { return height; }

private:
    std::string documentTitle;
    int width = 0;
    int height = 0;
};
