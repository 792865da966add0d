#include "gui/ScrolledView.h"

#include "gui/QPainterSurface.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

ScrolledView::ScrolledView(int minimumRange, QWidget* parent)
    : QAbstractScrollArea(parent)
    , minimumRange(minimumRange)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setTracking(true);
}

void ScrolledView::drawingChanged()
{
    updateScrollRange();
    viewport()->update();
}

void ScrolledView::updateScrollRange()
{
    const int clientHeight = viewport()->height();
    const int lineHeight = QFontMetrics(viewport()->font(), viewport()).height();
    const int excess = drawingHeight(lineHeight) + 10 - clientHeight;
    const int needed = excess <= 0 ? 0 : (excess + scrollUnit - 1) / scrollUnit;
    verticalScrollBar()->setRange(0, std::max(minimumRange, needed));
    verticalScrollBar()->setPageStep(std::max(1, (clientHeight + 1) / scrollUnit - 1));
}

void ScrolledView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    QPainterSurface surface(painter);
    const int shift = scrollPosition() * scrollUnit;
    const QRect area = event->rect();
    drawBetween(surface, area.top() + shift, area.bottom() + 1 + shift, shift);
}

void ScrolledView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void ScrolledView::scrollContentsBy(int, int dy)
{
    viewport()->scroll(0, dy * scrollUnit);
}

void ScrolledView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    // Lines of another height make a drawing of another height.
    if (event->type() == QEvent::FontChange)
        updateScrollRange();
}
