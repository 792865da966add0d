#include "compound/AnswerDiagnosis.h"

#include "StarterLists.h"

#include <gtest/gtest.h>

namespace {

using namespace answer_diagnosis;

// A teacher's own lists: British names, a 4+ cation and a 3- anion.
const IonCatalogue& teacherLists()
{
    static const IonCatalogue lists{
        IonList({{"Aluminium", "Al", 3}, {"Sodium", "Na", 1}, {"Lead(II)", "Pb", 2},
                 {"Lead(IV)", "Pb", 4}, {"Ammonium", "NH4", 1}}),
        IonList({{"sulphate", "SO4", 2}, {"sulphite", "SO3", 2}, {"sulphide", "S", 2},
                 {"chloride", "Cl", 1}, {"phosphate", "PO4", 3}, {"oxide", "O", 2},
                 {"silicate", "SiO4", 4}})};
    return lists;
}

struct Row {
    const char* label;
    bool teacher;
    const char* cation;
    const char* anion;
    bool nameAsked;
    const char* typed;
    const char* kinds; // identifiers joined by ','
};

class Diagnosis : public testing::TestWithParam<Row> {};

TEST_P(Diagnosis, FindsTheKindsThatExplainTheAnswer)
{
    const Row& row = GetParam();
    const IonCatalogue& lists = row.teacher ? teacherLists() : starterLists();
    const std::vector<Finding> findings =
        diagnose({named(lists.cations, row.cation), named(lists.anions, row.anion), row.nameAsked},
                 row.typed, {lists.cations, lists.anions});
    std::string kinds;
    for (const Finding& f : findings) {
        kinds += (kinds.empty() ? "" : ",") + std::string(identifier(f.kind));
        EXPECT_EQ(f.sentence.back(), '.') << f.sentence;
        EXPECT_EQ(kindNamed(identifier(f.kind)), f.kind);
    }
    EXPECT_EQ(kinds, row.kinds) << row.typed;
}

// The sentences name the student's own text and the fix; a wrong ion's fix brackets the ion
// that was asked for.
TEST(Diagnosis, SentencesNameTheAnswerAndTheFix)
{
    const IonCatalogue& lists = starterLists();
    const auto said = [&](const char* cation, const char* anion, const char* typed) {
        std::vector<std::string> sentences;
        for (const Finding& f : diagnose({named(lists.cations, cation), named(lists.anions, anion), false},
                                         typed, {lists.cations, lists.anions}))
            sentences.push_back(f.sentence);
        return sentences;
    };
    EXPECT_EQ(said("Calcium", "nitrate", "CaNO2"),
              (std::vector<std::string>{"NO2 is nitrite; nitrate is NO3: Ca(NO3)2.",
                                        "CaNO2 does not balance: Ca is 2+ and NO3 is 1-, so write Ca(NO3)2.",
                                        "Put NO3 in brackets before its subscript: Ca(NO3)2."}));
    EXPECT_EQ(said("Iron(III)", "chloride", "FeCl2"),
              std::vector<std::string>{"FeCl2 is Iron(II) chloride; Iron(III) chloride is FeCl3."});
}

constexpr bool formula = false; // the name was shown, the formula asked
constexpr bool name = true;

INSTANTIATE_TEST_SUITE_P(
    Rows, Diagnosis,
    testing::Values(
        // Formulas, starter lists.
        Row{"capitals_cobalt", false, "Cobalt(II)", "chloride", formula, "COCl2", "capitals"},
        Row{"capitals_anion", false, "Sodium", "sulfate", formula, "Na2so4", "capitals"},
        Row{"order", false, "Sodium", "chloride", formula, "ClNa", "order"},
        Row{"order_polyatomic", false, "Sodium", "sulfate", formula, "SO4Na2", "order"},
        Row{"not_balanced", false, "Sodium", "sulfide", formula, "NaS", "charges-not-balanced"},
        Row{"not_balanced_calcium", false, "Calcium", "chloride", formula, "CaCl", "charges-not-balanced"},
        Row{"not_balanced_aluminum", false, "Aluminum", "oxide", formula, "AlO", "charges-not-balanced"},
        Row{"swapped", false, "Aluminum", "oxide", formula, "Al3O2", "subscripts-swapped"},
        Row{"swapped_iron", false, "Iron(III)", "chloride", formula, "Fe3Cl", "subscripts-swapped"},
        Row{"not_reduced", false, "Tin(IV)", "oxide", formula, "Sn2O4", "ratio-not-reduced"},
        Row{"brackets_missing", false, "Calcium", "nitrate", formula, "CaNO32", "brackets-missing"},
        Row{"brackets_missing_cation", false, "Ammonium", "sulfide", formula, "NH42S", "brackets-missing"},
        Row{"unbalanced_and_brackets", false, "Calcium", "nitrate", formula, "CaNO3",
            "charges-not-balanced,brackets-missing"},
        Row{"brackets_not_needed", false, "Sodium", "nitrate", formula, "Na(NO3)", "brackets-not-needed"},
        Row{"brackets_not_needed_cation", false, "Ammonium", "chloride", formula, "(NH4)Cl", "brackets-not-needed"},
        Row{"wrong_ion", false, "Calcium", "nitrate", formula, "Ca(NO2)2", "wrong-ion"},
        Row{"wrong_ion_unbalanced", false, "Calcium", "nitrate", formula, "CaNO2",
            "wrong-ion,charges-not-balanced,brackets-missing"},
        Row{"wrong_charge", false, "Iron(III)", "chloride", formula, "FeCl2", "wrong-ion"},
        Row{"mercury_one_ion", false, "Mercury(I)", "chloride", formula, "HgCl", "wrong-ion,charges-not-balanced"},
        Row{"name_for_formula", false, "Sodium", "chloride", formula, "Sodium chloride", "name-for-formula"},
        Row{"peroxide_free_mercury", false, "Mercury(I)", "nitrate", formula, "Hg2NO32", "brackets-missing"},
        // Names, starter lists.
        Row{"name_capitals", false, "Sodium", "chloride", name, "sodium chloride", "capitals"},
        Row{"name_spacing", false, "Iron(III)", "chloride", name, "Iron (III) chloride", "spacing"},
        Row{"name_no_blank", false, "Sodium", "chloride", name, "Sodiumchloride", "spacing"},
        Row{"numeral_missing", false, "Iron(III)", "chloride", name, "Iron chloride", "numeral-missing"},
        Row{"numeral_wrong", false, "Lead(IV)", "oxide", name, "Lead(II) oxide", "numeral-wrong"},
        Row{"numeral_not_needed", false, "Sodium", "chloride", name, "Sodium(I) chloride", "numeral-not-needed"},
        Row{"ending", false, "Sodium", "sulfate", name, "Sodium sulfite", "ending"},
        Row{"ending_ide", false, "Sodium", "sulfate", name, "Sodium sulfide", "ending"},
        Row{"element_name", false, "Sodium", "chloride", name, "Sodium chlorine", "element-name"},
        Row{"name_order", false, "Sodium", "chloride", name, "chloride Sodium", "order"},
        Row{"formula_for_name", false, "Sodium", "chloride", name, "NaCl", "formula-for-name"},
        Row{"two_at_once", false, "Iron(III)", "chloride", name, "iron chlorine", "numeral-missing,element-name,capitals"},
        // A teacher's lists.
        Row{"british_not_balanced", true, "Aluminium", "sulphate", formula, "AlSO4", "charges-not-balanced,brackets-missing"},
        Row{"british_ending", true, "Aluminium", "sulphate", name, "Aluminium sulphide", "ending"},
        Row{"four_plus_reduced", true, "Lead(IV)", "sulphate", formula, "Pb2(SO4)4", "ratio-not-reduced"},
        Row{"three_minus", true, "Sodium", "phosphate", formula, "NaPO4", "charges-not-balanced"},
        Row{"british_element", true, "Sodium", "sulphide", name, "Sodium sulfur", "element-name"},
        Row{"reduced_pair_swapped", true, "Lead(IV)", "oxide", formula, "Pb2O", "subscripts-swapped"},
        // No finding: right, empty, random, or not certain.
        Row{"balanced_in_another_ratio", true, "Lead(II)", "silicate", formula, "Pb2SiO4", ""},
        Row{"correct", false, "Calcium", "nitrate", formula, "Ca(NO3)2", ""},
        Row{"correct_name", false, "Iron(III)", "chloride", name, "Iron(III) chloride", ""},
        Row{"empty", false, "Sodium", "chloride", formula, "", ""},
        Row{"random", false, "Sodium", "chloride", formula, "Xyz", ""},
        Row{"random_name", false, "Sodium", "chloride", name, "Potassium bromide", ""},
        Row{"blank_in_formula", false, "Calcium", "chloride", formula, "Ca Cl2", ""},
        Row{"other_name_for_formula", false, "Sodium", "chloride", formula, "Potassium chloride", "name-for-formula"},
        Row{"prefix_is_no_name", false, "Calcium", "chloride", formula, "Ca", ""}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.label); });

} // namespace
