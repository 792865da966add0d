#include "quiz/AnswerKeyPrintout.h"

#include "print/ChainedPrintout.h"
#include "quiz/MyQuizPrintout.h"
#include "support/RecordingSurface.h"
#include "support/SampleQuizzes.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Text = RecordingSurface::Text;

// The characters of a text as drawFormulaText places them, each charWidth wide, the digits 2
// to 9 dropped when lowered.
std::vector<Text> characters(int x, int y, const std::string& text, int drop)
{
    std::vector<Text> drawn;
    for (char c : text) {
        const bool low = drop && c >= '2' && c <= '9';
        drawn.push_back({x, y + (low ? drop : 0), std::string(1, c), colours::black});
        x += 7;
    }
    return drawn;
}

void append(std::vector<Text>& to, const std::vector<Text>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

TEST(AnswerKeyDrawing, TitleHeadingThenNumberedAnswers)
{
    const answer_key::Key key{{"Name: ____", "Quiz 2"},
                              {{1, "CaCl2", true}, {2, "Sodium oxide", false}, {3, "?", false}},
                              1};
    AnswerKeyPrintout printout(key);
    RecordingSurface measure(15, 7);
    printout.takeSurface(measure, 2000, 3000);
    ASSERT_EQ(printout.pageCount(), 1);
    RecordingSurface page(15, 7);
    printout.printPage(1, page);

    // Lines 15 high stand 15 + 15 / 3 apart, room for a subscript dropped 5; a label's four
    // characters take 28 across.
    std::vector<Text> expected;
    append(expected, characters(0, 0, "Answer key", 0));
    append(expected, characters(0, 20, "Name: ____", 0));
    append(expected, characters(0, 40, "Quiz 2", 0));
    expected.push_back({0, 60, "1.  ", colours::black});
    append(expected, characters(28, 60, "CaCl2", 5));
    expected.push_back({0, 80, "2.  ", colours::black});
    append(expected, characters(28, 80, "Sodium oxide", 0));
    expected.push_back({0, 100, "3.  ", colours::black});
    append(expected, characters(28, 100, "?", 0));
    append(expected, characters(0, 120, "1 exercise could not be answered from the current lists.", 0));
    EXPECT_EQ(page.texts(), expected);
}

struct KeyPaging {
    int answers;
    int pageHeight;
};

void PrintTo(const KeyPaging& c, std::ostream* os)
{
    *os << c.answers << " answers on " << c.pageHeight;
}

class AnswerKeyPaging : public ::testing::TestWithParam<KeyPaging> {};

// Each page starts at its top and holds its lines whole, lowered digits included; the numbers
// run on from page to page and every answer is printed once.
TEST_P(AnswerKeyPaging, GoesOnOverPagesWithNumbersRunningOn)
{
    const KeyPaging& c = GetParam();
    AnswerKeyPrintout printout(longKey(c.answers));
    RecordingSurface measure(15, 7);
    printout.takeSurface(measure, 1000, c.pageHeight);
    ASSERT_GE(printout.pageCount(), 1);
    EXPECT_FALSE(printout.hasPage(printout.pageCount() + 1));

    std::vector<std::string> labels;
    for (int p = 1; p <= printout.pageCount(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p));
        RecordingSurface page(15, 7);
        printout.printPage(p, page);
        ASSERT_FALSE(page.texts().empty());
        EXPECT_EQ(page.texts().front().y, 0);
        for (const Text& t : page.texts()) {
            EXPECT_LE(t.y + 15, c.pageHeight) << t.text;
            if (t.text.size() > 3 && t.text.substr(t.text.size() - 3) == ".  ")
                labels.push_back(t.text);
        }
    }
    std::vector<std::string> expected;
    for (int n = 1; n <= c.answers; ++n)
        expected.push_back(std::to_string(n) + ".  ");
    EXPECT_EQ(labels, expected);
    // Two lines of title and heading, and the answers: at most as many lines 15 high and 20
    // apart as fit on a page.
    const int perPage = std::max(1, (c.pageHeight - 15) / 20 + 1);
    EXPECT_GE(printout.pageCount(), (2 + c.answers + perPage - 1) / perPage);
}

INSTANTIATE_TEST_SUITE_P(Pages, AnswerKeyPaging,
                         ::testing::Values(KeyPaging{0, 1000}, KeyPaging{3, 1000},
                                           KeyPaging{40, 100}, KeyPaging{40, 35},
                                           KeyPaging{7, 20}));

struct ChainCase {
    bool withKey;
    int exercises;
    int pageHeight;
};

void PrintTo(const ChainCase& c, std::ostream* os)
{
    *os << (c.withKey ? "with" : "without") << " key, " << c.exercises << " exercises on "
        << c.pageHeight;
}

// A stored quiz's key searches the lists: a job that does not print it never works it out.
TEST(QuizThenKeyOnDemand, WorksTheKeyOutOnlyForAJobThatPrintsIt)
{
    const SentenceList quiz = quizOfLines(3);
    for (bool withKey : {false, true}) {
        SCOPED_TRACE(withKey ? "with key" : "without key");
        int made = 0;
        MyQuizPrintout quizPages(quiz);
        AnswerKeyPrintout keyPages([&made] {
            ++made;
            return longKey(3);
        });
        ChainedPrintout both(quizPages, keyPages, withKey);
        RecordingSurface measure(15, 7);
        both.takeSurface(measure, 1000, 3000);
        EXPECT_EQ(made, withKey ? 1 : 0);
        EXPECT_EQ(both.hasPage(2), withKey);
        if (withKey) {
            RecordingSurface drawn(15, 7);
            both.printPage(2, drawn);
            ASSERT_FALSE(drawn.texts().empty());
            EXPECT_EQ(drawn.texts().front(), (Text{0, 0, "A", colours::black}));
        }
    }
}

class QuizThenKey : public ::testing::TestWithParam<ChainCase> {};

// The key's pages follow the quiz's under one numbering; without the key the pages are the
// quiz's, drawn as the quiz printout alone draws them.
TEST_P(QuizThenKey, KeyPagesNumberedOnFromTheQuiz)
{
    const ChainCase& c = GetParam();
    const SentenceList quiz = quizOfLines(c.exercises);
    MyQuizPrintout quizPages(quiz);
    AnswerKeyPrintout keyPages(longKey(c.exercises));
    bool withKey = c.withKey;
    ChainedPrintout both(quizPages, keyPages, withKey);
    EXPECT_EQ(both.title(), "Quiz");

    RecordingSurface measure(15, 7);
    both.takeSurface(measure, 1000, c.pageHeight);
    MyQuizPrintout alone(quiz);
    alone.takeSurface(measure, 1000, c.pageHeight);
    const int quizCount = alone.pageCount();
    const int total = quizCount + (c.withKey ? keyPages.pageCount() : 0);

    for (int page = 1; page <= total; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        ASSERT_TRUE(both.hasPage(page));
        RecordingSurface drawn(15, 7);
        both.printPage(page, drawn);
        RecordingSurface expected(15, 7);
        if (page <= quizCount)
            alone.printPage(page, expected);
        else
            keyPages.printPage(page - quizCount, expected);
        EXPECT_EQ(drawn.texts(), expected.texts());
    }
    EXPECT_FALSE(both.hasPage(total + 1));
    EXPECT_FALSE(both.hasPage(0));
    if (c.withKey) {
        RecordingSurface firstKeyPage(15, 7);
        both.printPage(quizCount + 1, firstKeyPage);
        EXPECT_EQ(firstKeyPage.texts().front(), (Text{0, 0, "A", colours::black}));
    }
}

INSTANTIATE_TEST_SUITE_P(Chains, QuizThenKey,
                         ::testing::Values(ChainCase{false, 3, 1000}, ChainCase{true, 3, 1000},
                                           ChainCase{false, 30, 100}, ChainCase{true, 30, 100},
                                           ChainCase{true, 0, 1000}));

} // namespace
