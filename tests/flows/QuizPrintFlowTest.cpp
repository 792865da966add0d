// Printing a quiz from the main window: the pages that come out, then the offer to store it.
#include "shell/QuizShell.h"

#include "quiz/QuizFile.h"
#include "resources/CommandIds.h"
#include "support/PdfPages.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>

namespace {

using Kind = ScriptedUi::Call::Kind;

class QuizFlowPrint : public QuizShell {
protected:
    QuizFlowPrint() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowPrint, ShortQuizPrintsOnePageThenOffersToStore)
{
    makeQuiz("3", "2");
    ui.clearCalls();
    const QString pdf = files.folder.path("quiz.pdf");
    ui.expectPrintDialog(pdf.toStdString()).ok();
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::PrintQuiz);

    const auto calls = ui.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, Kind::PrintDialog);
    EXPECT_EQ(calls[0].text, "1-2147483647");
    EXPECT_EQ(calls[1].kind, Kind::Printing);
    EXPECT_EQ(calls[1].text, "'Quiz' on the");
    EXPECT_EQ(calls[2].kind, Kind::Message);
    EXPECT_EQ(calls[2].text, "Do you want to save this quiz?");
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(ui.announcedPages(), std::vector<int>{1});
    expectLeftToCatalogue();
}

class QuizFlowLongQuiz : public QuizShell {
protected:
    QuizFlowLongQuiz() : QuizShell(numbered("Metal", 'M', 40), numbered("Nonmetal", 'Q', 40)) {}
};

TEST_F(QuizFlowLongQuiz, FortyExercisesPrintOnMoreThanOnePage)
{
    makeQuiz("40", "40");
    ASSERT_EQ(view().sentenceCount(), 2u + 6 + 3 * 40);
    expectDrawnFromFreshLists(view(), catalogue(), {40, 40}, 40);

    const QString pdf = files.folder.path("long.pdf");
    ui.expectPrintDialog(pdf.toStdString()).ok();
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::PrintQuiz);

    const int pages = pdfPageCount(pdf);
    EXPECT_GT(pages, 1);
    EXPECT_EQ(static_cast<int>(ui.announcedPages().size()), pages);
    expectLeftToCatalogue();
}

// Prints the quiz shown, answering the print dialog's tab when the step says so, and gives the
// pages that came out; the offer to store a generated quiz is declined.
struct KeyJob {
    std::optional<bool> tick;
    std::optional<bool> shown; // what the tab showed
    int pages = 0;
    std::vector<int> announced;
};

KeyJob printQuizWith(ScriptedUi& ui, TFrame& frame, const QString& pdf,
                     std::optional<bool> tick, bool offersToStore = true)
{
    ui.clearCalls();
    ScriptedUi::PrintStep& step = ui.expectPrintDialog(pdf.toStdString());
    if (tick)
        step.tick(*tick);
    step.ok();
    if (offersToStore)
        ui.answer(MessageAnswer::No);
    const std::size_t before = ui.announcedPages().size();
    frame.dispatchCommand(cmd::PrintQuiz);
    KeyJob job{tick, {}, pdfPageCount(pdf),
               {ui.announcedPages().begin() + static_cast<std::ptrdiff_t>(before),
                ui.announcedPages().end()}};
    const auto calls = ui.calls();
    EXPECT_EQ(calls.size(), offersToStore ? 3u : 2u);
    if (!calls.empty()) {
        EXPECT_EQ(calls[0].kind, Kind::PrintDialog);
        EXPECT_EQ(calls[0].text, "1-2147483647");
        job.shown = calls[0].choiceShown;
        EXPECT_EQ(calls[0].choiceTab, "Answer key");
        EXPECT_EQ(calls[0].choiceBox, "Also print an answer key");
    }
    if (calls.size() >= 2) {
        EXPECT_EQ(calls[1].text, "'Quiz' on the");
    }
    if (calls.size() == 3) {
        EXPECT_EQ(calls[2].text, "Do you want to save this quiz?");
    }
    return job;
}

// The key goes on a page after the quiz's only when ticked; the tick is remembered from one
// quiz to the next, and a job without it prints as the quiz alone always did.
TEST_F(QuizFlowPrint, AnswerKeyPrintsAfterTheQuizWhenTickedAndIsRemembered)
{
    struct Step {
        const char* name;
        std::optional<bool> tick;
        bool shownBefore;
        int pages;
    };
    const Step steps[] = {{"untouched_off", std::nullopt, false, 1},
                          {"ticked", true, false, 2},
                          {"remembered_on", std::nullopt, true, 2},
                          {"cleared", false, true, 1},
                          {"remembered_off", std::nullopt, false, 1}};
    int run = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        makeQuiz("3", "2");
        const QString pdf = files.folder.path(QString("quiz%1.pdf").arg(++run));
        const KeyJob job = printQuizWith(ui, frame, pdf, step.tick);
        EXPECT_EQ(job.shown, std::optional<bool>(step.shownBefore));
        EXPECT_EQ(job.pages, step.pages);
        std::vector<int> announced(static_cast<std::size_t>(step.pages));
        std::iota(announced.begin(), announced.end(), 1);
        EXPECT_EQ(job.announced, announced);
        EXPECT_EQ(view().answerKeyChosen(), step.pages == 2);
        expectLeftToCatalogue();
    }
}

TEST_F(QuizFlowPrint, GeneratedQuizIsAnsweredFromItsOwnPairs)
{
    makeQuiz("4", "3");
    const answer_key::Key key = view().answerKey(catalogue());
    EXPECT_EQ(key.heading, (std::vector<std::string>{"Name: ____", "Quiz"}));
    const auto pairs = exercisePairs(view().sentences(), catalogue(), {4, 3});
    ASSERT_EQ(key.answers.size(), 3u);
    ASSERT_EQ(pairs.size(), 3u);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const TIon& cation = catalogue().cations.at(pairs[i].first);
        const TIon& anion = catalogue().anions.at(pairs[i].second);
        // One exercise in the formulas section, two in the names section.
        EXPECT_EQ(key.answers[i].text,
                  i == 0 ? compoundFormula(cation, anion) : compoundName(cation, anion));
    }
    EXPECT_EQ(key.unanswered, 0);
}

// A quiz file holds only texts: its key comes from the lists as they are now.
TEST_F(QuizFlowPrint, OpenedQuizIsAnsweredFromTheCurrentLists)
{
    SentenceList quiz{TSentence("Class 4\n", 0),
                      TSentence("", 0),
                      TSentence("Write formulas for the following compounds: ", 0),
                      TSentence("Calcium oxide", 1),
                      TSentence("Write names for the following compounds: ", 0),
                      TSentence("AlN", 1),
                      TSentence("Xx2", 1)};
    files.folder.write("old.qzz", quiz_file::serialize(quiz));
    ui.expectOpenFile("old.qzz");
    frame.dispatchCommand(cmd::Open);
    ASSERT_TRUE(view().openedFromFile());

    const answer_key::Key key = view().answerKey(catalogue());
    EXPECT_EQ(key.heading, std::vector<std::string>{"Class 4"});
    EXPECT_EQ(key.answers, (std::vector<answer_key::Answer>{
                               {1, "CaO", true}, {2, "Aluminum nitride", false}, {3, "?", false}}));
    EXPECT_EQ(key.unanswered, 1);

    const KeyJob job = printQuizWith(ui, frame, files.folder.path("old.pdf"), true, false);
    EXPECT_EQ(job.pages, 2);
    EXPECT_EQ(job.announced, (std::vector<int>{1, 2}));
    expectLeftToCatalogue();
}

// The list's print dialog has no answer key to offer.
TEST_F(QuizFlowPrint, TheListsPrintDialogOffersNoAnswerKey)
{
    ui.expectPrintDialog(files.folder.path("list.pdf").toStdString()).cancel();
    frame.dispatchCommand(cmd::PrintList);
    const auto dialogs = ui.callsOf(Kind::PrintDialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_FALSE(dialogs[0].choiceShown.has_value());
}

} // namespace
