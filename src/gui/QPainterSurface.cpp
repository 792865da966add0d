#include "gui/QPainterSurface.h"

#include "platform/Latin1.h"

#include <QPainter>

QPainterSurface::QPainterSurface(QPainter& painter)
    : painter(painter)
    , metrics(painter.font(), painter.device())
{
}

void QPainterSurface::setTextColour(Rgb colour)
{
    painter.setPen(QColor(colour.red, colour.green, colour.blue));
}

void QPainterSurface::drawText(int x, int y, const std::string& text)
{
    painter.drawText(x, y + metrics.ascent(), fromLatin1Bytes(text));
}

int QPainterSurface::textWidth(const std::string& text)
{
    return widths.of(text);
}

int QPainterSurface::textHeight()
{
    return metrics.height();
}
