#include "catalogue/CatalogueStore.h"

#include "catalogue/CatalogueFile.h"
#include "support/Bytes.h"
#include "support/CatalogueFiles.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const IonList held({TIon("Held", "Hd", 1)});
const QByteArray threeCations = catalogue_file::serialize(ions(3, "Cation"));

// What a list file holds when it is loaded into a list that already holds an entry, and what
// the load says ("%1" stands for the file's name) and leaves.
struct LoadCase {
    const char* label;
    QByteArray file; // "missing" for no file, "folder" for a folder in its place
    const char* said;
    IonList after;
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.label;
}

class StoreLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(StoreLoad, SaysWhatHappenedAndKeepsAListWhoseFileCannotBeOpened)
{
    const LoadCase& c = GetParam();
    for (const char* name : {"valkora.cat", "valkora.ani"}) {
        TempFolder folder;
        if (c.file == "folder")
            ASSERT_TRUE(QDir(folder.path("")).mkdir(name));
        else if (c.file != "missing")
            folder.write(name, c.file);
        CatalogueStore store;
        const bool cations = std::string(name) == "valkora.cat";
        IonList& list = cations ? store.catalogue().cations : store.catalogue().anions;
        const IonList& other = cations ? store.catalogue().anions : store.catalogue().cations;
        list = held;

        const std::string said = cations ? store.loadCations() : store.loadAnions();
        EXPECT_EQ(said, QString::fromLatin1(c.said).arg(QLatin1String(name)).toStdString());
        EXPECT_EQ(list, c.after) << name;
        EXPECT_TRUE(other.empty()) << name << ": the other list is not read";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, StoreLoad,
    ::testing::Values(
        LoadCase{"whole", threeCations, "", ions(3, "Cation")},
        LoadCase{"missing_keeps_the_list", "missing", "Cannot open %1", held},
        LoadCase{"folder_keeps_the_list", "folder", "Cannot open %1", held},
        LoadCase{"empty_file_empties_the_list", "", "", IonList()},
        LoadCase{"damaged_keeps_what_could_be_read", le32(1000) + threeCations.mid(4),
                 "%1 is damaged: only 3 of 1000 entries could be read.", ions(3, "Cation")}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.label); });

class StoreSave : public ::testing::Test {
protected:
    StoreSave()
    {
        writeCatalogue(folder, ions(2, "Cation"), ions(2, "anion"));
        store.loadCations();
        store.loadAnions();
    }

    TempFolder folder;
    CatalogueStore store;
};

TEST_F(StoreSave, EachListGoesToItsOwnFile)
{
    const QByteArray anions = folder.read("valkora.ani");
    store.catalogue().cations.append(TIon("Sodium", "Na", 1));
    EXPECT_EQ(store.saveCations(), SaveResult::Saved);
    EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(store.catalogue().cations));
    EXPECT_EQ(folder.read("valkora.ani"), anions);

    store.catalogue().anions.remove(0);
    EXPECT_EQ(store.saveAnions(), SaveResult::Saved);
    EXPECT_EQ(folder.read("valkora.ani"), catalogue_file::serialize(store.catalogue().anions));
}

// A refused or failed save changes neither the file nor the lists: reading the list again is
// for the caller, who tells the user.
TEST_F(StoreSave, ARefusedOrFailedSaveLeavesFileAndListsAsTheyWere)
{
    const QByteArray byOther = catalogue_file::serialize(ions(5, "Other"));
    folder.write("valkora.cat", byOther);
    store.catalogue().cations.append(TIon("Sodium", "Na", 1));
    EXPECT_EQ(store.saveCations(), SaveResult::ChangedElsewhere);
    EXPECT_EQ(folder.read("valkora.cat"), byOther);
    EXPECT_EQ(store.catalogue().cations.count(), 3u);

    const BothSaved both = store.saveBoth();
    EXPECT_EQ(both.cations, SaveResult::ChangedElsewhere);
    EXPECT_EQ(both.anions, SaveResult::NotWritten);
    EXPECT_EQ(folder.read("valkora.cat"), byOther);

    QFile::remove(folder.path("valkora.ani"));
    ASSERT_TRUE(QDir(folder.path("")).mkdir("valkora.ani"));
    EXPECT_EQ(store.saveAnions(), SaveResult::Failed);
    EXPECT_EQ(store.catalogue().anions, ions(2, "anion"));

    // Read again, the cations take the other program's list and save on top of it.
    EXPECT_EQ(store.loadCations(), "");
    EXPECT_EQ(store.catalogue().cations, ions(5, "Other"));
    store.catalogue().cations.remove(0);
    EXPECT_EQ(store.saveCations(), SaveResult::Saved);
    EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(store.catalogue().cations));
}

TEST_F(StoreSave, BothListsAfterTheSortAreWrittenWhenNeitherFileChanged)
{
    std::swap(store.catalogue().cations.items()[0], store.catalogue().cations.items()[1]);
    const BothSaved both = store.saveBoth();
    EXPECT_EQ(both.cations, SaveResult::Saved);
    EXPECT_EQ(both.anions, SaveResult::Saved);
    EXPECT_FALSE(both.refused());
    EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(store.catalogue().cations));
    EXPECT_EQ(folder.read("valkora.ani"), catalogue_file::serialize(store.catalogue().anions));
}

} // namespace
