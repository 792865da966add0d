#include "catalogue/Elements.h"
#include "catalogue/ListsCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SymbolCase {
    const char* name;
    TIon ion;
    std::string problem; // empty: the symbol is sound
};

void PrintTo(const SymbolCase& row, std::ostream* out)
{
    *out << row.name;
}

class SymbolTable : public testing::TestWithParam<SymbolCase> {};

TEST_P(SymbolTable, ReadsTheSymbolAsElements)
{
    EXPECT_EQ(symbolProblem(GetParam().ion), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    ListsCheck, SymbolTable,
    testing::Values(
        SymbolCase{"one_letter", TIon("Potassium", "K", 1), ""},
        SymbolCase{"two_letters", TIon("Sodium", "Na", 1), ""},
        SymbolCase{"ammonium", TIon("Ammonium", "NH4", 1), ""},
        SymbolCase{"sulfate", TIon("sulfate", "SO4", 2), ""},
        SymbolCase{"dichromate", TIon("dichromate", "Cr2O7", 2), ""},
        SymbolCase{"acetate", TIon("acetate", "C2H3O2", 1), ""},
        SymbolCase{"mercury_one", TIon("Mercury(I)", "Hg2", 2), ""},
        SymbolCase{"cyanide_is_not_copernicium", TIon("cyanide", "CN", 1), ""},
        SymbolCase{"carbon_monoxide_named_so", TIon("Carbonyl", "CO", 1), ""},
        SymbolCase{"brackets", TIon("Prussian", "(Fe4[Fe(CN)6])", 4), ""},
        SymbolCase{"bracket_with_count", TIon("Odd", "(NH4)2", 2), ""},
        SymbolCase{"cobalt_as_carbon_oxygen", TIon("Cobalt(II)", "CO", 2),
                   "the symbol \"CO\" reads as carbon + oxygen; cobalt is \"Co\""},
        SymbolCase{"cobalt_with_count", TIon("cobalt", "CO2", 2),
                   "the symbol \"CO2\" reads as carbon + oxygen; cobalt is \"Co\""},
        SymbolCase{"unknown", TIon("Unknown", "Xx", 1),
                   "the symbol \"Xx\" is not a formula of element symbols"},
        SymbolCase{"capitals", TIon("Sodium", "NA", 1),
                   "the symbol \"NA\" is not a formula of element symbols; did you mean \"Na\"?"},
        SymbolCase{"small_letters", TIon("Ammonium", "nh4", 1),
                   "the symbol \"nh4\" is not a formula of element symbols; did you mean \"NH4\"?"},
        SymbolCase{"suggestion_after_the_name", TIon("Cobalt(II)", "co", 2),
                   "the symbol \"co\" is not a formula of element symbols; did you mean \"Co\"?"},
        SymbolCase{"suggestion_of_familiar_elements", TIon("carbonyl", "co", 2),
                   "the symbol \"co\" is not a formula of element symbols; did you mean \"CO\"?"},
        SymbolCase{"count_from_zero", TIon("Odd", "O0", 2),
                   "the symbol \"O0\" is not a formula of element symbols"},
        SymbolCase{"unclosed_bracket", TIon("Odd", "(NH4", 1),
                   "the symbol \"(NH4\" is not a formula of element symbols"},
        SymbolCase{"empty_brackets", TIon("Odd", "()", 1),
                   "the symbol \"()\" is not a formula of element symbols"},
        SymbolCase{"sign_in_symbol", TIon("Sodium", "Na+", 1),
                   "the symbol \"Na+\" is not a formula of element symbols"},
        SymbolCase{"latin1_shown_as_utf8", TIon("Odd", "\xC5", 1),
                   "the symbol \"\xC3\x85\" is not a formula of element symbols"}),
    [](const testing::TestParamInfo<SymbolCase>& info) { return std::string(info.param.name); });

TEST(Elements, KnowsAll118ByExactCapitals)
{
    const std::vector<std::string> symbols = {
        "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",
        "S",  "Cl", "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn",
        "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh",
        "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr", "Nd",
        "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",  "Re",
        "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac", "Th",
        "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf", "Db",
        "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"};
    ASSERT_EQ(symbols.size(), 118u);
    int number = 0;
    for (const std::string& symbol : symbols) {
        ASSERT_NE(elements::find(symbol), nullptr) << symbol;
        EXPECT_EQ(elements::atomicNumber(*elements::find(symbol)), ++number) << symbol;
        std::string shouted = symbol;
        for (char& c : shouted)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        if (shouted != symbol) {
            EXPECT_EQ(elements::find(shouted), nullptr) << shouted;
        }
        EXPECT_EQ(elements::findIgnoringCase(shouted), elements::find(symbol)) << shouted;
    }
    for (const char* unknown : {"J", "Q", "Xx", "Uu", "A", "Ha"})
        EXPECT_EQ(elements::find(unknown), nullptr) << unknown;
}

} // namespace
