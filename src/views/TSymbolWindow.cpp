#include "views/TSymbolWindow.h"

#include "catalogue/CatalogueFile.h"
#include "platform/Ui.h"
#include "views/CatalogueDrawing.h"
#include "views/ListPrintout.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

TSymbolWindow::TSymbolWindow(Ui& ui, QWidget* parent)
    : ScrolledView(minimumRange, parent)
    , ui(ui)
    , cationFile(QString::fromLatin1(catalogue_file::cationFileName))
    , anionFile(QString::fromLatin1(catalogue_file::anionFileName))
    , editor(ui, this, ions,
             {[this] { SaveCations(); }, [this] { SaveAnions(); }, [this] { SaveBoth(); },
              [this] { catalogueChanged(); }})
    , printer(ui)
{
    LoadIons();
    drawingChanged();
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
        surface, ions, catalogue_drawing::linesBetween(ions, surface.textHeight("X"), top, bottom),
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
