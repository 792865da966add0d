#include "views/TPracticeWindow.h"

#include "platform/Random.h"
#include "support/FixedClock.h"
#include "support/ScriptedUi.h"
#include "AccessibilityEvents.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Part = TPracticeWindow::Part;

class PracticeAccessibility : public ::testing::Test {
protected:
    void start(std::vector<TIon> cations, std::vector<TIon> anions)
    {
        const IonRange range{static_cast<std::uint32_t>(cations.size()),
                             static_cast<std::uint32_t>(anions.size())};
        view.takeWorkingLists({IonList(std::move(cations)), IonList(std::move(anions))}, range);
        view.resize(700, 400);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.setFocus();
        view.startPractice(range);
        QApplication::processEvents();
    }

    QAccessibleInterface* practice() { return QAccessible::queryAccessibleInterface(&view); }
    QAccessibleInterface* part(Part p) { return practice()->child(p); }
    QString read(Part p) { return part(p)->text(QAccessible::Name); }
    QString typed()
    {
        QAccessibleTextInterface* text = part(Part::Answer)->textInterface();
        return text->text(0, text->characterCount());
    }
    // The events that were about one part.
    std::vector<QAccessible::Event> heardAbout(Part p)
    {
        std::vector<QAccessible::Event> types;
        for (const auto& heard : events.about(part(p)))
            types.push_back(heard.type);
        return types;
    }

    ScriptedUi ui;
    FixedClock clock{1234};
    Random random;
    TPracticeWindow view{ui, clock, random};
    AccessibilityEvents events;
};

const TIon sodium("Sodium", "Na", 1);
const TIon chloride("chloride", "Cl", 1);
const TIon mercury("Mercury(I)", "Hg2", 2);

TEST_F(PracticeAccessibility, ReadsAsTheQuestionTheCompoundTheAnswerAndTheScore)
{
    start({sodium}, {chloride});
    ASSERT_EQ(practice()->childCount(), int(TPracticeWindow::partCount));
    const std::vector<std::pair<QAccessible::Role, QString>> expected{
        {QAccessible::StatusBar, ""},
        {QAccessible::StaticText, "Name the following compound:"},
        {QAccessible::StaticText, "NaCl"},
        {QAccessible::EditableText, "Name the following compound:"},
        {QAccessible::StaticText, "Number correct: 0  out of: 0"},
        {QAccessible::StaticText, "Press Enter when done."},
    };
    for (int p = 0; p < practice()->childCount(); ++p) {
        QAccessibleInterface* child = practice()->child(p);
        EXPECT_EQ(child->role(), expected[std::size_t(p)].first) << p;
        EXPECT_EQ(child->text(QAccessible::Name), expected[std::size_t(p)].second) << p;
        EXPECT_EQ(child->parent(), practice());
        EXPECT_EQ(practice()->indexOfChild(child), p);
        ASSERT_NE(child->textInterface(), nullptr) << p;
    }
    // The answer field is named by the question and is where the keys go.
    QAccessibleInterface* answer = part(Part::Answer);
    EXPECT_EQ(practice()->focusChild(), answer);
    EXPECT_TRUE(answer->state().focused);
    EXPECT_TRUE(answer->state().editable);
    EXPECT_EQ(typed(), "");
    EXPECT_EQ(answer->text(QAccessible::Description), "");
    // Each part stands where it is drawn.
    const QPoint origin = view.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(part(Part::Question)->rect().topLeft(), origin + QPoint(20, 150));
    EXPECT_EQ(part(Part::Compound)->rect().topLeft(), origin + QPoint(20, 180));
    EXPECT_EQ(part(Part::Score)->rect().topLeft(), origin + QPoint(20, 300));
}

TEST_F(PracticeAccessibility, TypingIsReportedAsTextAndCaretChanges)
{
    start({sodium}, {chloride});
    events.clear();
    QTest::keyClicks(&view, "Sod");
    const auto inserted = events.of(QAccessible::TextInserted);
    ASSERT_EQ(inserted.size(), 3u);
    EXPECT_EQ(inserted[0].inserted, "S");
    EXPECT_EQ(inserted[0].position, 0);
    EXPECT_EQ(inserted[2].inserted, "d");
    EXPECT_EQ(inserted[2].position, 2);
    const auto caret = events.of(QAccessible::TextCaretMoved);
    ASSERT_EQ(caret.size(), 3u);
    EXPECT_EQ(caret.back().position, 3);
    EXPECT_EQ(caret.back().target, part(Part::Answer));
    EXPECT_EQ(typed(), "Sod");
    EXPECT_EQ(part(Part::Answer)->textInterface()->cursorPosition(), 3);

    events.clear();
    QTest::keyClick(&view, Qt::Key_Backspace);
    const auto removed = events.of(QAccessible::TextRemoved);
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0].removed, "d");
    EXPECT_EQ(removed[0].position, 2);
    EXPECT_EQ(part(Part::Answer)->textInterface()->cursorPosition(), 2);

    // A refused key changes nothing and says nothing; the beep is all.
    events.clear();
    QTest::keyClicks(&view, "1-");
    EXPECT_TRUE(events.all().empty());
    EXPECT_EQ(typed(), "So");
}

TEST_F(PracticeAccessibility, AFormulaTypedReadsAsTypedWithItsSubscripts)
{
    start({mercury}, {chloride});
    QTest::keyClicks(&view, "x");
    QTest::keyClick(&view, Qt::Key_Return);
    ASSERT_FALSE(view.session().asksForName());
    QTest::keyClicks(&view, "Hg2Cl2");
    EXPECT_EQ(typed(), "Hg2Cl2");
    EXPECT_EQ(read(Part::Compound), "Mercury(I) chloride");
    EXPECT_EQ(read(Part::Question), "What is the formula for the following compound:");
}

TEST_F(PracticeAccessibility, ANewVerdictIsReportedAtOnce)
{
    start({sodium}, {chloride});
    QTest::keyClicks(&view, "Sodium chlorid");
    events.clear();
    QTest::keyClick(&view, Qt::Key_Return);

    // The verdict, as the status line and as the description of the focused answer field.
    const QString verdict = "You are incorrect!! NaCl\n"
                            "Your answer: Sodium chlorid\n"
                            "Correct answer: Sodium chloride";
    EXPECT_EQ(read(Part::Verdict), verdict);
    EXPECT_EQ(part(Part::Answer)->text(QAccessible::Description), verdict);
    const auto verdictEvents = heardAbout(Part::Verdict);
    ASSERT_FALSE(verdictEvents.empty());
    EXPECT_EQ(verdictEvents.front(), QAccessible::NameChanged);
    EXPECT_EQ(events.about(part(Part::Verdict)).front().name, verdict);
    const auto text = events.of(QAccessible::TextUpdated);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front().target, part(Part::Verdict));
    EXPECT_EQ(text.front().inserted, verdict);
    const auto answerEvents = heardAbout(Part::Answer);
    EXPECT_NE(std::find(answerEvents.begin(), answerEvents.end(), QAccessible::DescriptionChanged),
              answerEvents.end());

    // The rest of the view moved on: a new question, its compound, the score, an empty answer.
    const std::vector<QAccessible::Event> questionChanged{QAccessible::NameChanged,
                                                         QAccessible::TextUpdated};
    EXPECT_EQ(heardAbout(Part::Question), questionChanged);
    EXPECT_EQ(read(Part::Score), "Number correct: 0  out of: 1");
    EXPECT_FALSE(heardAbout(Part::Score).empty());
    EXPECT_EQ(typed(), "");
    const auto removed = events.of(QAccessible::TextRemoved);
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0].removed, "Sodium chlorid");
    EXPECT_EQ(part(Part::Answer)->text(QAccessible::Name),
              "What is the formula for the following compound:");
    EXPECT_TRUE(heardAbout(Part::Prompt).empty());

    // A right answer: the verdict changes again, and so is reported again.
    QTest::keyClicks(&view, "NaCl");
    events.clear();
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(read(Part::Verdict), "You are correct!!");
    ASSERT_FALSE(heardAbout(Part::Verdict).empty());
    EXPECT_EQ(events.about(part(Part::Verdict)).front().name, "You are correct!!");

    // Right again: the same words, but a new verdict, so it is spoken again.
    QTest::keyClicks(&view, "Sodium chloride");
    events.clear();
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(read(Part::Verdict), "You are correct!!");
    EXPECT_EQ(heardAbout(Part::Verdict),
              std::vector<QAccessible::Event>({QAccessible::NameChanged, QAccessible::TextUpdated}));

    // Typing the next answer says nothing about the verdict.
    events.clear();
    QTest::keyClicks(&view, "Na");
    EXPECT_TRUE(heardAbout(Part::Verdict).empty());
}

TEST_F(PracticeAccessibility, AWrongFormulaReadsWithTheCompoundsName)
{
    start({mercury}, {chloride});
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClicks(&view, "HgCl");
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(read(Part::Verdict), "You are incorrect!!  Mercury(I) chloride\n"
                                   "Your answer: HgCl\n"
                                   "Correct answer: Hg2Cl2");
}

TEST_F(PracticeAccessibility, TheAnswerTakesTheFocusWithTheView)
{
    start({sodium}, {chloride});
    view.clearFocus();
    EXPECT_EQ(practice()->focusChild(), nullptr);
    EXPECT_FALSE(part(Part::Answer)->state().focused);
    events.clear();
    view.setFocus();
    QApplication::processEvents();
    const auto focus = events.of(QAccessible::Focus);
    ASSERT_FALSE(focus.empty());
    EXPECT_EQ(focus.back().target, part(Part::Answer));
}

TEST_F(PracticeAccessibility, AnEndedSessionReadsEmpty)
{
    start({sodium}, {chloride});
    events.clear();
    view.endPractice();
    for (int p = 0; p < TPracticeWindow::partCount; ++p)
        EXPECT_EQ(practice()->child(p)->text(QAccessible::Name), "") << p;
    EXPECT_EQ(practice()->focusChild(), nullptr);
    EXPECT_FALSE(heardAbout(Part::Question).empty());
}

} // namespace
