#pragma once

#include "app/CatalogueCommands.h"
#include "catalogue/CatalogueStore.h"
#include "views/TSymbolWindow.h"

class Ui;

// The catalogue side of the program over the current folder, made as the main window makes
// it: the store, the view that shows it and the commands that load and edit it, with both
// files read at once.
class CatalogueSide {
public:
    explicit CatalogueSide(Ui& ui)
        : view(ui, store.catalogue())
        , commands(ui, store, view)
    {
        commands.LoadIons();
    }

    IonCatalogue& catalogue() { return store.catalogue(); }
    const IonCatalogue& catalogue() const { return store.catalogue(); }

    CatalogueStore store;
    TSymbolWindow view;
    CatalogueCommands commands;
};
