#include "compound/MistakePrediction.h"

#include "StarterLists.h"
#include "compound/CompoundRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace {

using namespace answer_diagnosis;

// A teacher's lists: British names, one with a capital, and "Iron" for the ion that is also
// "Iron(II)", which makes "Iron sulphate" a right answer for FeSO4.
const IonCatalogue teacherLists{
    IonList({{"Iron(II)", "Fe", 2}, {"Iron(III)", "Fe", 3}, {"Iron", "Fe", 2}}),
    IonList({{"sulphate", "SO4", 2}, {"Sulphite", "SO3", 2}, {"sulphide", "S", 2}})};

struct Row {
    const char* label;
    const IonCatalogue& lists;
    const char* cation;
    const char* anion;
    bool nameAsked;
    const char* predicted; // "typed=kind", joined by '|'
};

class Predictions : public testing::TestWithParam<Row> {};

TEST_P(Predictions, AreTheTypicalWrongAnswersTheCompoundAdmits)
{
    const Row& row = GetParam();
    const Lists lists{row.lists.cations, row.lists.anions};
    std::string predicted;
    for (const Prediction& p : predictMistakes(
             {named(lists.cations, row.cation), named(lists.anions, row.anion), row.nameAsked}, lists))
        predicted += (predicted.empty() ? "" : "|") + p.typed + "=" + std::string(identifier(p.finding.kind));
    EXPECT_EQ(predicted, row.predicted);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Predictions,
    testing::Values(
        Row{"calcium_nitrate", starterLists(), "Calcium", "nitrate", false,
            "ca(no3)2=capitals|(NO3)2Ca=order|Ca(NO3)=charges-not-balanced|Ca2(NO3)=subscripts-swapped"
            "|CaNO32=brackets-missing|Ca(NO2)2=wrong-ion"},
        Row{"lead_iv_oxide", starterLists(), "Lead(IV)", "oxide", false,
            "pbo2=capitals|O2Pb=order|Pb2O=subscripts-swapped|Pb2O4=ratio-not-reduced|PbO=wrong-ion"},
        Row{"sodium_chloride_formula", starterLists(), "Sodium", "chloride", false, "nacl=capitals|ClNa=order"},
        Row{"sodium_chloride_name", starterLists(), "Sodium", "chloride", true,
            "sodium chloride=capitals|chloride Sodium=order|Sodiumchloride=spacing"
            "|Sodium(I) chloride=numeral-not-needed|Sodium chlorine=element-name"},
        // Iron(I): the count of SO4 in FeSO4 read as the charge of Fe.
        Row{"teacher_numerals_and_endings", teacherLists, "Iron(II)", "sulphate", true,
            "iron(II) sulphate=capitals|sulphate Iron(II)=order|Iron(II)sulphate=spacing|Iron (II) sulphate=spacing"
            "|Iron(III) sulphate=numeral-wrong|Iron(I) sulphate=numeral-wrong|Iron(II) sulphide=ending"
            "|Iron(II) Sulphite=ending"}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.label); });

// Over every question the starter lists can ask: each prediction is what the diagnosis says of
// it and nothing more, not the right answer, no text twice; and every mistake but the two
// "for" kinds is predicted somewhere.
TEST(PredictionProperties, HoldForEveryStarterPair)
{
    const Lists lists{starterLists().cations, starterLists().anions};
    std::array<int, kindCount> counts{};
    for (const TIon& cation : lists.cations)
        for (const TIon& anion : lists.anions)
            for (const bool nameAsked : {false, true}) {
                const Question question{cation, anion, nameAsked};
                std::set<std::string> texts;
                for (const Prediction& p : predictMistakes(question, lists)) {
                    ++counts[static_cast<std::size_t>(p.finding.kind)];
                    EXPECT_EQ(diagnose(question, p.typed, lists), std::vector{p.finding});
                    EXPECT_NE(p.typed, nameAsked ? compoundName(cation, anion) : compoundFormula(cation, anion));
                    EXPECT_TRUE(texts.insert(p.typed).second) << p.typed;
                }
            }
    EXPECT_EQ(std::count(counts.begin(), counts.end(), 0), 2);
    EXPECT_EQ(counts[int(Kind::NameForFormula)] + counts[int(Kind::FormulaForName)], 0);
}

} // namespace
