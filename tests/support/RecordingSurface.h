#pragma once

#include "platform/TextSurface.h"

#include <map>
#include <string>
#include <vector>

// A TextSurface that keeps what was drawn, with simple metrics that tests can compute by
// hand: every character is charWidth wide unless widths says otherwise, every text
// lineHeight high.
class RecordingSurface : public TextSurface {
public:
    struct Text {
        int x;
        int y;
        std::string text;
        Rgb colour;
        friend bool operator==(const Text&, const Text&) = default;
    };

    explicit RecordingSurface(int lineHeight = 15, int charWidth = 7)
        : lineHeight(lineHeight), charWidth(charWidth)
    {
    }

    void setCharWidth(char c, int width) { widths[c] = width; }

    void setTextColour(Rgb colour) override { current = colour; }
    void drawText(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) override;
    int textHeight() override { return lineHeight; }

    const std::vector<Text>& texts() const { return drawn; }
    // The first drawn text equal to this one; fails the test when there is none.
    Text find(const std::string& text) const;
    // The drawn texts whose y lies in [top, bottom).
    std::vector<Text> between(int top, int bottom) const;

private:
    int lineHeight;
    int charWidth;
    std::map<char, int> widths;
    Rgb current = colours::black;
    std::vector<Text> drawn;
};
