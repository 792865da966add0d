#include "catalogue/CatalogueEditor.h"

#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

using Changed = CatalogueEditor::Changed;
using Kind = ScriptedUi::Call::Kind;
using Strings = std::vector<std::string>;

const IonList startingCations({TIon("Potassium", "K", 1), TIon("Calcium", "Ca", 2),
                               TIon("Iron(III)", "Fe", 3)});
const IonList startingAnions({TIon("chloride", "Cl", 1), TIon("sulfate", "SO4", 2)});

// The editor over lists of three cations and two anions. What it says it changed is what
// its owner saves (tests/app/CatalogueCommandsTest.cpp).
class Editing : public ::testing::Test {
protected:
    explicit Editing(const IonList& cations = startingCations, const IonList& anions = startingAnions)
        : lists{cations, anions}
    {
    }

    const IonList& cations() const { return lists.cations; }
    const IonList& anions() const { return lists.anions; }
    std::vector<ScriptedUi::Call> dialogs() const { return ui.callsOf(Kind::Dialog); }

    // Add through FIRSTDIALOG with the given side chosen.
    ScriptedUi::DialogStep& add(bool cation, DialogId dialog)
    {
        ui.expectDialog(DialogId::FirstDialog)
            .fill(AddChoice{cation ? 1u : 0u, cation ? 0u : 1u})
            .ok();
        return ui.expectDialog(dialog);
    }

    IonCatalogue lists;
    ScriptedUi ui;
    CatalogueEditor editor{ui, nullptr, lists};
};

struct Entry {
    const char* label;
    const char* name;
    const char* symbol;
    const char* charge;
    const char* message; // null when accepted
    TIon stored = {};
};

void PrintTo(const Entry& e, std::ostream* os)
{
    *os << e.label;
}

class EntryCheckTable : public Editing, public ::testing::WithParamInterface<Entry> {};

TEST_P(EntryCheckTable, RefusesWithItsMessageOrStoresTheEntry)
{
    const Entry& e = GetParam();
    add(true, DialogId::AddCat).fill(IonEntry{e.name, e.symbol, e.charge}).ok();
    if (e.message)
        ui.expectDialog(DialogId::AddCat).cancel();
    const Changed changed = editor.AddIon();

    if (e.message) {
        EXPECT_EQ(changed, Changed::Nothing);
        EXPECT_EQ(ui.messages(), Strings{std::string(e.message) + "|Warning"});
        EXPECT_EQ(cations(), startingCations);
        // The dialog comes back with what was typed.
        EXPECT_EQ(dialogs().back().shown<IonEntry>(), (IonEntry{e.name, e.symbol, e.charge}));
    } else {
        EXPECT_EQ(changed, Changed::Cations);
        EXPECT_TRUE(ui.messages().empty());
        ASSERT_EQ(cations().count(), 4u);
        EXPECT_EQ(cations().at(3), e.stored);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AddCation, EntryCheckTable,
    ::testing::Values(
        Entry{"charge_1", "Sodium", "Na", "1", nullptr, TIon("Sodium", "Na", 1)},
        Entry{"charge_plus_1", "Sodium", "Na", "+1", nullptr, TIon("Sodium", "Na", 1)},
        Entry{"charge_1_plus", "Sodium", "Na", "1+", nullptr, TIon("Sodium", "Na", 1)},
        Entry{"charge_4abc", "Tin(IV)", "Sn", "4abc", nullptr, TIon("Tin(IV)", "Sn", 4)},
        Entry{"charge_0", "Sodium", "Na", "0", "You must include a cation charge from 1+ to 4+."},
        Entry{"charge_5", "Sodium", "Na", "5", "You must include a cation charge from 1+ to 4+."},
        Entry{"charge_minus_1", "Sodium", "Na", "-1", "You must include a cation charge from 1+ to 4+."},
        Entry{"charge_x", "Sodium", "Na", "x", "You must include a cation charge from 1+ to 4+."},
        Entry{"charge_blank_2", "Sodium", "Na", " 2", "You must include a cation charge."},
        Entry{"charge_empty", "Sodium", "Na", "", "You must include a cation charge."},
        Entry{"name_leading_blanks", "  Iron", "Fe", "2", "You must include a cation name."},
        Entry{"name_empty", "", "Fe", "2", "You must include a cation name."},
        Entry{"name_trailing_blanks_trimmed", "Iron  ", "Fe ", "2", nullptr, TIon("Iron", "Fe", 2)},
        Entry{"name_one_letter_then_blanks", "X  ", "X", "1", nullptr, TIon("X", "X", 1)},
        Entry{"symbol_single_blank", "Iron", " ", "2", "You must include a cation symbol."},
        Entry{"symbol_empty", "Iron", "", "2", "You must include a cation symbol."},
        Entry{"name_checked_before_symbol_and_charge", " ", "", "", "You must include a cation name."}),
    [](const ::testing::TestParamInfo<Entry>& info) { return std::string(info.param.label); });

// Each dialog's four warnings, in rule order.
TEST_F(Editing, EachIonDialogHasItsOwnWarnings)
{
    const auto refuseAll = [this](DialogId dialog) {
        ui.expectDialog(dialog).fill(IonEntry{"", "S", "1"}).ok();
        ui.expectDialog(dialog).set(&IonEntry::name, "N").set(&IonEntry::symbol, "").ok();
        ui.expectDialog(dialog).set(&IonEntry::symbol, "S").set(&IonEntry::charge, "").ok();
        ui.expectDialog(dialog).set(&IonEntry::charge, "-2").ok();
        ui.expectDialog(dialog).cancel();
    };
    ui.expectDialog(DialogId::FirstDialog).ok();
    refuseAll(DialogId::AddCat);
    EXPECT_EQ(editor.AddIon(), Changed::Nothing);
    ui.expectDialog(DialogId::FirstDialog).fill(AddChoice{0, 1}).ok();
    refuseAll(DialogId::AddAn);
    EXPECT_EQ(editor.AddIon(), Changed::Nothing);
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "1").ok();
    refuseAll(DialogId::ChangeCat);
    EXPECT_EQ(editor.ChangeIon(), Changed::Nothing);
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"1", 0, 1}).ok();
    refuseAll(DialogId::ChangeAn);
    EXPECT_EQ(editor.ChangeIon(), Changed::Nothing);

    EXPECT_EQ(ui.messages(), (Strings{
                                 "You must include a cation name.|Warning",
                                 "You must include a cation symbol.|Warning",
                                 "You must include a cation charge.|Warning",
                                 "You must include a cation charge from 1+ to 4+.|Warning",
                                 "You must include an anion name.|Warning",
                                 "You must include an anion symbol.|Warning",
                                 "You must include an anion charge.|Warning",
                                 "You must include a anion charge from 1- to 4-.|Warning",
                                 "You must include a cation name.|Warning",
                                 "You must include a cation symbol.|Warning",
                                 "You must include a cation charge.|Warning",
                                 "You must include a cation charge from 1+ to 4+.|Warning",
                                 "You must include an anion name.|Warning",
                                 "You must include an anion symbol.|Warning",
                                 "You must include an anion charge.|Warning",
                                 "You must include an anion charge from 1+ to 4+.|Warning",
                             }));
    for (const auto& call : ui.callsOf(Kind::Message))
        EXPECT_EQ(call.icon, MessageIcon::Exclamation);
    EXPECT_EQ(cations(), startingCations);
    EXPECT_EQ(anions(), startingAnions);
}

TEST_F(Editing, AddAppendsToTheChosenListAndSaysWhichChanged)
{
    add(true, DialogId::AddCat).fill(IonEntry{"Sodium", "Na", "1"}).ok();
    EXPECT_EQ(editor.AddIon(), Changed::Cations);
    ASSERT_EQ(cations().count(), 4u);
    EXPECT_EQ(cations().at(3), TIon("Sodium", "Na", 1));
    EXPECT_EQ(anions(), startingAnions);

    add(false, DialogId::AddAn).fill(IonEntry{"nitride", "N", "3-"}).ok();
    EXPECT_EQ(editor.AddIon(), Changed::Anions);
    ASSERT_EQ(anions().count(), 3u);
    // Anion charges are stored without sign.
    EXPECT_EQ(anions().at(2), TIon("nitride", "N", 3));
}

TEST_F(Editing, EveryAddStartsEmptyEvenAfterOneCancelledHalfWay)
{
    add(true, DialogId::AddCat).set(&IonEntry::name, "Half").set(&IonEntry::symbol, "Hf").ok();
    ui.expectDialog(DialogId::AddCat).set(&IonEntry::charge, "2").cancel();
    EXPECT_EQ(editor.AddIon(), Changed::Nothing);
    EXPECT_EQ(dialogs()[2].shown<IonEntry>(), (IonEntry{"Half", "Hf", ""}));

    add(true, DialogId::AddCat).cancel();
    EXPECT_EQ(editor.AddIon(), Changed::Nothing);
    EXPECT_EQ(dialogs().back().shown<IonEntry>(), IonEntry{});
    EXPECT_EQ(cations(), startingCations);
}

TEST_F(Editing, ChangeFillsTheDialogFromTheEntryAndOverwritesItInPlace)
{
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "2").ok();
    ui.expectDialog(DialogId::ChangeCat).fill(IonEntry{"Calcium  ", "Ca", "+2"}).ok();
    EXPECT_EQ(editor.ChangeIon(), Changed::Cations);
    EXPECT_EQ(dialogs()[1].shown<IonEntry>(), (IonEntry{"Calcium", "Ca", "2"}));
    EXPECT_EQ(cations().at(1), TIon("Calcium", "Ca", 2));

    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "2").ok();
    ui.expectDialog(DialogId::ChangeCat)
        .set(&IonEntry::name, "Magnesium")
        .set(&IonEntry::symbol, "Mg")
        .ok();
    EXPECT_EQ(editor.ChangeIon(), Changed::Cations);
    EXPECT_EQ(cations().count(), 3u);
    EXPECT_EQ(cations().at(1), TIon("Magnesium", "Mg", 2));
    EXPECT_EQ(anions(), startingAnions);
}

TEST_F(Editing, CancelInTheChangeDialogEndsTheCommand)
{
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "2").ok();
    ui.expectDialog(DialogId::ChangeCat).set(&IonEntry::name, "Other").cancel();
    // No NUMBERDLG is scripted after it: going back to it would fail the test.
    EXPECT_EQ(editor.ChangeIon(), Changed::Nothing);
    EXPECT_EQ(cations(), startingCations);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Editing, AnionRangeMessagesDifferBetweenAddAndChange)
{
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"1", 0, 1}).ok();
    ui.expectDialog(DialogId::ChangeAn).set(&IonEntry::charge, "-2").ok();
    ui.expectDialog(DialogId::ChangeAn).cancel();
    editor.ChangeIon();
    add(false, DialogId::AddAn).fill(IonEntry{"oxide", "O", "-2"}).ok();
    ui.expectDialog(DialogId::AddAn).cancel();
    editor.AddIon();
    EXPECT_EQ(ui.messages(), (Strings{"You must include an anion charge from 1+ to 4+.|Warning",
                                      "You must include a anion charge from 1- to 4-.|Warning"}));
}

TEST_F(Editing, DeleteClosesTheGap)
{
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "1").ok();
    EXPECT_EQ(editor.DeleteIon(), Changed::Cations);
    EXPECT_EQ(cations(), IonList({TIon("Calcium", "Ca", 2), TIon("Iron(III)", "Fe", 3)}));
    EXPECT_EQ(anions(), startingAnions);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Editing, NumbersThatDoNotExistAreRefusedForTheChosenList)
{
    for (const char* typed : {"", "0", "-1", "abc", "4"})
        ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, typed).ok();
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"3", 0, 1}).ok();
    ui.expectDialog(DialogId::NumberDlg).cancel();
    EXPECT_EQ(editor.DeleteIon(), Changed::Nothing);
    Strings expected(5, "You must include a cation number that exists.|Warning");
    expected.push_back("You must include an anion number that exists.|Warning");
    EXPECT_EQ(ui.messages(), expected);
    EXPECT_EQ(cations(), startingCations);
    EXPECT_EQ(anions(), startingAnions);
    // The dialog comes back with the number as typed; each command starts with it empty.
    EXPECT_EQ(dialogs()[1].shown<NumberEntry>(), (NumberEntry{"", 1, 0}));
    EXPECT_EQ(dialogs()[2].shown<NumberEntry>(), (NumberEntry{"0", 1, 0}));
    EXPECT_EQ(dialogs()[5].shown<NumberEntry>(), (NumberEntry{"4", 1, 0}));
    ui.expectDialog(DialogId::NumberDlg).cancel();
    editor.ChangeIon();
    EXPECT_EQ(dialogs().back().shown<NumberEntry>(), (NumberEntry{"", 0, 1}));
}

class EditingEmptyLists : public Editing {
protected:
    EditingEmptyLists() : Editing(IonList(), IonList()) {}
};

TEST_F(EditingEmptyLists, AnyNumberOfAnEmptyListIsRefused)
{
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "1").ok();
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"1", 0, 1}).ok();
    ui.expectDialog(DialogId::NumberDlg).cancel();
    EXPECT_EQ(editor.ChangeIon(), Changed::Nothing);
    EXPECT_EQ(ui.messages(), (Strings{"You must include a cation number that exists.|Warning",
                                      "You must include an anion number that exists.|Warning"}));
}

TEST_F(Editing, TheTwoCationAnionChoicesAreRememberedApart)
{
    // Both start at Cation.
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"1", 0, 1}).ok();
    EXPECT_EQ(editor.DeleteIon(), Changed::Anions);
    ui.expectDialog(DialogId::FirstDialog).cancel();
    editor.AddIon();
    ui.expectDialog(DialogId::NumberDlg).cancel();
    editor.ChangeIon();

    const auto shown = dialogs();
    EXPECT_EQ(shown[0].shown<NumberEntry>(), (NumberEntry{"", 1, 0}));
    EXPECT_EQ(shown[1].text, "FIRSTDIALOG");
    EXPECT_EQ(shown[1].shown<AddChoice>(), (AddChoice{1, 0}));
    EXPECT_EQ(shown[2].shown<NumberEntry>(), (NumberEntry{"", 0, 1}));
    EXPECT_EQ(anions(), IonList({TIon("sulfate", "SO4", 2)}));
}

TEST_F(Editing, AnEntryTooLongForTheFieldsIsOfferedWhatFits)
{
    lists.cations.at(0) = TIon("Odd", std::string(14, 'S'), -2147483647 - 1);
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "1").ok();
    ui.expectDialog(DialogId::ChangeCat).cancel();
    editor.ChangeIon();
    EXPECT_EQ(dialogs()[1].shown<IonEntry>(), (IonEntry{"Odd", std::string(14, 'S'), "-2147"}));
}

TEST(TrimTrailingBlanks, CutsOnlyBlanksAndNeverTheFirstCharacter)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Iron  ", "Iron"}, {"Iron", "Iron"}, {"Iron II ", "Iron II"}, {"X   ", "X"},
        {" ", " "},         {"Fe\t ", "Fe\t"}, {"", ""},
    };
    for (auto [text, trimmed] : cases) {
        TrimTrailingBlanks(text);
        EXPECT_EQ(text, trimmed);
    }
}

struct SortCase {
    const char* label;
    std::vector<TIon> before;
    std::vector<TIon> after;
};

void PrintTo(const SortCase& c, std::ostream* os)
{
    *os << c.label;
}

class SortTable : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortTable, OrdersByTheBytesOfTheNamesAndChangesBothLists)
{
    const SortCase& c = GetParam();
    IonCatalogue lists{IonList(c.before), IonList({TIon("sulfate", "SO4", 2), TIon("chloride", "Cl", 1)})};
    ScriptedUi ui;
    CatalogueEditor editor(ui, nullptr, lists);

    EXPECT_EQ(editor.SortIons(), Changed::Both);
    EXPECT_EQ(lists.cations, IonList(c.after));
    EXPECT_EQ(lists.anions, IonList({TIon("chloride", "Cl", 1), TIon("sulfate", "SO4", 2)}));
    EXPECT_TRUE(ui.calls().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SortTable,
    ::testing::Values(
        SortCase{"alphabetical_with_symbols_and_charges",
                 {TIon("Sodium", "Na", 1), TIon("Calcium", "Ca", 2), TIon("Aluminum", "Al", 3)},
                 {TIon("Aluminum", "Al", 3), TIon("Calcium", "Ca", 2), TIon("Sodium", "Na", 1)}},
        SortCase{"capitals_first", {TIon("iron", "fe", 2), TIon("Iron", "Fe", 3)},
                 {TIon("Iron", "Fe", 3), TIon("iron", "fe", 2)}},
        SortCase{"Z_before_a", {TIon("Zinc", "Zn", 2), TIon("aluminum", "Al", 3)},
                 {TIon("Zinc", "Zn", 2), TIon("aluminum", "Al", 3)}},
        SortCase{"prefix_first", {TIon("Iron II", "Fe", 2), TIon("Iron", "Fe", 3)},
                 {TIon("Iron", "Fe", 3), TIon("Iron II", "Fe", 2)}},
        SortCase{"equal_names_keep_their_order",
                 {TIon("Lead", "Pb", 4), TIon("Copper", "Cu", 1), TIon("Lead", "Pb", 2),
                  TIon("Lead", "PB", 3)},
                 {TIon("Copper", "Cu", 1), TIon("Lead", "Pb", 4), TIon("Lead", "Pb", 2),
                  TIon("Lead", "PB", 3)}},
        SortCase{"bytes_above_127_last", {TIon("\xc9tain", "Sn", 4), TIon("zinc", "Zn", 2)},
                 {TIon("zinc", "Zn", 2), TIon("\xc9tain", "Sn", 4)}},
        SortCase{"digits_and_blanks_before_letters", {TIon("B", "B", 1), TIon("2A", "A", 1), TIon(" C", "C", 1)},
                 {TIon(" C", "C", 1), TIon("2A", "A", 1), TIon("B", "B", 1)}},
        SortCase{"empty", {}, {}},
        SortCase{"one_entry", {TIon("Sodium", "Na", 1)}, {TIon("Sodium", "Na", 1)}},
        SortCase{"already_sorted", {TIon("Aluminum", "Al", 3), TIon("Barium", "Ba", 2)},
                 {TIon("Aluminum", "Al", 3), TIon("Barium", "Ba", 2)}}),
    [](const ::testing::TestParamInfo<SortCase>& info) { return std::string(info.param.label); });

} // namespace
