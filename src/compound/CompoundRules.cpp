#include "compound/CompoundRules.h"

std::string compoundName(const TIon& cation, const TIon& anion)
{
    return cation.name + " " + anion.name;
}

bool isSubscriptDigit(char c)
{
    return c >= '2' && c <= '9';
}

bool isPolyatomicSymbol(const std::string& symbol)
{
    int count = 0;
    for (char c : symbol)
        if ((c >= 'A' && c <= 'Z') || isSubscriptDigit(c))
            ++count;
    return count >= 2;
}

std::string formulaCationPart(const TIon& cation, std::int32_t anionCharge)
{
    const std::int32_t c = cation.charge;
    const std::int32_t a = anionCharge;
    // The cation's bracket looks only at the anion's charge, so a polyatomic 4+ cation with a
    // 2- anion keeps its bracket although no subscript follows it.
    const bool bracketCation = isPolyatomicSymbol(cation.symbol) && a >= 2 && a != c;
    std::string part = bracketCation ? "(" + cation.symbol + ")" : cation.symbol;
    if (!(a == 2 && c == 4) && a != 1 && a != c)
        part += std::to_string(a);
    return part;
}

std::string formulaAnionPart(const TIon& anion, std::int32_t cationCharge)
{
    const std::int32_t c = cationCharge;
    const std::int32_t a = anion.charge;
    const bool bracketAnion = isPolyatomicSymbol(anion.symbol) && c >= 2 && c != a;
    std::string part = bracketAnion ? "(" + anion.symbol + ")" : anion.symbol;
    if (a == 2 && c == 4)
        part += "2";
    else if (c != 1 && c != a)
        part += std::to_string(c);
    return part;
}

std::string compoundFormula(const TIon& cation, const TIon& anion)
{
    return formulaCationPart(cation, anion.charge) + formulaAnionPart(anion, cation.charge);
}

int drawFormulaText(TextSurface& surface, int x, int y, const std::string& text, int drop)
{
    for (char c : text) {
        const std::string character(1, c);
        surface.drawText(x, isSubscriptDigit(c) ? y + drop : y, character);
        x += surface.textWidth(character);
    }
    return x;
}
