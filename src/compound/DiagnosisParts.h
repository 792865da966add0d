#pragma once

// What the diagnosis of formulas and of names share: text helpers in single-byte text, the
// compound asked about, and the choice among several explanations.

#include "compound/AnswerDiagnosis.h"
#include "compound/CompoundRules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace answer_diagnosis {

inline char lowerCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return lowerCase(c); });
    return lower;
}

inline bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerCase(x) == lowerCase(y);
           });
}

inline std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return c != ' '; });
    return kept;
}

inline std::string charge(std::int32_t value, char sign)
{
    return std::to_string(value) + sign;
}

// How many of each ion the formula rule writes, and which it brackets.
struct Shape {
    std::int32_t cationCount = 1;
    std::int32_t anionCount = 1;
    bool cationBracketed = false;
    bool anionBracketed = false;
};

Shape expectedShape(const TIon& cation, const TIon& anion);

// "Iron(III)" is "Iron" with the numeral III; a name without a bracketed roman numeral at its
// end has none.
struct NamedIon {
    std::string base;
    std::string beforeNumeral; // the blanks the list writes between the two
    std::string numeral;
};

NamedIon splitNumeral(const std::string& name);

inline constexpr std::array<std::string_view, 9> romanNumerals{"",   "I",  "II",  "III", "IV",
                                                               "V", "VI", "VII", "VIII"};

// "sulfate" without its ending is "sulf": names that differ only there are one family.
std::optional<std::string> stemOf(const std::string& name);

// The compound asked about, with the texts every explanation quotes.
struct Compound {
    Compound(const TIon& cation, const TIon& anion, const Lists& lists)
        : cation(cation)
        , anion(anion)
        , lists(lists)
        , name(compoundName(cation, anion))
        , formula(compoundFormula(cation, anion))
    {
    }

    const TIon& cation;
    const TIon& anion;
    const Lists& lists;
    const std::string name;
    const std::string formula;
};

inline Finding finding(Kind kind, std::string sentence)
{
    return {kind, std::move(sentence)};
}

// Of several readings, the one that needs the fewest explanations; none when two such
// readings explain differently, or when one reading of the answer has nothing to explain.
std::vector<Finding> plainestExplanation(const std::vector<std::vector<Finding>>& candidates);

// The answer is the compound's formula in any capitals, or reads as ions of the lists.
bool readsAsFormula(const Compound& compound, const std::string& typed);

std::vector<Finding> diagnoseFormula(const Compound& compound, const std::string& typed);
std::vector<Finding> diagnoseName(const Compound& compound, const std::string& typed);

} // namespace answer_diagnosis
