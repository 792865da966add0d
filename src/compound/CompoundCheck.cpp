#include "compound/CompoundCheck.h"

#include "compound/CompoundIndex.h"
#include "compound/CompoundRules.h"

#include <algorithm>
#include <iterator>
#include <array>
#include <map>
#include <string>
#include <utility>

namespace {

using Places = CompoundIndex::Places;
using Half = CompoundIndex::Half;
using Halves = std::vector<Half>;

bool twins(const TIon& a, const TIon& b)
{
    return a.name == b.name || (a.symbol == b.symbol && a.charge == b.charge);
}

// What the texts of a map begin with: most places a text could be cut at cannot begin one,
// and are passed over without a look-up.
class Beginnings {
public:
    template <typename Map>
    explicit Beginnings(const Map& texts)
    {
        for (const auto& [text, value] : texts) {
            if (text.empty())
                empty = true;
            else
                first[static_cast<unsigned char>(text[0])] = true;
        }
    }
    // Whether the rest of text from `at` may be one of the texts.
    bool mayBegin(const std::string& text, std::size_t at) const
    {
        return at < text.size() ? first[static_cast<unsigned char>(text[at])] : empty;
    }

private:
    std::array<bool, 256> first{};
    bool empty = false;
};

std::string described(const IonCatalogue& lists, const IonPair& pair)
{
    const TIon& cation = lists.cations.at(pair.cation);
    const TIon& anion = lists.anions.at(pair.anion);
    return entryLabel(true, pair.cation) + " with " + entryLabel(false, pair.anion) + " (" +
           utf8Text(compoundName(cation, anion)) + ", " + utf8Text(compoundFormula(cation, anion)) +
           ")";
}

// The two pairs of every finding, up to mostPairsListed of them: the texts are made only for
// those kept.
class Found {
public:
    explicit Found(const IonCatalogue& lists) : lists(lists) {}

    // False once no more are kept.
    bool add(bool byName, IonPair p, IonPair q)
    {
        if (full())
            return false;
        const bool sameCation = p.cation == q.cation;
        const bool sameAnion = p.anion == q.anion;
        // A pair that differs from another only by a twin ion is reported with the ion.
        if ((sameAnion && twins(lists.cations.at(p.cation), lists.cations.at(q.cation))) ||
            (sameCation && twins(lists.anions.at(p.anion), lists.anions.at(q.anion))))
            return true;
        found.push_back({byName, std::min(p, q), std::max(p, q)});
        return !full();
    }

    bool full() const { return found.size() >= mostPairsListed; }

    // Every formula finding before every name finding, each by its two pairs in list order.
    std::vector<ListFinding> findings()
    {
        std::sort(found.begin(), found.end(), [](const Two& a, const Two& b) {
            return std::tie(a.byName, a.first, a.second) < std::tie(b.byName, b.first, b.second);
        });
        std::vector<ListFinding> result;
        for (const Two& two : found) {
            const TIon& cation = lists.cations.at(two.first.cation);
            const TIon& anion = lists.anions.at(two.first.anion);
            const std::string text =
                two.byName ? compoundName(cation, anion) : compoundFormula(cation, anion);
            result.push_back({ListFinding::Kind::SameCompound,
                              described(lists, two.first) + " and " + described(lists, two.second) +
                                  " have the same " + (two.byName ? "name" : "formula") + " \"" +
                                  utf8Text(text) + "\""});
        }
        if (full())
            result.push_back({ListFinding::Kind::SameCompound,
                              "more pairs make the same compound: only " +
                                  std::to_string(mostPairsListed) + " are listed"});
        return result;
    }

private:
    struct Two {
        bool byName;
        IonPair first;
        IonPair second;
    };
    const IonCatalogue& lists;
    std::vector<Two> found;
};

// Every pair of one block (entries of one cation kind or name with entries of one anion kind
// or name) with every pair of another.
bool acrossBlocks(Found& found, bool byName, const Places& cations1, const Places& anions1,
                  const Places& cations2, const Places& anions2)
{
    for (std::uint32_t c1 : cations1)
        for (std::uint32_t a1 : anions1)
            for (std::uint32_t c2 : cations2)
                for (std::uint32_t a2 : anions2)
                    if (!found.add(byName, {c1, a1}, {c2, a2}))
                        return false;
    return true;
}

// Within one block, two pairs that share an ion differ by a twin of the other: only pairs of
// two cations and two anions are findings.
bool withinBlocks(Found& found, bool byName, const std::vector<const Places*>& cationGroups,
                  const std::vector<const Places*>& anionGroups)
{
    for (const Places* cations : cationGroups)
        for (const Places* anions : anionGroups)
            for (std::size_t x = 0; x < cations->size(); ++x)
                for (std::size_t y = x + 1; y < cations->size(); ++y)
                    for (std::uint32_t a1 : *anions)
                        for (std::uint32_t a2 : *anions)
                            if (a1 != a2 && !found.add(byName, {(*cations)[x], a1},
                                                       {(*cations)[y], a2}))
                                return false;
    return true;
}

template <typename Groups>
std::vector<const Places*> shared(const Groups& groups)
{
    std::vector<const Places*> result;
    for (const auto& group : groups)
        if (group.size() >= 2)
            result.push_back(&group);
    return result;
}

std::vector<const Places*> sharedNames(const std::unordered_map<std::string, Places>& byName)
{
    std::vector<const Places*> result;
    for (const auto& [name, places] : byName)
        if (places.size() >= 2)
            result.push_back(&places);
    return result;
}

// A name joins its halves at a blank: "Iron (II) oxide" is "Iron" with "(II) oxide" and
// "Iron (II)" with "oxide". Two pairs split at different blanks share the words X between:
// the shorter cation name with X is the longer one, and X with the shorter anion name the
// longer one.
bool sameNames(const CompoundIndex& index, Found& found)
{
    if (!withinBlocks(found, true, sharedNames(index.cationsByName), sharedNames(index.anionsByName)))
        return false;
    const Beginnings anionStarts(index.anionsByName);
    std::unordered_map<std::string, std::vector<std::pair<const Places*, const Places*>>> between;
    for (const auto& [name, longer] : index.anionsByName)
        for (std::size_t blank = name.find(' '); blank != std::string::npos;
             blank = name.find(' ', blank + 1)) {
            if (!anionStarts.mayBegin(name, blank + 1))
                continue;
            const auto shorter = index.anionsByName.find(name.substr(blank + 1));
            if (shorter != index.anionsByName.end())
                between[name.substr(0, blank)].push_back({&longer, &shorter->second});
        }
    if (between.empty())
        return true;
    const Beginnings betweenStarts(between);
    for (const auto& [name, longer] : index.cationsByName)
        for (std::size_t blank = name.find(' '); blank != std::string::npos;
             blank = name.find(' ', blank + 1)) {
            if (!betweenStarts.mayBegin(name, blank + 1))
                continue;
            const auto words = between.find(name.substr(blank + 1));
            const auto shorter = index.cationsByName.find(name.substr(0, blank));
            if (words == between.end() || shorter == index.cationsByName.end())
                continue;
            for (const auto& [longAnion, shortAnion] : words->second)
                if (!acrossBlocks(found, true, shorter->second, *longAnion, longer, *shortAnion))
                    return false;
        }
    return true;
}

using Charges = std::pair<std::int32_t, std::int32_t>; // cation's, anion's

Charges chargesOf(const Half& half)
{
    return {half.cationCharge, half.anionCharge};
}

// The blocks that a cation half and an anion half make together: the kinds written for
// the same pair of charges.
std::vector<std::pair<std::uint32_t, std::uint32_t>> blocks(const Halves& cations,
                                                            const Halves& anions)
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> result;
    for (const Half& cation : cations)
        for (const Half& anion : anions)
            if (chargesOf(cation) == chargesOf(anion))
                result.push_back({cation.kind, anion.kind});
    return result;
}

class FormulaBlocks {
public:
    FormulaBlocks(const CompoundIndex& index, Found& found) : index(index), found(found) {}

    // Every pair of one list of blocks with every pair of another, or of the same list.
    bool across(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& first,
                const std::vector<std::pair<std::uint32_t, std::uint32_t>>& second, bool same)
    {
        for (std::size_t x = 0; x < first.size(); ++x)
            for (std::size_t y = same ? x + 1 : 0; y < second.size(); ++y)
                if (!acrossBlocks(found, false, index.cationKinds[first[x].first],
                                  index.anionKinds[first[x].second],
                                  index.cationKinds[second[y].first],
                                  index.anionKinds[second[y].second]))
                    return false;
        return true;
    }

    const CompoundIndex& index;
    Found& found;
};

// The halves of one text that were written for these charges.
Halves withCharges(const Halves& halves, Charges charges)
{
    Halves some;
    std::copy_if(halves.begin(), halves.end(), std::back_inserter(some),
                 [charges](const Half& half) { return chargesOf(half) == charges; });
    return some;
}

// Both halves the same, written for different charges: Fe with O reads FeO for 2+ with 2-
// and for 1+ with 1-. Each two sets of charges are looked at once, with the halves written
// for both.
bool sameHalvesAcrossCharges(FormulaBlocks& formulas)
{
    const CompoundIndex& index = formulas.index;
    using Key = std::array<std::int32_t, 4>;
    using TextsByKey = std::map<Key, std::vector<std::pair<const std::string*, const Halves*>>>;
    // Only the keys of `wanted` are kept, when it is given.
    const auto byTwoCharges = [](const std::unordered_map<std::string, Halves>& halves,
                                 const TextsByKey* wanted) {
        TextsByKey result;
        for (const auto& [text, entries] : halves) {
            if (entries.size() < 2)
                continue;
            std::vector<Charges> seen;
            for (const Half& half : entries)
                if (std::find(seen.begin(), seen.end(), chargesOf(half)) == seen.end())
                    seen.push_back(chargesOf(half));
            std::sort(seen.begin(), seen.end());
            for (std::size_t x = 0; x < seen.size(); ++x)
                for (std::size_t y = x + 1; y < seen.size(); ++y) {
                    const Key key{seen[x].first, seen[x].second, seen[y].first, seen[y].second};
                    if (!wanted || wanted->count(key))
                        result[key].push_back({&text, &entries});
                }
        }
        return result;
    };
    const TextsByKey anionTexts = byTwoCharges(index.anionHalves, nullptr);
    if (anionTexts.empty())
        return true;
    const TextsByKey cationTexts = byTwoCharges(index.cationHalves, &anionTexts);
    for (const auto& [key, anions] : anionTexts) {
        const auto cations = cationTexts.find(key);
        if (cations == cationTexts.end())
            continue;
        const Charges first{key[0], key[1]};
        const Charges second{key[2], key[3]};
        for (const auto& [cationText, cationHalves] : cations->second)
            for (const auto& [anionText, anionHalves] : anions) {
                // Named apart: a lambda may not capture a structured binding everywhere yet.
                const Halves& cationSide = *cationHalves;
                const Halves& anionSide = *anionHalves;
                const auto forCharges = [&](Charges charges) {
                    return blocks(withCharges(cationSide, charges), withCharges(anionSide, charges));
                };
                if (!formulas.across(forCharges(first), forCharges(second), false))
                    return false;
            }
    }
    return true;
}

// Both halves the same for the same charges, from two kinds: a symbol written "(OH)" reads
// as OH bracketed. Rare, so every half of the other list for those charges is looked at.
bool sameHalvesOfTwoKinds(FormulaBlocks& formulas)
{
    const CompoundIndex& index = formulas.index;
    const auto twoKinds = [](const std::unordered_map<std::string, Halves>& halves) {
        std::map<Charges, std::vector<const Halves*>> result;
        for (const auto& [text, entries] : halves)
            for (std::size_t x = 0; x < entries.size(); ++x)
                for (std::size_t y = x + 1; y < entries.size(); ++y)
                    if (chargesOf(entries[x]) == chargesOf(entries[y]) &&
                        std::find(result[chargesOf(entries[x])].begin(),
                                  result[chargesOf(entries[x])].end(),
                                  &entries) == result[chargesOf(entries[x])].end())
                        result[chargesOf(entries[x])].push_back(&entries);
        return result;
    };
    const auto cationTwos = twoKinds(index.cationHalves);
    const auto anionTwos = twoKinds(index.anionHalves);
    // Cation halves of two kinds with every anion half; anion halves of two kinds with the
    // cation halves of one kind, so that no two blocks are looked at twice.
    for (const auto& [charges, cationHalves] : cationTwos)
        for (const Halves* cations : cationHalves)
            for (const auto& [text, anions] : index.anionHalves) {
                const auto made =
                    blocks(withCharges(*cations, charges), withCharges(anions, charges));
                if (!formulas.across(made, made, true))
                    return false;
            }
    for (const auto& [charges, anionHalves] : anionTwos)
        for (const Halves* anions : anionHalves)
            for (const auto& [text, cations] : index.cationHalves) {
                const Halves ofCharges = withCharges(cations, charges);
                if (ofCharges.size() != 1)
                    continue;
                const auto made = blocks(ofCharges, withCharges(*anions, charges));
                if (!formulas.across(made, made, true))
                    return false;
            }
    return true;
}

// Halves split at different places: a cation half with the letters X after it is another
// cation half, and X before an anion half is another anion half, as Fe with O2 and FeO
// with 2 would be.
bool halvesSplitElsewhere(FormulaBlocks& formulas)
{
    const CompoundIndex& index = formulas.index;
    const Beginnings anionStarts(index.anionHalves);
    std::unordered_map<std::string, std::vector<std::pair<const Halves*, const Halves*>>> between;
    for (const auto& [text, longer] : index.anionHalves)
        for (std::size_t split = 1; split <= text.size(); ++split) {
            if (!anionStarts.mayBegin(text, split))
                continue;
            const auto shorter = index.anionHalves.find(text.substr(split));
            if (shorter != index.anionHalves.end())
                between[text.substr(0, split)].push_back({&longer, &shorter->second});
        }
    if (between.empty())
        return true;
    const Beginnings betweenStarts(between);
    for (const auto& [text, longer] : index.cationHalves)
        for (std::size_t split = 0; split < text.size(); ++split) {
            if (!betweenStarts.mayBegin(text, split))
                continue;
            const auto letters = between.find(text.substr(split));
            if (letters == between.end())
                continue;
            const auto shorter = index.cationHalves.find(text.substr(0, split));
            if (shorter == index.cationHalves.end())
                continue;
            for (const auto& [longAnion, shortAnion] : letters->second)
                if (!formulas.across(blocks(shorter->second, *longAnion),
                                     blocks(longer, *shortAnion), false))
                    return false;
        }
    return true;
}

bool sameFormulas(const CompoundIndex& index, Found& found)
{
    FormulaBlocks formulas(index, found);
    return withinBlocks(found, false, shared(index.cationKinds), shared(index.anionKinds)) &&
           sameHalvesAcrossCharges(formulas) && sameHalvesOfTwoKinds(formulas) &&
           halvesSplitElsewhere(formulas);
}

} // namespace

std::vector<ListFinding> findSameCompounds(const IonCatalogue& lists)
{
    const CompoundIndex index(lists);
    Found found(lists);
    if (sameFormulas(index, found))
        sameNames(index, found);
    return found.findings();
}

std::vector<ListFinding> checkListsAndCompounds(const IonCatalogue& lists)
{
    std::vector<ListFinding> findings = checkLists(lists);
    for (ListFinding& finding : findSameCompounds(lists))
        findings.push_back(std::move(finding));
    return findings;
}
