#include "catalogue/CatalogueDrawing.h"

#include <algorithm>
#include <string>

namespace catalogue_drawing {

namespace {

constexpr int top = 10;

int linePitch(int lineHeight)
{
    return 2 * lineHeight;
}

// A line's ink reaches one subscript drop below its text.
int lineExtent(int lineHeight)
{
    return lineHeight + lineHeight / 3;
}

struct Columns {
    int symbol; // 10 + the width of 25 X
    int chargeHeading; // symbol + the width of 10 X
    int charge; // symbol + the width of 11 X: one X further right than its heading
};

void drawHeadings(TextSurface& surface, const Columns& columns, int y)
{
    surface.drawText(15, y, "     Name:");
    surface.drawText(columns.symbol, y, "Symbol:");
    surface.drawText(columns.chargeHeading, y, "Charge:");
}

void drawEntry(TextSurface& surface, const Columns& columns, int drop, int y, std::uint32_t number,
               const TIon& ion, const char* sign)
{
    surface.drawText(10, y, std::to_string(number) + ".  " + ion.name);
    // The digits of a symbol are subscripts, all but 0.
    int x = columns.symbol;
    for (char c : ion.symbol) {
        const std::string character(1, c);
        surface.drawText(x, (c >= '1' && c <= '9') ? y + drop : y, character);
        x += surface.textWidth(character);
    }
    surface.drawText(columns.charge, y, std::to_string(ion.charge) + sign);
}

} // namespace

int lineCount(const IonCatalogue& catalogue)
{
    return static_cast<int>(std::min<std::uint64_t>(
        std::uint64_t(catalogue.cations.count()) + catalogue.anions.count() + 5, INT32_MAX));
}

LineRange linesBetween(const IonCatalogue& catalogue, int lineHeight, int top_, int bottom)
{
    const int pitch = std::max(1, linePitch(lineHeight));
    // Line k covers [top + pitch k, top + pitch k + extent).
    const int count = lineCount(catalogue);
    const int above = top_ - top - lineExtent(lineHeight);
    const int first = std::min(count, above < 0 ? 0 : above / pitch + 1);
    const int end = bottom <= top ? 0 : (bottom - top - 1) / pitch + 1;
    return {first, std::clamp(end, first, count)};
}

void draw(TextSurface& surface, const IonCatalogue& catalogue, LineRange lines, int shift)
{
    const int h = surface.textHeight();
    const int drop = h / 3;
    const int symbolColumn = 10 + surface.textWidth(std::string(25, 'X'));
    const Columns columns{symbolColumn, symbolColumn + surface.textWidth(std::string(10, 'X')),
                          symbolColumn + surface.textWidth(std::string(11, 'X'))};

    const auto n = static_cast<std::int64_t>(catalogue.cations.count());
    const auto m = static_cast<std::int64_t>(catalogue.anions.count());
    for (std::int64_t k = lines.first; k < lines.end; ++k) {
        const int y = static_cast<int>(top + linePitch(h) * k - shift);
        if (k == 0) {
            surface.drawText(30, y, "Cations:");
        } else if (k == 1 || k == n + 4) {
            drawHeadings(surface, columns, y);
        } else if (k <= n + 1) {
            const auto number = static_cast<std::uint32_t>(k - 1);
            drawEntry(surface, columns, drop, y, number, catalogue.cations.at(number - 1), "+");
        } else if (k == n + 3) {
            surface.drawText(30, y, "Anions:");
        } else if (k >= n + 5 && k <= n + 4 + m) {
            const auto number = static_cast<std::uint32_t>(k - n - 4);
            drawEntry(surface, columns, drop, y, number, catalogue.anions.at(number - 1), "-");
        }
    }
}

void drawAll(TextSurface& surface, const IonCatalogue& catalogue)
{
    draw(surface, catalogue, {0, lineCount(catalogue)}, 0);
}

int drawingHeight(const IonCatalogue& catalogue, int lineHeight)
{
    const std::int64_t last = lineCount(catalogue) - 1;
    return static_cast<int>(std::min<std::int64_t>(
        top + linePitch(lineHeight) * last + lineExtent(lineHeight), INT32_MAX));
}

} // namespace catalogue_drawing
