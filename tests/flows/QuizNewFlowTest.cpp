// New and Return through the main window: the heading and range dialogs, what each answer
// leaves behind, and fresh lists for every quiz.
#include "shell/QuizShell.h"

#include "resources/CommandIds.h"
#include "support/Bytes.h"
#include "views/TPracticeWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Kind = ScriptedUi::Call::Kind;

class QuizFlowNew : public QuizShell {
protected:
    QuizFlowNew() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowNew, NewEditsTheHeadingAndShowsAQuizOfTheRange)
{
    makeQuiz("3", "2");

    const auto dialogs = ui.callsOf(Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].text, "EDITHEADING");
    EXPECT_EQ(dialogs[0].shown<HeadingEntry>(), HeadingEntry{"Name: ____\nQuiz\n"});
    EXPECT_EQ(dialogs[1].text, "HIGHEST");
    EXPECT_EQ(dialogs[1].owner, &frame.catalogueView());
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Name: ____\r\nQuiz\r\n"));

    EXPECT_EQ(frame.menuName(), "MENU_4");
    EXPECT_EQ(frame.client(), &view());
    EXPECT_EQ(shape(view().sentences()),
              (std::vector<std::string>{"Name: ____\n", "Quiz\n", "",
                                        "Write formulas for the following compounds: ", " ", "#",
                                        " ", " ", " ", "Write names for the following compounds: ",
                                        " ", "#", " ", " "}));
    EXPECT_EQ(view().sentenceCount(), 14u);
    EXPECT_FALSE(view().openedFromFile());
    expectDrawnFromFreshLists(view(), catalogue(), {3, 2}, 2);
    // The catalogue itself keeps every name.
    EXPECT_EQ(describe(catalogue().cations), describe(fourCations()));
    EXPECT_EQ(describe(catalogue().anions), describe(threeAnions()));
}

TEST_F(QuizFlowNew, HeadingIsStoredWithEveryLineFeedAsCarriageReturnLineFeed)
{
    // A typed break comes back as 0D 0A, a wrap point as 0D 0D 0A.
    ui.expectDialog(DialogId::EditHeading)
        .set(&HeadingEntry::heading, "Line one\r\r\nLine two\r\n")
        .ok();
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"1", "1"}).ok();
    frame.dispatchCommand(cmd::New);

    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Line one\r\r\r\nLine two\r\r\n"));
    // Read back as text, each break is one line of the quiz.
    ASSERT_EQ(view().sentenceCount(), 2u + 6 + 3);
    EXPECT_EQ(view().sentences()[0], TSentence("Line one\n", 0));
    EXPECT_EQ(view().sentences()[1], TSentence("Line two\n", 0));

    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::DontPrint);
    ui.clearCalls();
    ui.expectDialog(DialogId::EditHeading).cancel();
    frame.dispatchCommand(cmd::New);
    EXPECT_EQ(ui.callsOf(Kind::Dialog).at(0).shown<HeadingEntry>(),
              HeadingEntry{"Line one\nLine two\n"});
}

TEST_F(QuizFlowNew, CancelledHeadingLeavesTheFileAndMakesNoQuiz)
{
    const QByteArray odd("Name:\r\r\r\n\nQuiz\x1a after the end");
    files.folder.write("valkora.hed", odd);
    ui.expectDialog(DialogId::EditHeading).set(&HeadingEntry::heading, "Something else").cancel();
    frame.dispatchCommand(cmd::New);

    EXPECT_EQ(files.folder.read("valkora.hed"), odd);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].shown<HeadingEntry>(), HeadingEntry{"Name:\n\nQuiz"});
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_EQ(view().sentenceCount(), 0u);
    EXPECT_TRUE(view().workingLists().cations.empty());
}

TEST_F(QuizFlowNew, UnreadableHeadingFileIsReportedAndNothingElseHappens)
{
    const std::vector<std::pair<std::string, std::function<void()>>> rows = {
        {"missing", [&] { QFile::remove(files.folder.path("valkora.hed")); }},
        {"a folder", [&] { QDir(files.folder.path(".")).mkdir("valkora.hed"); }},
    };
    for (const auto& [name, arrange] : rows) {
        SCOPED_TRACE(name);
        arrange();
        ui.clearCalls();
        frame.dispatchCommand(cmd::New);
        EXPECT_EQ(ui.messages(), std::vector<std::string>{"Unable to open valkora.hed|Warning"});
        ASSERT_EQ(ui.calls().size(), 1u);
        EXPECT_EQ(ui.calls()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
        EXPECT_EQ(view().sentenceCount(), 0u);
    }
}

TEST_F(QuizFlowNew, HeadingThatCannotBeStoredIsReportedAndMakesNoQuiz)
{
    // The heading file turns into a folder while the dialog is up.
    ui.whileDialogShows = [&](const std::string& templateName) {
        if (templateName != "EDITHEADING")
            return;
        ASSERT_TRUE(QFile::remove(files.folder.path("valkora.hed")));
        ASSERT_TRUE(QDir(files.folder.path(".")).mkdir("valkora.hed"));
    };
    ui.expectDialog(DialogId::EditHeading).set(&HeadingEntry::heading, "Class 7B\n").ok();
    frame.dispatchCommand(cmd::New);

    EXPECT_EQ(ui.messages(), std::vector<std::string>{"Unable to open valkora.hed|Warning"});
    EXPECT_EQ(ui.callsOf(Kind::Dialog).size(), 1u);
    EXPECT_TRUE(QFileInfo(files.folder.path("valkora.hed")).isDir());
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(view().sentenceCount(), 0u);
}

TEST_F(QuizFlowNew, CancelInTheRangeDialogKeepsTheStoredHeadingAndTheMode)
{
    ui.expectDialog(DialogId::EditHeading).set(&HeadingEntry::heading, "Class 7B\n").ok();
    ui.expectDialog(DialogId::Highest).cancel();
    frame.dispatchCommand(cmd::New);

    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Class 7B\r\n"));
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_EQ(view().sentenceCount(), 0u);
    EXPECT_TRUE(view().workingLists().cations.empty());
    EXPECT_TRUE(view().workingLists().anions.empty());
}

TEST_F(QuizFlowNew, NewDuringPracticeStoresTheHeadingAndTheSessionGoesOn)
{
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"2", "2"}).ok();
    frame.dispatchCommand(cmd::Practice);
    ASSERT_TRUE(frame.practiceView().sessionActive());

    ui.expectDialog(DialogId::EditHeading).set(&HeadingEntry::heading, "Practice day\n").ok();
    frame.dispatchCommand(cmd::New);

    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Practice day\r\n"));
    // The range dialog of the practice, and the heading; no range is asked for a quiz.
    EXPECT_EQ(ui.callsOf(Kind::Dialog).size(), 2u);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(frame.mode(), TFrame::Mode::Practice);
    EXPECT_EQ(frame.menuName(), "MENU_2");
    EXPECT_TRUE(frame.practiceView().sessionActive());
    EXPECT_EQ(view().sentenceCount(), 0u);
    EXPECT_TRUE(view().workingLists().cations.empty());
}

class QuizFlowNoAnions : public QuizShell {
protected:
    QuizFlowNoAnions() : QuizShell(fourCations(), IonList()) {}
};

TEST_F(QuizFlowNoAnions, NewStoresTheHeadingButMakesNoQuiz)
{
    ui.expectDialog(DialogId::EditHeading).set(&HeadingEntry::heading, "Class 7B\n").ok();
    frame.dispatchCommand(cmd::New);

    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Class 7B\r\n"));
    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_EQ(view().sentenceCount(), 0u);
}

class QuizFlowRemake : public QuizShell {
protected:
    QuizFlowRemake() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowRemake, HomeLeavesWithoutTheOfferAndTheNextNewStartsFromEmptyLists)
{
    makeQuiz("3", "2");
    ui.clearCalls();
    frame.dispatchCommand(cmd::QuitPractice);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");

    makeQuiz("3", "2");
    EXPECT_EQ(view().sentenceCount(), 14u);
    expectDrawnFromFreshLists(view(), catalogue(), {3, 2}, 2);
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::DontPrint);
}

TEST_F(QuizFlowRemake, ReturnMakesAFreshQuizFromEmptiedLists)
{
    makeQuiz("4", "3");
    ui.clearCalls();
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"3", "3"}).ok();
    frame.dispatchCommand(cmd::Return);

    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(view().sentenceCount(), 2u + 6 + 3 * 3);
    EXPECT_EQ(view().sentences().size(), view().sentenceCount());
    // Three exercises from three of each: every copy is taken.
    expectDrawnFromFreshLists(view(), catalogue(), {3, 3}, 3);
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::DontPrint);
}

TEST_F(QuizFlowRemake, QuizMadeAfterAnOpenedOneIsOfferedForStoring)
{
    files.folder.write("one.qzz", le32(1) + quizRecord("Old quiz", 0));
    ui.expectOpenFile("one.qzz");
    frame.dispatchCommand(cmd::Open);
    ASSERT_TRUE(view().openedFromFile());

    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"2", "2"}).ok();
    frame.dispatchCommand(cmd::Return);
    EXPECT_FALSE(view().openedFromFile());
    EXPECT_EQ(view().sentences().at(0), TSentence("Name: ____\n", 0));

    ui.clearCalls();
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::DontPrint);
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"Do you want to save this quiz?|Save Quiz?"});
}

} // namespace
