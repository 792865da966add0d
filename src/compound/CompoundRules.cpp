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

std::string compoundFormula(const TIon& cation, const TIon& anion)
{
    const std::int32_t c = cation.charge;
    const std::int32_t a = anion.charge;
    const bool fourAndTwo = a == 2 && c == 4;
    std::string formula;

    // The cation's bracket looks only at the anion's charge, so a polyatomic 4+ cation with a
    // 2- anion keeps its bracket although no subscript follows it.
    const bool bracketCation = isPolyatomicSymbol(cation.symbol) && a >= 2 && a != c;
    formula += bracketCation ? "(" + cation.symbol + ")" : cation.symbol;
    if (!fourAndTwo && a != 1 && a != c)
        formula += std::to_string(a);

    const bool bracketAnion = isPolyatomicSymbol(anion.symbol) && c >= 2 && c != a;
    formula += bracketAnion ? "(" + anion.symbol + ")" : anion.symbol;
    if (fourAndTwo)
        formula += "2";
    else if (c != 1 && c != a)
        formula += std::to_string(c);
    return formula;
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
