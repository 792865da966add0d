#include "catalogue/ListFileGuard.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

const IonList oldList({TIon("Sodium", "Na", 1), TIon("Calcium", "Ca", 2)});
const IonList newList({TIon("Sodium", "Na", 1), TIon("Calcium", "Ca", 2), TIon("Iron", "Fe", 3)});
const QByteArray oldBytes = catalogue_file::serialize(oldList);

void makeFolder(const TempFolder& folder, const char* name)
{
    QFile::remove(folder.path(name));
    ASSERT_TRUE(QDir(folder.path("")).mkdir(name));
}

// What the file holds when the guard loads it, what another program does to it afterwards,
// and what the check and the save make of that.
struct GuardCase {
    const char* label;
    QByteArray atLoad; // "missing" for no file
    std::function<void(const TempFolder&)> elsewhere;
    bool changed;
    SaveResult result;
};

void PrintTo(const GuardCase& c, std::ostream* os)
{
    *os << c.label;
}

class ListFileGuardTable : public ::testing::TestWithParam<GuardCase> {};

TEST_P(ListFileGuardTable, RefusesOnlyWhenAnotherProgramChangedAReadableFile)
{
    const GuardCase& c = GetParam();
    TempFolder folder;
    if (c.atLoad != "missing")
        folder.write("valkora.cat", c.atLoad);
    ListFileGuard guard(QStringLiteral("valkora.cat"));
    guard.load();
    c.elsewhere(folder);
    const bool folderNow = QFileInfo(folder.path("valkora.cat")).isDir();
    const QByteArray before = folder.read("valkora.cat");

    EXPECT_EQ(guard.changedElsewhere(), c.changed);
    const FileFingerprint known = guard.fingerprint();
    EXPECT_EQ(guard.save(newList), c.result);

    switch (c.result) {
    case SaveResult::Saved:
        EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(newList));
        EXPECT_EQ(guard.fingerprint(), FileFingerprint::of(catalogue_file::serialize(newList)));
        break;
    case SaveResult::ChangedElsewhere:
    case SaveResult::Failed:
        // The other program's file, or folder, is left exactly as it was.
        EXPECT_EQ(folder.read("valkora.cat"), before);
        EXPECT_EQ(QFileInfo(folder.path("valkora.cat")).isDir(), folderNow);
        EXPECT_EQ(guard.fingerprint(), known);
        break;
    case SaveResult::NotWritten:
        ADD_FAILURE() << "a single save never reports NotWritten";
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ListFileGuardTable,
    ::testing::Values(
        GuardCase{"unchanged", oldBytes, [](const TempFolder&) {}, false, SaveResult::Saved},
        GuardCase{"rewritten_with_the_same_bytes", oldBytes,
                  [](const TempFolder& f) { f.write("valkora.cat", oldBytes); }, false,
                  SaveResult::Saved},
        // Bytes beyond the records and junk after a terminator are part of what was read.
        GuardCase{"unchanged_with_bytes_the_list_does_not_hold", oldBytes + "trailing",
                  [](const TempFolder&) {}, false, SaveResult::Saved},
        GuardCase{"changed_bytes", oldBytes,
                  [](const TempFolder& f) {
                      f.write("valkora.cat", catalogue_file::serialize(IonList()));
                  },
                  true, SaveResult::ChangedElsewhere},
        GuardCase{"same_size_different_bytes", oldBytes,
                  [](const TempFolder& f) {
                      // Calcium's charge 2 becomes 3: one byte, same length.
                      QByteArray bytes = oldBytes;
                      bytes[4 + 39 + 35] = 3;
                      f.write("valkora.cat", bytes);
                  },
                  true, SaveResult::ChangedElsewhere},
        GuardCase{"created_where_none_was", "missing",
                  [](const TempFolder& f) { f.write("valkora.cat", oldBytes); }, true,
                  SaveResult::ChangedElsewhere},
        GuardCase{"created_empty_where_none_was", "missing",
                  [](const TempFolder& f) { f.write("valkora.cat", ""); }, true,
                  SaveResult::ChangedElsewhere},
        GuardCase{"still_missing", "missing", [](const TempFolder&) {}, false, SaveResult::Saved},
        GuardCase{"vanished", oldBytes,
                  [](const TempFolder& f) { QFile::remove(f.path("valkora.cat")); }, false,
                  SaveResult::Saved},
        GuardCase{"turned_into_a_folder", oldBytes,
                  [](const TempFolder& f) { makeFolder(f, "valkora.cat"); }, false,
                  SaveResult::Failed}),
    [](const ::testing::TestParamInfo<GuardCase>& info) { return std::string(info.param.label); });

TEST(ListFileGuard, LoadRemembersTheBytesReadOrThatThereWasNoFile)
{
    TempFolder folder;
    ListFileGuard guard(QStringLiteral("valkora.ani"));
    EXPECT_FALSE(guard.load().opened);
    EXPECT_FALSE(guard.fingerprint().isFile());
    EXPECT_EQ(guard.fingerprint(), FileFingerprint());

    const QByteArray bytes = oldBytes + "junk";
    folder.write("valkora.ani", bytes);
    const catalogue_file::ReadResult read = guard.load();
    EXPECT_TRUE(read.opened);
    EXPECT_EQ(read.ions, oldList);
    EXPECT_EQ(guard.fingerprint(), FileFingerprint::of(bytes));
    EXPECT_NE(guard.fingerprint(), FileFingerprint::of(oldBytes));

    // A folder in the file's place reads as no file.
    makeFolder(folder, "valkora.ani");
    EXPECT_FALSE(guard.load().opened);
    EXPECT_EQ(guard.fingerprint(), FileFingerprint());
}

TEST(ListFileGuard, EachSaveIsTheStartingPointOfTheNextCheck)
{
    TempFolder folder;
    folder.write("valkora.cat", oldBytes);
    ListFileGuard guard(QStringLiteral("valkora.cat"));
    guard.load();
    ASSERT_EQ(guard.save(newList), SaveResult::Saved);
    EXPECT_EQ(guard.save(oldList), SaveResult::Saved);
    EXPECT_EQ(guard.save(newList), SaveResult::Saved);

    // A failed save leaves the file as it was, and so the fingerprint: once the old file is
    // back, saving goes on without a refusal.
    const QByteArray lastSaved = folder.read("valkora.cat");
    makeFolder(folder, "valkora.cat");
    EXPECT_EQ(guard.save(oldList), SaveResult::Failed);
    ASSERT_TRUE(QDir(folder.path("")).rmdir("valkora.cat"));
    folder.write("valkora.cat", lastSaved);
    EXPECT_FALSE(guard.changedElsewhere());
    EXPECT_EQ(guard.save(oldList), SaveResult::Saved);
    EXPECT_EQ(folder.read("valkora.cat"), oldBytes);
}

TEST(ListFileGuard, TheCheckComparesBytesNotJustSizes)
{
    const QByteArray a = catalogue_file::serialize(IonList({TIon("Iron", "Fe", 2)}));
    const QByteArray b = catalogue_file::serialize(IonList({TIon("Iron", "Fe", 3)}));
    ASSERT_EQ(a.size(), b.size());
    const FileFingerprint known = FileFingerprint::of(a);
    EXPECT_FALSE(changedElsewhere(known, a));
    EXPECT_TRUE(changedElsewhere(known, b));
    EXPECT_TRUE(changedElsewhere(known, a + '\0'));
    EXPECT_FALSE(changedElsewhere(known, std::nullopt));
    // No file known: any readable file, even an empty one, is new; none is no change.
    EXPECT_TRUE(changedElsewhere(FileFingerprint(), QByteArray()));
    EXPECT_FALSE(changedElsewhere(FileFingerprint(), std::nullopt));
    EXPECT_NE(FileFingerprint::of(QByteArray()), FileFingerprint());
}

// Which of the two files another program changed before the sort's save.
struct BothCase {
    const char* label;
    bool cationsElsewhere;
    bool anionsElsewhere;
    SaveResult cations;
    SaveResult anions;
};

void PrintTo(const BothCase& c, std::ostream* os)
{
    *os << c.label;
}

class SaveBothTable : public ::testing::TestWithParam<BothCase> {};

TEST_P(SaveBothTable, WritesNeitherFileUnlessBothAreAsLastSeen)
{
    const BothCase& c = GetParam();
    TempFolder folder;
    const IonList anions({TIon("sulfate", "SO4", 2), TIon("chloride", "Cl", 1)});
    const IonList sortedAnions({TIon("chloride", "Cl", 1), TIon("sulfate", "SO4", 2)});
    folder.write("valkora.cat", oldBytes);
    folder.write("valkora.ani", catalogue_file::serialize(anions));
    ListFileGuard cationFile(QStringLiteral("valkora.cat"));
    ListFileGuard anionFile(QStringLiteral("valkora.ani"));
    cationFile.load();
    anionFile.load();
    const QByteArray otherCations = catalogue_file::serialize(IonList({TIon("Zinc", "Zn", 2)}));
    const QByteArray otherAnions = catalogue_file::serialize(IonList({TIon("oxide", "O", 2)}));
    if (c.cationsElsewhere)
        folder.write("valkora.cat", otherCations);
    if (c.anionsElsewhere)
        folder.write("valkora.ani", otherAnions);
    const QByteArray cationsBefore = folder.read("valkora.cat");
    const QByteArray anionsBefore = folder.read("valkora.ani");

    const BothSaved result = saveBoth(cationFile, newList, anionFile, sortedAnions);
    EXPECT_EQ(result.cations, c.cations);
    EXPECT_EQ(result.anions, c.anions);
    EXPECT_EQ(result.refused(), c.cationsElsewhere || c.anionsElsewhere);
    if (result.refused()) {
        EXPECT_EQ(folder.read("valkora.cat"), cationsBefore);
        EXPECT_EQ(folder.read("valkora.ani"), anionsBefore);
    } else {
        EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(newList));
        EXPECT_EQ(folder.read("valkora.ani"), catalogue_file::serialize(sortedAnions));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sort, SaveBothTable,
    ::testing::Values(
        BothCase{"neither_changed", false, false, SaveResult::Saved, SaveResult::Saved},
        BothCase{"cations_changed", true, false, SaveResult::ChangedElsewhere,
                 SaveResult::NotWritten},
        BothCase{"anions_changed", false, true, SaveResult::NotWritten,
                 SaveResult::ChangedElsewhere},
        BothCase{"both_changed", true, true, SaveResult::ChangedElsewhere,
                 SaveResult::ChangedElsewhere}),
    [](const ::testing::TestParamInfo<BothCase>& info) { return std::string(info.param.label); });

TEST(SaveBoth, AFileThatCannotBeReadIsNoConflictAndTheOtherIsStillWritten)
{
    TempFolder folder;
    folder.write("valkora.cat", oldBytes);
    folder.write("valkora.ani", oldBytes);
    ListFileGuard cationFile(QStringLiteral("valkora.cat"));
    ListFileGuard anionFile(QStringLiteral("valkora.ani"));
    cationFile.load();
    anionFile.load();
    makeFolder(folder, "valkora.cat");

    const BothSaved result = saveBoth(cationFile, newList, anionFile, newList);
    EXPECT_EQ(result.cations, SaveResult::Failed);
    EXPECT_EQ(result.anions, SaveResult::Saved);
    EXPECT_FALSE(result.refused());
    EXPECT_TRUE(QFileInfo(folder.path("valkora.cat")).isDir());
    EXPECT_EQ(folder.read("valkora.ani"), catalogue_file::serialize(newList));
}

} // namespace
