#include "DialogTestSupport.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace dialogtest;
// Declared here for argument lookup: a failing row is shown by its name, not its bytes.
using dialogtest::PrintTo;

using K = ControlKind;
constexpr int none = noControlId;

// Dialog units worked out apart from the dialog's own conversion, so that a fault in it shows.
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
    HeadingEntry record;
    BoundRecord<HeadingEntry> values(record, dialogFields<HeadingEntry>());
    TemplateDialog alone(dialogTemplate(DialogId::EditHeading), values, nullptr);
    alone.show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((alone.geometry().center() - screen.center()).manhattanLength(), 2);

    QWidget owner;
    owner.setGeometry(screen.right() - 100, screen.bottom() - 80, 100, 80);
    owner.show();
    TemplateDialog nearEdge(dialogTemplate(DialogId::EditHeading), values, &owner);
    nearEdge.show();
    EXPECT_TRUE(screen.contains(nearEdge.geometry())) << nearEdge.geometry().x() << ","
                                                      << nearEdge.geometry().y();
}

// The template's place is counted from where the owner's own drawing starts.
TEST(TemplateDialogPlacement, CountsFromTheOwnersClientArea)
{
    HeadingEntry record;
    BoundRecord<HeadingEntry> values(record, dialogFields<HeadingEntry>());
    const DialogTemplate& heading = dialogTemplate(DialogId::EditHeading);

    QMainWindow frame;
    frame.menuBar()->addMenu(QStringLiteral("&Quiz"));
    frame.setCentralWidget(new QWidget);
    frame.setGeometry(60, 40, 640, 520);
    frame.show();
    TemplateDialog fromFrame(heading, values, &frame);
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
    TemplateDialog fromView(heading, values, &view);
    fromView.show();
    ASSERT_GT(view.viewport()->x(), 0); // inside the frame
    EXPECT_EQ(fromView.geometry().topLeft(), view.viewport()->mapToGlobal(offset));
}

} // namespace
