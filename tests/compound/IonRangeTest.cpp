#include "compound/IonRange.h"

#include "platform/DecimalText.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Call::Kind;

const std::string rangeWarning =
    "Make sure your values are within the range of cations and anions listed!!|Warning";

IonCatalogue catalogue(int cations, int anions)
{
    IonCatalogue c;
    for (int i = 1; i <= cations; ++i)
        c.cations.append(TIon("Cation" + std::to_string(i), "C" + std::to_string(i), 1));
    for (int i = 1; i <= anions; ++i)
        c.anions.append(TIon("anion" + std::to_string(i), "A" + std::to_string(i), 2));
    return c;
}

TEST(AskIonRange, AcceptsARangeWithinBothListsAtOnce)
{
    ScriptedUi ui;
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"3", "2"}).ok();
    const auto range = askIonRange(ui, nullptr, catalogue(5, 4));
    ASSERT_TRUE(range);
    EXPECT_EQ(range->highestCation, 3u);
    EXPECT_EQ(range->highestAnion, 2u);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].shown<RangeEntry>(), RangeEntry{});
}

TEST(AskIonRange, TakesTheNumberAtTheStartOfWhatWasTyped)
{
    for (const char* typed : {" 4", "4abc", "+4", "4 "}) {
        ScriptedUi ui;
        ui.expectDialog(DialogId::Highest).fill(RangeEntry{typed, "5"}).ok();
        const auto range = askIonRange(ui, nullptr, catalogue(5, 5));
        ASSERT_TRUE(range) << typed;
        EXPECT_EQ(range->highestCation, 4u) << typed;
        EXPECT_EQ(range->highestAnion, 5u);
    }
}

struct Refused {
    const char* label;
    const char* cation;
    const char* anion;
};

void PrintTo(const Refused& r, std::ostream* os)
{
    *os << r.label;
}

class AskIonRangeRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(AskIonRangeRefuses, WarnsAndShowsTheDialogAgainWithWhatWasTyped)
{
    const Refused& r = GetParam();
    ScriptedUi ui;
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{r.cation, r.anion}).ok();
    ui.expectDialog(DialogId::Highest).cancel();
    EXPECT_FALSE(askIonRange(ui, nullptr, catalogue(5, 4)));

    EXPECT_EQ(ui.messages(), std::vector<std::string>{rangeWarning});
    const auto dialogs = ui.callsOf(Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].shown<RangeEntry>(), (RangeEntry{r.cation, r.anion}));
    EXPECT_EQ(ui.callsOf(Kind::Message)[0].icon, MessageIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, AskIonRangeRefuses,
    ::testing::Values(Refused{"empty_cation", "", "2"}, Refused{"empty_anion", "3", ""},
                      Refused{"zero", "0", "2"}, Refused{"negative", "-1", "2"},
                      Refused{"letters", "abc", "2"}, Refused{"above_cations", "6", "2"},
                      Refused{"above_anions", "3", "5"}, Refused{"huge", "9999999999", "1"},
                      Refused{"negative_anion", "1", "-4294967295"}),
    [](const ::testing::TestParamInfo<Refused>& info) { return std::string(info.param.label); });

TEST(AskIonRange, CancelOnARepeatedShowingEndsIt)
{
    ScriptedUi ui;
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"9", "9"}).ok();
    ui.expectDialog(DialogId::Highest).set(&RangeEntry::highestCation, "2").ok();
    ui.expectDialog(DialogId::Highest).cancel();
    EXPECT_FALSE(askIonRange(ui, nullptr, catalogue(5, 4)));
    EXPECT_EQ(ui.messages(), (std::vector<std::string>{rangeWarning, rangeWarning}));
    EXPECT_EQ(ui.callsOf(Kind::Dialog)[2].shown<RangeEntry>(), (RangeEntry{"2", "9"}));

    ScriptedUi first;
    first.expectDialog(DialogId::Highest).cancel();
    EXPECT_FALSE(askIonRange(first, nullptr, catalogue(5, 4)));
    EXPECT_TRUE(first.messages().empty());
}

TEST(BuildWorkingLists, CopiesTheFirstEntriesInCatalogueOrder)
{
    IonCatalogue source = catalogue(5, 4);
    WorkingLists lists;
    buildWorkingLists(source, {3, 2}, lists);
    ASSERT_EQ(lists.cations.count(), 3u);
    ASSERT_EQ(lists.anions.count(), 2u);
    EXPECT_EQ(lists.cations.at(2), TIon("Cation3", "C3", 1));
    EXPECT_EQ(lists.anions.at(1), TIon("anion2", "A2", 2));

    // Copies: a later change to the catalogue leaves them as they were.
    source.cations.at(0).name = "Changed";
    source.anions.remove(0);
    EXPECT_EQ(lists.cations.at(0).name, "Cation1");
    EXPECT_EQ(lists.anions.at(0).name, "anion1");
}

TEST(ReadDecimal, ReadsTheWayTheDialogsAlwaysHave)
{
    const std::vector<std::pair<std::string, std::int32_t>> cases = {
        {"3", 3},     {"+3", 3},      {"3+", 3},           {"4abc", 4},
        {" 2", 2},    {"\t7", 7},     {"-2", -2},          {"x", 0},
        {"", 0},      {"+", 0},       {"- 3", 0},          {"2147483647", 2147483647},
        {"99999999999", 2147483647},  {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(readDecimal(text), value) << '"' << text << '"';
}

} // namespace
