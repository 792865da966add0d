#pragma once

#include "catalogue/CatalogueEditor.h"
#include "catalogue/ListFileGuard.h"

class CatalogueStore;
class TSymbolWindow;
class Ui;
struct ListLoad;

// The loads, saves and edits of the program's catalogue with their messages. The messages and
// the editor's dialogs belong to the catalogue view, which is told to repaint after every
// change.
class CatalogueCommands {
public:
    CatalogueCommands(Ui& ui, CatalogueStore& store, TSymbolWindow& view);

    // Both files are read even when the first cannot be opened.
    void LoadIons();
    // A refused save reads its list again, so the user sees the list as it now is and can make
    // the change again.
    SaveResult SaveCations();
    SaveResult SaveAnions();
    // A refused sort reads both lists again, so the one whose file was not changed returns to
    // the order that its file still holds; its one warning names the changed files.
    BothSaved SaveBoth();

    void AddIon() { editor.AddIon(); }
    void DeleteIon() { editor.DeleteIon(); }
    void ChangeIon() { editor.ChangeIon(); }
    void SortIons() { editor.SortIons(); }

private:
    void reportLoad(const ListLoad& load);
    void reportSave(const char* fileName, SaveResult result);

    Ui& ui;
    CatalogueStore& store;
    TSymbolWindow& view;
    CatalogueEditor editor;
};
