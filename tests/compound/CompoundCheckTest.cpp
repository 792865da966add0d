#include "catalogue/Elements.h"
#include "compound/CompoundCheck.h"
#include "compound/CompoundRules.h"

#include "catalogue/CatalogueFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <random>

void PrintTo(const ListFinding& finding, std::ostream* out)
{
    *out << finding.text;
}

namespace {

// The check as it was first written, pair by pair, for lists small enough to make every pair.
std::vector<std::string> everyPairSameCompounds(const IonCatalogue& lists)
{
    const auto twins = [](const TIon& a, const TIon& b) {
        return a.name == b.name || (a.symbol == b.symbol && a.charge == b.charge);
    };
    const auto described = [&](std::uint32_t c, std::uint32_t a) {
        const TIon& cation = lists.cations.at(c);
        const TIon& anion = lists.anions.at(a);
        return entryLabel(true, c) + " with " + entryLabel(false, a) + " (" +
               utf8Text(compoundName(cation, anion)) + ", " +
               utf8Text(compoundFormula(cation, anion)) + ")";
    };
    std::vector<std::string> texts;
    for (const bool byName : {false, true}) {
        std::map<std::string, std::vector<std::pair<std::uint32_t, std::uint32_t>>> groups;
        for (std::uint32_t c = 0; c < lists.cations.count(); ++c)
            for (std::uint32_t a = 0; a < lists.anions.count(); ++a) {
                const TIon& cation = lists.cations.at(c);
                const TIon& anion = lists.anions.at(a);
                groups[byName ? compoundName(cation, anion) : compoundFormula(cation, anion)]
                    .push_back({c, a});
            }
        std::vector<std::pair<std::pair<std::uint64_t, std::uint64_t>, std::string>> found;
        for (const auto& [text, pairs] : groups)
            for (std::size_t x = 0; x < pairs.size(); ++x)
                for (std::size_t y = x + 1; y < pairs.size(); ++y) {
                    const auto [c1, a1] = pairs[x];
                    const auto [c2, a2] = pairs[y];
                    if ((a1 == a2 && twins(lists.cations.at(c1), lists.cations.at(c2))) ||
                        (c1 == c2 && twins(lists.anions.at(a1), lists.anions.at(a2))))
                        continue;
                    found.push_back({{(std::uint64_t(c1) << 32) | a1, (std::uint64_t(c2) << 32) | a2},
                                     described(c1, a1) + " and " + described(c2, a2) +
                                         " have the same " + (byName ? "name" : "formula") +
                                         " \"" + utf8Text(text) + "\""});
                }
        std::stable_sort(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& entry : found)
            texts.push_back(entry.second);
    }
    return texts;
}

std::vector<std::string> everyPairNumerals(const IonList& cations)
{
    const auto numeral = [](const std::string& name) {
        for (std::size_t open = name.find('('); open != std::string::npos;
             open = name.find('(', open + 1)) {
            const std::size_t close = name.find(')', open);
            if (close == std::string::npos || close == open + 1)
                return false;
            if (name.find_first_not_of("IVX", open + 1) == close)
                return true;
        }
        return false;
    };
    std::vector<std::string> texts;
    for (std::uint32_t i = 0; i < cations.count(); ++i)
        for (std::uint32_t j = i + 1; j < cations.count(); ++j) {
            const TIon& a = cations.at(i);
            const TIon& b = cations.at(j);
            if (a.symbol != b.symbol || a.charge == b.charge || (numeral(a.name) && numeral(b.name)))
                continue;
            texts.push_back(entryLabel(true, i) + " (" + utf8Text(a.name) + ") and " +
                            entryLabel(true, j) + " (" + utf8Text(b.name) + ") are both \"" +
                            utf8Text(a.symbol) + "\", with charges " + std::to_string(a.charge) +
                            " and " + std::to_string(b.charge) +
                            ": both names need a Roman numeral such as (II)");
        }
    return texts;
}

// Every capitalisation of the letters, as the suggestion for a symbol was first found.
std::string everyCapitalSuggestion(const TIon& ion)
{
    std::vector<std::size_t> letters;
    for (std::size_t i = 0; i < ion.symbol.size(); ++i)
        if (std::isalpha(static_cast<unsigned char>(ion.symbol[i])))
            letters.push_back(i);
    std::string best;
    std::pair<bool, int> bestRank;
    for (std::uint32_t mask = 0; mask < (1u << letters.size()); ++mask) {
        std::string candidate = ion.symbol;
        for (std::size_t bit = 0; bit < letters.size(); ++bit) {
            char& c = candidate[letters[bit]];
            c = char((mask >> bit) & 1 ? std::toupper(c) : std::tolower(c));
        }
        const elements::Reading reading = elements::read(candidate);
        if (!reading.valid)
            continue;
        std::pair<bool, int> rank{true, 0};
        for (const elements::Element* part : reading.parts) {
            std::string name(part->name.substr(0, 5));
            std::string lowered = ion.name;
            for (char& c : lowered)
                c = char(std::tolower(static_cast<unsigned char>(c)));
            rank.first = rank.first && lowered.find(name) == std::string::npos;
            rank.second = std::max(rank.second, elements::atomicNumber(*part));
        }
        if (best.empty() || rank < bestRank) {
            best = candidate;
            bestRank = rank;
        }
    }
    return "the symbol \"" + ion.symbol + "\" is not a formula of element symbols" +
           (best.empty() ? "" : "; did you mean \"" + best + "\"?");
}

std::vector<std::string> texts(const std::vector<ListFinding>& findings, ListFinding::Kind kind)
{
    std::vector<std::string> result;
    for (const ListFinding& finding : findings)
        if (finding.kind == kind)
            result.push_back(finding.text);
    return result;
}

// Lists drawn from a few names, symbols and charges that run into one another: names that
// split at other blanks, symbols that are other symbols with a count or a bracket, charges
// outside 1 to 4, empty texts as a damaged file gives them.
IonCatalogue tangledLists(std::mt19937& random)
{
    static const char* const names[] = {"Iron", "Iron green", "green oxide", "oxide", "Iron(II)",
                                        "Iron(III)", "green", "", "a b", "b c", "a", "c"};
    static const char* const symbols[] = {"Fe", "O", "O2", "Hg", "Hg2", "(OH)", "OH", "2",
                                          "Fe2", "", "FeO", "Cl", "S", "co", "CO"};
    static const int charges[] = {-1, 0, 1, 2, 2, 3, 4, 5, 12};
    const auto pick = [&](const auto& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, std::size(from) - 1)(random)];
    };
    IonCatalogue lists;
    for (IonList* list : {&lists.cations, &lists.anions}) {
        const int count = std::uniform_int_distribution<int>(0, 7)(random);
        for (int i = 0; i < count; ++i)
            list->append(TIon(pick(names), pick(symbols), pick(charges)));
    }
    return lists;
}

TEST(CompoundCheck, FindsWhatMakingEveryPairFinds)
{
    std::mt19937 random(20261209);
    for (int round = 0; round < 3000; ++round) {
        const IonCatalogue lists = tangledLists(random);
        ASSERT_EQ(texts(findSameCompounds(lists), ListFinding::Kind::SameCompound),
                  everyPairSameCompounds(lists))
            << "round " << round;
        ASSERT_EQ(texts(checkLists(lists), ListFinding::Kind::NoNumeral),
                  everyPairNumerals(lists.cations))
            << "round " << round;
    }
}

TEST(CompoundCheck, SuggestsTheCapitalsThatTryingEveryOneSuggests)
{
    std::mt19937 random(7);
    const std::string pieces[] = {"c", "o", "n", "h", "s", "i", "b", "r", "a", "u", "4", "2", "(", ")"};
    for (int round = 0; round < 3000; ++round) {
        std::string symbol;
        for (int length = std::uniform_int_distribution<int>(1, 9)(random); length > 0; --length)
            symbol += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(random)];
        const TIon ion(round % 2 ? "Cobalt sulfur" : "Hydrogen", symbol, 1);
        if (elements::read(symbol).valid)
            continue;
        ASSERT_EQ(symbolProblem(ion), everyCapitalSuggestion(ion)) << symbol;
    }
}

struct BoundCase {
    const char* name;
    IonCatalogue lists;
    ListFinding::Kind kind;
    std::string last;
};

void PrintTo(const BoundCase& row, std::ostream* out)
{
    *out << row.name;
}

class CheckBound : public testing::TestWithParam<BoundCase> {};

// One symbol under many names, alternately 2+ and 3+, and the same compound from thousands
// of twins: the findings would grow with the square of the lists.
TEST_P(CheckBound, ListsSoManyPairsAndSaysSo)
{
    const BoundCase& row = GetParam();
    std::vector<std::string> found = texts(checkListsAndCompounds(row.lists), row.kind);
    ASSERT_EQ(found.size(), mostPairsListed + 1);
    EXPECT_EQ(found.back(), row.last);
    if (row.kind == ListFinding::Kind::NoNumeral) {
        // The ones listed are the first ones in list order.
        std::vector<std::string> all = everyPairNumerals(row.lists.cations);
        all.resize(mostPairsListed);
        found.pop_back();
        EXPECT_EQ(found, all);
    }
}

IonList many(const char* stem, const char* symbol, int count, bool alternate)
{
    IonList list;
    for (int i = 0; i < count; ++i)
        list.append(TIon(stem + std::to_string(i), symbol, alternate ? 2 + i % 2 : 1));
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    CompoundCheck, CheckBound,
    testing::Values(
        BoundCase{"charges_without_numerals", {many("Metal ", "Fe", 400, true), many("ide ", "O", 1, false)},
                  ListFinding::Kind::NoNumeral,
                  "more cations share a symbol with other charges: only 10000 pairs are listed"},
        BoundCase{"same_formula_from_twins", {many("Sodium ", "Na", 3000, false), many("ide ", "Cl", 3000, false)},
                  ListFinding::Kind::SameCompound,
                  "more pairs make the same compound: only 10000 are listed"}),
    [](const testing::TestParamInfo<BoundCase>& info) { return std::string(info.param.name); });

using Kind = ListFinding::Kind;

IonList listOf(std::initializer_list<TIon> ions)
{
    return IonList(std::vector<TIon>(ions));
}

struct FindingCase {
    const char* name;
    IonList cations;
    IonList anions;
    std::vector<ListFinding> findings;
};

void PrintTo(const FindingCase& row, std::ostream* out)
{
    *out << row.name;
}

class FindingTable : public testing::TestWithParam<FindingCase> {};

TEST_P(FindingTable, OneFindingALineWithTheEntryNumbers)
{
    const FindingCase& row = GetParam();
    EXPECT_EQ(checkListsAndCompounds({row.cations, row.anions}), row.findings);
}

const TIon chloride("chloride", "Cl", 1);
const TIon oxide("oxide", "O", 2);

INSTANTIATE_TEST_SUITE_P(
    ListsCheck, FindingTable,
    testing::Values(
        FindingCase{"clean", listOf({TIon("Sodium", "Na", 1), TIon("Iron(II)", "Fe", 2),
                                     TIon("Iron(III)", "Fe", 3)}),
                    listOf({chloride, oxide}), {}},
        FindingCase{"symbol", listOf({TIon("Sodium", "Na", 1), TIon("Cobalt(II)", "CO", 2)}),
                    listOf({chloride, TIon("odd", "Xx", 1)}),
                    {{Kind::Symbol, "cation 2: the symbol \"CO\" reads as carbon + oxygen; cobalt is \"Co\""},
                     {Kind::Symbol, "anion 2: the symbol \"Xx\" is not a formula of element symbols"}}},
        FindingCase{"same_name", listOf({TIon("Sodium", "Na", 1), TIon("Zinc", "Zn", 2)}),
                    listOf({chloride, oxide, TIon("chloride", "Br", 1)}),
                    {{Kind::SameName, "anion 1 and anion 3 have the same name \"chloride\""}}},
        FindingCase{"same_ion_under_two_names",
                    listOf({TIon("Ferrous", "Fe", 2), TIon("Zinc", "Zn", 2), TIon("Iron(II)", "Fe", 2)}),
                    listOf({chloride}),
                    {{Kind::SameIon,
                      "cation 1 (Ferrous) and cation 3 (Iron(II)) are both \"Fe\" with charge 2"}}},
        FindingCase{"charges_without_numerals",
                    listOf({TIon("Iron", "Fe", 2), TIon("Iron(III)", "Fe", 3), TIon("Cu(I)", "Cu", 1),
                            TIon("Cu(II)", "Cu", 2)}),
                    listOf({oxide}),
                    {{Kind::NoNumeral, "cation 1 (Iron) and cation 2 (Iron(III)) are both \"Fe\", with "
                                       "charges 2 and 3: both names need a Roman numeral such as (II)"}}},
        FindingCase{"charge_outside_range", listOf({TIon("Sodium", "Na", 0)}),
                    listOf({TIon("nitride", "N", 7)}),
                    {{Kind::Charge, "cation 1: the charge 0 is outside 1 to 4"},
                     {Kind::Charge, "anion 1: the charge 7 is outside 1 to 4"}}},
        FindingCase{"same_formula_from_two_pairs",
                    listOf({TIon("Mercury(I)", "Hg2", 2), TIon("Mercury one", "Hg", 1)}),
                    listOf({chloride, TIon("peroxide", "O2", 2)}),
                    {{Kind::SameCompound,
                      "cation 1 with anion 2 (Mercury(I) peroxide, Hg2O2) and cation 2 with anion 2 "
                      "(Mercury one peroxide, Hg2O2) have the same formula \"Hg2O2\""}}},
        FindingCase{"same_name_from_two_pairs",
                    listOf({TIon("Iron", "Fe", 2), TIon("Iron green", "Fe", 3)}),
                    listOf({TIon("green oxide", "O", 2), TIon("oxide", "S", 2)}),
                    {{Kind::NoNumeral, "cation 1 (Iron) and cation 2 (Iron green) are both \"Fe\", with "
                                       "charges 2 and 3: both names need a Roman numeral such as (II)"},
                     {Kind::SameCompound,
                      "cation 1 with anion 1 (Iron green oxide, FeO) and cation 2 with anion 2 "
                      "(Iron green oxide, Fe2S3) have the same name \"Iron green oxide\""}}},
        FindingCase{"twin_ion_reported_once",
                    listOf({TIon("Ferrous", "Fe", 2), TIon("Iron(II)", "Fe", 2)}),
                    listOf({chloride, oxide}),
                    {{Kind::SameIon,
                      "cation 1 (Ferrous) and cation 2 (Iron(II)) are both \"Fe\" with charge 2"}}}),
    [](const testing::TestParamInfo<FindingCase>& info) { return std::string(info.param.name); });

TEST(ListsCheck, StarterListsPassClean)
{
    const auto read = [](const char* name) {
        return catalogue_file::read(QStringLiteral(VALKORA_SOURCE_DIR "/data/") +
                                    QString::fromLatin1(name));
    };
    const catalogue_file::ReadResult cations = read("valkora.cat");
    const catalogue_file::ReadResult anions = read("valkora.ani");
    ASSERT_TRUE(cations.opened && anions.opened);
    ASSERT_GT(cations.ions.count(), 20u);
    std::vector<std::string> texts;
    for (const ListFinding& finding : checkListsAndCompounds({cations.ions, anions.ions}))
        texts.push_back(finding.text);
    EXPECT_EQ(texts, std::vector<std::string>{});
}
} // namespace
