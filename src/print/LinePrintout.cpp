#include "print/LinePrintout.h"

#include <cstdint>

std::vector<LineRange> breakIntoPages(int lineCount, int pageHeight, int top, int pitch,
                                      const std::function<int(int line)>& inkDepth,
                                      const std::function<bool(int line)>& blank)
{
    std::vector<LineRange> pages;
    for (int first = 0; first < lineCount;) {
        int end = first + 1;
        while (end < lineCount
               && top + std::int64_t(end - first) * pitch + inkDepth(end) <= pageHeight)
            ++end;
        bool anyInk = !blank;
        for (int line = first; line < end && !anyInk; ++line)
            anyInk = !blank(line);
        if (anyInk)
            pages.push_back({first, end});
        first = end;
    }
    return pages;
}
