#pragma once

#include "catalogue/IonCatalogue.h"
#include "catalogue/ListFileGuard.h"

#include <string>

// The program's ion lists for the whole run, with what this program last knew of their files
// in the current directory. It shows nothing: every load and save says what happened.
class CatalogueStore {
public:
    CatalogueStore();
    CatalogueStore(const CatalogueStore&) = delete;
    CatalogueStore& operator=(const CatalogueStore&) = delete;

    const IonCatalogue& catalogue() const { return ions; }
    IonCatalogue& catalogue() { return ions; }

    // A list whose file cannot be opened keeps what it held, so that a later save never
    // replaces entries that were not loaded. Each load returns what the user is told of it:
    // "Cannot open valkora.cat", that the file is damaged, or nothing when it was read whole.
    std::string loadCations();
    std::string loadAnions();

    // Each save is refused when another program changed the file since it was last read or
    // written here.
    SaveResult saveCations();
    SaveResult saveAnions();
    // After the sort: neither file is written unless both are still as this program left them.
    BothSaved saveBoth();

private:
    static std::string load(ListFileGuard& file, const char* fileName, IonList& list);

    IonCatalogue ions;
    ListFileGuard cationFile;
    ListFileGuard anionFile;
};
