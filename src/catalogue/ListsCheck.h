#pragma once

#include "catalogue/IonCatalogue.h"

#include <string>
#include <vector>

// A look at the lists as a chemist would: entries that load and work but that teach
// something wrong or make two questions that look alike. Entries are named as the lists
// number them, "cation 12"; texts are UTF-8.
struct ListFinding {
    enum class Kind {
        Symbol,           // not a formula of element symbols, or reads as other elements
        SameName,         // the same name twice in one list
        SameIon,          // the same symbol and charge under two names
        NoNumeral,        // one cation symbol with two charges, not both names with (II) etc.
        Charge,           // a charge outside 1 to 4
        SameCompound,     // two pairs that give the same compound formula or name
    };
    Kind kind;
    std::string text;
    friend bool operator==(const ListFinding&, const ListFinding&) = default;
};

// Findings of one kind that pair entries can grow with the square of the lists' length; past
// this many, one more line says that the rest were left out.
inline constexpr std::size_t mostPairsListed = 10000;

// Every finding about the entries themselves, in the order of the kinds above, each kind in
// list order. The compounds that the pairs make are looked at in compound/CompoundCheck.h.
std::vector<ListFinding> checkLists(const IonCatalogue& lists);

// What the symbol says is wrong with it, or empty: "CO" named cobalt reads as carbon + oxygen.
std::string symbolProblem(const TIon& ion);

// "cation 12" for the entry at position 11.
std::string entryLabel(bool cation, std::uint32_t position);
// Single-byte list text as UTF-8.
std::string utf8Text(const std::string& latin1);
