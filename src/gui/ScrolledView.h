#pragma once

#include <QAbstractScrollArea>
#include <QScrollBar>

class TextSurface;

// A view that draws lines of text under a vertical scroll bar moving 15 pixels a unit. Its
// range is never less than the view's minimum and grows to bring the drawing's lowest ink
// into sight; a paint draws only what meets the part to repaint.
class ScrolledView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int scrollUnit = 15;

    ScrolledView(int minimumRange, QWidget* parent);

    int scrollPosition() const { return verticalScrollBar()->value(); }
    int scrollRange() const { return verticalScrollBar()->maximum(); }
    int pageStep() const { return verticalScrollBar()->pageStep(); }

protected:
    // The y below the lowest ink of the drawing, its text lineHeight high.
    virtual int drawingHeight(int lineHeight) const = 0;
    // Draws what lies between y = top and y = bottom of the drawing, moved up by shift.
    virtual void drawBetween(TextSurface& surface, int top, int bottom, int shift) = 0;

    // After the drawing changed: a new range, the scroll position kept, all repainted.
    void drawingChanged();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

private:
    void updateScrollRange();

    int minimumRange;
};
