#include "resources/DialogRecords.h"
#include "resources/DialogTemplates.h"
#include "support/EveryDialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

// A record of another dialog does not compile; the checks below would fail the build.
template <DialogId id, typename Record>
concept RunsWith = requires(Ui& ui, Record& record) { runDialog<id>(ui, nullptr, record); };

static_assert(RunsWith<DialogId::AddCat, IonEntry>);
static_assert(RunsWith<DialogId::ChangeAn, IonEntry>);
static_assert(RunsWith<DialogId::NameDlg, StudentName>);
static_assert(!RunsWith<DialogId::NameDlg, RangeEntry>);
static_assert(!RunsWith<DialogId::Highest, StudentName>);
static_assert(!RunsWith<DialogId::FirstDialog, NumberEntry>);
static_assert(!RunsWith<DialogId::EditHeading, IonEntry>);

// The widths of the fields, terminator included: what each field takes is one less.
static_assert(fieldWidth(&IonEntry::name) == 20);
static_assert(fieldWidth(&IonEntry::symbol) == 15);
static_assert(fieldWidth(&IonEntry::charge) == 6);
static_assert(fieldWidth(&NumberEntry::number) == 6);
static_assert(fieldWidth(&RangeEntry::highestCation) == 20);
static_assert(fieldWidth(&RangeEntry::highestAnion) == 20);
static_assert(fieldWidth(&StudentName::first) == 20);
static_assert(fieldWidth(&StudentName::last) == 20);
static_assert(fieldWidth(&HeadingEntry::heading) == 121);

using Kinds = std::map<int, DialogValues::Kind>;

// Which controls of a template take a value, and as what.
Kinds boundControls(const DialogTemplate& dialog)
{
    Kinds kinds;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.kind == ControlKind::Edit || control.kind == ControlKind::MultiLineEdit)
            kinds[control.id] = DialogValues::Kind::Text;
        else if (control.kind == ControlKind::RadioButton)
            kinds[control.id] = DialogValues::Kind::Choice;
    }
    return kinds;
}

TEST(DialogRecords, EachRecordBindsExactlyItsTemplatesEditsAndRadioButtons)
{
    ASSERT_EQ(allDialogTemplates().size(), dialogCount);
    int checked = 0;
    forEveryDialog([&]<DialogId id>() {
        const DialogTemplate& dialog = dialogTemplate(id);
        SCOPED_TRACE(dialog.name);
        EXPECT_EQ(dialog.id, id);
        Kinds bound;
        for (const FieldBinding<DialogRecord<id>>& field : dialogFields<DialogRecord<id>>())
            EXPECT_TRUE(bound.emplace(field.controlId, field.kind()).second)
                << "control " << field.controlId << " bound twice";
        EXPECT_EQ(bound, boundControls(dialog));
        ++checked;
    });
    EXPECT_EQ(checked, 9);
}

TEST(DialogRecords, TemplatesKeepTheirResourceNames)
{
    const std::pair<DialogId, const char*> names[] = {
        {DialogId::FirstDialog, "FIRSTDIALOG"}, {DialogId::AddCat, "ADDCAT"},
        {DialogId::AddAn, "ADDAN"},             {DialogId::ChangeCat, "CHANGECAT"},
        {DialogId::ChangeAn, "CHANGEAN"},       {DialogId::NumberDlg, "NUMBERDLG"},
        {DialogId::Highest, "HIGHEST"},         {DialogId::NameDlg, "NAMEDLG"},
        {DialogId::EditHeading, "EDITHEADING"},
    };
    for (const auto& [id, name] : names)
        EXPECT_EQ(dialogTemplate(id).name, name);
}

TEST(DialogRecords, FittingCutsEveryTextToItsField)
{
    EXPECT_EQ(fittedToDialog(IonEntry{"Sodium hydrogen carbonate", std::string(20, 'S'),
                                      "-2147483648"}),
              (IonEntry{"Sodium hydrogen car", std::string(14, 'S'), "-2147"}));
    EXPECT_EQ(fittedToDialog(HeadingEntry{std::string(130, 'h')}).heading.size(), 120u);
    EXPECT_EQ(fittedToDialog(NumberEntry{"123456", 1, 0}), (NumberEntry{"12345", 1, 0}));
}

} // namespace
