#include "quiz/QuizHeading.h"

#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TEST(QuizHeading, ReadsAsTextDroppingCarriageReturnsUntilEndOfFileMark)
{
    EXPECT_EQ(quiz_heading::readAsText("Name\r\nQuiz\r\r\r\nTwo\r\r\n"), "Name\nQuiz\nTwo\n");
    EXPECT_EQ(quiz_heading::readAsText(QByteArray("Before\x1a" "after", 12)), "Before");
    EXPECT_EQ(quiz_heading::readAsText(""), "");
}

TEST(QuizHeading, ReadsLinesAtMostSixtyCharactersAtATime)
{
    const std::string sixty(60, 'a');
    EXPECT_EQ(quiz_heading::lineReads("Name\nQuiz\n"), (Strings{"Name\n", "Quiz\n"}));
    EXPECT_EQ(quiz_heading::lineReads(sixty + "\n"), (Strings{sixty, "\n"}));
    EXPECT_EQ(quiz_heading::lineReads(sixty + "b\n"), (Strings{sixty, "b\n"}));
    EXPECT_EQ(quiz_heading::lineReads("\n\nlast"), (Strings{"\n", "\n", "last"}));
    EXPECT_EQ(quiz_heading::lineReads(std::string(130, 'c')),
              (Strings{std::string(60, 'c'), std::string(60, 'c'), std::string(10, 'c')}));
    EXPECT_TRUE(quiz_heading::lineReads("").empty());
}

TEST(QuizHeading, LoadsForEditingAsTheLinesWithLineFeeds)
{
    EXPECT_EQ(quiz_heading::forEditing("Name: ____\r\nChemistry Quiz\r\n"), "Name: ____\nChemistry Quiz\n");
    EXPECT_EQ(quiz_heading::forEditing("Line one\r\r\r\nLine two"), "Line one\nLine two");
    EXPECT_EQ(quiz_heading::forEditing(""), "");
    // A longer file gives its first 120 characters.
    const QByteArray longFile = QByteArray(100, 'x') + "\r\n" + QByteArray(100, 'y') + "\r\n";
    const std::string loaded = quiz_heading::forEditing(longFile);
    EXPECT_EQ(loaded, std::string(100, 'x') + "\n" + std::string(19, 'y'));
}

TEST(QuizHeading, WritesEveryLineFeedAsCarriageReturnAndLineFeedAndNothingMore)
{
    EXPECT_EQ(quiz_heading::asFileBytes(std::string(50, 'h')), QByteArray(50, 'h'));
    // Typed breaks come from the field as CR LF, wrap points as CR CR LF.
    EXPECT_EQ(quiz_heading::asFileBytes("One\r\r\nTwo\r\nThree"), QByteArray("One\r\r\r\nTwo\r\r\nThree"));
    // Bare line feeds, as a heading loaded from the file holds them.
    EXPECT_EQ(quiz_heading::asFileBytes("Name\nQuiz\n"), QByteArray("Name\r\nQuiz\r\n"));
    EXPECT_EQ(quiz_heading::asFileBytes(""), QByteArray());
}

TEST(QuizHeading, SavesWholeOrNotAtAll)
{
    TempFolder folder;
    folder.write("valkora.hed", "old heading that is longer\r\n");
    ASSERT_TRUE(quiz_heading::save(folder.path("valkora.hed"), "New\n"));
    EXPECT_EQ(folder.read("valkora.hed"), QByteArray("New\r\n"));
    ASSERT_TRUE(quiz_heading::save(folder.path("valkora.hed"), ""));
    EXPECT_EQ(folder.read("valkora.hed"), QByteArray());

    ASSERT_TRUE(QDir(folder.path("")).mkdir("taken.hed"));
    EXPECT_EQ(quiz_heading::save(folder.path("taken.hed"), "x").error().toStdString(),
              "Filename refers to a directory");
    EXPECT_TRUE(QFileInfo(folder.path("taken.hed")).isDir());
    EXPECT_FALSE(quiz_heading::loadForEditing(folder.path("missing.hed")));
    EXPECT_FALSE(quiz_heading::allReads(folder.path("missing.hed")));
}

struct ZeroCase {
    const char* label;
    QByteArray file;
    std::string loaded;
};

void PrintTo(const ZeroCase& c, std::ostream* os)
{
    *os << c.label;
}

class HeadingZeroByte : public ::testing::TestWithParam<ZeroCase> {};

// Each read of at most 60 characters was appended as a zero-terminated text: a zero byte cuts
// its own read short and nothing after it.
TEST_P(HeadingZeroByte, EndsOnlyTheReadItIsIn)
{
    const ZeroCase& c = GetParam();
    EXPECT_EQ(quiz_heading::forEditing(c.file), c.loaded);
}

INSTANTIATE_TEST_SUITE_P(
    QuizHeading, HeadingZeroByte,
    ::testing::Values(
        ZeroCase{"in_the_first_line", QByteArray("Na\0me\r\nQuiz\r\n", 13), "NaQuiz\n"},
        ZeroCase{"starting_a_line", QByteArray("\0Name\r\nQuiz\r\n", 13), "Quiz\n"},
        ZeroCase{"in_a_long_line_cuts_its_sixty",
                 QByteArray(10, 'a') + QByteArray(1, '\0') + QByteArray(60, 'b') + "\r\nEnd",
                 std::string(10, 'a') + std::string(11, 'b') + "\nEnd"},
        // Reads that give nothing do not count towards the 120 characters.
        ZeroCase{"many_empty_reads", QByteArray(600, '\0') + "Quiz", "Quiz"}),
    [](const ::testing::TestParamInfo<ZeroCase>& info) { return std::string(info.param.label); });

// However large the file, New loads the same 120 characters, and every read of it is made.
TEST(QuizHeading, ReadsAFileOfAnySizeAsItsReads)
{
    TempFolder folder;
    const QByteArray line = QByteArray(70, 'h') + "\r\n";
    QByteArray large;
    for (int i = 0; i < 2000; ++i)
        large += line;
    folder.write("large.hed", large);
    EXPECT_EQ(quiz_heading::loadForEditing(folder.path("large.hed")),
              std::string(60, 'h') + std::string(10, 'h') + "\n" + std::string(49, 'h'));
    const std::optional<std::vector<std::string>> reads =
        quiz_heading::allReads(folder.path("large.hed"));
    ASSERT_TRUE(reads);
    EXPECT_EQ(*reads, quiz_heading::lineReads(quiz_heading::readAsText(large)));
    EXPECT_EQ(reads->size(), 4000u);
}

} // namespace
