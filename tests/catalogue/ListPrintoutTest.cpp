#include "catalogue/ListPrintout.h"

#include "catalogue/CatalogueDrawing.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using Text = RecordingSurface::Text;

IonCatalogue catalogue(int cations, int anions)
{
    IonCatalogue c;
    for (int i = 1; i <= cations; ++i)
        c.cations.append(TIon("Cation " + std::to_string(i), "NH4", 1));
    for (int i = 1; i <= anions; ++i)
        c.anions.append(TIon("anion " + std::to_string(i), "SO4", 2));
    return c;
}

TEST(ListPrintout, IsTitledListAndDrawsWhatTheViewDraws)
{
    const IonCatalogue lists = catalogue(3, 2);
    ListPrintout printout(lists);
    EXPECT_EQ(printout.title(), "List");

    RecordingSurface page(15, 7);
    printout.takeSurface(page, 2000, 3000);
    EXPECT_TRUE(printout.hasPage(1));
    EXPECT_FALSE(printout.hasPage(2));
    printout.printPage(1, page);

    RecordingSurface view(15, 7);
    catalogue_drawing::drawAll(view, lists);
    EXPECT_EQ(page.texts(), view.texts());
    EXPECT_EQ(page.texts().front(), (Text{30, 10, "Cations:", colours::black}));
}

// Pages of 300 units, lines 30 apart reaching 20 below their top (their subscripts 5 lower):
// ten lines fit, the tenth at 280 ending at 300.
TEST(ListPrintout, ALongListGoesOnOverPagesWithNoLineSplit)
{
    const IonCatalogue lists = catalogue(20, 15); // 40 lines
    ListPrintout printout(lists);
    RecordingSurface measure(15, 7);
    printout.takeSurface(measure, 2000, 300);

    std::vector<std::string> printed;
    int pages = 0;
    for (int page = 1; printout.hasPage(page); ++page) {
        RecordingSurface surface(15, 7);
        printout.printPage(page, surface);
        ++pages;
        ASSERT_FALSE(surface.texts().empty());
        EXPECT_EQ(surface.texts().front().y, 10) << "page " << page;
        for (const Text& t : surface.texts()) {
            EXPECT_LE(t.y + 15, 300) << t.text << " on page " << page;
            printed.push_back(t.text);
        }
    }
    // (300 - 10 - 20) / 30 + 1 = 10 lines a page.
    EXPECT_EQ(pages, 4);

    RecordingSurface whole(15, 7);
    catalogue_drawing::drawAll(whole, lists);
    std::vector<std::string> expected;
    for (const Text& t : whole.texts())
        expected.push_back(t.text);
    EXPECT_EQ(printed, expected);
}

} // namespace
