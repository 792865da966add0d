#include "views/TQuizWindow.h"

#include "platform/Random.h"
#include "quiz/QuizFile.h"
#include "support/FixedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "AccessibilityEvents.h"

#include <QAccessible>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class QuizAccessibility : public ::testing::Test {
protected:
    void open(const SentenceList& sentences)
    {
        ASSERT_TRUE(quiz_file::save(folder.path("quiz.qzz"), sentences));
        view.ReadQuizFile(folder.path("quiz.qzz").toStdString());
    }

    void show(int height)
    {
        view.resize(500, height);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QAccessibleInterface* list() { return QAccessible::queryAccessibleInterface(&view); }

    QStringList lines()
    {
        QStringList read;
        for (int k = 0; k < list()->childCount(); ++k)
            read << list()->child(k)->text(QAccessible::Name);
        return read;
    }

    TempFolder folder;
    ScriptedUi ui;
    FixedClock clock{1234};
    Random random;
    TQuizWindow view{ui, clock, random};
};

const SentenceList sample{
    {"Chemistry quiz\n", 0},
    {"", 0},
    {"Write formulas for the following compounds: ", 0},
    {" ", 0},
    {"Sodium chloride", 1},
    {" ", 0},
    {"Write names for the following compounds: ", 0},
    {"Al2(SO4)3", 1},
    {"Ca(OH)2", 1},
};

TEST_F(QuizAccessibility, ReadsAsAListOfTheLinesWithTheExercisesNumbered)
{
    open(sample);
    show(400);
    ASSERT_EQ(list()->role(), QAccessible::List);
    EXPECT_EQ(lines(), QStringList({"Chemistry quiz", "", "Write formulas for the following compounds: ",
                                    " ", "1.  Sodium chloride", " ",
                                    "Write names for the following compounds: ", "2.  Al2(SO4)3",
                                    "3.  Ca(OH)2"}));
    for (int k = 0; k < list()->childCount(); ++k) {
        QAccessibleInterface* line = list()->child(k);
        EXPECT_EQ(line->role(), QAccessible::ListItem);
        EXPECT_EQ(line->parent(), list());
        EXPECT_EQ(list()->indexOfChild(line), k);
        ASSERT_NE(line->textInterface(), nullptr);
        EXPECT_EQ(line->textInterface()->text(0, -1), line->text(QAccessible::Name));
    }
    EXPECT_EQ(list()->child(9), nullptr);
}

TEST_F(QuizAccessibility, LinesStandWhereTheyAreDrawnAndScrollWithTheView)
{
    SentenceList longQuiz;
    for (int i = 0; i < 60; ++i)
        longQuiz.emplace_back("Compound " + std::to_string(i), 1);
    open(longQuiz);
    show(200);
    const QFontMetrics metrics(view.viewport()->font(), view.viewport());
    const QPoint origin = view.viewport()->mapToGlobal(QPoint(0, 0));
    QAccessibleInterface* third = list()->child(2);
    EXPECT_EQ(third->rect().topLeft(), origin + QPoint(0, 2 * metrics.height()));
    // The number is drawn whole, the text a character at a time.
    int width = metrics.horizontalAdvance("3.  ");
    for (QChar c : QString("Compound 2"))
        width += metrics.horizontalAdvance(c);
    EXPECT_EQ(third->rect().width(), width);
    EXPECT_EQ(list()->childAt(third->rect().center().x(), third->rect().center().y()), third);
    EXPECT_TRUE(list()->child(40)->state().offscreen);

    view.verticalScrollBar()->setValue(4);
    EXPECT_EQ(third->rect().top(), origin.y() + 2 * metrics.height() - 4 * 15);
    EXPECT_TRUE(third->state().offscreen);
}

TEST_F(QuizAccessibility, ANewQuizIsReportedAndTheOldLinesAreGone)
{
    open(sample);
    show(400);
    QAccessibleInterface* last = list()->child(8);
    AccessibilityEvents events;
    open(SentenceList{{"Only line", 0}});
    EXPECT_FALSE(events.of(QAccessible::ObjectReorder).empty());
    EXPECT_EQ(lines(), QStringList({"Only line"}));
    EXPECT_FALSE(last->isValid());
}

} // namespace
