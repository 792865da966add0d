#pragma once

#include "platform/TextSurface.h"

#include "gui/TextWidths.h"

#include <QFontMetrics>

class QPainter;

// A TextSurface over a QPainter on a widget or a printer. QPainter places text by its
// baseline, so the ascent is added to every y; metrics come from the painter's font as the
// device renders it.
class QPainterSurface final : public TextSurface {
public:
    explicit QPainterSurface(QPainter& painter);

    void setTextColour(Rgb colour) override;
    void drawText(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) override;
    int textHeight() override;

private:
    QPainter& painter;
    QFontMetrics metrics;
    TextWidths widths{metrics};
};
