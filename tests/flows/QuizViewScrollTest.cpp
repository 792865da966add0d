#include "views/TQuizWindow.h"

#include "resources/CommandIds.h"
#include "shell/QuizShell.h"
#include "support/Bytes.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The view's scrolling in a main window of a fixed size, over quizzes made and opened as the
// teacher would.
class QuizViewScroll : public QuizShell {
protected:
    QuizViewScroll() : QuizShell(fourCations(), threeAnions())
    {
        frame.resize(640, 520);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
};

TEST_F(QuizViewScroll, RangeIsTheLeastForAShortQuizAndReachesTheLastLineOfALongOne)
{
    makeQuiz("3", "2");
    EXPECT_EQ(view().scrollRange(), 400);
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::DontPrint);

    QByteArray bytes = le32(1000);
    for (int i = 1; i <= 1000; ++i)
        bytes += quizRecord("Line " + QByteArray::number(i), 0);
    files.folder.write("long.qzz", bytes);
    ui.expectOpenFile("long.qzz");
    frame.dispatchCommand(cmd::Open);
    QCoreApplication::processEvents();

    const QWidget* viewport = view().viewport();
    ASSERT_GT(viewport->height(), 100);
    const int lineHeight = QFontMetrics(viewport->font(), viewport).height();
    const int lastLineBottom = 1000 * lineHeight;
    const int range = view().scrollRange();
    EXPECT_GT(range, 400);
    EXPECT_GE(range * TQuizWindow::scrollUnit + viewport->height(), lastLineBottom);
    EXPECT_LE(range * TQuizWindow::scrollUnit, lastLineBottom);
}

TEST_F(QuizViewScroll, PositionIsKeptWhenANewQuizIsMadeOrOpened)
{
    makeQuiz("3", "2");
    view().verticalScrollBar()->setValue(37);

    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"2", "2"}).ok();
    frame.dispatchCommand(cmd::Return);
    EXPECT_EQ(view().sentenceCount(), 2u + 6 + 3 * 2);
    EXPECT_EQ(view().scrollPosition(), 37);

    files.folder.write("one.qzz", le32(1) + quizRecord("Old quiz", 0));
    ui.expectOpenFile("one.qzz");
    frame.dispatchCommand(cmd::Open);
    EXPECT_EQ(view().sentenceCount(), 1u);
    EXPECT_EQ(view().scrollPosition(), 37);
}

} // namespace
