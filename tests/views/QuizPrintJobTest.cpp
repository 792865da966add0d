// The quiz and its answer key through the real print job into PDF files, as the quiz view
// prints them.
#include "gui/Printer.h"
#include "print/ChainedPrintout.h"
#include "quiz/AnswerKeyPrintout.h"
#include "quiz/MyQuizPrintout.h"
#include "support/PdfPages.h"
#include "support/SampleQuizzes.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <numeric>
#include <optional>

namespace {

using Kind = ScriptedUi::Call::Kind;

// Through the real print job to a PDF on A4 in the printer's default font: the file holds
// exactly the pages the printout has, and "Printing" announced each of them once.
TEST(MyQuizPrintout, PrintsToAFileTheSamePagesItCounts)
{
    TempFolder folder;
    for (int exercises : {24, 40, 60}) {
        SCOPED_TRACE(exercises);
        const SentenceList quiz = generatedQuiz(exercises);
        MyQuizPrintout printout(quiz);
        ScriptedUi ui;
        Printer printer(ui);
        const QString pdf = folder.path(QStringLiteral("quiz%1.pdf").arg(exercises));
        ui.expectPrintDialog(pdf.toStdString()).ok();
        ASSERT_TRUE(printer.Print(nullptr, printout, true));
        EXPECT_TRUE(ui.messages().empty());
        EXPECT_EQ(pdfPageCount(pdf), printout.pageCount());
        std::vector<int> expected(static_cast<std::size_t>(printout.pageCount()));
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_EQ(ui.announcedPages(), expected);
    }
}

// Through the real job into a PDF file: the key's pages come after the quiz's, "Printing"
// counts them all and the dialog's range counts them together.
class KeyToPdf : public ::testing::Test {
protected:
    KeyToPdf() { window.resize(300, 200); }

    TempFolder folder;
    ScriptedUi ui;
    QWidget window;
    Printer printer{ui};
    SentenceList quiz = quizOfLines(120);
};

TEST_F(KeyToPdf, QuizPagesThenKeyPages)
{
    MyQuizPrintout quizPages(quiz);
    AnswerKeyPrintout keyPages(longKey(120));
    const PrintChoice withKey{"Answer key", "Also print an answer key", false};
    const QString pdf = folder.path("key.pdf");
    ui.expectPrintDialog(pdf.toStdString()).tick(true).ok();
    const std::optional<PrintAnswer> answer = printer.askPrint(&window, "Quiz", &withKey);
    ASSERT_TRUE(answer && answer->ticked);
    ChainedPrintout both(quizPages, keyPages, answer->ticked);
    ASSERT_TRUE(printer.Print(&window, both, false));

    const int quizCount = quizPages.pageCount();
    const int keyCount = keyPages.pageCount();
    EXPECT_GT(quizCount, 1);
    EXPECT_GT(keyCount, 0);
    EXPECT_EQ(pdfPageCount(pdf), quizCount + keyCount);
    std::vector<int> all(static_cast<std::size_t>(quizCount + keyCount));
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(ui.announcedPages(), all);
    EXPECT_EQ(ui.callsOf(Kind::Printing)[0].text, "'Quiz' on the");

    // The range from the quiz's last page to the key's first.
    const QString range = folder.path("range.pdf");
    ui.expectPrintDialog(range.toStdString()).pages(quizCount, quizCount + 1).ok();
    ASSERT_TRUE(printer.askPrint(&window, "Quiz", &withKey));
    ASSERT_TRUE(printer.Print(&window, both, false));
    EXPECT_EQ(pdfPageCount(range), 2);
    EXPECT_EQ(ui.announcedPages().back(), quizCount + 1);
}

} // namespace
