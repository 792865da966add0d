#include "app/CatalogueCommands.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/CatalogueStore.h"
#include "platform/Ui.h"
#include "views/TSymbolWindow.h"

CatalogueCommands::CatalogueCommands(Ui& ui, CatalogueStore& store, TSymbolWindow& view)
    : ui(ui)
    , store(store)
    , view(view)
    , editor(ui, &view, store.catalogue())
{
}

void CatalogueCommands::LoadIons()
{
    readBoth();
    view.catalogueChanged();
}

void CatalogueCommands::readBoth()
{
    reportLoad(store.loadCations());
    reportLoad(store.loadAnions());
}

void CatalogueCommands::edit(CatalogueEditor::Changed (CatalogueEditor::*command)())
{
    using Changed = CatalogueEditor::Changed;
    switch ((editor.*command)()) {
    case Changed::Nothing:
        return;
    case Changed::Cations:
        SaveCations();
        break;
    case Changed::Anions:
        SaveAnions();
        break;
    case Changed::Both:
        SaveBoth();
        break;
    }
    view.catalogueChanged();
}

void CatalogueCommands::reportLoad(const std::string& said)
{
    if (!said.empty())
        ui.messageBox(&view, said, "Information", MessageIcon::Exclamation);
}

void CatalogueCommands::reportSave(const char* fileName, SaveResult result)
{
    if (result == SaveResult::Failed) {
        ui.messageBox(&view, std::string("File ") + fileName + " cannot be found!", "Warning",
                      MessageIcon::Exclamation);
    } else if (result == SaveResult::ChangedElsewhere) {
        ui.messageBox(&view,
                      std::string(fileName) +
                          " was changed by another program. Your change was not saved; the "
                          "list has been read again.",
                      "Warning", MessageIcon::Exclamation);
    }
}

void CatalogueCommands::SaveCations()
{
    const SaveResult result = store.saveCations();
    reportSave(catalogue_file::cationFileName, result);
    // The other program's entries are taken in and this edit is dropped.
    if (result == SaveResult::ChangedElsewhere)
        reportLoad(store.loadCations());
}

void CatalogueCommands::SaveAnions()
{
    const SaveResult result = store.saveAnions();
    reportSave(catalogue_file::anionFileName, result);
    if (result == SaveResult::ChangedElsewhere)
        reportLoad(store.loadAnions());
}

void CatalogueCommands::SaveBoth()
{
    const BothSaved result = store.saveBoth();
    if (!result.refused()) {
        reportSave(catalogue_file::cationFileName, result.cations);
        reportSave(catalogue_file::anionFileName, result.anions);
        return;
    }
    // One warning for the sort, naming each file that changed; neither file was written.
    const bool cationsChanged = result.cations == SaveResult::ChangedElsewhere;
    const bool anionsChanged = result.anions == SaveResult::ChangedElsewhere;
    const std::string changed = cationsChanged && anionsChanged
        ? std::string(catalogue_file::cationFileName) + " and " + catalogue_file::anionFileName +
            " were"
        : std::string(cationsChanged ? catalogue_file::cationFileName
                                     : catalogue_file::anionFileName) +
            " was";
    ui.messageBox(&view,
                  changed +
                      " changed by another program. Your change was not saved; both lists have "
                      "been read again.",
                  "Warning", MessageIcon::Exclamation);
    readBoth();
}
