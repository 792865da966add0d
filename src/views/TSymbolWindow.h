#pragma once

#include "catalogue/CatalogueEditor.h"
#include "catalogue/IonCatalogue.h"
#include "catalogue/ListFileGuard.h"
#include "platform/CommandTable.h"
#include "print/Printer.h"

#include "platform/ScrolledView.h"

class Ui;

// The catalogue view: holds the teacher's ion lists for the whole run, draws them numbered in
// three columns and scrolls vertically in units of 15 pixels.
class TSymbolWindow : public ScrolledView {
    Q_OBJECT
public:
    static constexpr int minimumRange = 200;

    // Loads both catalogue files from the current directory.
    TSymbolWindow(Ui& ui, QWidget* parent = nullptr);

    const IonCatalogue& catalogue() const { return ions; }
    IonCatalogue& catalogue() { return ions; }

    // This view's own commands: none; it handles its scrolling keys itself.
    const CommandTable& commands() const { return ownCommands; }

    void LoadIons();
    // Each save is refused when another program changed the file since this view last read
    // or wrote it; the list is then read again from the file.
    SaveResult SaveCations();
    SaveResult SaveAnions();
    // After the sort: neither file is written unless both are still as this view left them.
    BothSaved SaveBoth();

    // After any change to the lists: a new scroll range and the whole view repainted.
    void catalogueChanged();

    // Commands of the List and Quiz menus that the catalogue view carries out.
    void AddIon() { editor.AddIon(); }
    void DeleteIon() { editor.DeleteIon(); }
    void ChangeIon() { editor.ChangeIon(); }
    void SortIons() { editor.SortIons(); }
    // Prints both lists from their top, whatever the scroll position; the mode stays.
    void PrintList();


protected:
    int drawingHeight(int lineHeight) const override;
    void drawBetween(TextSurface& surface, int top, int bottom, int shift) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadList(ListFileGuard& file, const char* fileName, IonList& list);
    SaveResult saveList(ListFileGuard& file, const char* fileName, IonList& list);
    void reportSave(const char* fileName, SaveResult result);

    Ui& ui;
    IonCatalogue ions;
    ListFileGuard cationFile;
    ListFileGuard anionFile;
    CatalogueEditor editor;
    CommandTable ownCommands;
    Printer printer;
};
