#pragma once

#include "catalogue/CatalogueFile.h"
#include "support/TempFolder.h"

#include <string>

// "Cation1", "Cation2", ...: names that all differ, one symbol, charges running through 1 to 4.
inline IonList ions(int count, const std::string& stem)
{
    IonList list;
    for (int i = 1; i <= count; ++i)
        list.append(TIon(stem + std::to_string(i), "Xy", 1 + i % 4));
    return list;
}

// The two list files, in place before anything that loads them is made.
inline void writeCatalogue(const TempFolder& folder, const IonList& cations, const IonList& anions)
{
    folder.write("valkora.cat", catalogue_file::serialize(cations));
    folder.write("valkora.ani", catalogue_file::serialize(anions));
}
