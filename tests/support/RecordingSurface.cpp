#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

void RecordingSurface::drawText(int x, int y, const std::string& text)
{
    drawn.push_back({x, y, text, current});
}

int RecordingSurface::textWidth(const std::string& text)
{
    int width = 0;
    for (char c : text) {
        const auto found = widths.find(c);
        width += found == widths.end() ? charWidth : found->second;
    }
    return width;
}

RecordingSurface::Text RecordingSurface::find(const std::string& text) const
{
    for (const Text& t : drawn)
        if (t.text == text)
            return t;
    ADD_FAILURE() << "nothing drew \"" << text << "\"";
    return {-1, -1, text, {}};
}

std::vector<RecordingSurface::Text> RecordingSurface::between(int top, int bottom) const
{
    std::vector<Text> result;
    for (const Text& t : drawn)
        if (t.y >= top && t.y < bottom)
            result.push_back(t);
    return result;
}
