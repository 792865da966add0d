#include "practice/MyPrintout.h"

#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using Text = RecordingSurface::Text;

TEST(MyPrintout, PrintsTheNameAndOneEmptyLineLowerTheCount)
{
    MyPrintout printout("Results", "Lee", "Ann", 3, 5);
    EXPECT_EQ(printout.title(), "Results");
    EXPECT_TRUE(printout.hasPage(1));
    EXPECT_FALSE(printout.hasPage(2));
    RecordingSurface page(40, 20);
    printout.printPage(1, page);
    EXPECT_EQ(page.texts(),
              (std::vector<Text>{{10, 10, "Symbols and Charges Practice Results for: Ann Lee", colours::black},
                                 {10, 90, "Number tried 3 out of 5", colours::black}}));
}

TEST(MyPrintout, EmptyNamesAndNoAnswersStillPrint)
{
    MyPrintout printout("Results", "", "", 0, 0);
    RecordingSurface page(15, 7);
    printout.printPage(1, page);
    ASSERT_EQ(page.texts().size(), 2u);
    EXPECT_EQ(page.texts()[0].text, "Symbols and Charges Practice Results for:  ");
    EXPECT_EQ(page.texts()[1], (Text{10, 40, "Number tried 0 out of 0", colours::black}));
}

} // namespace
