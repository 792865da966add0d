#include "views/TSymbolWindow.h"

#include "catalogue/CatalogueDrawing.h"
#include "catalogue/ListPrintout.h"

#include <QKeyEvent>
#include <QScrollBar>

TSymbolWindow::TSymbolWindow(Ui& ui, const IonCatalogue& catalogue, QWidget* parent)
    : ScrolledView(minimumRange, parent)
    , ions(catalogue)
    , printer(ui)
{
    drawingChanged();
}

void TSymbolWindow::catalogueChanged()
{
    drawingChanged();
}

void TSymbolWindow::PrintList()
{
    ListPrintout printout(ions);
    printer.Print(this, printout, true);
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
    bar->setValue(bar->value() + step);
    event->accept();
}
