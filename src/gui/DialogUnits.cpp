#include "gui/DialogUnits.h"

#include <QFontMetrics>

#include <cmath>

// Horizontal units are a quarter of the font's average character width, vertical ones an
// eighth of its height.
DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    baseX = metrics.horizontalAdvance(
                QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
        / 52.0;
    baseY = metrics.height();
}

int DialogUnits::x(int units) const
{
    return static_cast<int>(std::lround(units * baseX / 4));
}

int DialogUnits::y(int units) const
{
    return static_cast<int>(std::lround(units * baseY / 8));
}
