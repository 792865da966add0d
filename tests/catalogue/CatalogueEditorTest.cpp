#include "catalogue/CatalogueEditor.h"

#include "catalogue/CatalogueFile.h"
#include "support/CatalogueFiles.h"
#include "support/CatalogueSide.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Call::Kind;
using Strings = std::vector<std::string>;

const IonList startingCations({TIon("Potassium", "K", 1), TIon("Calcium", "Ca", 2),
                               TIon("Iron(III)", "Fe", 3)});
const IonList startingAnions({TIon("chloride", "Cl", 1), TIon("sulfate", "SO4", 2)});

// The catalogue side of the program over files of three cations and two anions in a folder
// of its own.
class Editing : public ::testing::Test {
protected:
    struct Files {
        TempFolder folder;
        explicit Files(const IonList& cations, const IonList& anions)
        {
            writeCatalogue(folder, cations, anions);
        }
    };

    explicit Editing(const IonList& cations = startingCations, const IonList& anions = startingAnions)
        : files(cations, anions)
    {
    }

    IonList fileList(const char* name) const
    {
        return catalogue_file::parse(files.folder.read(name)).ions;
    }
    const IonList& cations() const { return side.catalogue().cations; }
    const IonList& anions() const { return side.catalogue().anions; }
    std::vector<ScriptedUi::Call> dialogs() const { return ui.callsOf(Kind::Dialog); }

    // Add through FIRSTDIALOG with the given side chosen.
    ScriptedUi::DialogStep& add(bool cation, DialogId dialog)
    {
        ui.expectDialog(DialogId::FirstDialog)
            .fill(AddChoice{cation ? 1u : 0u, cation ? 0u : 1u})
            .ok();
        return ui.expectDialog(dialog);
    }

    Files files;
    ScriptedUi ui;
    CatalogueSide side{ui};
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
    side.commands.edit(&CatalogueEditor::AddIon);

    if (e.message) {
        EXPECT_EQ(ui.messages(), Strings{std::string(e.message) + "|Warning"});
        EXPECT_EQ(cations(), startingCations);
        EXPECT_EQ(fileList("valkora.cat"), startingCations);
        // The dialog comes back with what was typed.
        EXPECT_EQ(dialogs().back().shown<IonEntry>(), (IonEntry{e.name, e.symbol, e.charge}));
    } else {
        EXPECT_TRUE(ui.messages().empty());
        ASSERT_EQ(cations().count(), 4u);
        EXPECT_EQ(cations().at(3), e.stored);
        EXPECT_EQ(fileList("valkora.cat"), cations());
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
    side.commands.edit(&CatalogueEditor::AddIon);
    ui.expectDialog(DialogId::FirstDialog).fill(AddChoice{0, 1}).ok();
    refuseAll(DialogId::AddAn);
    side.commands.edit(&CatalogueEditor::AddIon);
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "1").ok();
    refuseAll(DialogId::ChangeCat);
    side.commands.edit(&CatalogueEditor::ChangeIon);
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"1", 0, 1}).ok();
    refuseAll(DialogId::ChangeAn);
    side.commands.edit(&CatalogueEditor::ChangeIon);

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

TEST_F(Editing, AddAppendsToTheChosenListAndRewritesOnlyItsFile)
{
    const QByteArray anionBytes = files.folder.read("valkora.ani");
    const QDateTime anionTime = QFileInfo(files.folder.path("valkora.ani")).lastModified();
    add(true, DialogId::AddCat).fill(IonEntry{"Sodium", "Na", "1"}).ok();
    side.commands.edit(&CatalogueEditor::AddIon);
    ASSERT_EQ(cations().count(), 4u);
    EXPECT_EQ(cations().at(3), TIon("Sodium", "Na", 1));
    EXPECT_EQ(files.folder.read("valkora.cat").size(), 4 + 4 * 39);
    EXPECT_EQ(fileList("valkora.cat"), cations());
    EXPECT_EQ(files.folder.read("valkora.ani"), anionBytes);
    EXPECT_EQ(QFileInfo(files.folder.path("valkora.ani")).lastModified(), anionTime);

    add(false, DialogId::AddAn).fill(IonEntry{"nitride", "N", "3-"}).ok();
    side.commands.edit(&CatalogueEditor::AddIon);
    ASSERT_EQ(anions().count(), 3u);
    // Anion charges are stored without sign.
    EXPECT_EQ(anions().at(2), TIon("nitride", "N", 3));
    EXPECT_EQ(fileList("valkora.ani"), anions());
}

TEST_F(Editing, EveryAddStartsEmptyEvenAfterOneCancelledHalfWay)
{
    add(true, DialogId::AddCat).set(&IonEntry::name, "Half").set(&IonEntry::symbol, "Hf").ok();
    ui.expectDialog(DialogId::AddCat).set(&IonEntry::charge, "2").cancel();
    side.commands.edit(&CatalogueEditor::AddIon);
    EXPECT_EQ(dialogs()[2].shown<IonEntry>(), (IonEntry{"Half", "Hf", ""}));

    add(true, DialogId::AddCat).cancel();
    side.commands.edit(&CatalogueEditor::AddIon);
    EXPECT_EQ(dialogs().back().shown<IonEntry>(), IonEntry{});
    EXPECT_EQ(cations(), startingCations);
}

TEST_F(Editing, ChangeFillsTheDialogFromTheEntryAndOverwritesItInPlace)
{
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "2").ok();
    ui.expectDialog(DialogId::ChangeCat).fill(IonEntry{"Calcium  ", "Ca", "+2"}).ok();
    side.commands.edit(&CatalogueEditor::ChangeIon);
    EXPECT_EQ(dialogs()[1].shown<IonEntry>(), (IonEntry{"Calcium", "Ca", "2"}));
    EXPECT_EQ(cations().at(1), TIon("Calcium", "Ca", 2));

    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "2").ok();
    ui.expectDialog(DialogId::ChangeCat)
        .set(&IonEntry::name, "Magnesium")
        .set(&IonEntry::symbol, "Mg")
        .ok();
    side.commands.edit(&CatalogueEditor::ChangeIon);
    EXPECT_EQ(cations().count(), 3u);
    EXPECT_EQ(cations().at(1), TIon("Magnesium", "Mg", 2));
    EXPECT_EQ(fileList("valkora.cat"), cations());
    EXPECT_EQ(fileList("valkora.ani"), startingAnions);
}

TEST_F(Editing, CancelInTheChangeDialogEndsTheCommand)
{
    const QByteArray before = files.folder.read("valkora.cat");
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "2").ok();
    ui.expectDialog(DialogId::ChangeCat).set(&IonEntry::name, "Other").cancel();
    // No NUMBERDLG is scripted after it: going back to it would fail the test.
    side.commands.edit(&CatalogueEditor::ChangeIon);
    EXPECT_EQ(cations(), startingCations);
    EXPECT_EQ(files.folder.read("valkora.cat"), before);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Editing, AnionRangeMessagesDifferBetweenAddAndChange)
{
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"1", 0, 1}).ok();
    ui.expectDialog(DialogId::ChangeAn).set(&IonEntry::charge, "-2").ok();
    ui.expectDialog(DialogId::ChangeAn).cancel();
    side.commands.edit(&CatalogueEditor::ChangeIon);
    add(false, DialogId::AddAn).fill(IonEntry{"oxide", "O", "-2"}).ok();
    ui.expectDialog(DialogId::AddAn).cancel();
    side.commands.edit(&CatalogueEditor::AddIon);
    EXPECT_EQ(ui.messages(), (Strings{"You must include an anion charge from 1+ to 4+.|Warning",
                                      "You must include a anion charge from 1- to 4-.|Warning"}));
}

TEST_F(Editing, DeleteClosesTheGapAndRewritesTheFile)
{
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "1").ok();
    side.commands.edit(&CatalogueEditor::DeleteIon);
    EXPECT_EQ(cations(), IonList({TIon("Calcium", "Ca", 2), TIon("Iron(III)", "Fe", 3)}));
    EXPECT_EQ(files.folder.read("valkora.cat").size(), 82);
    EXPECT_EQ(fileList("valkora.cat"), cations());
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Editing, NumbersThatDoNotExistAreRefusedForTheChosenList)
{
    for (const char* typed : {"", "0", "-1", "abc", "4"})
        ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, typed).ok();
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"3", 0, 1}).ok();
    ui.expectDialog(DialogId::NumberDlg).cancel();
    side.commands.edit(&CatalogueEditor::DeleteIon);
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
    side.commands.edit(&CatalogueEditor::ChangeIon);
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
    side.commands.edit(&CatalogueEditor::ChangeIon);
    EXPECT_EQ(ui.messages(), (Strings{"You must include a cation number that exists.|Warning",
                                      "You must include an anion number that exists.|Warning"}));
}

TEST_F(Editing, TheTwoCationAnionChoicesAreRememberedApart)
{
    // Both start at Cation.
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"1", 0, 1}).ok();
    side.commands.edit(&CatalogueEditor::DeleteIon);
    ui.expectDialog(DialogId::FirstDialog).cancel();
    side.commands.edit(&CatalogueEditor::AddIon);
    ui.expectDialog(DialogId::NumberDlg).cancel();
    side.commands.edit(&CatalogueEditor::ChangeIon);

    const auto shown = dialogs();
    EXPECT_EQ(shown[0].shown<NumberEntry>(), (NumberEntry{"", 1, 0}));
    EXPECT_EQ(shown[1].text, "FIRSTDIALOG");
    EXPECT_EQ(shown[1].shown<AddChoice>(), (AddChoice{1, 0}));
    EXPECT_EQ(shown[2].shown<NumberEntry>(), (NumberEntry{"", 0, 1}));
    EXPECT_EQ(anions(), IonList({TIon("sulfate", "SO4", 2)}));
}

TEST_F(Editing, AnEntryTooLongForTheFieldsIsOfferedWhatFits)
{
    side.catalogue().cations.at(0) = TIon("Odd", std::string(14, 'S'), -2147483647 - 1);
    ui.expectDialog(DialogId::NumberDlg).set(&NumberEntry::number, "1").ok();
    ui.expectDialog(DialogId::ChangeCat).cancel();
    side.commands.edit(&CatalogueEditor::ChangeIon);
    EXPECT_EQ(dialogs()[1].shown<IonEntry>(), (IonEntry{"Odd", std::string(14, 'S'), "-2147"}));
}

TEST_F(Editing, AFailedSaveKeepsTheEditAndSaysSo)
{
    QFile::remove(files.folder.path("valkora.cat"));
    ASSERT_TRUE(QDir(files.folder.path("")).mkdir("valkora.cat"));
    add(true, DialogId::AddCat).fill(IonEntry{"Sodium", "Na", "1"}).ok();
    side.commands.edit(&CatalogueEditor::AddIon);
    EXPECT_EQ(ui.messages(), Strings{"File valkora.cat cannot be found!|Warning"});
    EXPECT_EQ(cations().count(), 4u);
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

TEST_P(SortTable, OrdersByTheBytesOfTheNamesAndRewritesBothFiles)
{
    const SortCase& c = GetParam();
    TempFolder folder;
    const IonList anions({TIon("sulfate", "SO4", 2), TIon("chloride", "Cl", 1)});
    writeCatalogue(folder, IonList(c.before), anions);
    ScriptedUi ui;
    CatalogueSide side(ui);
    // Removed, so that the sort must write them anew.
    QFile::remove(folder.path("valkora.cat"));
    QFile::remove(folder.path("valkora.ani"));

    side.commands.edit(&CatalogueEditor::SortIons);
    EXPECT_EQ(side.catalogue().cations, IonList(c.after));
    EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(IonList(c.after)));
    EXPECT_EQ(side.catalogue().anions, IonList({TIon("chloride", "Cl", 1), TIon("sulfate", "SO4", 2)}));
    EXPECT_EQ(folder.read("valkora.ani"), catalogue_file::serialize(side.catalogue().anions));
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
