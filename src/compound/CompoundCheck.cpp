#include "compound/CompoundCheck.h"

#include "compound/CompoundRules.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace {

struct Pair {
    std::uint32_t cation;
    std::uint32_t anion;
};

bool twins(const TIon& a, const TIon& b)
{
    return a.name == b.name || (a.symbol == b.symbol && a.charge == b.charge);
}

std::string described(const IonCatalogue& lists, const Pair& pair)
{
    const TIon& cation = lists.cations.at(pair.cation);
    const TIon& anion = lists.anions.at(pair.anion);
    return entryLabel(true, pair.cation) + " with " + entryLabel(false, pair.anion) + " (" +
           utf8Text(compoundName(cation, anion)) + ", " + utf8Text(compoundFormula(cation, anion)) +
           ")";
}

// Reports each two pairs of one group once, unless twin ions explain them.
void reportGroups(const IonCatalogue& lists, const std::map<std::string, std::vector<Pair>>& groups,
                  const char* what, std::vector<std::pair<std::pair<std::uint64_t, std::uint64_t>,
                                                          ListFinding>>& found)
{
    for (const auto& [text, pairs] : groups) {
        for (std::size_t x = 0; x < pairs.size(); ++x) {
            for (std::size_t y = x + 1; y < pairs.size(); ++y) {
                const Pair& p = pairs[x];
                const Pair& q = pairs[y];
                const bool sameCation = p.cation == q.cation;
                const bool sameAnion = p.anion == q.anion;
                if ((sameAnion && twins(lists.cations.at(p.cation), lists.cations.at(q.cation))) ||
                    (sameCation && twins(lists.anions.at(p.anion), lists.anions.at(q.anion))))
                    continue;
                const auto order = [&](const Pair& r) {
                    return (std::uint64_t(r.cation) << 32) | r.anion;
                };
                found.push_back({{order(p), order(q)},
                                 {ListFinding::Kind::SameCompound,
                                  described(lists, p) + " and " + described(lists, q) +
                                      " have the same " + what + " " + "\"" + utf8Text(text) +
                                      "\""}});
            }
        }
    }
}

} // namespace

std::vector<ListFinding> findSameCompounds(const IonCatalogue& lists)
{
    std::map<std::string, std::vector<Pair>> formulas;
    std::map<std::string, std::vector<Pair>> names;
    for (std::uint32_t c = 0; c < lists.cations.count(); ++c) {
        for (std::uint32_t a = 0; a < lists.anions.count(); ++a) {
            const TIon& cation = lists.cations.at(c);
            const TIon& anion = lists.anions.at(a);
            formulas[compoundFormula(cation, anion)].push_back({c, a});
            names[compoundName(cation, anion)].push_back({c, a});
        }
    }
    // Pairs are pushed in list order, so each group is in list order too; the findings are
    // sorted by their two pairs, every formula finding before every name finding.
    std::vector<std::pair<std::pair<std::uint64_t, std::uint64_t>, ListFinding>> found;
    reportGroups(lists, formulas, "formula", found);
    const std::size_t formulaCount = found.size();
    reportGroups(lists, names, "name", found);
    std::stable_sort(found.begin(), found.begin() + formulaCount,
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::stable_sort(found.begin() + formulaCount, found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ListFinding> findings;
    for (auto& entry : found)
        findings.push_back(std::move(entry.second));
    return findings;
}

std::vector<ListFinding> checkListsAndCompounds(const IonCatalogue& lists)
{
    std::vector<ListFinding> findings = checkLists(lists);
    for (ListFinding& finding : findSameCompounds(lists))
        findings.push_back(std::move(finding));
    return findings;
}
