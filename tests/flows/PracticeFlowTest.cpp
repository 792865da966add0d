// Practice through the main window: the range dialog, the drill, and the catalogue that stays
// editable under it.
#include "app/TFrame.h"

#include "catalogue/CatalogueFile.h"
#include "platform/Random.h"
#include "resources/CommandIds.h"
#include "support/CatalogueFiles.h"
#include "support/FixedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "views/TPracticeWindow.h"
#include "views/TSymbolWindow.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A catalogue of three cations and two anions.
class PracticeShell : public ::testing::Test {
protected:
    struct Catalogue {
        TempFolder folder;
        Catalogue()
        {
            writeCatalogue(folder,
                           IonList({TIon("Sodium", "Na", 1), TIon("Calcium", "Ca", 2),
                                    TIon("Aluminum", "Al", 3)}),
                           IonList({TIon("chloride", "Cl", 1), TIon("oxide", "O", 2)}));
        }
    } files;
    ScriptedUi ui;
    FixedClock clock{1000};
    Random random;
    TFrame frame{ui, clock, random};
};

TEST_F(PracticeShell, PracticeAsksTheRangeAndStartsTheDrill)
{
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"2", "2"}).ok();
    frame.dispatchCommand(cmd::Practice);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Practice);
    EXPECT_EQ(frame.menuName(), "MENU_2");
    EXPECT_TRUE(frame.practiceView().sessionActive());
    EXPECT_EQ(ui.callsOf(ScriptedUi::Call::Kind::Dialog)[0].owner, &frame.catalogueView());
    const WorkingLists& lists = frame.practiceView().session().workingLists();
    EXPECT_EQ(lists.cations.count(), 2u);
    EXPECT_EQ(lists.anions.count(), 2u);

    // While it runs, Practice does nothing: no dialog is asked for.
    frame.dispatchCommand(cmd::Practice);
    EXPECT_EQ(ui.callsOf(ScriptedUi::Call::Kind::Dialog).size(), 1u);

    frame.dispatchCommand(cmd::QuitPractice);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_FALSE(frame.practiceView().sessionActive());
    EXPECT_TRUE(frame.practiceView().session().workingLists().cations.empty());
}

TEST_F(PracticeShell, CancelInTheRangeDialogLeavesCatalogueMode)
{
    ui.expectDialog(DialogId::Highest).cancel();
    frame.dispatchCommand(cmd::Practice);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_FALSE(frame.practiceView().sessionActive());
}

TEST_F(PracticeShell, ChangingTheCatalogueDuringPracticeChangesNoQuestion)
{
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"1", "1"}).ok();
    frame.dispatchCommand(cmd::Practice);
    const PracticeSession& session = frame.practiceView().session();
    ASSERT_EQ(session.compoundName(), "Sodium chloride");

    frame.catalogueStore().catalogue().cations.at(0) = TIon("Potassium", "K", 1);
    frame.catalogueStore().catalogue().anions.remove(0);
    for (int i = 0; i < 4; ++i) {
        frame.practiceView().practiceChar(13);
        EXPECT_EQ(session.compoundName(), "Sodium chloride");
        EXPECT_EQ(session.compoundFormula(), "NaCl");
    }
}

TEST_F(PracticeShell, HomeInCatalogueModeAfterASessionAsksNothing)
{
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"3", "2"}).ok();
    frame.dispatchCommand(cmd::Practice);
    frame.practiceView().practiceChar(13);
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::QuitPractice);
    ui.clearCalls();
    frame.dispatchCommand(cmd::QuitPractice);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(PracticeShell, EditingCommandsChangeTheHiddenCatalogueDuringPractice)
{
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"3", "2"}).ok();
    frame.dispatchCommand(cmd::Practice);
    ui.expectDialog(DialogId::FirstDialog).ok();
    ui.expectDialog(DialogId::AddCat).fill(IonEntry{"Barium", "Ba", "2"}).ok();
    frame.dispatchCommand(cmd::Add);
    frame.dispatchCommand(cmd::Sort);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Practice);
    EXPECT_TRUE(frame.practiceView().sessionActive());
    EXPECT_FALSE(frame.catalogueView().isVisible());
    const IonList& cations = frame.catalogueStore().catalogue().cations;
    ASSERT_EQ(cations.count(), 4u);
    EXPECT_EQ(cations.at(0).name, "Aluminum");
    EXPECT_EQ(cations.at(1).name, "Barium");
    EXPECT_EQ(catalogue_file::parse(files.folder.read("valkora.cat")).ions, cations);
    // The practice still draws from its copies.
    EXPECT_EQ(frame.practiceView().session().workingLists().cations.count(), 3u);
}

} // namespace

// A wrong answer is explained under the verdict, in the feedback's own colour, and read with
// the verdict; a right one leaves the band empty.
TEST(PracticeFeedbackFlow, AWrongAnswerIsExplainedAndARightOneIsNot)
{
    TempFolder folder;
    writeCatalogue(folder, IonList({TIon("Sodium", "Na", 1)}), IonList({TIon("chloride", "Cl", 1)}));
    ScriptedUi ui;
    FixedClock clock{1000};
    Random random;
    TFrame frame{ui, clock, random};
    frame.resize(640, 520);
    frame.show();
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"1", "1"}).ok();
    frame.dispatchCommand(cmd::Practice);
    TPracticeWindow& view = frame.practiceView();
    const auto greenInBand = [&view] {
        const QImage shown = view.grab().toImage();
        int green = 0;
        for (int y = 110; y < 150; ++y)
            for (int x = 0; x < shown.width(); ++x)
                green += shown.pixelColor(x, y).green() > 100 && shown.pixelColor(x, y).red() < 60;
        return green;
    };

    for (const char c : std::string("chloride Sodium\r"))
        view.practiceChar(static_cast<unsigned char>(c));
    EXPECT_TRUE(view.shownParts()[TPracticeWindow::Verdict].text.endsWith(
        "\nName the cation first: Sodium chloride."));
    EXPECT_GT(greenInBand(), 20);

    for (const char c : std::string("NaCl\r"))
        view.practiceChar(static_cast<unsigned char>(c));
    EXPECT_EQ(view.shownParts()[TPracticeWindow::Verdict].text, "You are correct!!");
    EXPECT_EQ(greenInBand(), 0);
}
