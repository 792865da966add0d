// Leaving a quiz through Don't Print, storing it, and opening stored quizzes again, sound or
// damaged.
#include "shell/QuizShell.h"

#include "quiz/QuizFile.h"
#include "resources/CommandIds.h"
#include "support/Bytes.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Call::Kind;

class QuizFlowLeave : public QuizShell {
protected:
    QuizFlowLeave() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowLeave, StoringAGeneratedQuizWritesEveryLineThenEmptiesIt)
{
    makeQuiz("3", "2");
    const SentenceList shown = view().sentences();
    ui.clearCalls();
    frame.setWindowTitle("a quiz");
    storeQuiz("kept.qzz");

    const auto calls = ui.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, Kind::Message);
    EXPECT_EQ(calls[0].text, "Do you want to save this quiz?");
    EXPECT_EQ(calls[0].caption, "Save Quiz?");
    EXPECT_EQ(calls[0].icon, MessageIcon::Question);
    EXPECT_EQ(calls[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(calls[1].kind, Kind::SaveFile);
    EXPECT_EQ(calls[1].text, "");

    const QByteArray bytes = files.folder.read("kept.qzz");
    ASSERT_EQ(bytes.size(), 4 + 104 * 14);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("0e000000"));
    EXPECT_EQ(bytes.mid(4, 104), quizRecord("Name: ____\n", 0));
    EXPECT_EQ(bytes.mid(4 + 3 * 104, 104), quizRecord("Write formulas for the following compounds: ", 0));
    EXPECT_EQ(bytes.mid(4 + 5 * 104 + 100, 4), QByteArray::fromHex("01000000"));
    EXPECT_EQ(quiz_file::parse(bytes).sentences, shown);

    expectLeftToCatalogue();
}

TEST_F(QuizFlowLeave, DecliningOrCancellingTheStoreWritesNothingAndEmptiesTheQuiz)
{
    for (bool cancelledSave : {false, true}) {
        SCOPED_TRACE(cancelledSave ? "save dialog cancelled" : "answered No");
        ASSERT_NO_FATAL_FAILURE(makeQuiz("3", "2"));
        ui.clearCalls();
        if (cancelledSave) {
            ui.answer(MessageAnswer::Yes);
            ui.cancelSaveFile();
        } else {
            ui.answer(MessageAnswer::No);
        }
        frame.dispatchCommand(cmd::DontPrint);

        EXPECT_EQ(ui.messages(), std::vector<std::string>{"Do you want to save this quiz?|Save Quiz?"});
        EXPECT_EQ(ui.callsOf(Kind::SaveFile).size(), cancelledSave ? 1u : 0u);
        EXPECT_TRUE(storedQuizzes().empty());
        expectLeftToCatalogue();
    }
}

TEST_F(QuizFlowLeave, StoringOverALargerFileReplacesItWhole)
{
    files.folder.write("kept.qzz", QByteArray(5000, 'Z'));
    makeQuiz("3", "2");
    const SentenceList shown = view().sentences();
    storeQuiz("kept.qzz");

    const QByteArray bytes = files.folder.read("kept.qzz");
    EXPECT_EQ(bytes.size(), 4 + 104 * 14);
    EXPECT_EQ(quiz_file::parse(bytes).sentences, shown);
}

TEST_F(QuizFlowLeave, StoringUnderAFolderNameIsReportedAndTheQuizEmptiedAllTheSame)
{
    ASSERT_TRUE(QDir(files.folder.path(".")).mkdir("taken.qzz"));
    makeQuiz("3", "2");
    ui.clearCalls();
    storeQuiz("taken.qzz");

    EXPECT_EQ(ui.messages(), (std::vector<std::string>{"Do you want to save this quiz?|Save Quiz?",
                                                       "File cannot be found!|Warning"}));
    EXPECT_EQ(ui.calls().back().icon, MessageIcon::Exclamation);
    EXPECT_TRUE(QFileInfo(files.folder.path("taken.qzz")).isDir());
    EXPECT_TRUE(QDir(files.folder.path("taken.qzz")).isEmpty());
    expectLeftToCatalogue();
}

class QuizFlowOpen : public QuizShell {
protected:
    QuizFlowOpen() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowOpen, StoredQuizOpensAsItWasAndIsLeftWithoutAsking)
{
    makeQuiz("3", "2");
    const SentenceList stored = view().sentences();
    storeQuiz("kept.qzz");
    ui.clearCalls();

    ui.expectOpenFile("kept.qzz");
    frame.dispatchCommand(cmd::Open);
    const auto opens = ui.callsOf(Kind::OpenFile);
    ASSERT_EQ(opens.size(), 1u);
    // The save dialog's choice is offered again.
    EXPECT_EQ(opens[0].text, "kept.qzz");
    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(frame.menuName(), "MENU_4");
    EXPECT_EQ(view().sentences(), stored);
    EXPECT_EQ(view().sentenceCount(), 14u);
    EXPECT_TRUE(view().openedFromFile());

    ui.clearCalls();
    frame.dispatchCommand(cmd::DontPrint);
    EXPECT_TRUE(ui.calls().empty());
    expectLeftToCatalogue();
    EXPECT_EQ(storedQuizzes(), QStringList{"kept.qzz"});

    files.folder.write("other.qzz", le32(1) + quizRecord("Other", 0));
    ui.expectOpenFile("other.qzz");
    frame.dispatchCommand(cmd::Open);
    ui.cancelOpenFile();
    frame.dispatchCommand(cmd::Open);
    const auto offered = ui.callsOf(Kind::OpenFile);
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].text, "kept.qzz");
    EXPECT_EQ(offered[1].text, "other.qzz");
}

TEST_F(QuizFlowOpen, CancelledOpenChangesNothing)
{
    ui.cancelOpenFile();
    frame.dispatchCommand(cmd::Open);
    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");

    makeQuiz("3", "2");
    const SentenceList shown = view().sentences();
    ui.cancelOpenFile();
    frame.dispatchCommand(cmd::Open);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(view().sentences(), shown);
    EXPECT_FALSE(view().openedFromFile());
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::DontPrint);
}

TEST_F(QuizFlowOpen, VanishedFileGivesAnEmptyQuizThatIsNotOffered)
{
    for (bool quizShown : {false, true}) {
        SCOPED_TRACE(quizShown ? "over a generated quiz" : "in catalogue mode");
        if (quizShown) {
            ASSERT_NO_FATAL_FAILURE(makeQuiz("3", "2"));
        }
        ui.clearCalls();
        ui.expectOpenFile("gone.qzz");
        frame.dispatchCommand(cmd::Open);

        EXPECT_EQ(ui.messages(), std::vector<std::string>{"Cannot open gone.qzz|Information"});
        EXPECT_EQ(ui.callsOf(Kind::Message).at(0).icon, MessageIcon::Exclamation);
        EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
        EXPECT_EQ(frame.menuName(), "MENU_4");
        EXPECT_TRUE(view().sentences().empty());
        EXPECT_EQ(view().sentenceCount(), 0u);
        EXPECT_TRUE(view().openedFromFile());

        ui.clearCalls();
        frame.dispatchCommand(cmd::DontPrint);
        EXPECT_TRUE(ui.calls().empty());
        EXPECT_FALSE(files.folder.exists("gone.qzz"));
        expectLeftToCatalogue();
    }
}

TEST_F(QuizFlowOpen, FileOfAZeroCountOpensAsAnEmptyQuiz)
{
    files.folder.write("empty.qzz", QByteArray::fromHex("00000000"));
    ui.expectOpenFile("empty.qzz");
    frame.dispatchCommand(cmd::Open);

    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_TRUE(view().sentences().empty());
    EXPECT_EQ(view().sentenceCount(), 0u);
}

// A file cut short shows what it holds and says that it is damaged.
TEST_F(QuizFlowOpen, DamagedFileShowsItsCompleteLinesAndSaysSo)
{
    files.folder.write("cut.qzz", le32(20) + quizRecord("Test 4\n", 0) + quizRecord("CaCl2", 1) +
                                      quizRecord(" ", 0).left(50));
    ui.expectOpenFile("cut.qzz");
    frame.dispatchCommand(cmd::Open);

    EXPECT_EQ(ui.messages(),
              std::vector<std::string>{"cut.qzz is damaged: only 2 of 20 lines could be read.|Information"});
    EXPECT_EQ(ui.callsOf(Kind::Message)[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(view().sentences(), (SentenceList{TSentence("Test 4\n", 0), TSentence("CaCl2", 1)}));
}

TEST_F(QuizFlowOpen, MessagesNameTheFileAsTheFileSystemSpellsIt)
{
    const std::string name = "Pr\xc3\xbc" "fung.qzz";
    files.folder.write(QString::fromUtf8(name.c_str()), le32(9) + quizRecord("Test 4\n", 0));
    ui.expectOpenFile(name);
    frame.dispatchCommand(cmd::Open);
    frame.dispatchCommand(cmd::DontPrint);
    ui.expectOpenFile("Gr\xc3\xb6\xc3\x9f" "e.qzz");
    frame.dispatchCommand(cmd::Open);

    EXPECT_EQ(ui.messages(),
              (std::vector<std::string>{
                  name + " is damaged: only 1 of 9 lines could be read.|Information",
                  "Cannot open Gr\xc3\xb6\xc3\x9f" "e.qzz|Information"}));
}

TEST_F(QuizFlowOpen, OpenWhileAQuizIsShownReplacesIt)
{
    files.folder.write("three.qzz", le32(3) + quizRecord("Test 4\n", 0) + quizRecord("CaCl2", 1) +
                                        quizRecord(" ", 0));
    makeQuiz("3", "2");
    ui.expectOpenFile("three.qzz");
    frame.dispatchCommand(cmd::Open);

    EXPECT_EQ(view().sentences(),
              (SentenceList{TSentence("Test 4\n", 0), TSentence("CaCl2", 1), TSentence(" ", 0)}));
    EXPECT_EQ(view().sentenceCount(), 3u);
    EXPECT_TRUE(view().openedFromFile());
}

} // namespace
