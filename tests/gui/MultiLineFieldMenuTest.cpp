#include "DialogTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace dialogtest;
// Declared here for argument lookup: a failing row is shown by its name, not its bytes.
using dialogtest::PrintTo;

// Opens the field's context menu as a right click in the middle of it does.
QMenu* openMenu(QPlainTextEdit* field)
{
    const QPoint inside = field->viewport()->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside,
                            field->viewport()->mapToGlobal(inside));
    QApplication::sendEvent(field->viewport(), &event);
    QMenu* menu = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<QMenu*>(w); candidate && candidate->isVisible())
            menu = candidate;
    return menu;
}

QAction* menuAction(const QMenu& menu, const QString& name)
{
    const QList<QAction*> actions = menu.actions();
    const auto found = std::find_if(actions.begin(), actions.end(),
                                    [&](QAction* a) { return a->objectName() == name; });
    return found == actions.end() ? nullptr : *found;
}

// Chooses an action of the field's own context menu by its name.
void chooseFromMenu(QPlainTextEdit* field, const QString& name)
{
    QMenu* menu = openMenu(field);
    ASSERT_NE(menu, nullptr);
    QAction* action = menuAction(*menu, name);
    ASSERT_NE(action, nullptr) << name.toStdString();
    EXPECT_TRUE(action->isEnabled()) << name.toStdString();
    action->trigger();
    menu->close();
}

enum class Removal { Backspace, DeleteKey, MenuDelete, MenuCut };

struct RemovalCase {
    const char* name;
    QString typed;
    int from; // the selection, or the cursor when from == to
    int to;
    Removal how;
    QString shown; // afterwards
};

// 57 characters with its blank, then 60 on the second line: 120 bytes. Without the blank
// after the a's, the c's no longer fit on the second line.
const QString joinableWords =
    run(50, 'x') + " " + run(5, 'a') + " " + run(40, 'b') + " " + run(19, 'c');

class TemplateDialogHeadingRemoval : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(TemplateDialogHeadingRemoval, IsRefusedWhenItWouldWrapPastTheRecord)
{
    const RemovalCase& c = GetParam();
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, c.typed);
    ASSERT_EQ(shownText(heading), c.typed);
    placeCursor(heading, c.from, c.to);

    switch (c.how) {
    case Removal::Backspace:
        QTest::keyClick(heading, Qt::Key_Backspace);
        break;
    case Removal::DeleteKey:
        QTest::keyClick(heading, Qt::Key_Delete);
        break;
    case Removal::MenuDelete:
        chooseFromMenu(heading, "delete");
        break;
    case Removal::MenuCut:
        chooseFromMenu(heading, "cut");
        break;
    }
    EXPECT_EQ(shownText(heading), c.shown);
    if (c.shown == c.typed) {
        EXPECT_EQ(heading->textCursor().anchor(), c.from);
        EXPECT_EQ(heading->textCursor().position(), c.to);
    }
    const std::string asShown = recordAsShown(heading);
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, asShown); // nothing cut off
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingRemoval,
    ::testing::Values(
        RemovalCase{"JoiningLinesByBackspace", run(59, 'a') + "\n" + run(59, 'b'), 60, 60,
                    Removal::Backspace, run(59, 'a') + "\n" + run(59, 'b')},
        RemovalCase{"JoiningLinesByDelete", run(59, 'a') + "\n" + run(59, 'b'), 59, 59,
                    Removal::DeleteKey, run(59, 'a') + "\n" + run(59, 'b')},
        RemovalCase{"JoiningWordsByBackspace", joinableWords, 57, 57, Removal::Backspace,
                    joinableWords},
        RemovalCase{"JoiningWordsFromTheMenu", joinableWords, 56, 57, Removal::MenuDelete,
                    joinableWords},
        RemovalCase{"LetterByBackspace", joinableWords, 56, 56, Removal::Backspace,
                    QString(joinableWords).remove(55, 1)},
        RemovalCase{"WordsFromTheMenu", joinableWords, 0, 51, Removal::MenuDelete,
                    joinableWords.mid(51)},
        RemovalCase{"JoiningWordsByMenuCut", joinableWords, 56, 57, Removal::MenuCut,
                    joinableWords},
        RemovalCase{"WordsByMenuCut", joinableWords, 0, 51, Removal::MenuCut,
                    joinableWords.mid(51)}),
    byName);

struct MenuEntry {
    const char* name;
    const char* text;
    QKeySequence::StandardKey key;
};

TEST(TemplateDialogHeadingMenu, OffersTheUsualEditActionsWithTheirKeys)
{
    const std::vector<MenuEntry> expected{
        {"undo", "&Undo", QKeySequence::Undo},
        {"redo", "&Redo", QKeySequence::Redo},
        {nullptr, "", {}},
        {"cut", "Cu&t", QKeySequence::Cut},
        {"copy", "&Copy", QKeySequence::Copy},
        {"paste", "&Paste", QKeySequence::Paste},
        {"delete", "Delete", QKeySequence::Delete},
        {nullptr, "", {}},
        {"selectAll", "Select All", QKeySequence::SelectAll},
    };
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    QMenu* menu = openMenu(heading);
    ASSERT_NE(menu, nullptr);

    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const MenuEntry& e = expected[i];
        QAction* action = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(e.name ? e.name : "separator");
        if (!e.name) {
            EXPECT_TRUE(action->isSeparator());
            continue;
        }
        EXPECT_EQ(action->objectName(), e.name);
        // The key is shown in the menu's shortcut column, not made a shortcut of the menu.
        EXPECT_EQ(action->text(),
                  QString::fromLatin1(e.text) + u'\t'
                      + QKeySequence(e.key).toString(QKeySequence::NativeText));
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    menu->close();
}

struct MenuStateCase {
    const char* name;
    std::string record;
    QString typed; // at the end of the record
    bool undone;   // the typing taken back by its key
    int from;      // the selection then
    int to;
    QString clipboard;
    QStringList enabled;
};

class TemplateDialogHeadingMenuState : public ::testing::TestWithParam<MenuStateCase> {};

TEST_P(TemplateDialogHeadingMenuState, EnablesWhatCanBeDoneNow)
{
    const MenuStateCase& c = GetParam();
    OpenDialog open(DialogId::EditHeading, held(fittedToDialog(HeadingEntry{c.record})));
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    heading->moveCursor(QTextCursor::End);
    typeHeading(heading, c.typed);
    if (c.undone)
        QTest::keyClick(heading, Qt::Key_Z, Qt::ControlModifier);
    placeCursor(heading, c.from, c.to);
    if (c.clipboard.isEmpty())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setText(c.clipboard);

    QMenu* menu = openMenu(heading);
    ASSERT_NE(menu, nullptr);
    QStringList enabled;
    for (QAction* action : menu->actions())
        if (!action->isSeparator() && action->isEnabled())
            enabled << action->objectName();
    menu->close();
    EXPECT_EQ(enabled, c.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingMenuState,
    ::testing::Values(
        MenuStateCase{"EmptyWithNothingToPaste", "", "", false, 0, 0, "", {}},
        MenuStateCase{"Typed", "", "Quiz", false, 4, 4, "Na", {"undo", "paste", "selectAll"}},
        MenuStateCase{"Selection", "Quiz", "", false, 0, 2, "",
                      {"cut", "copy", "delete", "selectAll"}},
        MenuStateCase{"TypingUndone", "Quiz", "x", true, 4, 4, "Na",
                      {"redo", "paste", "selectAll"}}),
    byName);

struct MenuEditCase {
    const char* name;
    std::string record;
    int from; // the selection
    int to;
    QString clipboard;
    const char* action;
    QString shown; // afterwards
    QString selected;
    QString clipboardAfter;
};

class TemplateDialogHeadingMenuEdit : public ::testing::TestWithParam<MenuEditCase> {};

TEST_P(TemplateDialogHeadingMenuEdit, DoesWhatItsKeyDoes)
{
    const MenuEditCase& c = GetParam();
    OpenDialog open(DialogId::EditHeading, held(fittedToDialog(HeadingEntry{c.record})));
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    placeCursor(heading, c.from, c.to);
    QGuiApplication::clipboard()->setText(c.clipboard);

    chooseFromMenu(heading, c.action);
    EXPECT_EQ(shownText(heading), c.shown);
    EXPECT_EQ(heading->textCursor().selectedText(), c.selected);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.clipboardAfter);
    const std::string asShown = recordAsShown(heading);
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, asShown);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingMenuEdit,
    ::testing::Values(
        MenuEditCase{"Cut", "Quiz 4 ions", 0, 5, "Na", "cut", "4 ions", "", "Quiz "},
        MenuEditCase{"Copy", "Quiz 4 ions", 0, 5, "Na", "copy", "Quiz 4 ions", "Quiz ",
                     "Quiz "},
        MenuEditCase{"Paste", "Quiz 4 ions", 0, 5, "Test ", "paste", "Test 4 ions", "",
                     "Test "},
        MenuEditCase{"PasteCutWhereTheRecordIsFull", bytes(60, 'a') + bytes(50, 'b'), 110, 110,
                     "cdefghij", "paste", run(60, 'a') + run(50, 'b') + "cdefghi", "",
                     "cdefghij"},
        MenuEditCase{"Delete", "Quiz 4 ions", 0, 5, "Na", "delete", "4 ions", "", "Na"},
        MenuEditCase{"SelectAll", "Quiz 4 ions", 2, 2, "Na", "selectAll", "Quiz 4 ions",
                     "Quiz 4 ions", "Na"}),
    byName);

// Undo and Redo from the menu go back and forth over the same steps as their keys.
TEST(TemplateDialogHeadingMenu, UndoAndRedoStepThroughTheTypedEdits)
{
    OpenDialog open(DialogId::EditHeading, held(fittedToDialog(HeadingEntry{"Quiz"})));
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    heading->moveCursor(QTextCursor::End);
    typeHeading(heading, "\n4");

    chooseFromMenu(heading, "undo");
    EXPECT_EQ(shownText(heading), "Quiz\n");
    chooseFromMenu(heading, "undo");
    EXPECT_EQ(shownText(heading), "Quiz");
    chooseFromMenu(heading, "redo");
    EXPECT_EQ(shownText(heading), "Quiz\n");
    QTest::keyClick(heading, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shownText(heading), "Quiz");
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, "Quiz");
}

} // namespace
