#pragma once

#include <string>
#include <string_view>
#include <vector>

// The 118 elements, for reading an ion's symbol as chemistry: "SO4" is sulfur and four
// oxygens, "Hg2" two mercury atoms, "CO" carbon and oxygen rather than cobalt.
namespace elements {

struct Element {
    std::string_view symbol;
    std::string_view name;
};

// The element with exactly this symbol, capitals as written; nothing for "Xx" or "CO".
const Element* find(std::string_view symbol);
// The element whose symbol matches in any capitalisation: "CO" and "co" find cobalt.
const Element* findIgnoringCase(std::string_view symbol);

// 1 for hydrogen to 118 for oganesson.
int atomicNumber(const Element& element);

// An ion's symbol read as a formula: element symbols, each with an optional count, and
// groups in round or square brackets, each with an optional count. Counts are digits that
// do not begin with 0.
struct Reading {
    bool valid = false;
    // The elements as written, in order; a bracketed group's elements are listed once.
    std::vector<const Element*> parts;
};
Reading read(std::string_view symbol);

} // namespace elements
