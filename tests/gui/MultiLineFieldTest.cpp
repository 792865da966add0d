#include "DialogTestSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace dialogtest;
// Declared here for argument lookup: a failing row is shown by its name, not its bytes.
using dialogtest::PrintTo;

struct HeadingCase {
    const char* name;
    QString typed; // a line feed is Ctrl+Enter
    std::string stored;
};

class TemplateDialogHeadingTyping : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(TemplateDialogHeadingTyping, HandsBackTheLineEndsTheFieldShows)
{
    const HeadingCase& c = GetParam();
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, c.typed);
    EXPECT_EQ(shownText(heading), c.typed);
    EXPECT_TRUE(open.dialog->isVisible());
    open.click(1);
    EXPECT_EQ(open.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(open.record<HeadingEntry>().heading, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingTyping,
    ::testing::Values(
        HeadingCase{"TypedLineBreak", "Quiz 1\nName:", "Quiz 1\r\nName:"},
        HeadingCase{"OneLineOfFifty", "Chemistry 101, Quiz 4: naming the ionic compounds.",
                    "Chemistry 101, Quiz 4: naming the ionic compounds."},
        HeadingCase{"WordLongerThanALine", run(70, 'm'),
                    bytes(60, 'm') + "\r\r\n" + bytes(10, 'm')},
        HeadingCase{"BlankAtTheEdgeStaysOnItsLine", run(59, 'a') + " bbb",
                    bytes(59, 'a') + " \r\r\nbbb"},
        // Past the edge a blank does not show, and a line holds no 61st character.
        HeadingCase{"BlankPastTheEdgeIsNotHandedBack", run(60, 'a') + " bbb",
                    bytes(60, 'a') + "\r\r\nbbb"},
        HeadingCase{"LineBreakAfterAFullLine", run(60, 'a') + "\nb", bytes(60, 'a') + "\r\nb"},
        HeadingCase{"NoBreakSpaceJoinsWords", run(55, 'a') + QStringLiteral(u" Na\u00A0Cl"),
                    bytes(55, 'a') + " \r\r\nNa\xA0" "Cl"},
        HeadingCase{"EmptyLine", "\nQuiz", "\r\nQuiz"}),
    byName);

TEST(TemplateDialogHeading, WrapsWordsPastTheEdgeWhereItsLayoutShowsTheWrap)
{
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    const QString typed =
        "Quiz 4: write the name of each ionic compound and the formula for each name.";
    typeHeading(heading, typed);

    const std::vector<QStringList> shown = layoutLines(heading);
    ASSERT_EQ(shown.size(), 1u);
    ASSERT_EQ(shown[0].size(), 2);
    const QString& first = shown[0][0];
    const QString& second = shown[0][1];
    EXPECT_EQ(first + second, typed);
    EXPECT_LE(first.size(), 60);
    // No earlier than it had to: the first word of the second line would not have fitted.
    EXPECT_GT(first.size() + second.indexOf(u' '), 60);

    const std::string asShown = recordAsShown(heading);
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading,
              "Quiz 4: write the name of each ionic compound and the \r\r\nformula for each name.");
    EXPECT_EQ(open.record<HeadingEntry>().heading, asShown);
}

TEST(TemplateDialogHeading, HoldsSixtyCharactersALineWhateverTheFieldsWidth)
{
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, run(61, 'm'));
    const QSize asBuilt = heading->size();
    // Another font's rounding can leave the field a character wider or narrower than its text.
    const int character = QFontMetrics(heading->font()).horizontalAdvance(u'm');
    for (int change : {-character, 0, character}) {
        SCOPED_TRACE(change);
        heading->resize(asBuilt.width() + change, asBuilt.height());
        const std::vector<QStringList> shown = layoutLines(heading);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0], QStringList({run(60, 'm'), "m"}));
    }
}

struct HeadingLimitCase {
    const char* name;
    QString typed;   // every key of it is taken
    QString refused; // each of these keys is refused, typed at the end
    std::string stored;
};

class TemplateDialogHeadingLimit : public ::testing::TestWithParam<HeadingLimitCase> {};

TEST_P(TemplateDialogHeadingLimit, RefusesEveryKeyThatWouldPassTheRecord)
{
    const HeadingLimitCase& c = GetParam();
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, c.typed);
    ASSERT_EQ(shownText(heading), c.typed);

    ASSERT_EQ(open.beeps, 0);
    for (QChar key : c.refused) {
        SCOPED_TRACE(key == u'\n' ? std::string("Ctrl+Enter") : std::string(1, key.toLatin1()));
        typeHeading(heading, QString(key));
        EXPECT_EQ(shownText(heading), c.typed);
        EXPECT_EQ(heading->textCursor().position(), c.typed.size());
    }
    EXPECT_EQ(open.beeps, c.refused.size());
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingLimit,
    ::testing::Values(
        // Two lines of 60 would need 123 bytes.
        HeadingLimitCase{"TwoFullLinesWrapped", run(60, 'a') + run(57, 'b'), "bbb",
                         bytes(60, 'a') + "\r\r\n" + bytes(57, 'b')},
        HeadingLimitCase{"TwoFullLinesWithALineBreak", run(60, 'a') + "\n" + run(58, 'b'), "bb",
                         bytes(60, 'a') + "\r\n" + bytes(58, 'b')},
        // 117 bytes, but one more letter would wrap the second line: 121.
        HeadingLimitCase{"LetterThatWouldWrap", run(55, 'a') + "\n" + run(60, 'b'), "c",
                         bytes(55, 'a') + "\r\n" + bytes(60, 'b')},
        HeadingLimitCase{"LineBreakWhereOneByteIsLeft", run(60, 'a') + run(56, 'b'), "\n",
                         bytes(60, 'a') + "\r\r\n" + bytes(56, 'b')},
        // Two lines show, and the field does not scroll.
        HeadingLimitCase{"LineBreakForAThirdLine", "Name:\nDate:", "\n", "Name:\r\nDate:"},
        HeadingLimitCase{"LetterThatWouldWrapIntoAThirdLine", "Name:\n" + run(60, 'b'), "c",
                         "Name:\r\n" + bytes(60, 'b')},
        HeadingLimitCase{"EmptyThirdLine", "\n", "\n", "\r\n"}),
    byName);

TEST(TemplateDialogHeading, ARefusedKeyLeavesNoTraceInTextCursorOrUndo)
{
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    const QString full = run(60, 'a') + run(57, 'b');
    typeHeading(heading, full);

    placeCursor(heading, 30, 30);
    typeHeading(heading, "x");
    EXPECT_EQ(shownText(heading), full);
    EXPECT_EQ(heading->textCursor().position(), 30);
    EXPECT_FALSE(heading->textCursor().hasSelection());
    EXPECT_FALSE(heading->document()->isRedoAvailable());

    QTest::keyClick(heading, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(full.startsWith(shownText(heading)));
    EXPECT_LT(shownText(heading).size(), full.size());
    heading->redo();
    EXPECT_EQ(shownText(heading), full);
    EXPECT_FALSE(heading->document()->isRedoAvailable());
}

struct HeadingPasteCase {
    const char* name;
    QString typed;
    QString pasted;
    std::string stored;
};

class TemplateDialogHeadingPaste : public ::testing::TestWithParam<HeadingPasteCase> {};

TEST_P(TemplateDialogHeadingPaste, TakesWhatStillFits)
{
    const HeadingPasteCase& c = GetParam();
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, c.typed);
    paste(heading, c.pasted);
    EXPECT_EQ(open.beeps, 1); // none of it was taken whole
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingPaste,
    ::testing::Values(
        HeadingPasteCase{"CutWhereTheRecordIsFull", run(60, 'a') + run(50, 'b'), "cdefghij",
                         bytes(60, 'a') + "\r\r\n" + bytes(50, 'b') + "cdefghi"},
        HeadingPasteCase{"RefusedWhenItsFirstLetterWouldWrap", run(55, 'a') + "\n" + run(60, 'b'),
                         "cd", bytes(55, 'a') + "\r\n" + bytes(60, 'b')},
        HeadingPasteCase{"LineBreaksCostTwo", run(59, 'a'), "\r\n" + run(60, 'b'),
                         bytes(59, 'a') + "\r\n" + bytes(59, 'b')},
        HeadingPasteCase{"CutBeforeAThirdLine", "", "one\ntwo\nthree", "one\r\ntwo"},
        HeadingPasteCase{"CutWhereItWouldWrapIntoAThirdLine", "Name:\n", run(70, 'c'),
                         "Name:\r\n" + bytes(60, 'c')},
        // It takes no room of its own, but no line holds 61 characters.
        HeadingPasteCase{"SoftHyphenInAFullLine", "",
                         run(30, 'a') + QStringLiteral(u"\u00AD") + run(30, 'b'),
                         bytes(30, 'a') + "\xAD" + bytes(29, 'b')}),
    byName);

TEST(TemplateDialogHeading, InputMethodCommitsOnlyWhatFits)
{
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    const QString typed = run(60, 'a') + run(56, 'b');
    typeHeading(heading, typed);

    QInputMethodEvent tooMuch;
    tooMuch.setCommitString("cd");
    QApplication::sendEvent(heading, &tooMuch);
    EXPECT_EQ(shownText(heading), typed);

    QInputMethodEvent enough;
    enough.setCommitString("c");
    QApplication::sendEvent(heading, &enough);
    EXPECT_EQ(shownText(heading), typed + "c");
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, bytes(60, 'a') + "\r\r\n" + bytes(56, 'b') + "c");
}

TEST(TemplateDialogHeading, TextStillBeingComposedIsNotHandedBack)
{
    OpenDialog open(DialogId::EditHeading);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, run(58, 'a'));
    QInputMethodEvent composing("zzzz", {});
    QApplication::sendEvent(heading, &composing);
    ASSERT_EQ(layoutLines(heading)[0].size(), 2); // the field shows it wrapped

    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, bytes(58, 'a'));
}

struct HeadingOpeningCase {
    const char* name;
    std::string record;
    QString shown; // a line feed is a typed line break
    std::string stored;
};

class TemplateDialogHeadingOpening : public ::testing::TestWithParam<HeadingOpeningCase> {};

TEST_P(TemplateDialogHeadingOpening, ShowsLineFeedsAsLineBreaksAndOkGivesThemBackAsTheyCame)
{
    const HeadingOpeningCase& c = GetParam();
    OpenDialog open(DialogId::EditHeading, held(fittedToDialog(HeadingEntry{c.record})));
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(shownText(heading), c.shown);
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingOpening,
    ::testing::Values(
        // A heading file read as text holds bare line feeds: they come back bare, one
        // character each, and are written to the file as they were read.
        HeadingOpeningCase{"BareLineFeeds", "Name\nQuiz\n", "Name\nQuiz\n", "Name\nQuiz\n"},
        HeadingOpeningCase{"BareLineFeedsOnly", "\n\n", "\n\n", "\n\n"},
        // Line marks of an earlier OK come back as typed breaks.
        HeadingOpeningCase{"MarkedBreaksComeBackTyped", "Quiz 1\r\r\nName:\r\n", "Quiz 1\nName:\n",
                           "Quiz 1\r\nName:\r\n"},
        HeadingOpeningCase{"BareAndMarkedTogether", "A\nB\r\nC\nD", "A\nB\nC\nD",
                           "A\nB\r\nC\nD"},
        HeadingOpeningCase{"Latin1AndNoBreakSpaces",
                           "Chemistry 101\nName:\xA0\xA0\xA0 Date: \xE9t\xE9",
                           QStringLiteral(u"Chemistry 101\nName:\u00A0\u00A0\u00A0 Date: "
                                          u"\u00E9t\u00E9"),
                           "Chemistry 101\nName:\xA0\xA0\xA0 Date: \xE9t\xE9"},
        // 120 characters, two of them line feeds: all of them come back.
        HeadingOpeningCase{"FullWithBareLineFeeds", bytes(59, 'a') + "\n" + bytes(59, 'b') + "\n",
                           run(59, 'a') + "\n" + run(59, 'b') + "\n",
                           bytes(59, 'a') + "\n" + bytes(59, 'b') + "\n"},
        HeadingOpeningCase{"LongLineWraps", bytes(70, 'a'), run(70, 'a'),
                           bytes(60, 'a') + "\r\r\n" + bytes(10, 'a')}),
    byName);

enum class Edit { Keys, DeleteKey, Backspace, Paste, Undo };

struct HeadingEditStep {
    Edit edit;
    int from = 0; // the cursor, or a selection from..to
    int to = 0;
    QString keys; // typed (a line feed is Ctrl+Enter) or pasted
};

struct HeadingEditCase {
    const char* name;
    std::string record;
    std::vector<HeadingEditStep> steps;
    std::string stored;
};

class TemplateDialogHeadingEdit : public ::testing::TestWithParam<HeadingEditCase> {};

// Only the line feeds the field was given come back bare; every break made in the field is a
// typed one, wherever it was made.
TEST_P(TemplateDialogHeadingEdit, HandsBackOnlyTheGivenLineFeedsThatAreLeftBare)
{
    const HeadingEditCase& c = GetParam();
    OpenDialog open(DialogId::EditHeading, held(fittedToDialog(HeadingEntry{c.record})));
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    for (const HeadingEditStep& step : c.steps) {
        placeCursor(heading, step.from, step.to);
        switch (step.edit) {
        case Edit::Keys:
            typeHeading(heading, step.keys);
            break;
        case Edit::DeleteKey:
            QTest::keyClick(heading, Qt::Key_Delete);
            break;
        case Edit::Backspace:
            QTest::keyClick(heading, Qt::Key_Backspace);
            break;
        case Edit::Paste:
            paste(heading, step.keys);
            break;
        case Edit::Undo:
            QTest::keyClick(heading, Qt::Key_Z, Qt::ControlModifier);
            break;
        }
    }
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingEdit,
    ::testing::Values(
        // "Name" is 0 to 4, its line feed 4 to 5, "Quiz" 5 to 9, then "\nX" 9 to 11. Two lines
        // show: a break is made in a heading of three lines by typing it over one that goes.
        HeadingEditCase{"TypedAfterTheLastLine", "Name\nQuiz\nX", {{Edit::Keys, 9, 11, "\nx"}},
                        "Name\nQuiz\r\nx"},
        HeadingEditCase{"TypedInsideALineAfterALineFeed", "Name\nQuiz\nX",
                        {{Edit::Keys, 7, 11, "\niz"}}, "Name\nQu\r\niz"},
        HeadingEditCase{"TypedAtTheStartOfALineAfterALineFeed", "Name\nQuiz\nX",
                        {{Edit::Keys, 5, 11, "\nQuiz"}}, "Name\n\r\nQuiz"},
        HeadingEditCase{"TypedBeforeALineFeed", "Name\nA\nQuiz", {{Edit::Keys, 4, 6, "\n"}},
                        "Name\r\n\nQuiz"},
        HeadingEditCase{"LineFeedDeletedAndRetyped", "Name\nQuiz",
                        {{Edit::DeleteKey, 4, 4, {}}, {Edit::Keys, 4, 4, "\n"}}, "Name\r\nQuiz"},
        HeadingEditCase{"BackspaceJoinsALine", "A\nB\nC", {{Edit::Backspace, 2, 2, {}}}, "AB\nC"},
        HeadingEditCase{"LineAndItsLineFeedSelected", "A\nB\nC", {{Edit::DeleteKey, 2, 4, {}}},
                        "A\nC"},
        HeadingEditCase{"LineFeedAndLineSelected", "A\nB\nC", {{Edit::DeleteKey, 1, 3, {}}},
                        "A\nC"},
        HeadingEditCase{"SelectionOverALineFeedRetyped", "Name\nQuiz", {{Edit::Keys, 2, 7, "x"}},
                        "Naxiz"},
        HeadingEditCase{"PastedLinesAreTyped", "Name\nQuiz\nX\nY",
                        {{Edit::Paste, 9, 13, "a\nb\n"}}, "Name\nQuiza\r\nb\r\n"},
        HeadingEditCase{"PastedIntoALineAfterALineFeed", "Name\nQuiz\nX",
                        {{Edit::Paste, 7, 11, "a\nbiz"}}, "Name\nQua\r\nbiz"},
        HeadingEditCase{"UndoBringsTheLineFeedBack", "Name\nQuiz",
                        {{Edit::DeleteKey, 4, 4, {}}, {Edit::Undo, 4, 4, {}}}, "Name\nQuiz"},
        HeadingEditCase{"UndoTakesATypedBreakAway", "Name\nQuiz\nX",
                        {{Edit::Keys, 7, 11, "\n"}, {Edit::Undo, 8, 8, {}}}, "Name\nQuiz\nX"},
        // All three kinds of line end in one heading.
        HeadingEditCase{"LineFeedTypedBreakAndWrap", "Quiz 1\nName:\nDate:\n1\n2",
                        {{Edit::Paste, 12, 22, "\n" + run(70, 'm')}},
                        "Quiz 1\nName:\r\n" + bytes(60, 'm') + "\r\r\n" + bytes(10, 'm')}),
    byName);

TEST(TemplateDialogHeading, AFullHeadingOfLineFeedsTakesNoTypedBreakInTheirPlace)
{
    // Four lines of 29 characters, each ended by a line feed: 120 characters.
    const std::string line = bytes(29, 'a') + "\n";
    const std::string full = line + line + line + line;
    OpenDialog open(DialogId::EditHeading, held(fittedToDialog(HeadingEntry{full})));
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);

    placeCursor(heading, 29, 29);
    QTest::keyClick(heading, Qt::Key_Delete);
    const QString joined = shownText(heading);
    ASSERT_EQ(joined.size(), 119);
    typeHeading(heading, "\n"); // a typed break takes two characters
    EXPECT_EQ(shownText(heading), joined);
    typeHeading(heading, "c"); // a character takes the one that was freed
    placeCursor(heading, 120, 120);
    typeHeading(heading, "d");
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, bytes(29, 'a') + "c" + bytes(29, 'a') + "\n" + line + line);
}

TEST(TemplateDialogHeading, TooLongFromTheRecordCanStillBeShortened)
{
    OpenDialog open(DialogId::EditHeading, held(fittedToDialog(HeadingEntry{bytes(120, 'a')}))); // 123 bytes once wrapped
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    heading->moveCursor(QTextCursor::End);

    QTest::keyClick(heading, Qt::Key_Backspace);
    EXPECT_EQ(shownText(heading), run(119, 'a'));
    typeHeading(heading, "b");
    EXPECT_EQ(shownText(heading), run(119, 'a'));
    QTest::keyClick(heading, Qt::Key_Backspace);
    QTest::keyClick(heading, Qt::Key_Backspace);
    typeHeading(heading, "b");
    EXPECT_EQ(shownText(heading), run(117, 'a'));
    open.click(1);
    EXPECT_EQ(open.record<HeadingEntry>().heading, bytes(60, 'a') + "\r\r\n" + bytes(57, 'a'));
}

} // namespace
