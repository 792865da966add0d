// Two catalogue sides on one data folder, as two copies of the program would be: an edit in
// one must never silently remove what the other saved.
#include "views/TSymbolWindow.h"

#include "catalogue/CatalogueFile.h"
#include "shell/CatalogueSide.h"
#include "support/CatalogueFiles.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

namespace {

using Kind = ScriptedUi::Call::Kind;
using Strings = std::vector<std::string>;

const IonList startCations({TIon("Potassium", "K", 1), TIon("Calcium", "Ca", 2),
                            TIon("Iron(III)", "Fe", 3)});
const IonList startAnions({TIon("sulfate", "SO4", 2), TIon("chloride", "Cl", 1),
                           TIon("nitrate", "NO3", 1)});

std::string refusal(const char* fileName)
{
    return std::string(fileName) +
           " was changed by another program. Your change was not saved; the list has been read "
           "again.|Warning";
}

// A refused sort: the files that changed, "valkora.cat was" or "valkora.cat and valkora.ani
// were".
std::string sortRefusal(const char* changed)
{
    return std::string(changed) +
           " changed by another program. Your change was not saved; both lists have been read "
           "again.|Warning";
}

// One command of the List menu, scripted and given in one copy of the program.
using Edit = std::function<void(ScriptedUi&, CatalogueSide&)>;

Edit add(bool cation, std::string name, std::string symbol, std::string charge)
{
    return [=](ScriptedUi& ui, CatalogueSide& side) {
        ui.expectDialog(DialogId::FirstDialog)
            .fill(AddChoice{cation ? 1u : 0u, cation ? 0u : 1u})
            .ok();
        ui.expectDialog(cation ? DialogId::AddCat : DialogId::AddAn)
            .fill(IonEntry{name, symbol, charge})
            .ok();
        side.commands.edit(&CatalogueEditor::AddIon);
    };
}

Edit change(bool cation, int number, std::string name, std::string symbol, std::string charge)
{
    return [=](ScriptedUi& ui, CatalogueSide& side) {
        ui.expectDialog(DialogId::NumberDlg)
            .fill(NumberEntry{std::to_string(number), cation ? 1u : 0u, cation ? 0u : 1u})
            .ok();
        ui.expectDialog(cation ? DialogId::ChangeCat : DialogId::ChangeAn)
            .fill(IonEntry{name, symbol, charge})
            .ok();
        side.commands.edit(&CatalogueEditor::ChangeIon);
    };
}

Edit remove(bool cation, int number)
{
    return [=](ScriptedUi& ui, CatalogueSide& side) {
        ui.expectDialog(DialogId::NumberDlg)
            .fill(NumberEntry{std::to_string(number), cation ? 1u : 0u, cation ? 0u : 1u})
            .ok();
        side.commands.edit(&CatalogueEditor::DeleteIon);
    };
}

// Window A and window B, both loaded from the same files before either edits.
class TwoWindows : public ::testing::Test {
protected:
    TwoWindows()
    {
        writeCatalogue(folder, startCations, startAnions);
        a = std::make_unique<CatalogueSide>(uiA);
        b = std::make_unique<CatalogueSide>(uiB);
    }

    IonList fileList(const char* name) const
    {
        return catalogue_file::parse(folder.read(name)).ions;
    }

    void expectOneRefusal(const char* fileName)
    {
        EXPECT_EQ(uiB.messages(), Strings{refusal(fileName)});
        for (const ScriptedUi::Call& call : uiB.callsOf(Kind::Message)) {
            EXPECT_EQ(call.icon, MessageIcon::Exclamation);
            EXPECT_EQ(call.buttons, MessageButtons::Ok);
            EXPECT_EQ(call.owner, &b->view);
        }
    }

    TempFolder folder;
    ScriptedUi uiA;
    ScriptedUi uiB;
    std::unique_ptr<CatalogueSide> a;
    std::unique_ptr<CatalogueSide> b;
};

// A edits first; B's edit of the same list is refused and B is shown A's list; B's edit
// made again is saved on top of A's.
struct ConflictCase {
    const char* label;
    bool cation;
    Edit byA;
    Edit byB;
    Edit byBAgain;
    IonList afterA;
    IonList afterBoth;
};

void PrintTo(const ConflictCase& c, std::ostream* os)
{
    *os << c.label;
}

class EditConflict : public TwoWindows, public ::testing::WithParamInterface<ConflictCase> {};

TEST_P(EditConflict, TheLaterSaveIsRefusedAndNothingIsLost)
{
    const ConflictCase& c = GetParam();
    const char* file = c.cation ? "valkora.cat" : "valkora.ani";
    const char* otherFile = c.cation ? "valkora.ani" : "valkora.cat";
    const auto list = [&c](CatalogueSide& side) -> const IonList& {
        return c.cation ? side.catalogue().cations : side.catalogue().anions;
    };
    const auto otherList = [&c](CatalogueSide& side) -> const IonList& {
        return c.cation ? side.catalogue().anions : side.catalogue().cations;
    };
    const QByteArray otherBytes = folder.read(otherFile);

    c.byA(uiA, *a);
    ASSERT_TRUE(uiA.messages().empty());
    ASSERT_EQ(list(*a), c.afterA);
    const QByteArray savedByA = folder.read(file);
    ASSERT_EQ(savedByA, catalogue_file::serialize(c.afterA));

    c.byB(uiB, *b);
    expectOneRefusal(file);
    EXPECT_EQ(folder.read(file), savedByA);
    EXPECT_EQ(list(*b), c.afterA) << "B shows the list as A saved it";
    EXPECT_EQ(folder.read(otherFile), otherBytes);
    EXPECT_EQ(otherList(*b), c.cation ? startAnions : startCations);

    uiB.clearCalls();
    c.byBAgain(uiB, *b);
    EXPECT_TRUE(uiB.messages().empty());
    EXPECT_EQ(list(*b), c.afterBoth);
    EXPECT_EQ(folder.read(file), catalogue_file::serialize(c.afterBoth));
    EXPECT_EQ(folder.read(otherFile), otherBytes);
}

INSTANTIATE_TEST_SUITE_P(
    ListCommands, EditConflict,
    ::testing::Values(
        ConflictCase{"add_cation", true, add(true, "Sodium", "Na", "1"),
                     add(true, "Magnesium", "Mg", "2"), add(true, "Magnesium", "Mg", "2"),
                     IonList({TIon("Potassium", "K", 1), TIon("Calcium", "Ca", 2),
                              TIon("Iron(III)", "Fe", 3), TIon("Sodium", "Na", 1)}),
                     IonList({TIon("Potassium", "K", 1), TIon("Calcium", "Ca", 2),
                              TIon("Iron(III)", "Fe", 3), TIon("Sodium", "Na", 1),
                              TIon("Magnesium", "Mg", 2)})},
        ConflictCase{"add_anion", false, add(false, "oxide", "O", "2"),
                     add(false, "nitride", "N", "3"), add(false, "nitride", "N", "3"),
                     IonList({TIon("sulfate", "SO4", 2), TIon("chloride", "Cl", 1),
                              TIon("nitrate", "NO3", 1), TIon("oxide", "O", 2)}),
                     IonList({TIon("sulfate", "SO4", 2), TIon("chloride", "Cl", 1),
                              TIon("nitrate", "NO3", 1), TIon("oxide", "O", 2),
                              TIon("nitride", "N", 3)})},
        ConflictCase{"change_cation", true, change(true, 1, "Rubidium", "Rb", "1"),
                     change(true, 3, "Iron(II)", "Fe", "2"), change(true, 3, "Iron(II)", "Fe", "2"),
                     IonList({TIon("Rubidium", "Rb", 1), TIon("Calcium", "Ca", 2),
                              TIon("Iron(III)", "Fe", 3)}),
                     IonList({TIon("Rubidium", "Rb", 1), TIon("Calcium", "Ca", 2),
                              TIon("Iron(II)", "Fe", 2)})},
        ConflictCase{"change_anion", false, change(false, 1, "sulfide", "S", "2"),
                     change(false, 2, "fluoride", "F", "1"), change(false, 2, "fluoride", "F", "1"),
                     IonList({TIon("sulfide", "S", 2), TIon("chloride", "Cl", 1),
                              TIon("nitrate", "NO3", 1)}),
                     IonList({TIon("sulfide", "S", 2), TIon("fluoride", "F", 1),
                              TIon("nitrate", "NO3", 1)})},
        // The numbers B sees move up after A's delete, so the same ion has a new number.
        ConflictCase{"delete_cation", true, remove(true, 1), remove(true, 3), remove(true, 2),
                     IonList({TIon("Calcium", "Ca", 2), TIon("Iron(III)", "Fe", 3)}),
                     IonList({TIon("Calcium", "Ca", 2)})},
        ConflictCase{"delete_anion", false, remove(false, 1), remove(false, 3), remove(false, 2),
                     IonList({TIon("chloride", "Cl", 1), TIon("nitrate", "NO3", 1)}),
                     IonList({TIon("chloride", "Cl", 1)})},
        ConflictCase{"add_then_delete", true, add(true, "Sodium", "Na", "1"), remove(true, 1),
                     remove(true, 1),
                     IonList({TIon("Potassium", "K", 1), TIon("Calcium", "Ca", 2),
                              TIon("Iron(III)", "Fe", 3), TIon("Sodium", "Na", 1)}),
                     IonList({TIon("Calcium", "Ca", 2), TIon("Iron(III)", "Fe", 3),
                              TIon("Sodium", "Na", 1)})},
        ConflictCase{"delete_then_change", false, remove(false, 2),
                     change(false, 3, "nitrite", "NO2", "1"),
                     change(false, 2, "nitrite", "NO2", "1"),
                     IonList({TIon("sulfate", "SO4", 2), TIon("nitrate", "NO3", 1)}),
                     IonList({TIon("sulfate", "SO4", 2), TIon("nitrite", "NO2", 1)})}),
    [](const ::testing::TestParamInfo<ConflictCase>& info) { return std::string(info.param.label); });

TEST_F(TwoWindows, AChangeToTheOtherListsFileIsNoConflict)
{
    add(true, "Sodium", "Na", "1")(uiA, *a);
    add(false, "oxide", "O", "2")(uiB, *b);
    EXPECT_TRUE(uiB.messages().empty());
    EXPECT_EQ(fileList("valkora.ani"), b->catalogue().anions);
    EXPECT_EQ(fileList("valkora.cat"), a->catalogue().cations);

    // B's cations are still those of start-up, so its next cation edit is the one refused.
    add(true, "Lithium", "Li", "1")(uiB, *b);
    expectOneRefusal("valkora.cat");
    EXPECT_EQ(b->catalogue().cations, a->catalogue().cations);
}

TEST_F(TwoWindows, AListChangedByHandIsReadAgainWithItsLoadMessages)
{
    // Another program leaves a file that promises five anions and holds two.
    QByteArray damaged = catalogue_file::serialize(IonList({TIon("iodide", "I", 1),
                                                            TIon("bromide", "Br", 1)}));
    damaged[0] = 5;
    folder.write("valkora.ani", damaged);

    add(false, "oxide", "O", "2")(uiB, *b);
    EXPECT_EQ(uiB.messages(),
              (Strings{refusal("valkora.ani"),
                       "valkora.ani is damaged: only 2 of 5 entries could be read.|Information"}));
    EXPECT_EQ(b->catalogue().anions, IonList({TIon("iodide", "I", 1), TIon("bromide", "Br", 1)}));
    EXPECT_EQ(folder.read("valkora.ani"), damaged);

    // Saved again now: the file holds what the window shows, with a count that matches.
    uiB.clearCalls();
    add(false, "oxide", "O", "2")(uiB, *b);
    EXPECT_TRUE(uiB.messages().empty());
    EXPECT_EQ(folder.read("valkora.ani"), catalogue_file::serialize(b->catalogue().anions));
    EXPECT_EQ(b->catalogue().anions.count(), 3u);
}

TEST_F(TwoWindows, TheRefusedWindowGetsTheScrollRangeOfTheListReadAgain)
{
    IonList many;
    for (int i = 1; i <= 150; ++i)
        many.append(TIon("Cation" + std::to_string(i), "Xy", 1 + i % 4));
    folder.write("valkora.cat", catalogue_file::serialize(many));
    b = std::make_unique<CatalogueSide>(uiB);
    b->view.resize(400, 300);
    b->view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b->view));
    ASSERT_GT(b->view.scrollRange(), 200);

    // Another program cuts the list down to three: the range falls back to its least.
    folder.write("valkora.cat", catalogue_file::serialize(startCations));
    add(true, "Sodium", "Na", "1")(uiB, *b);
    expectOneRefusal("valkora.cat");
    EXPECT_EQ(b->catalogue().cations, startCations);
    EXPECT_EQ(b->view.scrollRange(), 200);
}

// Sort rewrites both files, so it is refused when either was changed elsewhere, and then
// both lists are read again.
struct SortConflict {
    const char* label;
    bool cationsByA;
    bool anionsByA;
    Strings messages;
    IonList sortedCations;
    IonList sortedAnions;
};

void PrintTo(const SortConflict& c, std::ostream* os)
{
    *os << c.label;
}

class SortConflictTable : public TwoWindows, public ::testing::WithParamInterface<SortConflict> {};

TEST_P(SortConflictTable, WritesNeitherFileAndReadsBothListsAgain)
{
    const SortConflict& c = GetParam();
    if (c.cationsByA)
        add(true, "Sodium", "Na", "1")(uiA, *a);
    if (c.anionsByA)
        add(false, "oxide", "O", "2")(uiA, *a);
    const QByteArray cationBytes = folder.read("valkora.cat");
    const QByteArray anionBytes = folder.read("valkora.ani");

    b->commands.edit(&CatalogueEditor::SortIons);
    EXPECT_EQ(uiB.messages(), c.messages);
    for (const ScriptedUi::Call& call : uiB.callsOf(Kind::Message)) {
        EXPECT_EQ(call.icon, MessageIcon::Exclamation);
        EXPECT_EQ(call.owner, &b->view);
    }
    const bool refused = c.cationsByA || c.anionsByA;
    if (refused) {
        EXPECT_EQ(folder.read("valkora.cat"), cationBytes);
        EXPECT_EQ(folder.read("valkora.ani"), anionBytes);
        // Memory matches the files again, the unchanged list in its unsorted order too.
        EXPECT_EQ(b->catalogue().cations, a->catalogue().cations);
        EXPECT_EQ(b->catalogue().anions, a->catalogue().anions);
        uiB.clearCalls();
        b->commands.edit(&CatalogueEditor::SortIons);
        EXPECT_TRUE(uiB.messages().empty());
    }
    EXPECT_EQ(b->catalogue().cations, c.sortedCations);
    EXPECT_EQ(b->catalogue().anions, c.sortedAnions);
    EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(c.sortedCations));
    EXPECT_EQ(folder.read("valkora.ani"), catalogue_file::serialize(c.sortedAnions));
}

const IonList sortedStartCations({TIon("Calcium", "Ca", 2), TIon("Iron(III)", "Fe", 3),
                                  TIon("Potassium", "K", 1)});
const IonList sortedStartAnions({TIon("chloride", "Cl", 1), TIon("nitrate", "NO3", 1),
                                 TIon("sulfate", "SO4", 2)});
const IonList sortedWithSodium({TIon("Calcium", "Ca", 2), TIon("Iron(III)", "Fe", 3),
                                TIon("Potassium", "K", 1), TIon("Sodium", "Na", 1)});
const IonList sortedWithOxide({TIon("chloride", "Cl", 1), TIon("nitrate", "NO3", 1),
                               TIon("oxide", "O", 2), TIon("sulfate", "SO4", 2)});

INSTANTIATE_TEST_SUITE_P(
    Sort, SortConflictTable,
    ::testing::Values(
        SortConflict{"neither_changed", false, false, {}, sortedStartCations, sortedStartAnions},
        SortConflict{"cations_changed", true, false, {sortRefusal("valkora.cat was")},
                     sortedWithSodium, sortedStartAnions},
        SortConflict{"anions_changed", false, true, {sortRefusal("valkora.ani was")},
                     sortedStartCations, sortedWithOxide},
        SortConflict{"both_changed", true, true,
                     {sortRefusal("valkora.cat and valkora.ani were")}, sortedWithSodium,
                     sortedWithOxide}),
    [](const ::testing::TestParamInfo<SortConflict>& info) { return std::string(info.param.label); });

} // namespace
