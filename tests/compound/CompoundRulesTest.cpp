#include "compound/CompoundRules.h"

#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

struct ChargePair {
    int cation;
    int anion;
    const char* simple;     // Fe with Cl
    const char* polyatomic; // NH4 with SO4
};

void PrintTo(const ChargePair& p, std::ostream* os)
{
    *os << p.cation << "+ with " << p.anion << "-";
}

class FormulaForCharges : public ::testing::TestWithParam<ChargePair> {};

// Subscripts cross over, 1 is never written, equal charges give none; a polyatomic ion is
// bracketed when a subscript follows it, and a 4+ cation with a 2- anion is reduced, its
// polyatomic cation keeping its bracket.
TEST_P(FormulaForCharges, CrossesTheChargesOverAndBracketsPolyatomicIons)
{
    const ChargePair& p = GetParam();
    EXPECT_EQ(compoundFormula(TIon("x", "Fe", p.cation), TIon("y", "Cl", p.anion)), p.simple);
    EXPECT_EQ(compoundFormula(TIon("x", "NH4", p.cation), TIon("y", "SO4", p.anion)), p.polyatomic);
}

INSTANTIATE_TEST_SUITE_P(
    AllSixteenPairs, FormulaForCharges,
    ::testing::Values(ChargePair{1, 1, "FeCl", "NH4SO4"}, ChargePair{1, 2, "Fe2Cl", "(NH4)2SO4"},
                      ChargePair{1, 3, "Fe3Cl", "(NH4)3SO4"}, ChargePair{1, 4, "Fe4Cl", "(NH4)4SO4"},
                      ChargePair{2, 1, "FeCl2", "NH4(SO4)2"}, ChargePair{2, 2, "FeCl", "NH4SO4"},
                      ChargePair{2, 3, "Fe3Cl2", "(NH4)3(SO4)2"},
                      ChargePair{2, 4, "Fe4Cl2", "(NH4)4(SO4)2"},
                      ChargePair{3, 1, "FeCl3", "NH4(SO4)3"},
                      ChargePair{3, 2, "Fe2Cl3", "(NH4)2(SO4)3"}, ChargePair{3, 3, "FeCl", "NH4SO4"},
                      ChargePair{3, 4, "Fe4Cl3", "(NH4)4(SO4)3"},
                      ChargePair{4, 1, "FeCl4", "NH4(SO4)4"},
                      ChargePair{4, 2, "FeCl2", "(NH4)(SO4)2"},
                      ChargePair{4, 3, "Fe3Cl4", "(NH4)3(SO4)4"},
                      ChargePair{4, 4, "FeCl", "NH4SO4"}),
    [](const ::testing::TestParamInfo<ChargePair>& info) {
        return "cation" + std::to_string(info.param.cation) + "_anion" +
               std::to_string(info.param.anion);
    });

struct Compound {
    TIon cation;
    TIon anion;
    const char* formula;
};

TEST(CompoundFormula, TheClassroomExamples)
{
    const TIon sodium("Sodium", "Na", 1), magnesium("Magnesium", "Mg", 2),
        aluminium("Aluminum", "Al", 3), calcium("Calcium", "Ca", 2), iron3("Iron(III)", "Fe", 3),
        ammonium("Ammonium", "NH4", 1), tin4("Tin(IV)", "Sn", 4), lead4("Lead(IV)", "Pb", 4),
        mercury1("Mercury(I)", "Hg2", 2);
    const TIon chloride("chloride", "Cl", 1), oxide("oxide", "O", 2), phosphate("phosphate", "PO4", 3),
        hydroxide("hydroxide", "OH", 1), sulfate("sulfate", "SO4", 2), nitrate("nitrate", "NO3", 1),
        silicate("silicate", "SiO4", 4), peroxide("peroxide", "O2", 2);
    const std::vector<Compound> compounds = {
        {sodium, chloride, "NaCl"},        {magnesium, oxide, "MgO"},
        {aluminium, phosphate, "AlPO4"},   {calcium, hydroxide, "Ca(OH)2"},
        {aluminium, sulfate, "Al2(SO4)3"}, {iron3, oxide, "Fe2O3"},
        {ammonium, sulfate, "(NH4)2SO4"},  {ammonium, nitrate, "NH4NO3"},
        {ammonium, phosphate, "(NH4)3PO4"}, {tin4, oxide, "SnO2"},
        {lead4, sulfate, "Pb(SO4)2"},      {tin4, chloride, "SnCl4"},
        {tin4, phosphate, "Sn3(PO4)4"},    {calcium, silicate, "Ca4(SiO4)2"},
        {mercury1, chloride, "Hg2Cl2"},    {mercury1, nitrate, "Hg2(NO3)2"},
        {mercury1, sulfate, "Hg2SO4"},     {sodium, peroxide, "Na2O2"},
        {iron3, peroxide, "Fe2(O2)3"},
    };
    for (const Compound& c : compounds)
        EXPECT_EQ(compoundFormula(c.cation, c.anion), c.formula) << c.cation.name << " " << c.anion.name;
}

// A charge read from a damaged file gives a long formula and nothing worse.
TEST(CompoundFormula, AnAbsurdChargeIsWrittenOutInDecimal)
{
    EXPECT_EQ(compoundFormula(TIon("Odd", "Na", 2147483647), TIon("chloride", "Cl", 1)),
              "NaCl2147483647");
    EXPECT_EQ(compoundFormula(TIon("Odd", "NH4", 1), TIon("odd", "SO4", -3)), "NH4-3SO4");
}

TEST(CompoundName, JoinsTheNamesAsStoredWithOneBlank)
{
    EXPECT_EQ(compoundName(TIon("Sodium", "Na", 1), TIon("chloride", "Cl", 1)), "Sodium chloride");
    EXPECT_EQ(compoundName(TIon("iron ", "Fe", 1), TIon("OXIDE", "O", 2)), "iron  OXIDE");
    const std::string longest = compoundName(TIon(std::string(19, 'a'), "A", 1),
                                             TIon(std::string(19, 'b'), "B", 1));
    EXPECT_EQ(longest.size(), 39u);
}

TEST(PolyatomicSymbol, CountsCapitalsAndTheDigitsTwoToNine)
{
    for (const char* symbol : {"OH", "CN", "SO4", "NH4", "Hg2", "O2", "N3", "C2H3O2"})
        EXPECT_TRUE(isPolyatomicSymbol(symbol)) << symbol;
    for (const char* symbol : {"Cl", "Na", "Fe", "O", "", "Cu1", "Si0", "abc"})
        EXPECT_FALSE(isPolyatomicSymbol(symbol)) << symbol;
}

TEST(DrawFormulaText, LowersTheDigitsTwoToNineAndAdvancesByEachWidth)
{
    RecordingSurface surface(15, 7);
    surface.setCharWidth('(', 4);
    surface.setCharWidth(')', 4);
    surface.setCharWidth('l', 3);
    const int end = drawFormulaText(surface, 20, 180, "Al2(SO4)3", 8);
    const std::vector<RecordingSurface::Text> expected = {
        {20, 180, "A", colours::black}, {27, 180, "l", colours::black},
        {30, 188, "2", colours::black}, {37, 180, "(", colours::black},
        {41, 180, "S", colours::black}, {48, 180, "O", colours::black},
        {55, 188, "4", colours::black}, {62, 180, ")", colours::black},
        {66, 188, "3", colours::black},
    };
    EXPECT_EQ(surface.texts(), expected);
    EXPECT_EQ(end, 73);
}

TEST(DrawFormulaText, NeverLowersZeroOrOne)
{
    RecordingSurface surface(15, 7);
    drawFormulaText(surface, 0, 50, "C10H9", 5);
    const std::vector<int> ys = {50, 50, 50, 50, 55};
    ASSERT_EQ(surface.texts().size(), ys.size());
    for (std::size_t i = 0; i < ys.size(); ++i)
        EXPECT_EQ(surface.texts()[i].y, ys[i]) << surface.texts()[i].text;
    EXPECT_EQ(drawFormulaText(surface, 11, 0, "", 5), 11);
}

} // namespace
