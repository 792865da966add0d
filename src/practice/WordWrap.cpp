#include "practice/WordWrap.h"

#include <algorithm>

std::vector<std::string> wrapWords(TextSurface& surface, const std::string& text, int width)
{
    std::vector<std::string> rows;
    std::string row;
    for (std::size_t start = text.find_first_not_of(' '); start != std::string::npos;
         start = text.find_first_not_of(' ', start)) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string word = text.substr(start, end - start);
        start = end;
        if (row.empty()) {
            row = word;
        } else if (surface.textWidth(row + " " + word) <= width) {
            row += " " + word;
        } else {
            rows.push_back(row);
            row = word;
        }
    }
    if (!row.empty())
        rows.push_back(row);
    return rows;
}
