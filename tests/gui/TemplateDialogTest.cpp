#include "DialogTestSupport.h"

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace dialogtest;
// Declared here for argument lookup: a failing row is shown by its name, not its bytes.
using dialogtest::PrintTo;

using Contents = std::map<int, std::string>;

// Each field as text by its control, to compare a whole record before and after.
Contents contents(DialogValues& values)
{
    Contents fields;
    for (const DialogValues::Field& field : values.fields())
        fields[field.controlId] = field.kind == DialogValues::Kind::Text
                                      ? values.text(field.controlId)
                                      : std::to_string(values.choice(field.controlId));
    return fields;
}

struct EntryCase {
    const char* name;
    const char* dialog;
    int id;
    QString input;
    bool pasted;
    std::string stored;
};

class TemplateDialogEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(TemplateDialogEntry, OkStoresWhatTheFieldTook)
{
    const EntryCase& c = GetParam();
    OpenDialog open(c.dialog);
    if (c.pasted)
        paste(open.control(c.id), c.input);
    else
        typeCharacters(open.control(c.id), c.input);
    open.click(1);
    EXPECT_EQ(open.dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(open.dialog->isVisible());
    EXPECT_EQ(open.values().text(c.id), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogEntry,
    ::testing::Values(
        EntryCase{"IonNameKeepsNineteen", "ADDCAT", 101, "Sodium hydrogen carbonate", false,
                  "Sodium hydrogen car"},
        EntryCase{"IonSymbolKeepsFourteen", "CHANGEAN", 102, "HCO3HCO3HCO3HCO3HCO3", false,
                  "HCO3HCO3HCO3HC"},
        EntryCase{"LastNameKeepsNineteen", "NAMEDLG", 102, "Abcdefghijklmnopqrstuvwxy",
                  false, "Abcdefghijklmnopqrs"},
        EntryCase{"Latin1LettersAreStoredAsBytes", "NAMEDLG", 101,
                  QStringLiteral(u"\u00C5ngstr\u00F6m"), false, "\xC5ngstr\xF6m"},
        EntryCase{"HighestNumber", "HIGHEST", 102, "12", false, "12"},
        EntryCase{"IonNumber", "NUMBERDLG", 101, "7", false, "7"},
        EntryCase{"HeadingKeepsWhatFitsWithItsWrap", "EDITHEADING", 101,
                  QString("Chemistry ").repeated(13), false,
                  times(6, "Chemistry ") + "\r\r\n" + times(5, "Chemistry ") + "Chemist"},
        EntryCase{"PastedNameIsCut", "ADDAN", 101, "Sodium hydrogen carbonate", true,
                  "Sodium hydrogen car"},
        EntryCase{"PastedNonLatin1IsRefused", "ADDCAT", 101,
                  QStringLiteral(u"\u03A9mega"), true, ""},
        EntryCase{"PastedHeadingIsCut", "EDITHEADING", 101,
                  QString("Chemistry ").repeated(13), true,
                  times(6, "Chemistry ") + "\r\r\n" + times(5, "Chemistry ") + "Chemist"},
        EntryCase{"PastedHeadingKeepsLineBreaks", "EDITHEADING", 101, "Quiz 1\r\nName:",
                  true, "Quiz 1\r\nName:"},
        EntryCase{"PastedHeadingKeepsNoBreakSpaces", "EDITHEADING", 101,
                  QStringLiteral(u"Quiz\u00A0one"), true, "Quiz\xA0one"},
        EntryCase{"PastedHeadingNonLatin1IsRefused", "EDITHEADING", 101,
                  QStringLiteral(u"Quiz \u2013 ions"), true, ""}),
    byName);

struct FieldCase {
    const char* name;
    const char* dialog;
    int id;
};

class TemplateDialogForeignKeys : public ::testing::TestWithParam<FieldCase> {};

TEST_P(TemplateDialogForeignKeys, AreRefused)
{
    const FieldCase& c = GetParam();
    OpenDialog open(c.dialog);
    QWidget* field = open.control(c.id);
    QTest::keyClicks(field, "1");
    // The euro sign has a byte in Windows-1252, but not in Latin-1.
    typeCharacters(field, QStringLiteral(u"\u03A9\u20AC"));
    QTest::keyClicks(field, "2");
    EXPECT_EQ(shownText(field), "12");
    open.click(1);
    EXPECT_EQ(open.values().text(c.id), "12");
}

INSTANTIATE_TEST_SUITE_P(TemplateDialogs, TemplateDialogForeignKeys,
                         ::testing::Values(FieldCase{"IonName", "ADDCAT", 101},
                                           FieldCase{"HighestNumber", "HIGHEST", 101},
                                           FieldCase{"Heading", "EDITHEADING", 101}),
                         byName);

struct ChoiceCase {
    const char* name;
    const char* dialog;
    const char* typed; // into control 101, when it is an edit
    std::vector<int> clicks;
    Contents stored;
};

class TemplateDialogChoices : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(TemplateDialogChoices, OkStoresTheCheckedButton)
{
    const ChoiceCase& c = GetParam();
    OpenDialog open(c.dialog);
    if (*c.typed)
        QTest::keyClicks(open.control(101), c.typed);
    for (int id : c.clicks)
        open.click(id);
    open.click(1);
    EXPECT_EQ(open.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(contents(open.values()), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogChoices,
    ::testing::Values(
        ChoiceCase{"NoneChecked", "FIRSTDIALOG", "", {}, {{101, "0"}, {102, "0"}}},
        ChoiceCase{"Cation", "FIRSTDIALOG", "", {101}, {{101, "1"}, {102, "0"}}},
        ChoiceCase{"AnionAfterCation", "FIRSTDIALOG", "", {101, 102}, {{101, "0"}, {102, "1"}}},
        ChoiceCase{"CationAfterAnion", "FIRSTDIALOG", "", {102, 101}, {{101, "1"}, {102, "0"}}},
        ChoiceCase{"NumberAndCation", "NUMBERDLG", "4", {105},
                   {{101, "4"}, {105, "1"}, {106, "0"}}},
        ChoiceCase{"NumberAndAnion", "NUMBERDLG", "4", {105, 106},
                   {{101, "4"}, {105, "0"}, {106, "1"}}}),
    byName);

// Every text field holding something and the first choice checked.
std::unique_ptr<HeldRecord> filled(const std::string& name)
{
    std::unique_ptr<HeldRecord> record = recordFor(dialogNamed(name));
    DialogValues& values = record->values();
    bool firstChoice = true;
    for (const DialogValues::Field& field : values.fields()) {
        if (field.kind == DialogValues::Kind::Text) {
            values.setText(field.controlId, "K\xE9pt");
        } else {
            values.setChoice(field.controlId, firstChoice ? 1 : 0);
            firstChoice = false;
        }
    }
    return record;
}

enum class Leave { CancelButton, EscapeKey, CloseWindow };

struct LeaveCase {
    const char* name;
    const char* dialog;
    Leave how;
};

class TemplateDialogLeaving : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(TemplateDialogLeaving, KeepsTheRecordByteForByte)
{
    const LeaveCase& c = GetParam();
    OpenDialog open(dialogNamed(c.dialog), filled(c.dialog));
    const Contents before = contents(open.values());

    for (QWidget* control : open.dialog->controls()) {
        if (auto* line = qobject_cast<QLineEdit*>(control)) {
            line->end(false);
            QTest::keyClick(line, Qt::Key_Backspace);
            EXPECT_EQ(line->text(), QStringLiteral(u"K\u00E9p"));
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
            QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(box, "x");
            EXPECT_EQ(box->toPlainText(), QStringLiteral(u"K\u00E9ptx"));
        } else if (auto* radio = qobject_cast<QRadioButton*>(control); radio && !radio->isChecked()) {
            QTest::mouseClick(radio, Qt::LeftButton);
        }
    }

    switch (c.how) {
    case Leave::CancelButton:
        open.click(2);
        break;
    case Leave::EscapeKey:
        ASSERT_NE(open.dialog->focusWidget(), nullptr);
        QTest::keyClick(open.dialog->focusWidget(), Qt::Key_Escape);
        break;
    case Leave::CloseWindow:
        open.dialog->close();
        break;
    }
    EXPECT_FALSE(open.dialog->isVisible());
    EXPECT_EQ(open.dialog->result(), QDialog::Rejected);
    EXPECT_EQ(contents(open.values()), before);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogLeaving,
    ::testing::Values(LeaveCase{"NumberByCancel", "NUMBERDLG", Leave::CancelButton},
                      LeaveCase{"NumberByEscape", "NUMBERDLG", Leave::EscapeKey},
                      LeaveCase{"NumberByClosing", "NUMBERDLG", Leave::CloseWindow},
                      LeaveCase{"IonByEscape", "ADDCAT", Leave::EscapeKey},
                      LeaveCase{"ChoiceByCancel", "FIRSTDIALOG", Leave::CancelButton},
                      LeaveCase{"HeadingByEscape", "EDITHEADING", Leave::EscapeKey},
                      LeaveCase{"HeadingByClosing", "EDITHEADING", Leave::CloseWindow}),
    byName);

struct OpeningCase {
    const char* name;
    const char* dialog;
    std::vector<int> bound; // the bound controls, in the binding's order
    std::unique_ptr<HeldRecord> (*record)();
};

class TemplateDialogOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(TemplateDialogOpening, ShowsTheRecordAndOkGivesItBackUnchanged)
{
    const OpeningCase& c = GetParam();
    OpenDialog open(dialogNamed(c.dialog), c.record());
    DialogValues& values = open.values();
    const Contents before = contents(values);
    std::vector<int> bound;
    for (const DialogValues::Field& field : values.fields())
        bound.push_back(field.controlId);
    ASSERT_EQ(bound, c.bound);

    for (const DialogValues::Field& field : values.fields()) {
        SCOPED_TRACE("control " + std::to_string(field.controlId));
        QWidget* control = open.control(field.controlId);
        if (field.kind == DialogValues::Kind::Text) {
            EXPECT_EQ(shownText(control), QString::fromLatin1(values.text(field.controlId)));
        } else {
            auto* radio = qobject_cast<QRadioButton*>(control);
            ASSERT_NE(radio, nullptr);
            EXPECT_EQ(radio->isChecked(), values.choice(field.controlId) == 1);
        }
    }
    open.click(1);
    EXPECT_EQ(open.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(contents(values), before);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogOpening,
    ::testing::Values(
        OpeningCase{"Ion", "CHANGECAT", {101, 102, 103},
                    +[] { return held(IonEntry{"Ammonium", "NH4", "1"}); }},
        OpeningCase{"Number", "NUMBERDLG", {101, 105, 106},
                    +[] { return held(NumberEntry{"3", 0, 1}); }},
        OpeningCase{"Choice", "FIRSTDIALOG", {101, 102},
                    +[] { return held(AddChoice{1, 0}); }},
        OpeningCase{"Range", "HIGHEST", {101, 102},
                    +[] { return held(RangeEntry{"12", "7"}); }},
        OpeningCase{"Names", "NAMEDLG", {101, 102},
                    +[] { return held(StudentName{"Zo\xEB", "M\xFCller"}); }}),
    byName);

TEST(TemplateDialogReopening, ShowsTheRecordAsItIsEachTime)
{
    OpenDialog open(DialogId::NumberDlg);
    auto* number = qobject_cast<QLineEdit*>(open.control(101));
    auto* cation = qobject_cast<QRadioButton*>(open.control(105));
    auto* anion = qobject_cast<QRadioButton*>(open.control(106));
    ASSERT_TRUE(number && cation && anion);

    QTest::keyClicks(number, "5");
    open.click(106);
    open.click(2);
    open.dialog->show();
    EXPECT_EQ(number->text(), "");
    EXPECT_FALSE(cation->isChecked());
    EXPECT_FALSE(anion->isChecked());

    open.click(2);
    open.record<NumberEntry>() = NumberEntry{"8", 1, 0};
    open.dialog->show();
    EXPECT_EQ(number->text(), "8");
    EXPECT_TRUE(cation->isChecked());
    EXPECT_FALSE(anion->isChecked());
    // The first field opens selected, so typing replaces what it held.
    QTest::keyClicks(number, "9");
    EXPECT_EQ(number->text(), "9");
}

struct EnterCase {
    const char* name;
    const char* dialog;
    int id;
    const char* typed; // a radio button is clicked instead
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Contents stored;
};

class TemplateDialogEnter : public ::testing::TestWithParam<EnterCase> {};

TEST_P(TemplateDialogEnter, PressesOk)
{
    const EnterCase& c = GetParam();
    OpenDialog open(c.dialog);
    QWidget* control = open.control(c.id);
    if (qobject_cast<QRadioButton*>(control))
        open.click(c.id);
    else
        QTest::keyClicks(control, c.typed);
    QTest::keyClick(control, c.key, c.modifiers);
    EXPECT_FALSE(open.dialog->isVisible());
    EXPECT_EQ(open.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(contents(open.values()), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogEnter,
    ::testing::Values(
        EnterCase{"FromIonName", "ADDCAT", 101, "Na", Qt::Key_Return, {},
                  {{101, "Na"}, {102, ""}, {103, ""}}},
        EnterCase{"KeypadEnterFromName", "NAMEDLG", 101, "Ada", Qt::Key_Enter,
                  Qt::KeypadModifier, {{101, "Ada"}, {102, ""}}},
        EnterCase{"FromNarrowField", "HIGHEST", 101, "12", Qt::Key_Return, {},
                  {{101, "12"}, {102, ""}}},
        EnterCase{"FromHeadingWithoutLineBreak", "EDITHEADING", 101, "Quiz", Qt::Key_Return,
                  {}, {{101, "Quiz"}}},
        EnterCase{"FromRadioButton", "FIRSTDIALOG", 102, "", Qt::Key_Return, {},
                  {{101, "0"}, {102, "1"}}}),
    byName);

// Any record with fields enough to be bound wrongly.
struct Loose {
    std::string a;
    std::string b;
    std::string c;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
};

struct MismatchCase {
    const char* name;
    DialogId dialog;
    std::vector<FieldBinding<Loose>> binding;
};

class TemplateDialogMismatch : public ::testing::TestWithParam<MismatchCase> {};

TEST_P(TemplateDialogMismatch, IsAProgrammingError)
{
    const MismatchCase& c = GetParam();
    Loose record;
    BoundRecord<Loose> values(record, c.binding);
    EXPECT_THROW(TemplateDialog(dialogTemplate(c.dialog), values, nullptr), std::logic_error);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogMismatch,
    ::testing::Values(
        MismatchCase{"ChoiceForEdit", DialogId::AddCat,
                     {bindChoice(101, &Loose::x), bindText(102, &Loose::b, 15),
                      bindText(103, &Loose::c, 6)}},
        MismatchCase{"TextForRadioButton", DialogId::FirstDialog,
                     {bindChoice(101, &Loose::x), bindText(102, &Loose::a, 20)}},
        MismatchCase{"FieldOnAControlNotThere", DialogId::NumberDlg,
                     {bindText(101, &Loose::a, 6), bindChoice(105, &Loose::x),
                      bindChoice(107, &Loose::y)}},
        MismatchCase{"ControlWithoutField", DialogId::AddAn,
                     {bindText(101, &Loose::a, 20), bindText(102, &Loose::b, 15)}},
        MismatchCase{"FieldOnALabel", DialogId::Highest,
                     {bindText(101, &Loose::a, 20), bindText(102, &Loose::b, 20),
                      bindText(103, &Loose::c, 20)}},
        MismatchCase{"ControlBoundTwice", DialogId::NameDlg,
                     {bindText(101, &Loose::a, 20), bindText(102, &Loose::b, 20),
                      bindText(101, &Loose::c, 20)}},
        MismatchCase{"NoFields", DialogId::EditHeading, {}}),
    byName);

// Where the text starts after the field has painted with the cursor after the last character:
// a field that had to scroll sideways to show the cursor starts its text further left.
int textStartAfterPaint(QLineEdit* field)
{
    field->end(false);
    field->grab();
    field->home(false);
    return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
}

class TemplateDialogNarrowField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(TemplateDialogNarrowField, TakesOnlyWhatShowsWhole)
{
    const FieldCase& c = GetParam();
    OpenDialog open(c.dialog);
    auto* field = qobject_cast<QLineEdit*>(open.control(c.id));
    ASSERT_NE(field, nullptr);
    const int start = textStartAfterPaint(field);

    QTest::keyClicks(field, "123");
    EXPECT_EQ(field->text(), "123");

    // Narrow and wide letters too, so that a field off by a pixel or two takes one too many.
    for (const char* fill : {"9", "i", "W"}) {
        SCOPED_TRACE(fill);
        field->clear();
        QTest::keyClicks(field, QString(fill).repeated(19));
        const QString taken = field->text();
        EXPECT_EQ(textStartAfterPaint(field), start);
        if (taken.size() < field->maxLength()) {
            // One more would have scrolled.
            field->setText(taken + fill);
            EXPECT_LT(textStartAfterPaint(field), start);
        }
        if (*fill == '9') {
            EXPECT_GE(taken.size(), 3);
            EXPECT_LT(taken.size(), field->maxLength()); // the width, not the record, stopped it
        }
    }

    field->clear();
    paste(field, "99999999999");
    EXPECT_EQ(field->text(), "");
    paste(field, "42");
    EXPECT_EQ(field->text(), "42");
}

INSTANTIATE_TEST_SUITE_P(TemplateDialogs, TemplateDialogNarrowField,
                         ::testing::Values(FieldCase{"HighestCation", "HIGHEST", 101},
                                           FieldCase{"HighestAnion", "HIGHEST", 102}),
                         byName);

class TemplateDialogNarrowScrollingField : public ::testing::TestWithParam<FieldCase> {};

// A charge or an entry number takes its five characters, scrolling sideways in its box, so
// entry 10 000 can be changed and "4abc" typed.
TEST_P(TemplateDialogNarrowScrollingField, TakesFiveCharactersScrollingSideways)
{
    const FieldCase& c = GetParam();
    OpenDialog open(c.dialog);
    auto* field = qobject_cast<QLineEdit*>(open.control(c.id));
    ASSERT_NE(field, nullptr);
    const int start = textStartAfterPaint(field);

    paste(field, "4abc");
    EXPECT_EQ(field->text(), "4abc");
    field->clear();
    QTest::keyClicks(field, "123456789");
    EXPECT_EQ(field->text(), "12345");
    EXPECT_LT(textStartAfterPaint(field), start);
    open.click(1);
    EXPECT_EQ(open.values().text(c.id), "12345");
}

INSTANTIATE_TEST_SUITE_P(TemplateDialogs, TemplateDialogNarrowScrollingField,
                         ::testing::Values(FieldCase{"AddCationCharge", "ADDCAT", 103},
                                           FieldCase{"AddAnionCharge", "ADDAN", 103},
                                           FieldCase{"ChangeCationCharge", "CHANGECAT", 103},
                                           FieldCase{"ChangeAnionCharge", "CHANGEAN", 103},
                                           FieldCase{"IonNumber", "NUMBERDLG", 101}),
                         byName);

TEST(TemplateDialogNarrowValue, TooWideFromTheRecordCanStillBeShortened)
{
    OpenDialog open(DialogId::Highest, held(RangeEntry{"123456789", ""}));
    auto* field = qobject_cast<QLineEdit*>(open.control(101));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "123456789");
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "12345678");
    QTest::keyClicks(field, "0");
    EXPECT_EQ(field->text(), "12345678");
    open.click(1);
    EXPECT_EQ(open.record<RangeEntry>(), (RangeEntry{"12345678", ""}));
}

struct ExecuteCase {
    const char* name;
    int button;
    int result;
    std::string stored;
};

class TemplateDialogExecute : public ::testing::TestWithParam<ExecuteCase> {};

TEST_P(TemplateDialogExecute, ReturnsWhichButtonEndedIt)
{
    const ExecuteCase& c = GetParam();
    RangeEntry record;
    BoundRecord<RangeEntry> values(record, dialogFields<RangeEntry>());
    QWidget owner;
    owner.show();
    TemplateDialog dialog(dialogTemplate(DialogId::Highest), values, &owner);
    bool timedOut = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClicks(dialog.control(101), "12");
        QTest::mouseClick(dialog.control(c.button), Qt::LeftButton);
    });
    QTimer::singleShot(5000, &dialog, [&] {
        timedOut = true;
        dialog.reject();
    });
    EXPECT_EQ(dialog.execute(), c.result);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(record.highestCation, c.stored);
}

INSTANTIATE_TEST_SUITE_P(TemplateDialogs, TemplateDialogExecute,
                         ::testing::Values(ExecuteCase{"Ok", 1, 1, "12"},
                                           ExecuteCase{"Cancel", 2, 2, ""}),
                         byName);

} // namespace
