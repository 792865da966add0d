#pragma once

#include <cstdint>
#include <string>

// A colour as plain red, green and blue values, so drawing code needs no GUI types.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb black{0, 0, 0};
}

// Where every paint routine draws: the screen, a printer page, or a recording for tests.
// Texts are single-byte strings placed by their top-left corner; widths and heights are
// measured on the device being drawn on, in its own units.
class TextSurface {
public:
    virtual ~TextSurface() = default;

    virtual void setTextColour(Rgb colour) = 0;
    virtual void drawText(int x, int y, const std::string& text) = 0;
    virtual int textWidth(const std::string& text) = 0;
    // The height of a line of text in the current font on this device, ascent plus descent:
    // the same for every text.
    virtual int textHeight() = 0;
};
