#include "catalogue/ListPrintout.h"

#include "catalogue/CatalogueDrawing.h"
#include "support/CatalogueFiles.h"
#include "support/CatalogueSide.h"
#include "support/PdfPages.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "views/TSymbolWindow.h"

#include <QScrollBar>

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

class PrintList : public ::testing::Test {
protected:
    void load(int cations, int anions)
    {
        const IonCatalogue lists = catalogue(cations, anions);
        writeCatalogue(folder, lists.cations, lists.anions);
        side = std::make_unique<CatalogueSide>(ui);
        view = &side->view;
    }

    TempFolder folder;
    ScriptedUi ui;
    std::unique_ptr<CatalogueSide> side;
    TSymbolWindow* view = nullptr;
};

TEST_F(PrintList, AShortListIsOnePageWhateverTheScrollPosition)
{
    load(10, 10);
    view->resize(400, 300);
    view->verticalScrollBar()->setValue(50);
    ui.expectPrintDialog(folder.path("list.pdf").toStdString()).ok();
    view->PrintList();
    EXPECT_EQ(pdfPageCount(folder.path("list.pdf")), 1);
    EXPECT_EQ(ui.callsOf(ScriptedUi::Call::Kind::Printing)[0].text, "'List' on the");
    EXPECT_EQ(view->scrollPosition(), 50);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(PrintList, ALongListPrintsAllItsPages)
{
    load(900, 900);
    ui.expectPrintDialog(folder.path("list.pdf").toStdString()).ok();
    view->PrintList();
    const int pages = pdfPageCount(folder.path("list.pdf"));
    EXPECT_GT(pages, 5);
    EXPECT_EQ(static_cast<std::size_t>(pages), ui.announcedPages().size());
}

TEST_F(PrintList, CancelInPrintingNamesTheList)
{
    load(900, 900);
    ui.expectPrintDialog(folder.path("list.pdf").toStdString()).ok();
    ui.cancelPrintingAtPage(2);
    view->PrintList();
    EXPECT_EQ(ui.messages(),
              std::vector<std::string>{"'List' not printed. Printing canceled.|Print Error"});
}

} // namespace
