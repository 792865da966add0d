#include "platform/TemplateDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using K = ControlKind;
constexpr int none = noControlId;

TransferRecord::FieldShape text(int width)
{
    return TransferRecord::textField(width);
}
const TransferRecord::FieldShape choice = TransferRecord::choiceField();

// The records the program runs each dialog with.
TransferRecord recordFor(const std::string& name)
{
    if (name == "FIRSTDIALOG")
        return {choice, choice};
    if (name == "ADDCAT" || name == "ADDAN" || name == "CHANGECAT" || name == "CHANGEAN")
        return {text(20), text(15), text(6)};
    if (name == "NUMBERDLG")
        return {text(6), choice, choice};
    if (name == "HIGHEST" || name == "NAMEDLG")
        return {text(20), text(20)};
    if (name == "EDITHEADING")
        return {text(121)};
    throw std::invalid_argument("no record for " + name);
}

// Each field as text, to compare a whole record before and after.
std::vector<std::string> contents(const TransferRecord& record)
{
    std::vector<std::string> fields;
    for (int i = 0; i < record.fieldCount(); ++i)
        fields.push_back(record.kind(i) == TransferRecord::Kind::Text
                             ? record.text(i)
                             : std::to_string(record.choice(i)));
    return fields;
}

struct Units {
    explicit Units(const QFont& font)
    {
        const QFontMetrics metrics(font);
        baseX = metrics.horizontalAdvance(
                    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
            / 52.0;
        baseY = metrics.height();
    }
    int x(int units) const { return static_cast<int>(std::lround(units * baseX / 4)); }
    int y(int units) const { return static_cast<int>(std::lround(units * baseY / 8)); }
    QRect pixels(DialogRect r) const { return {x(r.x), y(r.y), x(r.width), y(r.height)}; }

    double baseX;
    double baseY;
};

// A shown dialog on a shown owner, with the record the program gives it.
struct OpenDialog {
    explicit OpenDialog(const std::string& name) : OpenDialog(name, recordFor(name)) {}
    OpenDialog(const std::string& name, TransferRecord initial) : record(std::move(initial))
    {
        owner.setGeometry(100, 50, 500, 400);
        owner.show();
        dialog = std::make_unique<TemplateDialog>(dialogTemplate(name), record, &owner);
        dialog->show();
    }

    QWidget* control(int id) const { return dialog->control(id); }
    void click(int id) const { QTest::mouseClick(control(id), Qt::LeftButton); }

    TransferRecord record;
    QWidget owner;
    std::unique_ptr<TemplateDialog> dialog;
};

void paste(QWidget* field, const QString& clip)
{
    QGuiApplication::clipboard()->setText(clip);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// QTest::keyClicks takes ASCII only; these are keys that type any character.
void typeCharacters(QWidget* field, const QString& characters)
{
    for (QChar c : characters)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString shownText(QWidget* control)
{
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return line->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        // toPlainText() would show a no-break space as a space.
        QString raw = box->document()->toRawText();
        return raw.replace(QChar::ParagraphSeparator, u'\n');
    }
    return {};
}

// Every table of cases below names its rows. The constraint makes this the printer gtest
// picks over its own.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

const auto byName = [](const auto& info) { return std::string(info.param.name); };

struct ExpectedControl {
    ControlKind kind;
    int id;
    const char* text;
    DialogRect rect;
};

struct LayoutCase {
    const char* name;
    const char* title;
    DialogRect frame;
    bool fixedPitch;
    std::vector<ExpectedControl> controls;
};

bool takesTabStop(ControlKind kind)
{
    return kind == K::Edit || kind == K::MultiLineEdit || kind == K::RadioButton
        || kind == K::OkButton || kind == K::CancelButton;
}

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage();
}

void expectControl(QWidget* widget, const ExpectedControl& e)
{
    const QString text = QString::fromLatin1(e.text);
    switch (e.kind) {
    case K::Label: {
        auto* label = qobject_cast<QLabel*>(widget);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), text);
        break;
    }
    case K::Edit:
        ASSERT_NE(qobject_cast<QLineEdit*>(widget), nullptr);
        break;
    case K::MultiLineEdit:
        ASSERT_NE(qobject_cast<QPlainTextEdit*>(widget), nullptr);
        break;
    case K::RadioButton: {
        auto* radio = qobject_cast<QRadioButton*>(widget);
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(radio->text(), text);
        break;
    }
    case K::GroupFrame:
    case K::DipLine: {
        auto* frame = qobject_cast<QFrame*>(widget);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(qobject_cast<QLabel*>(widget), nullptr);
        EXPECT_EQ(frame->frameShape(), e.kind == K::GroupFrame ? QFrame::Panel : QFrame::HLine);
        EXPECT_EQ(frame->frameShadow(), QFrame::Sunken);
        break;
    }
    case K::OkButton:
    case K::CancelButton: {
        auto* button = qobject_cast<QPushButton*>(widget);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), text);
        EXPECT_EQ(button->isDefault(), e.kind == K::OkButton);
        const QIcon standard = widget->style()->standardIcon(
            e.kind == K::OkButton ? QStyle::SP_DialogOkButton : QStyle::SP_DialogCancelButton);
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(iconImage(button->icon()), iconImage(standard));
        break;
    }
    }
}

class TemplateDialogLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TemplateDialogLayout, HasItsTitleFontSizeAndPlaceOnTheOwner)
{
    const LayoutCase& c = GetParam();
    OpenDialog open(c.name);
    const TemplateDialog& dialog = *open.dialog;

    EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(c.title));
    if (c.fixedPitch) {
        EXPECT_TRUE(QFontInfo(dialog.font()).fixedPitch());
        EXPECT_EQ(dialog.font().family(),
                  QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        EXPECT_EQ(dialog.font().pointSize(), 10);
    } else {
        EXPECT_EQ(dialog.font(), QApplication::font());
    }

    const Units units(dialog.font());
    EXPECT_EQ(dialog.geometry().topLeft(),
              open.owner.mapToGlobal(QPoint(units.x(c.frame.x), units.y(c.frame.y))));
    const QSize client(units.x(c.frame.width), units.y(c.frame.height));
    EXPECT_EQ(dialog.size(), client);
    EXPECT_EQ(dialog.minimumSize(), client);
    EXPECT_EQ(dialog.maximumSize(), client);
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

TEST_P(TemplateDialogLayout, PlacesEachControlInTemplateOrder)
{
    const LayoutCase& c = GetParam();
    OpenDialog open(c.name);
    const TemplateDialog& dialog = *open.dialog;
    const Units units(dialog.font());

    ASSERT_EQ(dialog.controls().size(), c.controls.size());
    for (std::size_t i = 0; i < c.controls.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i));
        const ExpectedControl& e = c.controls[i];
        QWidget* widget = dialog.controls()[i];
        expectControl(widget, e);
        EXPECT_EQ(widget->geometry(), units.pixels(e.rect));
        if (e.id == none) {
            EXPECT_TRUE(widget->objectName().isEmpty());
        } else {
            EXPECT_EQ(dialog.control(e.id), widget);
            EXPECT_EQ(widget->objectName(), QStringLiteral("ctl%1").arg(e.id));
        }
    }
    EXPECT_EQ(dialog.control(none), nullptr);
}

TEST_P(TemplateDialogLayout, TabsThroughTheControlsInTemplateOrder)
{
    const LayoutCase& c = GetParam();
    OpenDialog open(c.name);
    const TemplateDialog& dialog = *open.dialog;
    ASSERT_EQ(dialog.controls().size(), c.controls.size());

    std::vector<QWidget*> expected;
    for (std::size_t i = 0; i < c.controls.size(); ++i)
        if (takesTabStop(c.controls[i].kind))
            expected.push_back(dialog.controls()[i]);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(dialog.focusWidget(), expected.front());

    std::vector<QWidget*> chain{expected.front()};
    for (QWidget* w = expected.front()->nextInFocusChain(); w != expected.front();
         w = w->nextInFocusChain()) {
        if (std::find(expected.begin(), expected.end(), w) != expected.end())
            chain.push_back(w);
    }
    EXPECT_EQ(chain, expected);
    // Which radio button of a group is the tab stop is Qt's to decide; the rest take none.
    for (QWidget* w : dialog.controls()) {
        const bool stop = std::find(expected.begin(), expected.end(), w) != expected.end();
        EXPECT_TRUE(stop || !(w->focusPolicy() & Qt::TabFocus)) << w->metaObject()->className();
    }
}

TEST_P(TemplateDialogLayout, DrawsGroupFramesBehindEveryOtherControl)
{
    const LayoutCase& c = GetParam();
    OpenDialog open(c.name);
    const TemplateDialog& dialog = *open.dialog;
    ASSERT_EQ(dialog.controls().size(), c.controls.size());

    for (std::size_t i = 0; i < c.controls.size(); ++i) {
        if (c.controls[i].kind == K::GroupFrame)
            continue;
        SCOPED_TRACE("control " + std::to_string(i));
        QWidget* widget = dialog.controls()[i];
        QWidget* top = dialog.childAt(widget->geometry().center());
        EXPECT_TRUE(top == widget || widget->isAncestorOf(top));
    }
}

// The ion dialogs share one arrangement at different places.
std::vector<ExpectedControl> ionControls(DialogRect name, DialogRect symbol, DialogRect charge,
                                         DialogRect ok, DialogRect cancel, DialogRect nameLabel,
                                         DialogRect symbolLabel, DialogRect chargeLabel,
                                         const char* sign, DialogRect signLabel,
                                         DialogRect frame)
{
    return {{K::Edit, 101, "", name},
            {K::Edit, 102, "", symbol},
            {K::Edit, 103, "", charge},
            {K::OkButton, 1, "OK", ok},
            {K::CancelButton, 2, "Cancel", cancel},
            {K::Label, none, "Name:", nameLabel},
            {K::Label, none, "Symbol:", symbolLabel},
            {K::Label, none, "Charge:", chargeLabel},
            {K::Label, none, sign, signLabel},
            {K::GroupFrame, none, "", frame}};
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogLayout,
    ::testing::Values(
        LayoutCase{"FIRSTDIALOG",
                   "Add Cation or Anion?",
                   {86, 53, 142, 92},
                   false,
                   {{K::RadioButton, 101, "&Cation", {51, 28, 35, 10}},
                    {K::RadioButton, 102, "&Anion", {51, 40, 32, 10}},
                    {K::GroupFrame, none, "", {45, 27, 50, 25}},
                    {K::Label, none, "Choose One:", {49, 13, 43, 9}},
                    {K::OkButton, 1, "OK", {17, 66, 32, 20}},
                    {K::CancelButton, 2, "Cancel", {80, 66, 32, 20}}}},
        LayoutCase{"ADDCAT", "Add Cation", {84, 51, 159, 87}, false,
                   ionControls({19, 16, 88, 12}, {19, 43, 52, 12}, {112, 43, 18, 12},
                               {19, 63, 32, 20}, {98, 63, 32, 20}, {19, 4, 23, 8},
                               {19, 33, 36, 8}, {113, 33, 27, 8}, "+", {132, 45, 4, 8},
                               {15, 2, 126, 56})},
        LayoutCase{"ADDAN", "Add Anion", {94, 65, 148, 87}, false,
                   ionControls({14, 17, 88, 12}, {14, 44, 52, 12}, {107, 44, 18, 12},
                               {14, 64, 32, 20}, {93, 64, 32, 20}, {14, 5, 23, 8},
                               {14, 34, 36, 8}, {108, 34, 27, 8}, "-", {127, 46, 4, 8},
                               {10, 3, 126, 56})},
        LayoutCase{"CHANGECAT", "Change Cation", {94, 67, 126, 84}, false,
                   ionControls({4, 14, 88, 12}, {4, 41, 52, 12}, {97, 41, 18, 12},
                               {4, 61, 32, 20}, {83, 61, 32, 20}, {4, 2, 23, 8},
                               {4, 31, 36, 8}, {98, 31, 27, 8}, "+", {117, 43, 4, 8},
                               {0, 0, 126, 56})},
        LayoutCase{"CHANGEAN", "Change Anion", {89, 69, 127, 81}, false,
                   ionControls({4, 13, 88, 12}, {4, 40, 52, 12}, {97, 40, 18, 12},
                               {4, 60, 32, 20}, {83, 60, 32, 20}, {4, 1, 23, 8},
                               {4, 30, 36, 8}, {98, 30, 27, 8}, "-", {117, 42, 4, 8},
                               {0, -1, 126, 56})},
        LayoutCase{"NUMBERDLG",
                   "Delete or change ion.",
                   {81, 57, 142, 97},
                   false,
                   {{K::Edit, 101, "", {62, 31, 21, 12}},
                    {K::Label, none, "Enter the number you want to change", {11, 9, 123, 10}},
                    {K::Label, none, "or delete.", {51, 20, 32, 8}},
                    {K::GroupFrame, none, "", {6, 5, 132, 45}},
                    {K::RadioButton, 105, "&Cation", {36, 59, 32, 10}},
                    {K::RadioButton, 106, "&Anion", {77, 59, 32, 10}},
                    {K::GroupFrame, none, "", {25, 55, 91, 20}},
                    {K::OkButton, 1, "OK", {6, 76, 32, 20}},
                    {K::CancelButton, 2, "Cancel", {101, 76, 32, 20}}}},
        LayoutCase{"HIGHEST",
                   "Highest Cation and Anion",
                   {63, 53, 142, 92},
                   false,
                   {{K::Label, 103, "Highest Cation #:", {36, 8, 61, 9}},
                    {K::Edit, 101, "", {60, 19, 16, 12}},
                    {K::Label, 104, "Highest Anion #:", {36, 34, 69, 10}},
                    {K::Edit, 102, "", {61, 46, 16, 12}},
                    {K::GroupFrame, 105, "", {31, 6, 82, 57}},
                    {K::OkButton, 1, "OK", {15, 69, 32, 20}},
                    {K::CancelButton, 2, "Cancel", {96, 68, 32, 20}}}},
        LayoutCase{"NAMEDLG",
                   "Name for Printing Results",
                   {85, 62, 142, 92},
                   false,
                   {{K::Label, 103, "First Name:", {36, 5, 61, 9}},
                    {K::Edit, 101, "", {36, 16, 74, 12}},
                    {K::Label, 104, "Last Name", {36, 31, 69, 10}},
                    {K::Edit, 102, "", {36, 46, 74, 12}},
                    {K::GroupFrame, 105, "", {31, 3, 82, 57}},
                    {K::OkButton, 1, "OK", {15, 66, 32, 20}},
                    {K::CancelButton, 2, "Cancel", {96, 65, 32, 20}}}},
        LayoutCase{"EDITHEADING",
                   "Edit Quiz Heading",
                   {57, 93, 250, 112},
                   true,
                   {{K::MultiLineEdit, 101, "", {3, 10, 244, 20}},
                    {K::OkButton, 1, "OK", {60, 82, 37, 25}},
                    {K::CancelButton, 2, "Cancel", {156, 83, 37, 25}},
                    {K::DipLine, none, "", {16, 73, 230, 1}},
                    {K::Label, none, "Change the quiz heading above as needed.",
                     {53, 48, 161, 9}}}}),
    byName);

TEST(TemplateDialogPlacement, CentresOnTheScreenWithoutOwnerAndStaysOnIt)
{
    TransferRecord record = recordFor("EDITHEADING");
    TemplateDialog alone(dialogTemplate("EDITHEADING"), record, nullptr);
    alone.show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((alone.geometry().center() - screen.center()).manhattanLength(), 2);

    QWidget owner;
    owner.setGeometry(screen.right() - 100, screen.bottom() - 80, 100, 80);
    owner.show();
    TemplateDialog nearEdge(dialogTemplate("EDITHEADING"), record, &owner);
    nearEdge.show();
    EXPECT_TRUE(screen.contains(nearEdge.geometry())) << nearEdge.geometry().x() << ","
                                                      << nearEdge.geometry().y();
}

// The template's place is counted from where the owner's own drawing starts.
TEST(TemplateDialogPlacement, CountsFromTheOwnersClientArea)
{
    TransferRecord record = recordFor("EDITHEADING");
    const DialogTemplate& heading = dialogTemplate("EDITHEADING");

    QMainWindow frame;
    frame.menuBar()->addMenu(QStringLiteral("&Quiz"));
    frame.setCentralWidget(new QWidget);
    frame.setGeometry(60, 40, 640, 520);
    frame.show();
    TemplateDialog fromFrame(heading, record, &frame);
    fromFrame.show();
    const Units units(fromFrame.font());
    const QPoint offset(units.x(heading.frame.x), units.y(heading.frame.y));
    ASSERT_GT(frame.centralWidget()->y(), 0); // below the menu bar
    EXPECT_EQ(fromFrame.geometry().topLeft(), frame.centralWidget()->mapToGlobal(offset));

    QScrollArea view;
    view.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    view.setLineWidth(2);
    view.setGeometry(60, 40, 640, 520);
    view.show();
    TemplateDialog fromView(heading, record, &view);
    fromView.show();
    ASSERT_GT(view.viewport()->x(), 0); // inside the frame
    EXPECT_EQ(fromView.geometry().topLeft(), view.viewport()->mapToGlobal(offset));
}

std::string times(int count, const std::string& piece)
{
    std::string whole;
    for (int i = 0; i < count; ++i)
        whole += piece;
    return whole;
}

struct EntryCase {
    const char* name;
    const char* dialog;
    int id;
    int field;
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
    EXPECT_EQ(open.record.text(c.field), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogEntry,
    ::testing::Values(
        EntryCase{"IonNameKeepsNineteen", "ADDCAT", 101, 0, "Sodium hydrogen carbonate", false,
                  "Sodium hydrogen car"},
        EntryCase{"IonSymbolKeepsFourteen", "CHANGEAN", 102, 1, "HCO3HCO3HCO3HCO3HCO3", false,
                  "HCO3HCO3HCO3HC"},
        EntryCase{"LastNameKeepsNineteen", "NAMEDLG", 102, 1, "Abcdefghijklmnopqrstuvwxy",
                  false, "Abcdefghijklmnopqrs"},
        EntryCase{"Latin1LettersAreStoredAsBytes", "NAMEDLG", 101, 0,
                  QStringLiteral(u"\u00C5ngstr\u00F6m"), false, "\xC5ngstr\xF6m"},
        EntryCase{"HighestNumber", "HIGHEST", 102, 1, "12", false, "12"},
        EntryCase{"IonNumber", "NUMBERDLG", 101, 0, "7", false, "7"},
        EntryCase{"HeadingKeepsWhatFitsWithItsWrap", "EDITHEADING", 101, 0,
                  QString("Chemistry ").repeated(13), false,
                  times(6, "Chemistry ") + "\r\r\n" + times(5, "Chemistry ") + "Chemist"},
        EntryCase{"PastedNameIsCut", "ADDAN", 101, 0, "Sodium hydrogen carbonate", true,
                  "Sodium hydrogen car"},
        EntryCase{"PastedNonLatin1IsRefused", "ADDCAT", 101, 0,
                  QStringLiteral(u"\u03A9mega"), true, ""},
        EntryCase{"PastedHeadingIsCut", "EDITHEADING", 101, 0,
                  QString("Chemistry ").repeated(13), true,
                  times(6, "Chemistry ") + "\r\r\n" + times(5, "Chemistry ") + "Chemist"},
        EntryCase{"PastedHeadingKeepsLineBreaks", "EDITHEADING", 101, 0, "Quiz 1\r\nName:",
                  true, "Quiz 1\r\nName:"},
        EntryCase{"PastedHeadingKeepsNoBreakSpaces", "EDITHEADING", 101, 0,
                  QStringLiteral(u"Quiz\u00A0one"), true, "Quiz\xA0one"},
        EntryCase{"PastedHeadingNonLatin1IsRefused", "EDITHEADING", 101, 0,
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
    EXPECT_EQ(open.record.text(0), "12");
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
    std::vector<std::string> stored;
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
    EXPECT_EQ(contents(open.record), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogChoices,
    ::testing::Values(ChoiceCase{"NoneChecked", "FIRSTDIALOG", "", {}, {"0", "0"}},
                      ChoiceCase{"Cation", "FIRSTDIALOG", "", {101}, {"1", "0"}},
                      ChoiceCase{"AnionAfterCation", "FIRSTDIALOG", "", {101, 102}, {"0", "1"}},
                      ChoiceCase{"CationAfterAnion", "FIRSTDIALOG", "", {102, 101}, {"1", "0"}},
                      ChoiceCase{"NumberAndCation", "NUMBERDLG", "4", {105}, {"4", "1", "0"}},
                      ChoiceCase{"NumberAndAnion", "NUMBERDLG", "4", {105, 106},
                                 {"4", "0", "1"}}),
    byName);

// Every text field holding something and the first choice checked.
TransferRecord filled(const std::string& name)
{
    TransferRecord record = recordFor(name);
    bool firstChoice = true;
    for (int i = 0; i < record.fieldCount(); ++i) {
        if (record.kind(i) == TransferRecord::Kind::Text) {
            record.setText(i, "K\xE9pt");
        } else {
            record.setChoice(i, firstChoice ? 1 : 0);
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
    OpenDialog open(c.dialog, filled(c.dialog));
    const std::vector<std::string> before = contents(open.record);

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
    EXPECT_EQ(contents(open.record), before);
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
    std::vector<int> bound; // the bound controls, in field order
    TransferRecord (*record)();
};

class TemplateDialogOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(TemplateDialogOpening, ShowsTheRecordAndOkGivesItBackUnchanged)
{
    const OpeningCase& c = GetParam();
    OpenDialog open(c.dialog, c.record());
    const std::vector<std::string> before = contents(open.record);
    ASSERT_EQ(static_cast<int>(c.bound.size()), open.record.fieldCount());

    for (int field = 0; field < open.record.fieldCount(); ++field) {
        SCOPED_TRACE("field " + std::to_string(field));
        QWidget* control = open.control(c.bound[field]);
        if (open.record.kind(field) == TransferRecord::Kind::Text) {
            EXPECT_EQ(shownText(control), QString::fromLatin1(open.record.text(field)));
        } else {
            auto* radio = qobject_cast<QRadioButton*>(control);
            ASSERT_NE(radio, nullptr);
            EXPECT_EQ(radio->isChecked(), open.record.choice(field) == 1);
        }
    }
    open.click(1);
    EXPECT_EQ(open.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(contents(open.record), before);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogOpening,
    ::testing::Values(
        OpeningCase{"Ion", "CHANGECAT", {101, 102, 103},
                    +[] {
                        TransferRecord r{text(20), text(15), text(6)};
                        r.setText(0, "Ammonium");
                        r.setText(1, "NH4");
                        r.setText(2, "1");
                        return r;
                    }},
        OpeningCase{"Number", "NUMBERDLG", {101, 105, 106},
                    +[] {
                        TransferRecord r{text(6), choice, choice};
                        r.setText(0, "3");
                        r.setChoice(2, 1);
                        return r;
                    }},
        OpeningCase{"Choice", "FIRSTDIALOG", {101, 102},
                    +[] {
                        TransferRecord r{choice, choice};
                        r.setChoice(0, 1);
                        return r;
                    }},
        OpeningCase{"Names", "NAMEDLG", {101, 102},
                    +[] {
                        TransferRecord r{text(20), text(20)};
                        r.setText(0, "Zo\xEB");
                        r.setText(1, "M\xFCller");
                        return r;
                    }}),
    byName);

TEST(TemplateDialogReopening, ShowsTheRecordAsItIsEachTime)
{
    OpenDialog open("NUMBERDLG");
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
    open.record.setText(0, "8");
    open.record.setChoice(1, 1);
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
    std::vector<std::string> stored;
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
    EXPECT_EQ(contents(open.record), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogEnter,
    ::testing::Values(
        EnterCase{"FromIonName", "ADDCAT", 101, "Na", Qt::Key_Return, {}, {"Na", "", ""}},
        EnterCase{"KeypadEnterFromName", "NAMEDLG", 101, "Ada", Qt::Key_Enter,
                  Qt::KeypadModifier, {"Ada", ""}},
        EnterCase{"FromNarrowField", "HIGHEST", 101, "12", Qt::Key_Return, {}, {"12", ""}},
        EnterCase{"FromHeadingWithoutLineBreak", "EDITHEADING", 101, "Quiz", Qt::Key_Return,
                  {}, {"Quiz"}},
        EnterCase{"FromRadioButton", "FIRSTDIALOG", 102, "", Qt::Key_Return, {}, {"0", "1"}}),
    byName);

QPlainTextEdit* headingField(const OpenDialog& open)
{
    return qobject_cast<QPlainTextEdit*>(open.control(101));
}

// Keys as typed into the heading field: a line feed is Ctrl+Enter, its line break.
void typeHeading(QWidget* field, const QString& keys)
{
    for (QChar c : keys) {
        if (c == u'\n')
            QTest::keyClick(field, Qt::Key_Return, Qt::ControlModifier);
        else
            typeCharacters(field, QString(c));
    }
}

void placeCursor(QPlainTextEdit* field, int from, int to)
{
    QTextCursor cursor = field->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    field->setTextCursor(cursor);
}

// The lines the field's own layout shows, a list for each typed line.
std::vector<QStringList> layoutLines(QPlainTextEdit* field)
{
    QTextDocument* document = field->document();
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    std::vector<QStringList> shown;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        QStringList lines;
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength());
        }
        shown.push_back(lines);
    }
    return shown;
}

// What the field shows, marked as the record marks it: "\r\r\n" where a line wraps and
// "\r\n" for a typed line break.
std::string recordAsShown(QPlainTextEdit* field)
{
    const std::vector<QStringList> blocks = layoutLines(field);
    QString record;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0)
            record += "\r\n";
        record += blocks[i].join("\r\r\n");
    }
    const QByteArray bytes = record.toLatin1();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString run(int count, char c)
{
    return QString(count, QChar::fromLatin1(c));
}

std::string bytes(int count, char c)
{
    return std::string(static_cast<std::size_t>(count), c);
}

struct HeadingCase {
    const char* name;
    QString typed; // a line feed is Ctrl+Enter
    std::string stored;
};

class TemplateDialogHeadingTyping : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(TemplateDialogHeadingTyping, HandsBackTheLineEndsTheFieldShows)
{
    const HeadingCase& c = GetParam();
    OpenDialog open("EDITHEADING");
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, c.typed);
    EXPECT_EQ(shownText(heading), c.typed);
    EXPECT_TRUE(open.dialog->isVisible());
    open.click(1);
    EXPECT_EQ(open.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(open.record.text(0), c.stored);
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
        HeadingCase{"EmptyLines", "\n\nQuiz", "\r\n\r\nQuiz"}),
    byName);

TEST(TemplateDialogHeading, WrapsWordsPastTheEdgeWhereItsLayoutShowsTheWrap)
{
    OpenDialog open("EDITHEADING");
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
    EXPECT_EQ(open.record.text(0),
              "Quiz 4: write the name of each ionic compound and the \r\r\nformula for each name.");
    EXPECT_EQ(open.record.text(0), asShown);
}

TEST(TemplateDialogHeading, HoldsSixtyCharactersALineWhateverTheFieldsWidth)
{
    OpenDialog open("EDITHEADING");
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
    OpenDialog open("EDITHEADING");
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, c.typed);
    ASSERT_EQ(shownText(heading), c.typed);

    for (QChar key : c.refused) {
        SCOPED_TRACE(key == u'\n' ? std::string("Ctrl+Enter") : std::string(1, key.toLatin1()));
        typeHeading(heading, QString(key));
        EXPECT_EQ(shownText(heading), c.typed);
        EXPECT_EQ(heading->textCursor().position(), c.typed.size());
    }
    open.click(1);
    EXPECT_EQ(open.record.text(0), c.stored);
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
        HeadingLimitCase{"OnlyLineBreaks", run(60, '\n'), "\nx", times(60, "\r\n")}),
    byName);

TEST(TemplateDialogHeading, ARefusedKeyLeavesNoTraceInTextCursorOrUndo)
{
    OpenDialog open("EDITHEADING");
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

enum class Removal { Backspace, DeleteKey, MenuDelete };

// Chooses Delete from the field's own context menu.
void deleteFromMenu(QPlainTextEdit* field)
{
    const QPoint inside = field->viewport()->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside,
                            field->viewport()->mapToGlobal(inside));
    QApplication::sendEvent(field->viewport(), &event);
    QMenu* menu = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<QMenu*>(w); candidate && candidate->isVisible())
            menu = candidate;
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    const auto del = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
        return a->objectName() == "edit-delete";
    });
    ASSERT_NE(del, actions.end());
    (*del)->trigger();
    menu->close();
}

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
    OpenDialog open("EDITHEADING");
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
        deleteFromMenu(heading);
        break;
    }
    EXPECT_EQ(shownText(heading), c.shown);
    if (c.shown == c.typed) {
        EXPECT_EQ(heading->textCursor().anchor(), c.from);
        EXPECT_EQ(heading->textCursor().position(), c.to);
    }
    const std::string asShown = recordAsShown(heading);
    open.click(1);
    EXPECT_EQ(open.record.text(0), asShown); // nothing cut off
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
                    joinableWords.mid(51)}),
    byName);

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
    OpenDialog open("EDITHEADING");
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, c.typed);
    paste(heading, c.pasted);
    open.click(1);
    EXPECT_EQ(open.record.text(0), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingPaste,
    ::testing::Values(
        HeadingPasteCase{"CutWhereTheRecordIsFull", run(60, 'a') + run(50, 'b'), "cdefghij",
                         bytes(60, 'a') + "\r\r\n" + bytes(50, 'b') + "cdefghi"},
        HeadingPasteCase{"RefusedWhenItsFirstLetterWouldWrap", run(55, 'a') + "\n" + run(60, 'b'),
                         "cd", bytes(55, 'a') + "\r\n" + bytes(60, 'b')},
        HeadingPasteCase{"LineBreaksCostTwoEach", run(60, 'a') + run(53, 'b'), "\r\n\r\n\r\n",
                         bytes(60, 'a') + "\r\r\n" + bytes(53, 'b') + "\r\n\r\n"},
        // It takes no room of its own, but no line holds 61 characters.
        HeadingPasteCase{"SoftHyphenInAFullLine", "",
                         run(30, 'a') + QStringLiteral(u"\u00AD") + run(30, 'b'),
                         bytes(30, 'a') + "\xAD" + bytes(29, 'b')}),
    byName);

TEST(TemplateDialogHeading, InputMethodCommitsOnlyWhatFits)
{
    OpenDialog open("EDITHEADING");
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
    EXPECT_EQ(open.record.text(0), bytes(60, 'a') + "\r\r\n" + bytes(56, 'b') + "c");
}

TEST(TemplateDialogHeading, TextStillBeingComposedIsNotHandedBack)
{
    OpenDialog open("EDITHEADING");
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    typeHeading(heading, run(58, 'a'));
    QInputMethodEvent composing("zzzz", {});
    QApplication::sendEvent(heading, &composing);
    ASSERT_EQ(layoutLines(heading)[0].size(), 2); // the field shows it wrapped

    open.click(1);
    EXPECT_EQ(open.record.text(0), bytes(58, 'a'));
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
    TransferRecord record = recordFor("EDITHEADING");
    record.setText(0, c.record);
    OpenDialog open("EDITHEADING", record);
    QPlainTextEdit* heading = headingField(open);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(shownText(heading), c.shown);
    open.click(1);
    EXPECT_EQ(open.record.text(0), c.stored);
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
    TransferRecord record = recordFor("EDITHEADING");
    record.setText(0, c.record);
    OpenDialog open("EDITHEADING", record);
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
    EXPECT_EQ(open.record.text(0), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogHeadingEdit,
    ::testing::Values(
        // "Name" is 0 to 4, its line feed 4 to 5, "Quiz" 5 to 9.
        HeadingEditCase{"TypedAfterTheLastLine", "Name\nQuiz", {{Edit::Keys, 9, 9, "\nx"}},
                        "Name\nQuiz\r\nx"},
        HeadingEditCase{"TypedInsideALineAfterALineFeed", "Name\nQuiz", {{Edit::Keys, 7, 7, "\n"}},
                        "Name\nQu\r\niz"},
        HeadingEditCase{"TypedAtTheStartOfALineAfterALineFeed", "Name\nQuiz",
                        {{Edit::Keys, 5, 5, "\n"}}, "Name\n\r\nQuiz"},
        HeadingEditCase{"TypedBeforeALineFeed", "Name\nQuiz", {{Edit::Keys, 4, 4, "\n"}},
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
        HeadingEditCase{"PastedLinesAreTyped", "Name\nQuiz", {{Edit::Paste, 9, 9, "a\nb\n"}},
                        "Name\nQuiza\r\nb\r\n"},
        HeadingEditCase{"PastedIntoALineAfterALineFeed", "Name\nQuiz", {{Edit::Paste, 7, 7, "a\nb"}},
                        "Name\nQua\r\nbiz"},
        HeadingEditCase{"UndoBringsTheLineFeedBack", "Name\nQuiz",
                        {{Edit::DeleteKey, 4, 4, {}}, {Edit::Undo, 4, 4, {}}}, "Name\nQuiz"},
        HeadingEditCase{"UndoTakesATypedBreakAway", "Name\nQuiz",
                        {{Edit::Keys, 7, 7, "\n"}, {Edit::Undo, 8, 8, {}}}, "Name\nQuiz"},
        // All three kinds of line end in one heading.
        HeadingEditCase{"LineFeedTypedBreakAndWrap", "Quiz 1\nName:",
                        {{Edit::Keys, 12, 12, "\n" + run(70, 'm')}},
                        "Quiz 1\nName:\r\n" + bytes(60, 'm') + "\r\r\n" + bytes(10, 'm')}),
    byName);

TEST(TemplateDialogHeading, AFullHeadingOfLineFeedsTakesNoTypedBreakInTheirPlace)
{
    // Four lines of 29 characters, each ended by a line feed: 120 characters.
    const std::string line = bytes(29, 'a') + "\n";
    const std::string full = line + line + line + line;
    TransferRecord record = recordFor("EDITHEADING");
    record.setText(0, full);
    OpenDialog open("EDITHEADING", record);
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
    EXPECT_EQ(open.record.text(0), bytes(29, 'a') + "c" + bytes(29, 'a') + "\n" + line + line);
}

TEST(TemplateDialogHeading, TooLongFromTheRecordCanStillBeShortened)
{
    TransferRecord record = recordFor("EDITHEADING");
    record.setText(0, bytes(120, 'a')); // 123 bytes once wrapped
    OpenDialog open("EDITHEADING", record);
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
    EXPECT_EQ(open.record.text(0), bytes(60, 'a') + "\r\r\n" + bytes(57, 'a'));
}

struct MismatchCase {
    const char* name;
    const char* dialog;
    TransferRecord (*record)();
};

class TemplateDialogMismatch : public ::testing::TestWithParam<MismatchCase> {};

TEST_P(TemplateDialogMismatch, IsAProgrammingError)
{
    const MismatchCase& c = GetParam();
    TransferRecord record = c.record();
    EXPECT_THROW(TemplateDialog(dialogTemplate(c.dialog), record, nullptr), std::logic_error);
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialogs, TemplateDialogMismatch,
    ::testing::Values(
        MismatchCase{"ChoiceForEdit", "ADDCAT",
                     +[] { return TransferRecord{choice, text(15), text(6)}; }},
        MismatchCase{"TextForRadioButton", "FIRSTDIALOG",
                     +[] { return TransferRecord{choice, text(20)}; }},
        MismatchCase{"FieldsInTheWrongOrder", "NUMBERDLG",
                     +[] { return TransferRecord{choice, text(6), choice}; }},
        MismatchCase{"TooFewFields", "ADDAN",
                     +[] { return TransferRecord{text(20), text(15)}; }},
        MismatchCase{"TooManyFields", "HIGHEST",
                     +[] { return TransferRecord{text(20), text(20), text(20)}; }},
        MismatchCase{"NoFields", "EDITHEADING", +[] {
                         return TransferRecord{std::initializer_list<TransferRecord::FieldShape>{}};
                     }}),
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
                                           FieldCase{"HighestAnion", "HIGHEST", 102},
                                           FieldCase{"CationCharge", "ADDCAT", 103},
                                           FieldCase{"AnionCharge", "CHANGEAN", 103},
                                           FieldCase{"IonNumber", "NUMBERDLG", 101}),
                         byName);

TEST(TemplateDialogNarrowValue, TooWideFromTheRecordCanStillBeShortened)
{
    TransferRecord record = recordFor("HIGHEST");
    record.setText(0, "123456789");
    OpenDialog open("HIGHEST", record);
    auto* field = qobject_cast<QLineEdit*>(open.control(101));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "123456789");
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "12345678");
    QTest::keyClicks(field, "0");
    EXPECT_EQ(field->text(), "12345678");
    open.click(1);
    EXPECT_EQ(open.record.text(0), "12345678");
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
    TransferRecord record = recordFor("HIGHEST");
    QWidget owner;
    owner.show();
    TemplateDialog dialog(dialogTemplate("HIGHEST"), record, &owner);
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
    EXPECT_EQ(record.text(0), c.stored);
}

INSTANTIATE_TEST_SUITE_P(TemplateDialogs, TemplateDialogExecute,
                         ::testing::Values(ExecuteCase{"Ok", 1, 1, "12"},
                                           ExecuteCase{"Cancel", 2, 2, ""}),
                         byName);

} // namespace
