#include "compound/CompoundIndex.h"

#include "compound/CompoundRules.h"

#include <algorithm>
#include <utility>
#include <set>

namespace {

std::unordered_map<std::string, CompoundIndex::Places> byName(const IonList& list)
{
    std::unordered_map<std::string, CompoundIndex::Places> places;
    for (std::uint32_t i = 0; i < list.count(); ++i)
        places[list.at(i).name].push_back(i);
    return places;
}

// Entries of one symbol and charge, in list order, the kinds in the order they first appear.
std::vector<CompoundIndex::Places> kinds(const IonList& list)
{
    std::unordered_map<std::string, std::uint32_t> kindOf;
    std::vector<CompoundIndex::Places> result;
    for (std::uint32_t i = 0; i < list.count(); ++i) {
        const TIon& ion = list.at(i);
        // A symbol holds no zero byte, so the charge's bytes after one cannot run into it.
        std::string key = ion.symbol + '\0';
        key.append(reinterpret_cast<const char*>(&ion.charge), sizeof ion.charge);
        const auto [kind, added] = kindOf.emplace(std::move(key), std::uint32_t(result.size()));
        if (added)
            result.emplace_back();
        result[kind->second].push_back(i);
    }
    return result;
}

std::set<std::int32_t> charges(const IonList& list)
{
    std::set<std::int32_t> found;
    for (const TIon& ion : list)
        found.insert(ion.charge);
    return found;
}

// The first `limit` pairs of cations x anions in list order: the first `limit` pairs of all
// the products together are among them.
void addProduct(const CompoundIndex::Places& cations, const CompoundIndex::Places& anions,
                std::size_t limit, std::vector<IonPair>& pairs)
{
    std::size_t added = 0;
    for (std::uint32_t c : cations)
        for (std::uint32_t a : anions) {
            if (added++ == limit)
                return;
            pairs.push_back({c, a});
        }
}

// In list order, each pair once, at most `limit`.
std::vector<IonPair> firstPairs(std::vector<IonPair> pairs, std::size_t limit)
{
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    if (pairs.size() > limit)
        pairs.resize(limit);
    return pairs;
}

} // namespace

CompoundIndex::CompoundIndex(const IonCatalogue& lists)
    : lists(lists)
    , cationsByName(byName(lists.cations))
    , anionsByName(byName(lists.anions))
    , cationKinds(kinds(lists.cations))
    , anionKinds(kinds(lists.anions))
{
    const std::set<std::int32_t> cationCharges = charges(lists.cations);
    const std::set<std::int32_t> anionCharges = charges(lists.anions);
    cationHalves.reserve(cationKinds.size() * anionCharges.size());
    anionHalves.reserve(anionKinds.size() * cationCharges.size());
    for (std::uint32_t k = 0; k < cationKinds.size(); ++k) {
        const TIon& cation = lists.cations.at(cationKinds[k].front());
        for (std::int32_t anionCharge : anionCharges)
            cationHalves[formulaCationPart(cation, anionCharge)].push_back(
                {k, cation.charge, anionCharge});
    }
    for (std::uint32_t k = 0; k < anionKinds.size(); ++k) {
        const TIon& anion = lists.anions.at(anionKinds[k].front());
        for (std::int32_t cationCharge : cationCharges)
            anionHalves[formulaAnionPart(anion, cationCharge)].push_back(
                {k, cationCharge, anion.charge});
    }
}

std::vector<IonPair> CompoundIndex::pairsNamed(const std::string& name, std::size_t limit) const
{
    std::vector<IonPair> pairs;
    for (std::size_t blank = name.find(' '); blank != std::string::npos;
         blank = name.find(' ', blank + 1)) {
        const auto cations = cationsByName.find(name.substr(0, blank));
        const auto anions = anionsByName.find(name.substr(blank + 1));
        if (cations != cationsByName.end() && anions != anionsByName.end())
            addProduct(cations->second, anions->second, limit, pairs);
    }
    // In list order, whichever blank joined them.
    return firstPairs(std::move(pairs), limit);
}

std::vector<IonPair> CompoundIndex::pairsWithFormula(const std::string& formula, std::size_t limit) const
{
    std::vector<IonPair> pairs;
    // A half may be empty: a symbol read from a damaged file can be.
    for (std::size_t split = 0; split <= formula.size(); ++split) {
        const auto cations = cationHalves.find(formula.substr(0, split));
        if (cations == cationHalves.end())
            continue;
        const auto anions = anionHalves.find(formula.substr(split));
        if (anions == anionHalves.end())
            continue;
        for (const Half& cation : cations->second)
            for (const Half& anion : anions->second)
                if (cation.cationCharge == anion.cationCharge &&
                    cation.anionCharge == anion.anionCharge)
                    addProduct(cationKinds[cation.kind], anionKinds[anion.kind], limit, pairs);
    }
    return firstPairs(std::move(pairs), limit);
}
