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
    if (text.size() != 1)
        return metrics.horizontalAdvance(fromLatin1Bytes(text));
    int& width = characterWidths[static_cast<unsigned char>(text[0])];
    // A width of 0 is measured again each time, which is no harm.
    if (width == 0)
        width = metrics.horizontalAdvance(fromLatin1Bytes(text));
    return width;
}

int QPainterSurface::textHeight()
{
    return metrics.height();
}
