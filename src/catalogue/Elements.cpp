#include "catalogue/Elements.h"

#include <array>
#include <cctype>

namespace elements {

namespace {

constexpr std::array<Element, 118> table{{
    {"H", "hydrogen"},      {"He", "helium"},        {"Li", "lithium"},
    {"Be", "beryllium"},    {"B", "boron"},          {"C", "carbon"},
    {"N", "nitrogen"},      {"O", "oxygen"},         {"F", "fluorine"},
    {"Ne", "neon"},         {"Na", "sodium"},        {"Mg", "magnesium"},
    {"Al", "aluminium"},    {"Si", "silicon"},       {"P", "phosphorus"},
    {"S", "sulfur"},        {"Cl", "chlorine"},      {"Ar", "argon"},
    {"K", "potassium"},     {"Ca", "calcium"},       {"Sc", "scandium"},
    {"Ti", "titanium"},     {"V", "vanadium"},       {"Cr", "chromium"},
    {"Mn", "manganese"},    {"Fe", "iron"},          {"Co", "cobalt"},
    {"Ni", "nickel"},       {"Cu", "copper"},        {"Zn", "zinc"},
    {"Ga", "gallium"},      {"Ge", "germanium"},     {"As", "arsenic"},
    {"Se", "selenium"},     {"Br", "bromine"},       {"Kr", "krypton"},
    {"Rb", "rubidium"},     {"Sr", "strontium"},     {"Y", "yttrium"},
    {"Zr", "zirconium"},    {"Nb", "niobium"},       {"Mo", "molybdenum"},
    {"Tc", "technetium"},   {"Ru", "ruthenium"},     {"Rh", "rhodium"},
    {"Pd", "palladium"},    {"Ag", "silver"},        {"Cd", "cadmium"},
    {"In", "indium"},       {"Sn", "tin"},           {"Sb", "antimony"},
    {"Te", "tellurium"},    {"I", "iodine"},         {"Xe", "xenon"},
    {"Cs", "caesium"},      {"Ba", "barium"},        {"La", "lanthanum"},
    {"Ce", "cerium"},       {"Pr", "praseodymium"},  {"Nd", "neodymium"},
    {"Pm", "promethium"},   {"Sm", "samarium"},      {"Eu", "europium"},
    {"Gd", "gadolinium"},   {"Tb", "terbium"},       {"Dy", "dysprosium"},
    {"Ho", "holmium"},      {"Er", "erbium"},        {"Tm", "thulium"},
    {"Yb", "ytterbium"},    {"Lu", "lutetium"},      {"Hf", "hafnium"},
    {"Ta", "tantalum"},     {"W", "tungsten"},       {"Re", "rhenium"},
    {"Os", "osmium"},       {"Ir", "iridium"},       {"Pt", "platinum"},
    {"Au", "gold"},         {"Hg", "mercury"},       {"Tl", "thallium"},
    {"Pb", "lead"},         {"Bi", "bismuth"},       {"Po", "polonium"},
    {"At", "astatine"},     {"Rn", "radon"},         {"Fr", "francium"},
    {"Ra", "radium"},       {"Ac", "actinium"},      {"Th", "thorium"},
    {"Pa", "protactinium"}, {"U", "uranium"},        {"Np", "neptunium"},
    {"Pu", "plutonium"},    {"Am", "americium"},     {"Cm", "curium"},
    {"Bk", "berkelium"},    {"Cf", "californium"},   {"Es", "einsteinium"},
    {"Fm", "fermium"},      {"Md", "mendelevium"},   {"No", "nobelium"},
    {"Lr", "lawrencium"},   {"Rf", "rutherfordium"}, {"Db", "dubnium"},
    {"Sg", "seaborgium"},   {"Bh", "bohrium"},       {"Hs", "hassium"},
    {"Mt", "meitnerium"},   {"Ds", "darmstadtium"},  {"Rg", "roentgenium"},
    {"Cn", "copernicium"},  {"Nh", "nihonium"},      {"Fl", "flerovium"},
    {"Mc", "moscovium"},    {"Lv", "livermorium"},   {"Ts", "tennessine"},
    {"Og", "oganesson"},
}};

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

char lower(char c) { return isUpper(c) ? char(c - 'A' + 'a') : c; }

// A recursive-descent reading; `at` moves past what was read.
class Reader {
public:
    explicit Reader(std::string_view text) : text(text) {}

    Reading run()
    {
        Reading reading;
        reading.valid = sequence(reading.parts, '\0') && at == text.size();
        return reading;
    }

private:
    // One or more parts up to the closing bracket (or the end when closing is zero).
    bool sequence(std::vector<const Element*>& parts, char closing)
    {
        std::size_t read = 0;
        while (at < text.size() && text[at] != closing) {
            if (!part(parts))
                return false;
            ++read;
        }
        return read > 0;
    }

    bool part(std::vector<const Element*>& parts)
    {
        const char c = text[at];
        if (c == '(' || c == '[') {
            const char closing = c == '(' ? ')' : ']';
            ++at;
            if (!sequence(parts, closing) || at == text.size())
                return false;
            ++at;
            return count();
        }
        if (!isUpper(c))
            return false;
        // A small letter always belongs to the capital before it: "Co" is cobalt, never C + o.
        std::size_t length = 1;
        if (at + 1 < text.size() && isLower(text[at + 1]))
            length = 2;
        const Element* element = find(text.substr(at, length));
        if (!element)
            return false;
        parts.push_back(element);
        at += length;
        return count();
    }

    // An optional count: digits not beginning with 0.
    bool count()
    {
        if (at == text.size() || !isDigit(text[at]))
            return true;
        if (text[at] == '0')
            return false;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return true;
    }

    std::string_view text;
    std::size_t at = 0;
};

} // namespace

const Element* find(std::string_view symbol)
{
    for (const Element& element : table) {
        if (element.symbol == symbol)
            return &element;
    }
    return nullptr;
}

const Element* findIgnoringCase(std::string_view symbol)
{
    for (const Element& element : table) {
        if (element.symbol.size() != symbol.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < symbol.size(); ++i)
            same = same && lower(element.symbol[i]) == lower(symbol[i]);
        if (same)
            return &element;
    }
    return nullptr;
}

int atomicNumber(const Element& element)
{
    return static_cast<int>(&element - table.data()) + 1;
}

Reading read(std::string_view symbol)
{
    return Reader(symbol).run();
}

} // namespace elements
