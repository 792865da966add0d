#include "app/TFrame.h"

#include "platform/Random.h"
#include "resources/CommandIds.h"
#include "support/FixedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "views/TPracticeWindow.h"
#include "views/TQuizWindow.h"
#include "views/TSymbolWindow.h"

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Call::Kind;

// The menu bar as lines: "Title/Item=id", "Title/-" for a separator, "Item=id" on the bar.
std::vector<std::string> describe(const QList<QAction*>& actions, const std::string& prefix = {})
{
    std::vector<std::string> lines;
    for (const QAction* action : actions) {
        const std::string text = action->text().toStdString();
        if (action->isSeparator())
            lines.push_back(prefix + "-");
        else if (action->menu())
            for (const std::string& line : describe(action->menu()->actions(), prefix + text + "/"))
                lines.push_back(line);
        else
            lines.push_back(prefix + text + "=" + std::to_string(action->data().toInt()));
    }
    return lines;
}

class FrameTest : public ::testing::Test {
protected:
    TFrame& shownFrame()
    {
        frame.loadAccelerators(acceleratorTable());
        frame.show();
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        return frame;
    }

    void enter(TFrame::Mode mode)
    {
        switch (mode) {
        case TFrame::Mode::Catalogue:
            frame.switchView("MENU_1", &frame.catalogueView());
            break;
        case TFrame::Mode::Practice:
            frame.switchView("MENU_2", &frame.practiceView());
            break;
        case TFrame::Mode::QuizPreview:
            frame.switchView("MENU_4", &frame.quizView());
            break;
        }
        ASSERT_EQ(frame.mode(), mode);
    }

    std::vector<std::string> menu() const { return describe(frame.menuBar()->actions()); }

    // Empty catalogue files, in place before the frame loads them.
    struct EmptyCatalogue {
        TempFolder folder;
        EmptyCatalogue()
        {
            folder.write("valkora.cat", QByteArray(4, '\0'));
            folder.write("valkora.ani", QByteArray(4, '\0'));
        }
    } files;
    ScriptedUi ui;
    FixedClock clock{1000};
    Random random;
    TFrame frame{ui, clock, random};
};

const std::vector<std::string> helpMenu = {"&Help/Help &Index=901", "&Help/&Using Help=902"};

std::vector<std::string> with(std::vector<std::string> lines, const std::vector<std::string>& tail)
{
    lines.insert(lines.end(), tail.begin(), tail.end());
    return lines;
}

TEST_F(FrameTest, StartsInCatalogueModeWithTheFirstMenu)
{
    EXPECT_EQ(frame.windowTitle(), "Symbols and Charges Practice");
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    // The quiz view seeds the generator it is given from the clock when it is made.
    EXPECT_EQ(random.currentState(), 1000u);
    EXPECT_EQ(menu(), with({"&Quiz/&New..F3=101", "&Quiz/&Open...F4=102",
                            "&Quiz/&Print List...F5=105", "&Quiz/-", "&Quiz/E&xit...Alt-X=24340",
                            "&List/&Add...F6=201", "&List/&Delete...F7=202",
                            "&List/&Change...F8=203", "&List/&Sort...F9=204", "&Practice=301"},
                           helpMenu));
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(FrameTest, EachModeShowsItsMenuAndOnlyItsView)
{
    enter(TFrame::Mode::Practice);
    EXPECT_EQ(menu(), with({"&Practice/Print &Results=401",
                            "&Practice/&Quit Practice...Home=402",
                            "&Practice/E&xit Program Alt-x=24340"},
                           helpMenu));
    enter(TFrame::Mode::QuizPreview);
    EXPECT_EQ(menu(), with({"&Print=602", "&Don't Print=603"}, helpMenu));
    frame.show();
    EXPECT_TRUE(frame.quizView().isVisible());
    EXPECT_FALSE(frame.catalogueView().isVisible());
    EXPECT_FALSE(frame.practiceView().isVisible());

    // No mode puts it up, but the resource is there.
    frame.switchView("MENU_3", &frame.quizView());
    EXPECT_EQ(menu(), with({"&Quiz/&Return=601", "&Quiz/E&xit Program Alt-x=24340"}, helpMenu));
}

TEST_F(FrameTest, MenuItemsSendTheirCommands)
{
    QSignalSpy received(&frame, &TFrame::commandReceived);
    for (QAction* top : frame.menuBar()->actions())
        if (top->menu())
            for (QAction* item : top->menu()->actions())
                if (item->text() == "&Sort...F9")
                    item->trigger();
    ASSERT_EQ(received.count(), 1);
    EXPECT_EQ(received.at(0).at(0).toInt(), cmd::Sort);
}

// Each command keeps one action however often the modes change, and a menu bar that comes
// back shows its own texts again.
TEST_F(FrameTest, ModeSwitchesPutUpTheSameActions)
{
    const auto exitItem = [this] {
        for (QAction* top : frame.menuBar()->actions())
            if (top->menu())
                for (QAction* item : top->menu()->actions())
                    if (item->data().toInt() == cmd::Exit)
                        return item;
        return static_cast<QAction*>(nullptr);
    };
    QAction* const exit = exitItem();
    const auto objects = frame.findChildren<QObject*>().size();
    for (int i = 0; i < 100; ++i) {
        enter(TFrame::Mode::Practice);
        EXPECT_EQ(exitItem(), exit);
        enter(TFrame::Mode::QuizPreview);
        enter(TFrame::Mode::Catalogue);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame.findChildren<QObject*>().size(), objects);
    EXPECT_EQ(exitItem(), exit);
    EXPECT_EQ(exit->text(), "E&xit...Alt-X");
}

TEST_F(FrameTest, EveryAcceleratorReachesItsCommandInEveryMode)
{
    shownFrame();
    const std::vector<std::pair<Qt::Key, int>> keys = {
        {Qt::Key_F3, cmd::New},  {Qt::Key_F4, cmd::Open},   {Qt::Key_F5, cmd::PrintList},
        {Qt::Key_F6, cmd::Add},  {Qt::Key_F7, cmd::Delete}, {Qt::Key_F8, cmd::Change},
        {Qt::Key_F9, cmd::Sort}, {Qt::Key_Home, cmd::QuitPractice},
    };
    for (TFrame::Mode mode :
         {TFrame::Mode::Catalogue, TFrame::Mode::Practice, TFrame::Mode::QuizPreview}) {
        for (const auto& [key, command] : keys) {
            enter(mode);
            // The editing commands open their first dialog, which is cancelled.
            if (key == Qt::Key_F6)
                ui.expectDialog(DialogId::FirstDialog).cancel();
            if (key == Qt::Key_F7 || key == Qt::Key_F8)
                ui.expectDialog(DialogId::NumberDlg).cancel();
            if (key == Qt::Key_F5)
                ui.expectPrintDialog("").cancel();
            if (key == Qt::Key_F4)
                ui.cancelOpenFile();
            QSignalSpy received(&frame, &TFrame::commandReceived);
            QTest::keyClick(QApplication::focusWidget(), key);
            ASSERT_EQ(received.count(), 1) << "key " << key << " in mode " << int(mode);
            EXPECT_EQ(received.at(0).at(0).toInt(), command);
        }
    }
}

TEST_F(FrameTest, HomeInCatalogueModeChangesNothing)
{
    shownFrame();
    QTest::keyClick(&frame.catalogueView(), Qt::Key_Home);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(FrameTest, QuitPracticeAndLeavingAQuizReturnToCatalogueMode)
{
    shownFrame();
    for (TFrame::Mode mode : {TFrame::Mode::Practice, TFrame::Mode::QuizPreview}) {
        enter(mode);
        frame.setWindowTitle("something else");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
        EXPECT_EQ(frame.menuName(), "MENU_1");
        EXPECT_TRUE(frame.catalogueView().hasFocus());
        frame.setWindowTitle("Symbols and Charges Practice");
    }
    for (int command : {cmd::PrintQuiz, cmd::DontPrint}) {
        enter(TFrame::Mode::QuizPreview);
        if (command == cmd::PrintQuiz)
            ui.expectPrintDialog("").cancel();
        ui.answer(MessageAnswer::No);
        frame.setWindowTitle("a quiz");
        frame.dispatchCommand(command);
        EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
        EXPECT_EQ(frame.menuName(), "MENU_1");
        EXPECT_EQ(frame.windowTitle(), "Symbols and Charges Practice");
    }
}

TEST_F(FrameTest, HelpRequestsAndTheCloseRequestsOnClosing)
{
    shownFrame();
    frame.dispatchCommand(cmd::HelpIndex);
    frame.dispatchCommand(cmd::HelpIndex);
    EXPECT_TRUE(frame.helpIndexOpened());
    EXPECT_FALSE(frame.usingHelpOpened());
    frame.close();

    const auto calls = ui.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, Kind::ShowHelp);
    EXPECT_EQ(calls[0].text, "valkora.hlp");
    EXPECT_EQ(calls[0].owner, &frame);
    EXPECT_EQ(calls[1].kind, Kind::ShowHelp);
    EXPECT_EQ(calls[2].kind, Kind::CloseHelp);
    EXPECT_EQ(calls[2].text, "valkora.hlp");
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(FrameTest, UsingHelpIsClosedOnlyOnceUsed)
{
    shownFrame();
    enter(TFrame::Mode::Practice);
    frame.dispatchCommand(cmd::UsingHelp);
    EXPECT_TRUE(frame.usingHelpOpened());
    frame.close();
    const auto shown = ui.callsOf(Kind::ShowHelp);
    const auto closed = ui.callsOf(Kind::CloseHelp);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "WINHELP.HLP");
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].text, "WINHELP.HLP");
}

TEST_F(FrameTest, ClosingWithoutHelpAsksNothing)
{
    shownFrame();
    frame.close();
    EXPECT_TRUE(ui.calls().empty());
}

// Alt+x ends the event loop at once with status 0 in every mode, asking nothing, also after
// help was used.
TEST_F(FrameTest, ExitEndsTheRunAtOnce)
{
    shownFrame();
    frame.dispatchCommand(cmd::HelpIndex);
    ui.clearCalls();
    for (TFrame::Mode mode :
         {TFrame::Mode::Catalogue, TFrame::Mode::Practice, TFrame::Mode::QuizPreview}) {
        enter(mode);
        QTimer::singleShot(0, &frame, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(5000);
        EXPECT_EQ(QApplication::exec(), 0) << "mode " << int(mode);
        EXPECT_TRUE(frame.isVisible());
    }
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(FrameTest, PracticeWithAnEmptyListDoesNothing)
{
    frame.dispatchCommand(cmd::Practice);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_TRUE(ui.calls().empty());
}

// Both list files are read, their messages owned by the catalogue view, while the frame is
// made and before the quiz view seeds the generator.
TEST(FrameStartUp, LoadsTheCatalogueBeforeTheQuizViewSeedsTheGenerator)
{
    TempFolder folder;
    folder.write("valkora.ani", QByteArray("\x02\0\0\0", 4));
    ScriptedUi ui;
    std::vector<std::uint32_t> seedAtMessage;
    FixedClock clock{1000};
    Random random;
    ui.onEveryCall([&](const ScriptedUi::Call&) { seedAtMessage.push_back(random.currentState()); });
    TFrame frame(ui, clock, random);

    EXPECT_EQ(ui.messages(),
              (std::vector<std::string>{
                  "Cannot open valkora.cat|Information",
                  "valkora.ani is damaged: only 0 of 2 entries could be read.|Information"}));
    for (const ScriptedUi::Call& call : ui.calls()) {
        EXPECT_EQ(call.owner, &frame.catalogueView());
        EXPECT_EQ(call.icon, MessageIcon::Exclamation);
    }
    EXPECT_EQ(seedAtMessage, (std::vector<std::uint32_t>{1, 1})) << "not yet seeded";
    EXPECT_EQ(random.currentState(), 1000u);
    EXPECT_TRUE(frame.catalogueStore().catalogue().cations.empty());
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
}

} // namespace
