#include "views/TSymbolWindow.h"

#include "catalogue/CatalogueFile.h"
#include "support/Bytes.h"
#include "support/CatalogueFiles.h"
#include "support/CatalogueSide.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Call::Kind;

struct LoadCase {
    const char* label;
    QByteArray cat; // "missing" for no file
    QByteArray ani;
    std::vector<std::string> messages;
    std::uint32_t cations;
    std::uint32_t anions;
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.label;
}

class CatalogueLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(CatalogueLoad, ShowsEachMessageOnceAndKeepsWhatCouldBeRead)
{
    const LoadCase& c = GetParam();
    TempFolder folder;
    if (c.cat != "missing")
        folder.write("valkora.cat", c.cat);
    if (c.ani != "missing")
        folder.write("valkora.ani", c.ani);

    ScriptedUi ui;
    CatalogueSide side(ui);
    EXPECT_EQ(ui.messages(), c.messages);
    for (const auto& call : ui.callsOf(Kind::Message)) {
        EXPECT_EQ(call.icon, MessageIcon::Exclamation);
        EXPECT_EQ(call.owner, &side.view);
    }
    EXPECT_EQ(side.catalogue().cations.count(), c.cations);
    EXPECT_EQ(side.catalogue().anions.count(), c.anions);
}

const QByteArray threeCations = catalogue_file::serialize(ions(3, "Cation"));
const QByteArray twoAnions = catalogue_file::serialize(ions(2, "anion"));

// The file with its count replaced.
QByteArray promising(std::uint32_t count, const QByteArray& file)
{
    return le32(count) + file.mid(4);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CatalogueLoad,
    ::testing::Values(
        LoadCase{"both_present", threeCations, twoAnions, {}, 3, 2},
        LoadCase{"cations_missing_anions_still_read", "missing", twoAnions,
                 {"Cannot open valkora.cat|Information"}, 0, 2},
        LoadCase{"anions_missing", threeCations, "missing",
                 {"Cannot open valkora.ani|Information"}, 3, 0},
        LoadCase{"both_missing", "missing", "missing",
                 {"Cannot open valkora.cat|Information", "Cannot open valkora.ani|Information"},
                 0, 0},
        LoadCase{"empty_files_say_nothing", "", QByteArray(4, '\0'), {}, 0, 0},
        LoadCase{"damaged_cations", promising(1000, threeCations), twoAnions,
                 {"valkora.cat is damaged: only 3 of 1000 entries could be read.|Information"},
                 3, 2},
        LoadCase{"damaged_anions", threeCations, twoAnions.left(4 + 39 + 20),
                 {"valkora.ani is damaged: only 1 of 2 entries could be read.|Information"}, 3,
                 1}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.label); });

TEST(CatalogueSave, WritesEachListToItsOwnFile)
{
    TempFolder folder;
    ScriptedUi ui;
    CatalogueSide side(ui); // both files missing: two messages
    ui.clearCalls();

    // The first add after a missing file creates it with its one entry.
    side.catalogue().cations.append(TIon("Sodium", "Na", 1));
    side.commands.SaveCations();
    EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(side.catalogue().cations));
    EXPECT_FALSE(folder.exists("valkora.ani"));
    side.commands.SaveAnions();
    EXPECT_EQ(folder.read("valkora.ani"), QByteArray(4, '\0'));
    EXPECT_TRUE(ui.calls().empty());
}

TEST(CatalogueSave, AFailedSaveShowsItsMessageAndKeepsTheEdit)
{
    TempFolder folder;
    writeCatalogue(folder, ions(2, "Cation"), ions(2, "anion"));
    ScriptedUi ui;
    CatalogueSide side(ui);

    // Folders in the files' places: nothing can replace them.
    for (const char* name : {"valkora.cat", "valkora.ani"}) {
        QFile::remove(folder.path(name));
        ASSERT_TRUE(QDir(folder.path("")).mkdir(name));
    }
    side.catalogue().cations.append(TIon("Sodium", "Na", 1));
    side.commands.SaveCations();
    side.commands.SaveAnions();
    EXPECT_EQ(ui.messages(), (std::vector<std::string>{"File valkora.cat cannot be found!|Warning",
                                                      "File valkora.ani cannot be found!|Warning"}));
    EXPECT_EQ(ui.calls().front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(ui.calls().front().owner, &side.view);
    EXPECT_EQ(side.catalogue().cations.count(), 3u);
    EXPECT_TRUE(QFileInfo(folder.path("valkora.cat")).isDir());
}

class CatalogueScrolling : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeCatalogue(folder, ions(cations, "Cation"), ions(4, "anion"));
    }

    void show(TSymbolWindow& view, int height)
    {
        view.resize(400, height);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    int cations = 10;
    TempFolder folder;
    ScriptedUi ui;
};

TEST_F(CatalogueScrolling, KeysMoveByLineAndPageAndStopAtBothEnds)
{
    CatalogueSide side(ui);
    TSymbolWindow& view = side.view;
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
    CatalogueSide side(ui);
    TSymbolWindow& view = side.view;
    for (int height : {40, 200, 451}) {
        show(view, height);
        const int client = view.viewport()->height();
        EXPECT_EQ(view.pageStep(), std::max(1, (client + 1) / 15 - 1)) << "client " << client;
    }
}

TEST_F(CatalogueScrolling, TheRangeReachesTheLastEntryOfALongList)
{
    cations = 3000;
    SetUp();
    CatalogueSide side(ui);
    TSymbolWindow& view = side.view;
    show(view, 300);
    const int h = QFontMetrics(view.viewport()->font(), view.viewport()).height();
    const int lastAnionTop = 10 + 2 * h * (3000 + 4 + 4);
    const int bottomInSight = view.scrollRange() * 15 + view.viewport()->height();
    EXPECT_GT(view.scrollRange(), 200);
    EXPECT_GE(bottomInSight, lastAnionTop + h + h / 3);
    // A change to the lists changes the range at once.
    side.catalogue().cations.clear();
    view.catalogueChanged();
    EXPECT_EQ(view.scrollRange(), 200);
}

TEST_F(CatalogueScrolling, TheScrollPositionSurvivesAChangeToTheLists)
{
    CatalogueSide side(ui);
    TSymbolWindow& view = side.view;
    show(view, 300);
    view.verticalScrollBar()->setValue(7);
    side.catalogue().anions.remove(0);
    view.catalogueChanged();
    EXPECT_EQ(view.scrollPosition(), 7);
}

} // namespace
