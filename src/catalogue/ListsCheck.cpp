#include "catalogue/ListsCheck.h"

#include "catalogue/Elements.h"
#include "platform/CsvText.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>

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
    // Appended piece by piece: g++ 12 at -O3 warns of a false overlap in "\"" + text.
    std::string result(1, '"');
    result += utf8Text(latin1);
    result += '"';
    return result;
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
// most familiar, by atomic number ("nh4" gives "NH4", not nihonium); of equals, the one with
// the fewest capitals towards the end. A small letter belongs to the capital before it, so
// only the ways of cutting each run of letters into element symbols of one or two letters
// can read, and only those are tried: a 14-letter symbol has thousands of capitalisations.
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
    std::uint32_t bestMask = 0;
    std::string candidate = symbol;
    // Capitalises from the letter `next` on; mask has a bit for each capital so far.
    const auto cut = [&](const auto& self, std::size_t next, std::uint32_t mask) -> void {
        if (next == letters.size()) {
            const elements::Reading reading = elements::read(candidate);
            if (!reading.valid)
                return;
            std::pair<bool, int> rank{true, 0};
            for (const elements::Element* part : reading.parts) {
                rank.first = rank.first && !nameMentions(ion.name, *part);
                rank.second = std::max(rank.second, elements::atomicNumber(*part));
            }
            if (!best || rank < bestRank || (rank == bestRank && mask < bestMask)) {
                best = candidate;
                bestRank = rank;
                bestMask = mask;
            }
            return;
        }
        const std::size_t at = letters[next];
        candidate[at] = char(lower(symbol[at]) - 'a' + 'A');
        if (elements::find(candidate.substr(at, 1)))
            self(self, next + 1, mask | (1u << next));
        // Two letters only when the second follows the first directly.
        if (next + 1 < letters.size() && letters[next + 1] == at + 1) {
            candidate[at + 1] = lower(symbol[at + 1]);
            if (elements::find(candidate.substr(at, 2)))
                self(self, next + 2, mask | (1u << next));
        }
    };
    cut(cut, 0, 0);
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
    // For each symbol its entries in list order, all and those without a numeral, and for each
    // place the next one of another charge, so that a long run of one charge is passed over at
    // once: the work goes with the findings, not with the square of a symbol's entries.
    struct Entries {
        std::vector<std::uint32_t> places;
        std::vector<std::size_t> nextCharge;
    };
    struct Symbol {
        Entries all;
        Entries plain;
    };
    std::unordered_map<std::string, Symbol> bySymbol;
    std::vector<bool> numeral(cations.count());
    for (std::uint32_t i = 0; i < cations.count(); ++i) {
        numeral[i] = hasRomanNumeral(cations.at(i).name);
        Symbol& symbol = bySymbol[cations.at(i).symbol];
        symbol.all.places.push_back(i);
        if (!numeral[i])
            symbol.plain.places.push_back(i);
    }
    const auto charge = [&](std::uint32_t place) { return cations.at(place).charge; };
    for (auto& [text, symbol] : bySymbol) {
        for (Entries* entries : {&symbol.all, &symbol.plain}) {
            const std::vector<std::uint32_t>& places = entries->places;
            entries->nextCharge.resize(places.size());
            for (std::size_t k = places.size(); k-- > 0;)
                entries->nextCharge[k] = k + 1 == places.size() || charge(places[k + 1]) != charge(places[k])
                                             ? k + 1
                                             : entries->nextCharge[k + 1];
        }
    }
    std::size_t listed = 0;
    for (std::uint32_t i = 0; i < cations.count(); ++i) {
        const TIon& a = cations.at(i);
        // Both names with a numeral tell the two apart.
        const Entries& later = numeral[i] ? bySymbol[a.symbol].plain : bySymbol[a.symbol].all;
        std::size_t k = std::upper_bound(later.places.begin(), later.places.end(), i) -
                        later.places.begin();
        while (k < later.places.size()) {
            if (charge(later.places[k]) == a.charge) {
                k = later.nextCharge[k];
                continue;
            }
            if (listed++ == mostPairsListed) {
                findings.push_back({ListFinding::Kind::NoNumeral,
                                    "more cations share a symbol with other charges: only " +
                                        std::to_string(mostPairsListed) + " pairs are listed"});
                return;
            }
            const std::uint32_t j = later.places[k++];
            const TIon& b = cations.at(j);
            findings.push_back({ListFinding::Kind::NoNumeral,
                                described(true, i, a) + " and " + described(true, j, b) +
                                    " are both " + quoted(a.symbol) + ", with charges " +
                                    std::to_string(a.charge) + " and " + std::to_string(b.charge) +
                                    ": both names need a Roman numeral such as (II)"});
        }
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
    return csv_text::utf8FromLatin1(latin1);
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
