#include "views/TSymbolWindow.h"

#include "catalogue/CatalogueFile.h"
#include "platform/QPainterSurface.h"
#include "platform/Ui.h"
#include "views/CatalogueDrawing.h"
#include "views/ListPrintout.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

TSymbolWindow::TSymbolWindow(Ui& ui, QWidget* parent)
    : QAbstractScrollArea(parent)
    , ui(ui)
    , cationFile(QString::fromLatin1(catalogue_file::cationFileName))
    , anionFile(QString::fromLatin1(catalogue_file::anionFileName))
    , editor(ui, this, ions,
             {[this] { SaveCations(); }, [this] { SaveAnions(); }, [this] { SaveBoth(); },
              [this] { catalogueChanged(); }})
    , printer(ui)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setTracking(true);
    LoadIons();
    updateScrollRange();
}

void TSymbolWindow::LoadIons()
{
    // Both files are read even when the first cannot be opened, so that a later save never
    // replaces a list that was not loaded.
    loadList(cationFile, catalogue_file::cationFileName, ions.cations);
    loadList(anionFile, catalogue_file::anionFileName, ions.anions);
}

void TSymbolWindow::loadList(ListFileGuard& file, const char* fileName, IonList& list)
{
    const catalogue_file::ReadResult read = file.load();
    if (!read.opened) {
        ui.messageBox(this, std::string("Cannot open ") + fileName, "Information",
                      MessageIcon::Exclamation);
        return;
    }
    if (read.damaged()) {
        ui.messageBox(this, catalogue_file::damagedMessage(fileName, read), "Information",
                      MessageIcon::Exclamation);
    }
    list = read.ions;
}

void TSymbolWindow::reportSave(const char* fileName, SaveResult result)
{
    if (result == SaveResult::Failed) {
        ui.messageBox(this, std::string("File ") + fileName + " cannot be found!", "Warning",
                      MessageIcon::Exclamation);
    } else if (result == SaveResult::ChangedElsewhere) {
        ui.messageBox(this,
                      std::string(fileName) +
                          " was changed by another program. Your change was not saved; the "
                          "list has been read again.",
                      "Warning", MessageIcon::Exclamation);
    }
}

SaveResult TSymbolWindow::saveList(ListFileGuard& file, const char* fileName, IonList& list)
{
    const SaveResult result = file.save(list);
    reportSave(fileName, result);
    // The other program's entries are taken in, and this edit is dropped: the user sees the
    // list as it now is and can make the change again.
    if (result == SaveResult::ChangedElsewhere) {
        loadList(file, fileName, list);
        catalogueChanged();
    }
    return result;
}

SaveResult TSymbolWindow::SaveCations()
{
    return saveList(cationFile, catalogue_file::cationFileName, ions.cations);
}

SaveResult TSymbolWindow::SaveAnions()
{
    return saveList(anionFile, catalogue_file::anionFileName, ions.anions);
}

BothSaved TSymbolWindow::SaveBoth()
{
    const BothSaved result = saveBoth(cationFile, ions.cations, anionFile, ions.anions);
    reportSave(catalogue_file::cationFileName, result.cations);
    reportSave(catalogue_file::anionFileName, result.anions);
    // Both lists are read again, so the one whose file was not changed returns to the order
    // that its file still holds.
    if (result.refused()) {
        LoadIons();
        catalogueChanged();
    }
    return result;
}

void TSymbolWindow::catalogueChanged()
{
    updateScrollRange();
    viewport()->update();
}

int TSymbolWindow::scrollPosition() const
{
    return verticalScrollBar()->value();
}

int TSymbolWindow::scrollRange() const
{
    return verticalScrollBar()->maximum();
}

int TSymbolWindow::pageStep() const
{
    return verticalScrollBar()->pageStep();
}

void TSymbolWindow::PrintList()
{
    ListPrintout printout(ions);
    printer.Print(this, printout, true);
}

int TSymbolWindow::lineHeight() const
{
    return QFontMetrics(viewport()->font(), viewport()).height();
}

void TSymbolWindow::updateScrollRange()
{
    const int clientHeight = viewport()->height();
    // The range is never less than 200 units, and long lists get what it takes to bring
    // their last line into sight.
    const int excess = catalogue_drawing::drawingHeight(ions, lineHeight()) + 10 - clientHeight;
    const int needed = excess <= 0 ? 0 : (excess + scrollUnit - 1) / scrollUnit;
    verticalScrollBar()->setRange(0, std::max(minimumRange, needed));
    verticalScrollBar()->setPageStep(std::max(1, (clientHeight + 1) / scrollUnit - 1));
}

void TSymbolWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    QPainterSurface surface(painter);
    const int shift = scrollPosition() * scrollUnit;
    const QRect area = event->rect();
    const catalogue_drawing::Lines lines = catalogue_drawing::linesBetween(
        ions, surface.textHeight("X"), area.top() + shift, area.bottom() + 1 + shift);
    catalogue_drawing::draw(surface, ions, lines, shift);
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

void TSymbolWindow::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TSymbolWindow::scrollContentsBy(int, int dy)
{
    viewport()->scroll(0, dy * scrollUnit);
}

void TSymbolWindow::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateScrollRange();
}
