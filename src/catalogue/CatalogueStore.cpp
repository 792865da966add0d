#include "catalogue/CatalogueStore.h"

#include "catalogue/CatalogueFile.h"

#include <utility>

CatalogueStore::CatalogueStore()
    : cationFile(QString::fromLatin1(catalogue_file::cationFileName))
    , anionFile(QString::fromLatin1(catalogue_file::anionFileName))
{
}

ListLoad CatalogueStore::load(ListFileGuard& file, const char* fileName, IonList& list)
{
    catalogue_file::ReadResult read = file.load();
    ListLoad result{fileName, read.opened, read.ions.count(), read.promised};
    if (read.opened)
        list = std::move(read.ions);
    return result;
}

ListLoad CatalogueStore::loadCations()
{
    return load(cationFile, catalogue_file::cationFileName, ions.cations);
}

ListLoad CatalogueStore::loadAnions()
{
    return load(anionFile, catalogue_file::anionFileName, ions.anions);
}

SaveResult CatalogueStore::saveCations()
{
    return cationFile.save(ions.cations);
}

SaveResult CatalogueStore::saveAnions()
{
    return anionFile.save(ions.anions);
}

BothSaved CatalogueStore::saveBoth()
{
    return ::saveBoth(cationFile, ions.cations, anionFile, ions.anions);
}
