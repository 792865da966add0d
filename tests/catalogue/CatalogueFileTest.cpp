#include "catalogue/CatalogueFile.h"

#include "support/Bytes.h"
#include "support/FailingWrite.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// One 39-byte record made by hand, with the given filler after each terminator.
QByteArray record(const QByteArray& name, const QByteArray& symbol, std::int32_t charge,
                  char filler = '\0')
{
    QByteArray bytes = name.left(20);
    if (bytes.size() < 20)
        bytes += '\0';
    bytes = bytes.leftJustified(20, filler);
    QByteArray symbolField = symbol.left(15);
    if (symbolField.size() < 15)
        symbolField += '\0';
    bytes += symbolField.leftJustified(15, filler);
    return bytes + le32(static_cast<std::uint32_t>(charge));
}

IonList listOf(std::initializer_list<TIon> ions)
{
    return IonList(std::vector<TIon>(ions));
}

TEST(CatalogueFile, WritesTheSodiumExampleByteForByte)
{
    const QByteArray expected = QByteArray::fromHex(
        "01000000"
        "536f6469756d00" "00000000000000000000000000"      // name: Sodium, zero, 13 filler
        "4e6100" "000000000000000000000000"                // symbol: Na, zero, 12 filler
        "01000000");
    ASSERT_EQ(expected.size(), 43);
    EXPECT_EQ(catalogue_file::serialize(listOf({TIon("Sodium", "Na", 1)})), expected);
}

TEST(CatalogueFile, FileLengthIsFourPlus39PerEntry)
{
    IonList list;
    for (int n = 0; n <= 3; ++n) {
        EXPECT_EQ(catalogue_file::serialize(list).size(), 4 + 39 * n);
        list.append(TIon("Iron(III)", "Fe", 3));
    }
    EXPECT_EQ(catalogue_file::serialize(IonList()), QByteArray(4, '\0'));
}

TEST(CatalogueFile, LongestTextsSurviveSaveAndLoadWhateverFollowsTheirTerminators)
{
    const std::string name19 = "Hydrogen phosphates"; // 19 characters
    const std::string symbol14 = "C2H3O2C2H3O2Cl";     // 14 characters
    ASSERT_EQ(name19.size(), 19u);
    ASSERT_EQ(symbol14.size(), 14u);

    TempFolder folder;
    const IonList list = listOf({TIon(name19, symbol14, 3), TIon("oxide", "O", 2)});
    ASSERT_TRUE(catalogue_file::save(folder.path("valkora.ani"), list));
    EXPECT_EQ(catalogue_file::read(folder.path("valkora.ani")).ions, list);

    // The same entries written by another writer with junk after the terminators.
    const QByteArray junk = le32(2) + record(QByteArray::fromStdString(name19),
                                             QByteArray::fromStdString(symbol14), 3, '\x7f') +
                            record("oxide", "O", 2, 'Z');
    EXPECT_EQ(catalogue_file::parse(junk).ions, list);
}

TEST(CatalogueFile, AnAnionStoredWithoutSignReadsBackTheSame)
{
    const QByteArray bytes = catalogue_file::serialize(listOf({TIon("nitride", "N", 3)}));
    EXPECT_EQ(bytes.mid(4 + 35, 4), QByteArray::fromHex("03000000"));
    EXPECT_EQ(catalogue_file::parse(bytes).ions.at(0).charge, 3);
}

struct ReadCase {
    const char* label;
    QByteArray bytes;
    std::vector<TIon> ions;
    std::uint32_t promised;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.label;
}

class CatalogueFileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CatalogueFileRead, TakesOnlyWhatTheBytesHold)
{
    const ReadCase& c = GetParam();
    const catalogue_file::ReadResult read = catalogue_file::parse(c.bytes);
    EXPECT_TRUE(read.opened);
    EXPECT_EQ(read.ions, IonList(c.ions));
    EXPECT_EQ(read.promised, c.promised);
    EXPECT_EQ(read.damaged(), c.ions.size() < c.promised);
}

const TIon sodium("Sodium", "Na", 1);
const TIon calcium("Calcium", "Ca", 2);

INSTANTIATE_TEST_SUITE_P(
    Files, CatalogueFileRead,
    ::testing::Values(
        ReadCase{"zero_length", {}, {}, 0},
        ReadCase{"count_zero", le32(0), {}, 0},
        ReadCase{"shorter_than_a_count", QByteArray("\x02\x00", 2), {}, 0},
        ReadCase{"bytes_after_the_last_record_ignored",
                 le32(1) + record("Sodium", "Na", 1) + record("Calcium", "Ca", 2) + "tail",
                 {sodium}, 1},
        ReadCase{"truncated_mid_record",
                 le32(2) + record("Sodium", "Na", 1) + record("Calcium", "Ca", 2).left(30),
                 {sodium}, 2},
        ReadCase{"absurd_count", le32(4000000000u) + record("Sodium", "Na", 1), {sodium},
                 4000000000u},
        ReadCase{"count_larger_than_records",
                 le32(1000) + record("Sodium", "Na", 1) + record("Calcium", "Ca", 2),
                 {sodium, calcium}, 1000},
        ReadCase{"no_terminators",
                 le32(1) + QByteArray(20, 'N') + QByteArray(15, 'S') + le32(1),
                 {TIon(std::string(19, 'N'), std::string(14, 'S'), 1)}, 1},
        ReadCase{"negative_and_huge_charges_kept_as_read",
                 le32(2) + record("Odd", "Od", -7) + record("Huge", "Hg", 2147483647),
                 {TIon("Odd", "Od", -7), TIon("Huge", "Hg", 2147483647)}, 2},
        ReadCase{"bytes_above_127_kept",
                 le32(1) + record("Fer\xe9", "F\xe9", 2), {TIon("Fer\xe9", "F\xe9", 2)}, 1}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.label); });

TEST(CatalogueFile, AbsurdCountAllocatesOnlyForTheRecordsPresent)
{
    const catalogue_file::ReadResult read =
        catalogue_file::parse(le32(0xFFFFFFFFu) + record("Sodium", "Na", 1));
    EXPECT_EQ(read.ions.count(), 1u);
    EXPECT_LT(const_cast<IonList&>(read.ions).items().capacity(), 16u);
}

TEST(CatalogueFile, MissingFileIsReportedAsNotOpened)
{
    TempFolder folder;
    EXPECT_FALSE(catalogue_file::read(folder.path("valkora.cat")).opened);
}

// The save the program makes, with a disk that fills after a given number of bytes.
TEST(CatalogueFile, ASaveThatFailsPartWayLeavesTheOldFile)
{
    TempFolder folder;
    const QByteArray old = catalogue_file::serialize(listOf({calcium}));
    folder.write("valkora.cat", old);
    const IonList list = listOf({sodium, calcium});
    for (qint64 room : {0, 3, 43, 81}) {
        const SaveOutcome saved =
            catalogue_file::save(folder.path("valkora.cat"), list, FailingWrite{room});
        EXPECT_EQ(saved.error().toStdString(), "only part of the file could be written")
            << "room " << room;
        EXPECT_EQ(folder.read("valkora.cat"), old) << "room " << room;
        EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files), QStringList("valkora.cat"));
    }
    EXPECT_TRUE(catalogue_file::save(folder.path("valkora.cat"), list, FailingWrite{82}));
    EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(list));
}

TEST(CatalogueFile, AFailedSaveLeavesWhatStandsInTheFilesPlace)
{
    TempFolder folder;
    // A folder where the file should be: nothing can be renamed or written over it.
    ASSERT_TRUE(QDir(folder.path("")).mkdir("valkora.cat"));
    folder.write("valkora.cat/keep", "kept");
    EXPECT_EQ(catalogue_file::save(folder.path("valkora.cat"), listOf({sodium})).error().toStdString(),
              "Filename refers to a directory");
    EXPECT_EQ(folder.read("valkora.cat/keep"), QByteArray("kept"));
    EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files), QStringList());
}

TEST(CatalogueFile, SaveReplacesTheWholeFile)
{
    TempFolder folder;
    folder.write("valkora.cat", le32(3) + QByteArray(3 * 39, 'x'));
    ASSERT_TRUE(catalogue_file::save(folder.path("valkora.cat"), listOf({sodium})));
    EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(listOf({sodium})));
}

} // namespace
