// Printing a quiz from the main window: the pages that come out, then the offer to store it.
#include "support/QuizShell.h"

#include "resources/CommandIds.h"
#include "support/PdfPages.h"

#include <gtest/gtest.h>

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

} // namespace
