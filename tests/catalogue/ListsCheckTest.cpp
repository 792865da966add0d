#include "catalogue/Elements.h"
#include "catalogue/ListsCheck.h"
#include "compound/CompoundCheck.h"

#include "catalogue/CatalogueFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

void PrintTo(const ListFinding& finding, std::ostream* out)
{
    *out << finding.text;
}

namespace {

using Kind = ListFinding::Kind;

IonList listOf(std::initializer_list<TIon> ions)
{
    return IonList(std::vector<TIon>(ions));
}

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

struct FindingCase {
    const char* name;
    IonList cations;
    IonList anions;
    std::vector<ListFinding> findings;
};

void PrintTo(const FindingCase& row, std::ostream* out)
{
    *out << row.name;
}

class FindingTable : public testing::TestWithParam<FindingCase> {};

TEST_P(FindingTable, OneFindingALineWithTheEntryNumbers)
{
    const FindingCase& row = GetParam();
    EXPECT_EQ(checkListsAndCompounds({row.cations, row.anions}), row.findings);
}

const TIon chloride("chloride", "Cl", 1);
const TIon oxide("oxide", "O", 2);

INSTANTIATE_TEST_SUITE_P(
    ListsCheck, FindingTable,
    testing::Values(
        FindingCase{"clean", listOf({TIon("Sodium", "Na", 1), TIon("Iron(II)", "Fe", 2),
                                     TIon("Iron(III)", "Fe", 3)}),
                    listOf({chloride, oxide}), {}},
        FindingCase{"symbol", listOf({TIon("Sodium", "Na", 1), TIon("Cobalt(II)", "CO", 2)}),
                    listOf({chloride, TIon("odd", "Xx", 1)}),
                    {{Kind::Symbol, "cation 2: the symbol \"CO\" reads as carbon + oxygen; cobalt is \"Co\""},
                     {Kind::Symbol, "anion 2: the symbol \"Xx\" is not a formula of element symbols"}}},
        FindingCase{"same_name", listOf({TIon("Sodium", "Na", 1), TIon("Zinc", "Zn", 2)}),
                    listOf({chloride, oxide, TIon("chloride", "Br", 1)}),
                    {{Kind::SameName, "anion 1 and anion 3 have the same name \"chloride\""}}},
        FindingCase{"same_ion_under_two_names",
                    listOf({TIon("Ferrous", "Fe", 2), TIon("Zinc", "Zn", 2), TIon("Iron(II)", "Fe", 2)}),
                    listOf({chloride}),
                    {{Kind::SameIon,
                      "cation 1 (Ferrous) and cation 3 (Iron(II)) are both \"Fe\" with charge 2"}}},
        FindingCase{"charges_without_numerals",
                    listOf({TIon("Iron", "Fe", 2), TIon("Iron(III)", "Fe", 3), TIon("Cu(I)", "Cu", 1),
                            TIon("Cu(II)", "Cu", 2)}),
                    listOf({oxide}),
                    {{Kind::NoNumeral, "cation 1 (Iron) and cation 2 (Iron(III)) are both \"Fe\", with "
                                       "charges 2 and 3: both names need a Roman numeral such as (II)"}}},
        FindingCase{"charge_outside_range", listOf({TIon("Sodium", "Na", 0)}),
                    listOf({TIon("nitride", "N", 7)}),
                    {{Kind::Charge, "cation 1: the charge 0 is outside 1 to 4"},
                     {Kind::Charge, "anion 1: the charge 7 is outside 1 to 4"}}},
        FindingCase{"same_formula_from_two_pairs",
                    listOf({TIon("Mercury(I)", "Hg2", 2), TIon("Mercury one", "Hg", 1)}),
                    listOf({chloride, TIon("peroxide", "O2", 2)}),
                    {{Kind::SameCompound,
                      "cation 1 with anion 2 (Mercury(I) peroxide, Hg2O2) and cation 2 with anion 2 "
                      "(Mercury one peroxide, Hg2O2) have the same formula \"Hg2O2\""}}},
        FindingCase{"same_name_from_two_pairs",
                    listOf({TIon("Iron", "Fe", 2), TIon("Iron green", "Fe", 3)}),
                    listOf({TIon("green oxide", "O", 2), TIon("oxide", "S", 2)}),
                    {{Kind::NoNumeral, "cation 1 (Iron) and cation 2 (Iron green) are both \"Fe\", with "
                                       "charges 2 and 3: both names need a Roman numeral such as (II)"},
                     {Kind::SameCompound,
                      "cation 1 with anion 1 (Iron green oxide, FeO) and cation 2 with anion 2 "
                      "(Iron green oxide, Fe2S3) have the same name \"Iron green oxide\""}}},
        FindingCase{"twin_ion_reported_once",
                    listOf({TIon("Ferrous", "Fe", 2), TIon("Iron(II)", "Fe", 2)}),
                    listOf({chloride, oxide}),
                    {{Kind::SameIon,
                      "cation 1 (Ferrous) and cation 2 (Iron(II)) are both \"Fe\" with charge 2"}}}),
    [](const testing::TestParamInfo<FindingCase>& info) { return std::string(info.param.name); });

TEST(ListsCheck, StarterListsPassClean)
{
    const auto read = [](const char* name) {
        return catalogue_file::read(QStringLiteral(VALKORA_SOURCE_DIR "/data/") +
                                    QString::fromLatin1(name));
    };
    const catalogue_file::ReadResult cations = read("valkora.cat");
    const catalogue_file::ReadResult anions = read("valkora.ani");
    ASSERT_TRUE(cations.opened && anions.opened);
    ASSERT_GT(cations.ions.count(), 20u);
    std::vector<std::string> texts;
    for (const ListFinding& finding : checkListsAndCompounds({cations.ions, anions.ions}))
        texts.push_back(finding.text);
    EXPECT_EQ(texts, std::vector<std::string>{});
}

} // namespace
