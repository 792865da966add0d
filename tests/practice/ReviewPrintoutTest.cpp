#include "practice/ReviewPrintout.h"

#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using Text = RecordingSurface::Text;

// Lines 15 high stand 20 apart, a formula's digits 5 lower; "12.  " sets the entries' column at
// 35, "Correct answer: " the answers' at 147; a finding wraps at a word within the page's 330.
// On pages 110 high an entry, and the tally, that fits on a page but not below other lines
// starts the next page, at its top even where a blank line went first.
TEST(ReviewDrawing, EntriesInColumnsWholeOnAPageThenTheTally)
{
    ReviewLog log;
    log.add({2, false, "Calcium nitrate", "CaNO32", "Ca(NO3)2",
             {{answer_diagnosis::Kind::BracketsMissing,
               "Put NO3 in brackets before its subscript: Ca(NO3)2."}}});
    log.add({12, true, "Fe2O3", "", "Iron(III) oxide", {}});
    ReviewPrintout printout(log, "Ann Lee");
    RecordingSurface measure(15, 7);
    printout.takeSurface(measure, 330, 110);
    ASSERT_EQ(printout.pageCount(), 4);

    const struct { int page, x, y; std::string text; bool formula; } lines[] = {
        {1, 0, 0, "Questions to review for: Ann Lee", false},
        {2, 0, 0, "2.", false}, {2, 35, 0, "Write the formula for: ", false},
        {2, 196, 0, "Calcium nitrate", false},
        {2, 35, 20, "Your answer: ", false}, {2, 147, 20, "CaNO32", true},
        {2, 35, 40, "Correct answer: ", false}, {2, 147, 40, "Ca(NO3)2", true},
        {2, 35, 60, "Put NO3 in brackets before its subscript:", false},
        {2, 35, 80, "Ca(NO3)2.", false},
        {3, 0, 0, "12.", false}, {3, 35, 0, "Write the name of: ", false},
        {3, 168, 0, "Fe2O3", true},
        {3, 35, 20, "Your answer: ", false}, {3, 147, 20, "(no answer)", false},
        {3, 35, 40, "Correct answer: ", false}, {3, 147, 40, "Iron(III) oxide", false},
        {4, 0, 0, "Mistakes by kind (2 wrong answers):", false},
        {4, 35, 20, "Brackets missing round a polyatomic ion: 1", false},
        {4, 35, 40, "No explanation found: 1", false}};
    for (int p = 1; p <= 4; ++p) {
        std::vector<Text> expected;
        for (const auto& [page, x, y, text, formula] : lines) {
            for (std::size_t i = 0; page == p && formula && i < text.size(); ++i)
                expected.push_back({x + 7 * int(i), y + (text[i] >= '2' && text[i] <= '9' ? 5 : 0),
                                    text.substr(i, 1), colours::black});
            if (page == p && !formula)
                expected.push_back({x, y, text, colours::black});
        }
        RecordingSurface drawn(15, 7);
        printout.printPage(p, drawn);
        EXPECT_EQ(drawn.texts(), expected) << "page " << p;
    }
}

// Before the first entry: that none was wrong, or how many are no longer kept.
TEST(ReviewDrawing, SaysWhatIsNotListed)
{
    ReviewLog log;
    const auto firstAfterTitle = [&log] {
        ReviewPrintout printout(log, "");
        RecordingSurface page(15, 7);
        printout.takeSurface(page, 1000, 1000);
        printout.printPage(1, page);
        return page.texts().size() > 1 ? page.texts()[1].text : "";
    };
    EXPECT_EQ(firstAfterTitle(), "No answers were marked wrong.");
    for (std::uint32_t n = 1; n <= ReviewLog::maxKept + 1; ++n)
        log.add({n, true, "NaCl", "x", "Sodium chloride", {}});
    EXPECT_EQ(firstAfterTitle(), "1 earlier wrong answer is not listed.");
}

} // namespace
