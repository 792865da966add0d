#include "views/TPracticeWindow.h"

#include "platform/Random.h"
#include "support/FixedClock.h"
#include "support/PdfPages.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Call::Kind;

class PracticeView : public ::testing::Test {
protected:
    void start(std::vector<TIon> cations, std::vector<TIon> anions)
    {
        const IonRange range{static_cast<std::uint32_t>(cations.size()),
                             static_cast<std::uint32_t>(anions.size())};
        view.takeWorkingLists({IonList(std::move(cations)), IonList(std::move(anions))}, range);
        view.resize(600, 400);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
        view.startPractice(range);
    }

    int beeps() const { return int(ui.callsOf(Kind::Beep).size()); }

    ScriptedUi ui;
    FixedClock clock{1234};
    Random random;
    TPracticeWindow view{ui, clock, random};
};

const TIon sodium("Sodium", "Na", 1);
const TIon chloride("chloride", "Cl", 1);
const TIon mercury("Mercury(I)", "Hg2", 2);

TEST_F(PracticeView, TheCaretStandsAfterTheTypedAnswer)
{
    start({sodium}, {chloride});
    ASSERT_TRUE(view.caret().exists());
    EXPECT_TRUE(view.caret().widget()->isVisible());
    EXPECT_EQ(view.caret().widget()->size(), QSize(20, 2));
    QTest::keyClicks(&view, "Na");
    QApplication::processEvents();
    view.repaint();
    const QFontMetrics metrics(*view.practiceFont(), &view);
    const QPoint place(20 + metrics.horizontalAdvance("Na"), 220 + metrics.height());
    EXPECT_EQ(view.caret().widget()->pos(), place);
    // A solid block on the screen.
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(place + QPoint(10, 1)), QColor(Qt::black));
}

TEST_F(PracticeView, TypedCharactersReachTheAnswerAndRefusedOnesBeep)
{
    start({sodium}, {chloride});
    EXPECT_TRUE(view.session().asksForName());
    QTest::keyClicks(&view, "Sodium");
    EXPECT_EQ(view.session().typedAnswer(), "Sodium");
    EXPECT_EQ(beeps(), 0);

    // Characters no answer can hold, Tab and Esc among them: a beep each, nothing appended.
    QTest::keyClicks(&view, "10-'.");
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Escape})
        QTest::keyClick(&view, key);
    EXPECT_EQ(beeps(), 7);
    EXPECT_EQ(view.session().typedAnswer(), "Sodium");
    EXPECT_TRUE(view.hasFocus());

    // Keys that make no character do nothing at all.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Shift, Qt::Key_F2, Qt::Key_Delete,
                        Qt::Key_PageDown})
        QTest::keyClick(&view, key);
    EXPECT_EQ(beeps(), 7);
    EXPECT_EQ(view.session().typedAnswer(), "Sodium");

    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_EQ(view.session().typedAnswer(), "Sodiu");
    QTest::keyClicks(&view, "m chloride");
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(view.session().correctCount(), 1u);
    EXPECT_FALSE(view.session().asksForName());
}

TEST_F(PracticeView, TheFortiethCharacterBeepsAndEnterOnNothingIsAWrongAnswer)
{
    start({mercury}, {chloride});
    QTest::keyClick(&view, Qt::Key_Enter);
    EXPECT_EQ(view.session().triedCount(), 1u);
    EXPECT_EQ(view.session().correctCount(), 0u);
    EXPECT_EQ(beeps(), 0);

    QTest::keyClicks(&view, QString(39, 'H'));
    EXPECT_EQ(beeps(), 0);
    QTest::keyClicks(&view, "g");
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(view.session().typedAnswer(), std::string(39, 'H'));
    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_EQ(view.session().typedAnswer().size(), 38u);
    // Backspace on nothing beeps.
    for (int i = 0; i < 38; ++i)
        QTest::keyClick(&view, Qt::Key_Backspace);
    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_EQ(beeps(), 2);
}

TEST_F(PracticeView, TheQuestionIsPaintedInTheFontOfThirtyPixelLines)
{
    start({mercury}, {chloride});
    ASSERT_TRUE(view.practiceFont());
    const QFontMetrics metrics(*view.practiceFont(), &view);
    EXPECT_LE(metrics.height(), 30);
    QFont larger = *view.practiceFont();
    larger.setPixelSize(larger.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(larger, &view).height(), 30);

    // The red formula Hg2Cl2 stands at y 180, its digits 8 pixels lower.
    const QImage shown = view.grab().toImage();
    const auto redRows = [&](int x0, int x1) {
        int top = -1, bottom = -1;
        for (int y = 150; y < 260; ++y)
            for (int x = x0; x < x1; ++x)
                if (shown.pixelColor(x, y) == QColor(255, 0, 0)) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                }
        return std::pair{top, bottom};
    };
    const int hWidth = metrics.horizontalAdvance("H") + metrics.horizontalAdvance("g");
    const int twoWidth = metrics.horizontalAdvance("2");
    const auto letters = redRows(20, 20 + hWidth);
    const auto digit = redRows(20 + hWidth, 20 + hWidth + twoWidth);
    ASSERT_GE(letters.first, 180);
    EXPECT_GE(digit.first - letters.first, 6) << "the subscript is lower than the letters";
}

TEST_F(PracticeView, EndingRemovesTheCaretAndTheSession)
{
    start({sodium}, {chloride});
    QTest::keyClicks(&view, "x");
    QTest::keyClick(&view, Qt::Key_Return);
    ui.answer(MessageAnswer::No);
    view.endPractice();
    EXPECT_FALSE(view.caret().exists());
    EXPECT_FALSE(view.sessionActive());
    EXPECT_TRUE(view.session().workingLists().cations.empty());
    // Without a session it asks nothing and changes nothing.
    ui.clearCalls();
    view.endPractice();
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(PracticeView, EachStartSeedsTheGeneratorFromTheClock)
{
    start(std::vector<TIon>(7, sodium), std::vector<TIon>(7, chloride));
    Random expected;
    expected.seed(1234);
    EXPECT_EQ(view.session().cationIndex(), expected.next() % 7);
    EXPECT_EQ(view.session().anionIndex(), expected.next() % 7);
    // The draws came from the generator the view was given.
    EXPECT_EQ(random.currentState(), expected.currentState());
}

class PracticeResults : public PracticeView {
protected:
    void SetUp() override { start({sodium}, {chloride}); }
    std::string pdf() const { return folder.path("results.pdf").toStdString(); }
    void answer(const char* text)
    {
        QTest::keyClicks(&view, text);
        QTest::keyClick(&view, Qt::Key_Return);
    }
    TempFolder folder;
};

TEST_F(PracticeResults, PrintingRestartsTheCountWithANewQuestionAndKeepsTheVerdict)
{
    answer("Sodium chloride");
    answer("NaCl");
    answer("Sodium chlorid");
    ASSERT_EQ(view.session().triedCount(), 3u);
    ASSERT_FALSE(view.session().asksForName());

    ui.expectDialog(DialogId::NameDlg).fill(StudentName{"Ann", "Lee"}).ok();
    ui.expectPrintDialog(pdf()).ok();
    view.printResults();
    EXPECT_EQ(pdfPageCount(folder.path("results.pdf")), 1);
    EXPECT_EQ(ui.callsOf(Kind::Printing)[0].text, "'Results' on the");
    // The questions to review are offered, and left out until ticked.
    EXPECT_EQ(ui.callsOf(Kind::PrintDialog)[0].choiceShown, std::optional<bool>(false));
    EXPECT_EQ(ui.callsOf(Kind::PrintDialog)[0].choiceTab, "Review");
    EXPECT_EQ(ui.callsOf(Kind::PrintDialog)[0].choiceBox, "Also print the questions to review");
    EXPECT_EQ(view.session().correctCount(), 0u);
    EXPECT_EQ(view.session().triedCount(), 0u);
    EXPECT_TRUE(view.session().asksForName());
    EXPECT_FALSE(view.session().noAnswerYet());
    EXPECT_EQ(view.session().previousTyped(), "Sodium chlorid");
    EXPECT_TRUE(view.caret().exists());

    // The names are cleared before every showing.
    ui.expectDialog(DialogId::NameDlg).cancel();
    view.printResults();
    EXPECT_EQ(ui.callsOf(Kind::Dialog).back().shown<StudentName>(), StudentName{});
}

// Ticked, the answers marked wrong before the count restarts follow the results page as it
// always was, on pages of their own.
TEST_F(PracticeResults, QuestionsToReviewFollowTheResultsPageWhenTicked)
{
    for (const char* typed : {"Sodium chlorid", "NaCl2", "Sodium chloride"})
        answer(typed);
    const ReviewLog marked = view.session().review();
    ui.expectDialog(DialogId::NameDlg).fill(StudentName{"Ann", "Lee"}).ok();
    ui.expectPrintDialog(pdf()).tick(true).ok();
    view.printResults();

    const std::optional<QString> text = pdfText(folder.path("results.pdf"));
    if (!text)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QStringList pages = text->split(u'\f');
    EXPECT_EQ(pages.takeFirst().simplified(),
              "Symbols and Charges Practice Results for: Ann Lee Number tried 1 out of 3");
    QStringList lines{"Questions to review for: Ann Lee 1. Write the name of: NaCl Your answer: "
                      "Sodium chlorid Correct answer: Sodium chloride",
                      "2. Write the formula for: Sodium chloride Your answer: NaCl2 Correct "
                      "answer: NaCl"};
    for (const ReviewEntry& entry : marked.entries())
        for (const answer_diagnosis::Finding& finding : entry.findings)
            lines << QString::fromLatin1(finding.sentence);
    const QString review = pages.join(u' ').simplified();
    for (const QString& line : lines)
        EXPECT_TRUE(review.contains(line)) << line.toStdString() << "\n" << review.toStdString();
}

TEST_F(PracticeResults, CancelInTheNameDialogChangesNothing)
{
    answer("NaCl");
    QTest::keyClicks(&view, "Na");
    ui.expectDialog(DialogId::NameDlg).set(&StudentName::first, "Ann").cancel();
    view.printResults();
    EXPECT_EQ(view.session().triedCount(), 1u);
    EXPECT_FALSE(view.session().asksForName());
    EXPECT_EQ(view.session().typedAnswer(), "Na");
    EXPECT_TRUE(ui.callsOf(Kind::PrintDialog).empty());
}

TEST_F(PracticeResults, BeforeAnyAnswerThereIsNoVerdictAfterwards)
{
    ui.expectDialog(DialogId::NameDlg).ok();
    ui.expectPrintDialog(pdf()).ok();
    view.printResults();
    EXPECT_TRUE(view.session().noAnswerYet());
    EXPECT_FALSE(view.session().asksForName());
}

TEST_F(PracticeResults, QuitPracticeAsksOnlyAfterAnAnswer)
{
    view.endPractice();
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_FALSE(view.sessionActive());
}

TEST_F(PracticeResults, QuitPracticeOffersThePrintout)
{
    answer("x");
    ui.answer(MessageAnswer::No);
    view.endPractice();
    const auto asked = ui.callsOf(Kind::Message);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Do you want to print out practice results?");
    EXPECT_EQ(asked[0].caption, "Information");
    EXPECT_EQ(asked[0].icon, MessageIcon::Question);
    EXPECT_EQ(asked[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(asked[0].owner, &view);
    EXPECT_TRUE(ui.callsOf(Kind::Dialog).empty());
    EXPECT_FALSE(view.sessionActive());
}

TEST_F(PracticeResults, YesThenCancelPrintsNothingAndStillEnds)
{
    answer("x");
    ui.answer(MessageAnswer::Yes);
    ui.expectDialog(DialogId::NameDlg).cancel();
    view.endPractice();
    EXPECT_TRUE(ui.callsOf(Kind::PrintDialog).empty());
    EXPECT_FALSE(view.sessionActive());
}

TEST_F(PracticeResults, YesPrintsAndEndsWithoutACaret)
{
    answer("x");
    ui.answer(MessageAnswer::Yes);
    ui.expectDialog(DialogId::NameDlg).fill(StudentName{"Ann", "Lee"}).ok();
    ui.expectPrintDialog(pdf()).ok();
    view.endPractice();
    EXPECT_EQ(pdfPageCount(folder.path("results.pdf")), 1);
    EXPECT_FALSE(view.sessionActive());
    EXPECT_FALSE(view.caret().exists());
}

} // namespace
