#pragma once

#include "catalogue/IonCatalogue.h"
#include "catalogue/ListFileGuard.h"

#include <cstdint>

// What reading one list file came to.
struct ListLoad {
    const char* fileName = "";
    bool opened = false;
    std::uint32_t entries = 0;
    // The count the file claims; more than entries when records are missing.
    std::uint32_t promised = 0;

    bool damaged() const { return entries < promised; }
};

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
    // replaces entries that were not loaded.
    ListLoad loadCations();
    ListLoad loadAnions();

    // Each save is refused when another program changed the file since it was last read or
    // written here.
    SaveResult saveCations();
    SaveResult saveAnions();
    // After the sort: neither file is written unless both are still as this program left them.
    BothSaved saveBoth();

private:
    static ListLoad load(ListFileGuard& file, const char* fileName, IonList& list);

    IonCatalogue ions;
    ListFileGuard cationFile;
    ListFileGuard anionFile;
};
