#pragma once

#include "catalogue/IonCatalogue.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// A cation and an anion by their places in the lists.
struct IonPair {
    std::uint32_t cation = 0;
    std::uint32_t anion = 0;
    friend auto operator<=>(const IonPair&, const IonPair&) = default;
};

// The lists indexed by the halves that compound names and formulas are made of, so that the
// pairs making a text are found by splitting the text and looking the halves up, never by
// trying every pair: a name is a cation's name, a blank and an anion's name; a formula is
// formulaCationPart followed by formulaAnionPart. A half of a formula depends on the other
// ion's charge, so each ion's half is kept once for every charge the other list holds.
class CompoundIndex {
public:
    explicit CompoundIndex(const IonCatalogue& lists);

    // The pairs whose compound name (or formula) is the text, in list order, at most limit:
    // lists that repeat a name or a symbol and charge make a text from a product of entries.
    std::vector<IonPair> pairsNamed(const std::string& name, std::size_t limit = SIZE_MAX) const;
    std::vector<IonPair> pairsWithFormula(const std::string& formula, std::size_t limit = SIZE_MAX) const;

    const IonCatalogue& lists;

    // The places of the entries that share a name, or a symbol and a charge.
    using Places = std::vector<std::uint32_t>;
    std::unordered_map<std::string, Places> cationsByName;
    std::unordered_map<std::string, Places> anionsByName;
    std::vector<Places> cationKinds; // by symbol and charge
    std::vector<Places> anionKinds;

    // One ion kind's half of a formula written for a partner: the charges of the pair.
    struct Half {
        std::uint32_t kind;
        std::int32_t cationCharge;
        std::int32_t anionCharge;
    };
    std::unordered_map<std::string, std::vector<Half>> cationHalves;
    std::unordered_map<std::string, std::vector<Half>> anionHalves;
};
