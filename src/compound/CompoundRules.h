#pragma once

#include "catalogue/TIon.h"
#include "platform/TextSurface.h"

#include <cstdint>
#include <string>

// The chemistry of the program: a cation and an anion make a compound's name and formula.
// A formula is plain text in which the digits 2 to 9 are subscripts.

// One cation and one anion drawn together, by their places in the working lists, with the
// name and formula they make.
struct CompoundPair {
    std::uint32_t cationIndex = 0;
    std::uint32_t anionIndex = 0;
    std::string name;
    std::string formula;
};

// The cation's name, one blank, the anion's name, exactly as stored.
std::string compoundName(const TIon& cation, const TIon& anion);

// Crossed-over charges as subscripts, a subscript of 1 never written, equal charges giving
// none, and brackets round a polyatomic ion that a subscript follows. The one reduced pair
// is a 4+ cation with a 2- anion: one cation, two anions.
std::string compoundFormula(const TIon& cation, const TIon& anion);
// The formula in its two halves, the cation's written for a partner of the anion's charge and
// the anion's for the cation's: compoundFormula is the one followed by the other.
std::string formulaCationPart(const TIon& cation, std::int32_t anionCharge);
std::string formulaAnionPart(const TIon& anion, std::int32_t cationCharge);

// Two or more capitals or digits 2 to 9 make a symbol polyatomic: OH, SO4, Hg2, O2.
bool isPolyatomicSymbol(const std::string& symbol);

// The digits that formulas lower as subscripts.
bool isSubscriptDigit(char c);

// Draws a formula character by character from (x, y), each advanced by its own width, the
// subscript digits drop lower; returns the x after the last character.
int drawFormulaText(TextSurface& surface, int x, int y, const std::string& text, int drop);
