#include "quiz/MyQuizPrintout.h"

#include "quiz/QuizDrawing.h"
#include "support/RecordingSurface.h"
#include "support/SampleQuizzes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using Text = RecordingSurface::Text;

bool inked(const Text& t)
{
    return t.text.find_first_not_of(" \n") != std::string::npos;
}

struct Paged {
    std::vector<std::vector<Text>> pages;
};

Paged printAll(MyQuizPrintout& printout, int lineHeight, int pageHeight)
{
    RecordingSurface measure(lineHeight, 7);
    printout.takeSurface(measure, 1000, pageHeight);
    Paged paged;
    for (int page = 1; printout.hasPage(page) && page <= 1000; ++page) {
        RecordingSurface surface(lineHeight, 7);
        printout.printPage(page, surface);
        paged.pages.push_back(surface.texts());
    }
    return paged;
}

struct PagingCase {
    int exercises;
    int lineHeight;
    int pageHeight;
};

void PrintTo(const PagingCase& c, std::ostream* os)
{
    *os << c.exercises << " exercises, lines " << c.lineHeight << " on " << c.pageHeight;
}

class QuizPaging : public ::testing::TestWithParam<PagingCase> {};

// Every page holds printed text, every line lies whole on its page, and the pages together
// print every exercise once, in order, numbered on from the page before.
TEST_P(QuizPaging, PrintsEveryExerciseOnceAndNoPageWithoutText)
{
    const PagingCase& c = GetParam();
    const SentenceList quiz = generatedQuiz(c.exercises);
    MyQuizPrintout printout(quiz);
    const Paged paged = printAll(printout, c.lineHeight, c.pageHeight);
    ASSERT_FALSE(paged.pages.empty());
    EXPECT_EQ(printout.pageCount(), static_cast<int>(paged.pages.size()));
    EXPECT_FALSE(printout.hasPage(printout.pageCount() + 1));

    std::vector<std::string> labels;
    std::vector<Text> printedInk;
    for (std::size_t p = 0; p < paged.pages.size(); ++p) {
        const std::vector<Text>& page = paged.pages[p];
        SCOPED_TRACE("page " + std::to_string(p + 1));
        EXPECT_TRUE(std::any_of(page.begin(), page.end(), inked));
        ASSERT_FALSE(page.empty());
        EXPECT_EQ(page.front().y, 0);
        for (const Text& t : page) {
            EXPECT_LE(t.y + c.lineHeight, c.pageHeight) << t.text;
            if (t.text.size() > 3 && t.text.substr(t.text.size() - 3) == ".  ")
                labels.push_back(t.text);
            if (inked(t))
                printedInk.push_back(t);
        }
    }
    std::vector<std::string> expected;
    for (int n = 1; n <= c.exercises; ++n)
        expected.push_back(std::to_string(n) + ".  ");
    EXPECT_EQ(labels, expected);

    // The same texts as the whole drawing, in the same order and at the same places across.
    RecordingSurface whole(c.lineHeight, 7);
    quiz_drawing::drawAll(whole, quiz);
    std::vector<Text> wholeInk;
    std::copy_if(whole.texts().begin(), whole.texts().end(), std::back_inserter(wholeInk), inked);
    ASSERT_EQ(printedInk.size(), wholeInk.size());
    for (std::size_t i = 0; i < wholeInk.size(); ++i) {
        EXPECT_EQ(printedInk[i].text, wholeInk[i].text);
        EXPECT_EQ(printedInk[i].x, wholeInk[i].x);
    }
}

// Page heights where a page ends one line after an exercise, just before its drop, and with
// the spacer lines of the last exercise left over for a page of their own.
INSTANTIATE_TEST_SUITE_P(
    SizesAndPages, QuizPaging,
    ::testing::Values(PagingCase{1, 15, 1000}, PagingCase{3, 15, 300}, PagingCase{24, 15, 300},
                      PagingCase{24, 15, 299}, PagingCase{24, 15, 305}, PagingCase{40, 15, 300},
                      PagingCase{40, 15, 320}, PagingCase{40, 15, 1200}, PagingCase{40, 24, 600},
                      // A4 at 1200 dpi in the printer's default font, here 174 high.
                      PagingCase{24, 174, 13699}, PagingCase{40, 174, 13699},
                      PagingCase{17, 174, 13699}, PagingCase{100, 96, 13699},
                      PagingCase{10, 15, 20}));

TEST(MyQuizPrintout, PaperSmallerThanALineStillTakesALineAPage)
{
    const SentenceList quiz = generatedQuiz(5);
    MyQuizPrintout printout(quiz);
    const Paged paged = printAll(printout, 15, 14);
    EXPECT_GT(paged.pages.size(), 5u);
    EXPECT_LT(paged.pages.size(), quiz.size() + 1);
    for (const std::vector<Text>& page : paged.pages)
        EXPECT_TRUE(std::all_of(page.begin(), page.end(), [](const Text& t) { return t.y < 15; }));
}

TEST(MyQuizPrintout, ATailOfSpacerLinesStartsNoPage)
{
    // A heading and one exercise with its spacers: a page of 60 takes 4 lines of 15.
    const SentenceList quiz = {{"Quiz\n", 0}, {"Na2O", 1}, {" ", 0}, {" ", 0}, {" ", 0}, {"", 0}};
    MyQuizPrintout printout(quiz);
    const Paged paged = printAll(printout, 15, 60);
    ASSERT_EQ(paged.pages.size(), 1u);
    EXPECT_EQ(paged.pages[0].back().y, 45);
}

TEST(MyQuizPrintout, AnExerciseGoesOverWhenItsSubscriptsWouldNotFit)
{
    // Three lines fit in 45, but a third line that is an exercise reaches 30 + 15 + 5 = 50.
    const SentenceList plain = {{"One", 0}, {"Two", 0}, {"Three", 0}};
    const SentenceList exercise = {{"One", 0}, {"Two", 0}, {"Na2O", 1}};
    MyQuizPrintout fits(plain);
    MyQuizPrintout goesOver(exercise);
    EXPECT_EQ(printAll(fits, 15, 45).pages.size(), 1u);
    const Paged paged = printAll(goesOver, 15, 45);
    ASSERT_EQ(paged.pages.size(), 2u);
    EXPECT_EQ(paged.pages[1].front().text, "1.  ");
}

TEST(MyQuizPrintout, AnEmptyQuizOrOneOfBlankLinesPrintsOneBlankPage)
{
    const SentenceList empty;
    const SentenceList blanks(50, TSentence(" ", 0));
    for (const SentenceList* quiz : {&empty, &blanks}) {
        MyQuizPrintout printout(*quiz);
        const Paged paged = printAll(printout, 15, 100);
        ASSERT_EQ(paged.pages.size(), 1u);
        EXPECT_FALSE(std::any_of(paged.pages[0].begin(), paged.pages[0].end(), inked));
    }
}

} // namespace
