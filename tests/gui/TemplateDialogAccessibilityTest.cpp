#include "DialogTestSupport.h"

#include <QAccessible>
#include <QLabel>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using namespace dialogtest;
using dialogtest::PrintTo;

struct Spoken {
    int id;
    QAccessible::Role role;
    QString name;
};

struct DialogCase {
    const char* name;
    std::vector<Spoken> controls;
};

class DialogAccessibility : public ::testing::TestWithParam<DialogCase> {};

// What a screen reader hears for each control: edit fields named by the labels over them (or
// under them, where the template has none over), radio buttons and buttons by their own texts.
TEST_P(DialogAccessibility, EveryControlHasTheNameAScreenReaderSpeaks)
{
    const DialogCase& c = GetParam();
    OpenDialog open(c.name);
    for (const Spoken& expected : c.controls) {
        SCOPED_TRACE(expected.id);
        QWidget* control = open.control(expected.id);
        ASSERT_NE(control, nullptr);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(spoken, nullptr);
        EXPECT_EQ(spoken->role(), expected.role);
        EXPECT_EQ(spoken->text(QAccessible::Name), expected.name);
    }
}

constexpr auto edit = QAccessible::EditableText;
constexpr auto radio = QAccessible::RadioButton;
constexpr auto button = QAccessible::Button;

const std::vector<Spoken> ionFields{{101, edit, "Name:"},   {102, edit, "Symbol:"},
                                    {103, edit, "Charge:"}, {1, button, "OK"},
                                    {2, button, "Cancel"}};

INSTANTIATE_TEST_SUITE_P(
    EveryDialog, DialogAccessibility,
    ::testing::Values(
        DialogCase{"FIRSTDIALOG",
                   {{101, radio, "Cation"}, {102, radio, "Anion"}, {1, button, "OK"},
                    {2, button, "Cancel"}}},
        DialogCase{"ADDCAT", ionFields}, DialogCase{"ADDAN", ionFields},
        DialogCase{"CHANGECAT", ionFields}, DialogCase{"CHANGEAN", ionFields},
        DialogCase{"NUMBERDLG",
                   {{101, edit, "Enter the number you want to change or delete."},
                    {105, radio, "Cation"},
                    {106, radio, "Anion"}}},
        DialogCase{"HIGHEST",
                   {{101, edit, "Highest Cation #:"}, {102, edit, "Highest Anion #:"}}},
        DialogCase{"NAMEDLG", {{101, edit, "First Name:"}, {102, edit, "Last Name"}}},
        DialogCase{"EDITHEADING",
                   {{101, edit, "Change the quiz heading above as needed."},
                    {1, button, "OK"},
                    {2, button, "Cancel"}}}),
    byName);

// Each field is also reachable from its label, as screen readers look for labels; a label
// over two fields' worth of dialog names only the one right under it.
TEST(DialogAccessibility, FieldsAreLabelledByTheLabelRightOverThem)
{
    OpenDialog open("ADDCAT");
    std::map<QString, QWidget*> buddies;
    for (QLabel* label : open.dialog->findChildren<QLabel*>())
        buddies[label->text()] = label->buddy();
    EXPECT_EQ(buddies["Name:"], open.control(101));
    EXPECT_EQ(buddies["Symbol:"], open.control(102));
    EXPECT_EQ(buddies["Charge:"], open.control(103));
    EXPECT_EQ(buddies["+"], nullptr);

    QAccessibleInterface* symbol = QAccessible::queryAccessibleInterface(open.control(102));
    const auto labels = symbol->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->text(QAccessible::Name), "Symbol:");
}

} // namespace
