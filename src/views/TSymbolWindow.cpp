#include "views/TSymbolWindow.h"

#include "catalogue/CatalogueDrawing.h"
#include "catalogue/ListPrintout.h"
#include "views/DrawnText.h"
#include "views/ViewAccessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

TSymbolWindow::TSymbolWindow(Ui& ui, const IonCatalogue& catalogue, QWidget* parent)
    : ScrolledView(minimumRange, parent)
    , ions(catalogue)
    , printer(ui)
{
    installViewAccessibility();
    drawingChanged();
}

void TSymbolWindow::catalogueChanged()
{
    drawingChanged();
    keepFocusLineInSight();
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void TSymbolWindow::PrintList()
{
    ListPrintout printout(ions);
    printer.Print(this, printout, true);
}

int TSymbolWindow::lineCount() const
{
    return catalogue_drawing::lineCount(ions);
}

std::array<TSymbolWindow::Cell, TSymbolWindow::columnCount> TSymbolWindow::lineCells(
    int line) const
{
    std::array<Cell, columnCount> cells;
    if (line < 0 || line >= lineCount())
        return cells;
    DrawnText drawn(QFontMetrics(viewport()->font(), viewport()));
    catalogue_drawing::draw(drawn, ions, {line, line + 1}, scrollPosition() * scrollUnit);
    // A line is drawn a column at a time: the number and name (or the only text of a title),
    // the symbol a character at a time, then the charge.
    const std::vector<DrawnText::Piece>& pieces = drawn.pieces();
    const auto column = [&cells](int c, auto first, auto last) {
        const std::vector<DrawnText::Piece> part(first, last);
        cells[std::size_t(c)].text = joinedText(part).trimmed();
        for (const DrawnText::Piece& piece : part)
            cells[std::size_t(c)].rect |= piece.rect;
    };
    if (!pieces.empty())
        column(0, pieces.begin(), pieces.begin() + 1);
    if (pieces.size() >= 2) {
        column(1, pieces.begin() + 1, pieces.end() - 1);
        column(2, pieces.end() - 1, pieces.end());
    }
    return cells;
}

int TSymbolWindow::headingLineAbove(int line) const
{
    // Line 1 heads the n cations on lines 2 to n + 1; the anions' headings stand under
    // "Anions:" on line n + 4.
    const std::int64_t cations = ions.cations.count();
    if (line >= cations + 4)
        return static_cast<int>(cations + 4);
    return line >= 1 && line <= cations + 1 ? 1 : -1;
}

LineRange TSymbolWindow::linesInSight() const
{
    const int shift = scrollPosition() * scrollUnit;
    const int height = viewport()->height();
    const int lineHeight = QFontMetrics(viewport()->font(), viewport()).height();
    LineRange sight = catalogue_drawing::linesBetween(ions, lineHeight, shift, shift + height);
    // The first and the last may be cut by the edges.
    const auto bounds = [this](int line) {
        QRect all;
        for (const Cell& cell : lineCells(line))
            all |= cell.rect;
        return all;
    };
    if (sight.first < sight.end && bounds(sight.first).top() < 0)
        ++sight.first;
    if (sight.first < sight.end && bounds(sight.end - 1).bottom() >= height)
        --sight.end;
    return sight;
}

int TSymbolWindow::drawingHeight(int lineHeight) const
{
    return catalogue_drawing::drawingHeight(ions, lineHeight);
}

void TSymbolWindow::drawBetween(TextSurface& surface, int top, int bottom, int shift)
{
    catalogue_drawing::draw(
        surface, ions, catalogue_drawing::linesBetween(ions, surface.textHeight(), top, bottom),
        shift);
}

void TSymbolWindow::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = verticalScrollBar();
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_PageUp:
        step = -bar->pageStep();
        break;
    case Qt::Key_PageDown:
        step = bar->pageStep();
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // The scroll bar clamps to its range.
    scrollingLineDown = event->key() == Qt::Key_Down;
    bar->setValue(bar->value() + step);
    scrollingLineDown = false;
    event->accept();
}

void TSymbolWindow::scrollContentsBy(int dx, int dy)
{
    ScrolledView::scrollContentsBy(dx, dy);
    followScroll();
}

void TSymbolWindow::resizeEvent(QResizeEvent* event)
{
    ScrolledView::resizeEvent(event);
    keepFocusLineInSight();
}

void TSymbolWindow::focusInEvent(QFocusEvent* event)
{
    ScrolledView::focusInEvent(event);
    // After the view's own focus event, which the widget sends once this handler returns.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            reportFocusLine();
    });
}

void TSymbolWindow::followScroll()
{
    const LineRange sight = linesInSight();
    const LineRange before = shownLines;
    shownLines = sight;
    if (sight.first >= sight.end)
        return;
    int line = accessibleFocus;
    if (scrollingLineDown && sight.end > before.end)
        line = sight.end - 1;
    else if (!scrollingLineDown && sight.first != before.first)
        line = sight.first;
    line = std::clamp(line, sight.first, sight.end - 1);
    if (line != accessibleFocus) {
        accessibleFocus = line;
        if (hasFocus())
            reportFocusLine();
    }
}

void TSymbolWindow::keepFocusLineInSight()
{
    shownLines = linesInSight();
    if (shownLines.first < shownLines.end)
        accessibleFocus = std::clamp(accessibleFocus, shownLines.first, shownLines.end - 1);
    else
        accessibleFocus = std::clamp(accessibleFocus, 0, std::max(0, lineCount() - 1));
}

void TSymbolWindow::reportFocusLine()
{
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(accessibleFocus * columnCount);
    QAccessible::updateAccessibility(&event);
}
