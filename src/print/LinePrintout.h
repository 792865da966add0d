#pragma once

#include "platform/LineRange.h"
#include "print/Printout.h"

#include <functional>
#include <vector>

// Where the pages of a drawing laid out in lines break. Line k of a page stands at
// top + pitch * k and its ink reaches inkDepth(line) below that; a line goes on the page when
// its ink ends on it, and every page takes at least one line however small the paper. A page
// whose lines would all be blank(line) is left out, so no sheet comes out empty.
std::vector<LineRange> breakIntoPages(int lineCount, int pageHeight, int top, int pitch,
                                      const std::function<int(int line)>& inkDepth,
                                      const std::function<bool(int line)>& blank = {});

// A printout of a drawing laid out in lines, printed a page of lines at a time.
class LinePrintout : public Printout {
public:
    using Printout::Printout;

    int pageCount() const override { return static_cast<int>(pages.size()); }
    void printPage(int page, TextSurface& surface) final
    {
        if (hasPage(page))
            printLines(pages[static_cast<std::size_t>(page - 1)], surface);
    }

protected:
    void setPages(std::vector<LineRange> broken) { pages = std::move(broken); }
    // Paints the lines of one page, the first of them at the top.
    virtual void printLines(LineRange lines, TextSurface& surface) = 0;

private:
    std::vector<LineRange> pages;
};
