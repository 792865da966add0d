#pragma once

#include "catalogue/CatalogueEditor.h"
#include "catalogue/ListFileGuard.h"

class CatalogueStore;
class TSymbolWindow;
class Ui;

// The loads and the edits of the program's catalogue with their messages: the one owner of
// what an edit changed, which it saves, reports, reads again where another program changed a
// file, and shows, once each. The messages and the editor's dialogs belong to the catalogue
// view.
class CatalogueCommands {
public:
    CatalogueCommands(Ui& ui, CatalogueStore& store, TSymbolWindow& view);

    // Both files are read even when the first cannot be opened.
    void LoadIons();
    // One of the List menu's edits (Add, Change, Delete, Sort), then its save.
    void edit(CatalogueEditor::Changed (CatalogueEditor::*command)());
    // A refused save reads its list again, so the user sees the list as it now is and can make
    // the change again. The caller repaints.
    void SaveCations();
    void SaveAnions();

private:
    // A refused sort reads both lists again, so the one whose file was not changed returns to
    // the order that its file still holds; its one warning names the changed files.
    void SaveBoth();
    void readBoth();
    void reportLoad(const std::string& said);
    void reportSave(const char* fileName, SaveResult result);

    Ui& ui;
    CatalogueStore& store;
    TSymbolWindow& view;
    CatalogueEditor editor;
};
