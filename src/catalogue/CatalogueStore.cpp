#include "catalogue/CatalogueStore.h"

#include "catalogue/CatalogueFile.h"

#include <utility>

CatalogueStore::CatalogueStore()
    : cationFile(QString::fromLatin1(catalogue_file::cationFileName))
    , anionFile(QString::fromLatin1(catalogue_file::anionFileName))
{
}

std::string CatalogueStore::load(ListFileGuard& file, const char* fileName, IonList& list)
{
    catalogue_file::ReadResult read = file.load();
    if (!read.opened)
        return std::string("Cannot open ") + fileName;
    const std::string said =
        read.damaged() ? catalogue_file::damagedMessage(fileName, read.ions.count(), read.promised)
                       : std::string();
    list = std::move(read.ions);
    return said;
}

std::string CatalogueStore::loadCations()
{
    return load(cationFile, catalogue_file::cationFileName, ions.cations);
}

std::string CatalogueStore::loadAnions()
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
