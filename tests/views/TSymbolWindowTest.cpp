#include "views/TSymbolWindow.h"

#include "support/CatalogueFiles.h"
#include "support/PdfPages.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CatalogueScrolling : public ::testing::Test {
protected:
    void show(TSymbolWindow& view, int height)
    {
        view.resize(400, height);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    IonCatalogue lists{ions(10, "Cation"), ions(4, "anion")};
    ScriptedUi ui;
};

TEST_F(CatalogueScrolling, KeysMoveByLineAndPageAndStopAtBothEnds)
{
    TSymbolWindow view(ui, lists);
    show(view, 300);
    const int client = view.viewport()->height();
    const int page = std::max(1, (client + 1) / 15 - 1);
    EXPECT_EQ(view.pageStep(), page);
    EXPECT_EQ(view.scrollRange(), 200);

    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(view.scrollPosition(), 0);
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(view.scrollPosition(), 2);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.scrollPosition(), 2 + page);
    QTest::keyClick(&view, Qt::Key_PageUp);
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(view.scrollPosition(), 0);
    for (int i = 0; i < 300 / page + 2; ++i)
        QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.scrollPosition(), 200);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(view.scrollPosition(), 200);
    // Home and End are not scrolling keys here.
    QTest::keyClick(&view, Qt::Key_Home);
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(view.scrollPosition(), 200);
}

TEST_F(CatalogueScrolling, PageStepFollowsTheHeight)
{
    TSymbolWindow view(ui, lists);
    for (int height : {40, 200, 451}) {
        show(view, height);
        const int client = view.viewport()->height();
        EXPECT_EQ(view.pageStep(), std::max(1, (client + 1) / 15 - 1)) << "client " << client;
    }
}

TEST_F(CatalogueScrolling, TheRangeReachesTheLastEntryOfALongList)
{
    lists.cations = ions(3000, "Cation");
    TSymbolWindow view(ui, lists);
    show(view, 300);
    const int h = QFontMetrics(view.viewport()->font(), view.viewport()).height();
    const int lastAnionTop = 10 + 2 * h * (3000 + 4 + 4);
    const int bottomInSight = view.scrollRange() * 15 + view.viewport()->height();
    EXPECT_GT(view.scrollRange(), 200);
    EXPECT_GE(bottomInSight, lastAnionTop + h + h / 3);
    // A change to the lists changes the range at once.
    lists.cations.clear();
    view.catalogueChanged();
    EXPECT_EQ(view.scrollRange(), 200);
}

TEST_F(CatalogueScrolling, TheScrollPositionSurvivesAChangeToTheLists)
{
    TSymbolWindow view(ui, lists);
    show(view, 300);
    view.verticalScrollBar()->setValue(7);
    lists.anions.remove(0);
    view.catalogueChanged();
    EXPECT_EQ(view.scrollPosition(), 7);
}

class PrintList : public ::testing::Test {
protected:
    void load(int cations, int anions)
    {
        lists = IonCatalogue{ions(cations, "Cation"), ions(anions, "anion")};
        view = std::make_unique<TSymbolWindow>(ui, lists);
    }

    TempFolder folder;
    ScriptedUi ui;
    IonCatalogue lists;
    std::unique_ptr<TSymbolWindow> view;
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
