#include "quiz/QuizFile.h"

#include "support/Bytes.h"
#include "support/FailingWrite.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

// A generated quiz: two heading lines and four exercises.
SentenceList twentyLineQuiz()
{
    const TSentence blank(" ", 0);
    return {
        TSentence("Name: ____\n", 0),
        TSentence("Chemistry Quiz\n", 0),
        TSentence("", 0),
        TSentence("Write formulas for the following compounds: ", 0),
        blank,
        TSentence("Sodium chloride", 1), blank, blank,
        TSentence("Calcium oxide", 1), blank, blank,
        blank,
        TSentence("Write names for the following compounds: ", 0),
        blank,
        TSentence("KBr", 1), blank, blank,
        TSentence("Al2(SO4)3", 1), blank, blank,
    };
}

TEST(QuizFile, TwentyLineQuizIsStoredAs2084BytesRecordByRecord)
{
    const QByteArray bytes = quiz_file::serialize(twentyLineQuiz());
    ASSERT_EQ(bytes.size(), 2084);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("14000000"));

    // The first heading line keeps its line feed before the terminator.
    EXPECT_EQ(bytes.mid(4, 104),
              QByteArray::fromHex("4e616d653a205f5f5f5f0a") + QByteArray(89, '\0') +
                  QByteArray::fromHex("00000000"));
    // The first exercise, record 5.
    EXPECT_EQ(bytes.mid(4 + 5 * 104, 104),
              QByteArray::fromHex("536f6469756d2063686c6f72696465") + QByteArray(85, '\0') +
                  QByteArray::fromHex("01000000"));
    // The last line, a spacer.
    EXPECT_EQ(bytes.right(104),
              QByteArray::fromHex("20") + QByteArray(99, '\0') + QByteArray::fromHex("00000000"));
}

TEST(QuizFile, SaveAndReadKeepEveryLineItsOrderAndItsFlag)
{
    SentenceList quiz = twentyLineQuiz();
    quiz.emplace_back("Fer \xe9 \xff\x80", 5);
    quiz.emplace_back("Marked by another writer", -1);
    quiz.emplace_back(std::string(99, 'L'), 2147483647);
    quiz.emplace_back("", 0);

    TempFolder folder;
    ASSERT_TRUE(quiz_file::save(folder.path("kept.qzz"), quiz));
    EXPECT_EQ(folder.read("kept.qzz").size(), 4 + 104 * 24);

    const quiz_file::ReadResult read = quiz_file::read(folder.path("kept.qzz"));
    EXPECT_TRUE(read.opened);
    EXPECT_EQ(read.promised, 24u);
    EXPECT_EQ(read.sentences, quiz);
}

struct ParseRow {
    const char* label;
    QByteArray bytes;
    SentenceList sentences;
    std::uint32_t promised;
};

void PrintTo(const ParseRow& row, std::ostream* os)
{
    *os << row.label;
}

class QuizFileParse : public ::testing::TestWithParam<ParseRow> {};

TEST_P(QuizFileParse, TakesCompleteRecordsOnly)
{
    const ParseRow& row = GetParam();
    const quiz_file::ReadResult read = quiz_file::parse(row.bytes);
    EXPECT_TRUE(read.opened);
    EXPECT_EQ(read.sentences, row.sentences);
    EXPECT_EQ(read.promised, row.promised);
}

const TSentence salt("Sodium chloride", 1);
const TSentence title("Chemistry Quiz\n", 0);

INSTANTIATE_TEST_SUITE_P(
    QuizFileDamaged, QuizFileParse,
    ::testing::Values(
        ParseRow{"zero_length", {}, {}, 0},
        ParseRow{"count_zero_opens_empty", QByteArray::fromHex("00000000"), {}, 0},
        ParseRow{"shorter_than_a_count", QByteArray::fromHex("010000"), {}, 0},
        ParseRow{"truncated_mid_record",
                 le32(2) + quizRecord("Sodium chloride", 1) + quizRecord("Chemistry Quiz\n", 0).left(50),
                 {salt}, 2},
        ParseRow{"absurd_count", le32(4000000000u) + quizRecord("Sodium chloride", 1), {salt},
                 4000000000u},
        ParseRow{"count_larger_than_records",
                 le32(9) + quizRecord("Chemistry Quiz\n", 0) + quizRecord("Sodium chloride", 1),
                 {title, salt}, 9},
        ParseRow{"text_without_zero_byte_cut_to_99",
                 le32(1) + QByteArray(100, 'x') + QByteArray::fromHex("01000000"),
                 {TSentence(std::string(99, 'x'), 1)}, 1},
        ParseRow{"bytes_after_last_promised_record_ignored",
                 le32(1) + quizRecord("Sodium chloride", 1) + quizRecord("Chemistry Quiz\n", 0) + "tail",
                 {salt}, 1},
        ParseRow{"bytes_after_terminator_ignored",
                 le32(2) + quizRecord("Sodium chloride", 1, 'Z') +
                     quizRecord("Chemistry Quiz\n", 0, '\x7f'),
                 {salt, title}, 2},
        ParseRow{"flags_kept_as_read",
                 le32(2) + QByteArray("KBr", 3) + QByteArray(97, '\0') +
                     QByteArray::fromHex("05000000") + QByteArray("Al2O3", 5) +
                     QByteArray(95, '\0') + QByteArray::fromHex("ffffffff"),
                 {TSentence("KBr", 5), TSentence("Al2O3", -1)}, 2}),
    [](const ::testing::TestParamInfo<ParseRow>& info) { return std::string(info.param.label); });

TEST(QuizFile, AbsurdCountAllocatesOnlyForTheRecordsPresent)
{
    const quiz_file::ReadResult read =
        quiz_file::parse(le32(4000000000u) + quizRecord("Sodium chloride", 1));
    ASSERT_EQ(read.sentences.size(), 1u);
    EXPECT_LT(read.sentences.capacity(), 16u);
}

TEST(QuizFile, MissingFileIsReportedAsNotOpened)
{
    TempFolder folder;
    const quiz_file::ReadResult read = quiz_file::read(folder.path("gone.qzz"));
    EXPECT_FALSE(read.opened);
    EXPECT_TRUE(read.sentences.empty());
}

TEST(QuizFile, SaveOverALargerFileReplacesItWhole)
{
    TempFolder folder;
    folder.write("old.qzz", le32(3) + QByteArray(3 * 104, 'x') + "tail");
    ASSERT_TRUE(quiz_file::save(folder.path("old.qzz"), {TSentence("KBr", 1)}));
    EXPECT_EQ(folder.read("old.qzz"), QByteArray::fromHex("01000000" "4b4272") +
                                          QByteArray(97, '\0') + QByteArray::fromHex("01000000"));
}

TEST(QuizFile, AFailedSaveLeavesWhatStandsInTheFilesPlace)
{
    TempFolder folder;
    // A folder where the file should be: nothing can be renamed or written over it.
    ASSERT_TRUE(QDir(folder.path("")).mkdir("quiz.qzz"));
    folder.write("quiz.qzz/keep", "kept");
    EXPECT_EQ(quiz_file::save(folder.path("quiz.qzz"), twentyLineQuiz()).error().toStdString(),
              "Filename refers to a directory");
    EXPECT_EQ(folder.read("quiz.qzz/keep"), QByteArray("kept"));
    EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files), QStringList());
}

TEST(QuizFile, LongFileNamesAreServed)
{
    const QString name = QString(146, 'q') + ".qzz";
    ASSERT_EQ(name.size(), 150);
    TempFolder folder;
    ASSERT_TRUE(quiz_file::save(folder.path(name), twentyLineQuiz()));
    EXPECT_EQ(quiz_file::read(folder.path(name)).sentences, twentyLineQuiz());
}

struct RoomRow {
    const char* label;
    qint64 room;
    bool succeeds;
};

void PrintTo(const RoomRow& row, std::ostream* os)
{
    *os << row.label << " (" << row.room << " bytes)";
}

class QuizFileSave : public ::testing::TestWithParam<RoomRow> {};

// The save the program makes, with a disk that fills after a given number of bytes: two
// sentences make 212 bytes, and anything less leaves the old file.
TEST_P(QuizFileSave, KeepsTheOldFileWhenTheDiskStopsTakingBytes)
{
    const RoomRow& row = GetParam();
    TempFolder folder;
    const QByteArray old = quiz_file::serialize({title});
    folder.write("quiz.qzz", old);
    const SaveOutcome saved =
        quiz_file::save(folder.path("quiz.qzz"), {salt, title}, FailingWrite{row.room});
    EXPECT_EQ(saved.error().toStdString(), row.succeeds ? "" : "only part of the file could be written");
    EXPECT_EQ(folder.read("quiz.qzz"), row.succeeds ? quiz_file::serialize({salt, title}) : old);
    EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files), QStringList("quiz.qzz"));
}

INSTANTIATE_TEST_SUITE_P(
    QuizFileDevices, QuizFileSave,
    ::testing::Values(RoomRow{"fails_at_once", 0, false},
                      RoomRow{"fails_inside_the_count", 3, false},
                      RoomRow{"fails_inside_the_first_flag", 104, false},
                      RoomRow{"fails_inside_the_second_text", 200, false},
                      RoomRow{"one_byte_short", 211, false},
                      RoomRow{"room_for_everything", 212, true}),
    [](const ::testing::TestParamInfo<RoomRow>& info) { return std::string(info.param.label); });

} // namespace
