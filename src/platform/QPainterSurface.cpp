#include "platform/QPainterSurface.h"

#include <QPainter>

namespace {

QString latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

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
    painter.drawText(x, y + metrics.ascent(), latin1(text));
}

int QPainterSurface::textWidth(const std::string& text)
{
    return metrics.horizontalAdvance(latin1(text));
}

int QPainterSurface::textHeight(const std::string&)
{
    return metrics.height();
}
