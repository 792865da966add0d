#include "catalogue/ListsCheck.h"

#include "catalogue/Elements.h"

#include <algorithm>
#include <map>
#include <optional>

namespace {

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), lower);
    return text;
}

std::string quoted(const std::string& latin1)
{
    return "\"" + utf8Text(latin1) + "\"";
}

// Names say "Aluminum" or "Aluminium", "Sulfide" or "Sulphide": the first five letters of the
// element's name are enough to tell which element a name is about.
bool nameMentions(const std::string& name, const elements::Element& element)
{
    const std::string stem(element.name.substr(0, std::min<std::size_t>(5, element.name.size())));
    return lowered(name).find(stem) != std::string::npos;
}

// The same letters in other capitals that read as element symbols: first one with an element
// the name speaks of ("co" for cobalt gives "Co"), then the one whose rarest element is the
// most familiar, by atomic number ("nh4" gives "NH4", not nihonium).
std::optional<std::string> recapitalised(const TIon& ion)
{
    const std::string& symbol = ion.symbol;
    std::vector<std::size_t> letters;
    for (std::size_t i = 0; i < symbol.size(); ++i) {
        if (isLetter(symbol[i]))
            letters.push_back(i);
    }
    std::optional<std::string> best;
    std::pair<bool, int> bestRank;
    for (std::uint32_t mask = 0; mask < (1u << letters.size()); ++mask) {
        std::string candidate = symbol;
        for (std::size_t bit = 0; bit < letters.size(); ++bit) {
            char& c = candidate[letters[bit]];
            c = (mask >> bit) & 1 ? char(lower(c) - 'a' + 'A') : lower(c);
        }
        const elements::Reading reading = elements::read(candidate);
        if (!reading.valid)
            continue;
        std::pair<bool, int> rank{true, 0};
        for (const elements::Element* part : reading.parts) {
            rank.first = rank.first && !nameMentions(ion.name, *part);
            rank.second = std::max(rank.second, elements::atomicNumber(*part));
        }
        if (!best || rank < bestRank) {
            best = candidate;
            bestRank = rank;
        }
    }
    return best;
}

bool hasRomanNumeral(const std::string& name)
{
    for (std::size_t open = name.find('('); open != std::string::npos;
         open = name.find('(', open + 1)) {
        const std::size_t close = name.find(')', open);
        if (close == std::string::npos || close == open + 1)
            return false;
        if (name.find_first_not_of("IVX", open + 1) == close)
            return true;
    }
    return false;
}

std::string described(bool cation, std::uint32_t position, const TIon& ion)
{
    return entryLabel(cation, position) + " (" + utf8Text(ion.name) + ")";
}

using Findings = std::vector<ListFinding>;

void checkSymbols(const IonList& list, bool cation, Findings& findings)
{
    for (std::uint32_t i = 0; i < list.count(); ++i) {
        const std::string problem = symbolProblem(list.at(i));
        if (!problem.empty())
            findings.push_back({ListFinding::Kind::Symbol, entryLabel(cation, i) + ": " + problem});
    }
}

void checkNames(const IonList& list, bool cation, Findings& findings)
{
    std::map<std::string, std::uint32_t> first;
    for (std::uint32_t i = 0; i < list.count(); ++i) {
        const auto [seen, added] = first.emplace(list.at(i).name, i);
        if (!added)
            findings.push_back({ListFinding::Kind::SameName,
                                entryLabel(cation, seen->second) + " and " + entryLabel(cation, i) +
                                    " have the same name " + quoted(list.at(i).name)});
    }
}

void checkSameIons(const IonList& list, bool cation, Findings& findings)
{
    std::map<std::pair<std::string, std::int32_t>, std::uint32_t> first;
    for (std::uint32_t i = 0; i < list.count(); ++i) {
        const TIon& ion = list.at(i);
        const auto [seen, added] = first.emplace(std::pair{ion.symbol, ion.charge}, i);
        // Twins by name are a finding of their own.
        if (!added && list.at(seen->second).name != ion.name)
            findings.push_back({ListFinding::Kind::SameIon,
                                described(cation, seen->second, list.at(seen->second)) + " and " +
                                    described(cation, i, ion) + " are both " + quoted(ion.symbol) +
                                    " with charge " + std::to_string(ion.charge)});
    }
}

void checkNumerals(const IonList& cations, Findings& findings)
{
    std::map<std::string, std::vector<std::uint32_t>> bySymbol;
    for (std::uint32_t i = 0; i < cations.count(); ++i)
        bySymbol[cations.at(i).symbol].push_back(i);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
    for (const auto& [symbol, positions] : bySymbol) {
        for (std::size_t x = 0; x < positions.size(); ++x) {
            for (std::size_t y = x + 1; y < positions.size(); ++y) {
                const TIon& a = cations.at(positions[x]);
                const TIon& b = cations.at(positions[y]);
                if (a.charge != b.charge && !(hasRomanNumeral(a.name) && hasRomanNumeral(b.name)))
                    pairs.emplace_back(positions[x], positions[y]);
            }
        }
    }
    std::sort(pairs.begin(), pairs.end());
    for (const auto& [i, j] : pairs) {
        const TIon& a = cations.at(i);
        const TIon& b = cations.at(j);
        findings.push_back({ListFinding::Kind::NoNumeral,
                            described(true, i, a) + " and " + described(true, j, b) + " are both " +
                                quoted(a.symbol) + ", with charges " + std::to_string(a.charge) +
                                " and " + std::to_string(b.charge) +
                                ": both names need a Roman numeral such as (II)"});
    }
}

void checkCharges(const IonList& list, bool cation, Findings& findings)
{
    for (std::uint32_t i = 0; i < list.count(); ++i) {
        const std::int32_t charge = list.at(i).charge;
        if (charge < 1 || charge > 4)
            findings.push_back({ListFinding::Kind::Charge, entryLabel(cation, i) + ": the charge " +
                                                               std::to_string(charge) +
                                                               " is outside 1 to 4"});
    }
}

} // namespace

std::string entryLabel(bool cation, std::uint32_t position)
{
    return (cation ? "cation " : "anion ") + std::to_string(std::uint64_t(position) + 1);
}

std::string utf8Text(const std::string& latin1)
{
    std::string text;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += char(0xC0 | (byte >> 6));
            text += char(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string symbolProblem(const TIon& ion)
{
    const std::string& symbol = ion.symbol;
    const elements::Reading reading = elements::read(symbol);
    if (!reading.valid) {
        const std::string problem = "the symbol " + quoted(symbol) + " is not a formula of element symbols";
        // Capitals are the one thing a symbol's letters can be corrected by; more would be a guess.
        if (const std::optional<std::string> better = recapitalised(ion))
            return problem + "; did you mean " + quoted(*better) + "?";
        return problem;
    }
    // "CO" or "CO2" for cobalt: valid, but as carbon and oxygen.
    const std::string letters = symbol.substr(0, symbol.find_last_not_of("0123456789") + 1);
    const elements::Element* meant = elements::findIgnoringCase(letters);
    if (reading.parts.size() < 2 || !meant || !nameMentions(ion.name, *meant))
        return {};
    std::string parts;
    for (const elements::Element* part : reading.parts)
        parts += (parts.empty() ? "" : " + ") + std::string(part->name);
    return "the symbol " + quoted(symbol) + " reads as " + parts + "; " + std::string(meant->name) +
           " is " + quoted(std::string(meant->symbol));
}

std::vector<ListFinding> checkLists(const IonCatalogue& lists)
{
    Findings findings;
    checkSymbols(lists.cations, true, findings);
    checkSymbols(lists.anions, false, findings);
    checkNames(lists.cations, true, findings);
    checkNames(lists.anions, false, findings);
    checkSameIons(lists.cations, true, findings);
    checkSameIons(lists.anions, false, findings);
    checkNumerals(lists.cations, findings);
    checkCharges(lists.cations, true, findings);
    checkCharges(lists.anions, false, findings);
    return findings;
}
