#pragma once

#include "platform/DialogTemplate.h"

#include <QRect>

class QFont;

// Turns a template's dialog units into pixels of the template's font, so that a dialog keeps
// its proportions whatever font it is shown in.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(const DialogRect& r) const { return {x(r.x), y(r.y), x(r.width), y(r.height)}; }

private:
    double baseX = 0;
    double baseY = 0;
};
