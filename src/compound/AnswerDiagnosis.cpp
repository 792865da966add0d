#include "compound/AnswerDiagnosis.h"

#include "catalogue/Elements.h"
#include "compound/CompoundRules.h"
#include "compound/DiagnosisParts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <map>

namespace answer_diagnosis {

namespace {

struct KindText {
    std::string_view identifier;
    std::string_view title;
};

constexpr std::array<KindText, kindCount> kindTexts{{
    {"capitals", "Capitals and small letters"},
    {"order", "Cation and anion in the wrong order"},
    {"charges-not-balanced", "Charges not balanced"},
    {"subscripts-swapped", "Subscripts swapped"},
    {"ratio-not-reduced", "Ratio not reduced"},
    {"brackets-missing", "Brackets missing round a polyatomic ion"},
    {"brackets-not-needed", "Brackets round an ion that does not repeat"},
    {"wrong-ion", "Another ion of the lists"},
    {"name-for-formula", "A name where a formula was asked"},
    {"spacing", "Blanks"},
    {"numeral-missing", "Roman numeral missing"},
    {"numeral-wrong", "Wrong roman numeral"},
    {"numeral-not-needed", "Roman numeral not needed"},
    {"ending", "Wrong ending of the anion's name"},
    {"element-name", "The element's name for the ion's"},
    {"formula-for-name", "A formula where a name was asked"},
}};

// ---- Formulas ----

// One ion as the answer wrote it: its symbol, a bracket round it, the subscript after it.
struct Group {
    std::string symbol;
    bool bracketed = false;
    std::int32_t count = 1;
};

// The ways a piece of an answer can be read as one ion: "NO32" is NO32, or NO3 twice; "(SO4)3"
// is SO4 three times. A subscript is one digit, as only 2 to 9 can be typed.
std::vector<Group> groupReadings(std::string_view part)
{
    std::vector<Group> readings;
    if (part.empty())
        return readings;
    if (part.front() == '(') {
        const std::size_t close = part.find(')');
        if (close == std::string_view::npos || close < 2)
            return readings;
        const std::string_view after = part.substr(close + 1);
        Group group{std::string(part.substr(1, close - 1)), true, 1};
        if (after.size() == 1 && isSubscriptDigit(after.front()))
            group.count = after.front() - '0';
        else if (!after.empty())
            return readings;
        readings.push_back(group);
        return readings;
    }
    if (part.find_first_of("()") != std::string_view::npos)
        return readings;
    readings.push_back({std::string(part), false, 1});
    if (part.size() >= 2 && isSubscriptDigit(part.back()))
        readings.push_back({std::string(part.substr(0, part.size() - 1)), false, part.back() - '0'});
    return readings;
}

// What an answer's group stands for: the asked ion, written exactly or in other capitals, or
// other ions of the same side of the lists.
struct Identity {
    bool own = false;
    bool capitals = false;
    std::vector<const TIon*> others;
};

Identity identify(const std::string& symbol, const TIon& asked, const std::vector<const TIon*>& side)
{
    Identity identity;
    if (symbol == asked.symbol) {
        identity.own = true;
    } else if (equalIgnoringCase(symbol, asked.symbol)) {
        identity.own = true;
        identity.capitals = true;
    } else if (symbol.size() <= TIon::maxSymbolLength) {
        for (const TIon* ion : side)
            if (ion->symbol == symbol)
                identity.others.push_back(ion);
    }
    return identity;
}

// "nitrite", or "Copper(I) or Copper(II)" for a symbol that two entries share.
std::string namesOf(const std::vector<const TIon*>& ions)
{
    std::vector<std::string> names;
    for (const TIon* ion : ions)
        if (std::find(names.begin(), names.end(), ion->name) == names.end())
            names.push_back(ion->name);
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : " or ") + name;
    return joined;
}

// "CO is carbon and oxygen; cobalt is Co" when the miscapitalised text spells other elements.
std::string capitalsSentence(const std::string& written, const TIon& ion, const std::string& fix)
{
    const elements::Reading reading = elements::read(written);
    const elements::Element* element = elements::find(ion.symbol);
    if (reading.valid && !reading.parts.empty() && reading.parts.size() <= 3) {
        std::string spelt;
        for (std::size_t k = 0; k < reading.parts.size(); ++k)
            spelt += (k == 0 ? "" : k + 1 == reading.parts.size() ? " and " : ", ")
                     + std::string(reading.parts[k]->name);
        const std::string own = element ? std::string(element->name) : ion.name;
        return written + " is " + spelt + "; " + own + " is " + ion.symbol + ": " + fix + ".";
    }
    return "Write " + ion.symbol + " with its capitals as the list does: " + fix + ".";
}

// A reading of the whole answer: two groups, which of them is the cation, and what each is.
struct FormulaReading {
    Group cationGroup;
    Group anionGroup;
    Identity cationIs;
    Identity anionIs;
    bool anionFirst = false;
};

// The findings of one reading of the answer, for the compound asked for.
struct ReadingExplanation {
    const TIon& cation;
    const TIon& anion;
    const std::string& fix;
    const std::string& typed;
    const FormulaReading& reading;
    std::vector<Finding> findings;

    void explainIons();
    bool explainCounts(const Shape& shape);
    void explainBrackets(const Shape& shape);
};

// What the answer's ions say: another ion of the lists, the anion first, wrong capitals.
void ReadingExplanation::explainIons()
{
    const auto wrongIon = [&](const Identity& is, const TIon& asked) {
        if (!is.others.empty())
            findings.push_back(finding(Kind::WrongIon, is.others.front()->symbol + " is "
                                                           + namesOf(is.others) + "; " + asked.name
                                                           + " is " + asked.symbol + ": " + fix + "."));
    };
    wrongIon(reading.cationIs, cation);
    wrongIon(reading.anionIs, anion);
    if (reading.anionFirst)
        findings.push_back(finding(Kind::Order, "Write the cation " + cation.symbol
                                                    + " first, then the anion: " + fix + "."));
    if (reading.cationIs.capitals)
        findings.push_back(finding(Kind::Capitals,
                                   capitalsSentence(reading.cationGroup.symbol, cation, fix)));
    if (reading.anionIs.capitals)
        findings.push_back(finding(Kind::Capitals,
                                   capitalsSentence(reading.anionGroup.symbol, anion, fix)));
}

// What the answer's counts say. False when they balance in another ratio than the rule's
// (Ca2SiO4 for Ca4(SiO4)2): they are not explained, and whatever their brackets should be is
// not certain either.
bool ReadingExplanation::explainCounts(const Shape& shape)
{
    const std::int64_t nc = reading.cationGroup.count;
    const std::int64_t na = reading.anionGroup.count;
    if (nc != shape.cationCount || na != shape.anionCount) {
        const std::size_t before = findings.size();
        if (nc == shape.anionCount && na == shape.cationCount) {
            // The reduced pair's counts are not the crossed charges.
            const bool crossed = shape.cationCount == anion.charge && shape.anionCount == cation.charge;
            findings.push_back(finding(Kind::SubscriptsSwapped,
                                       "In " + typed + " the subscripts are swapped"
                                           + (crossed ? ": each ion's count is the other ion's "
                                                        "charge, "
                                                      : ": write ")
                                           + fix + "."));
        } else if (nc * cation.charge == na * anion.charge) {
            const std::int64_t factor = nc / shape.cationCount;
            if (nc % shape.cationCount == 0 && na % shape.anionCount == 0
                && na / shape.anionCount == factor && factor >= 2)
                findings.push_back(finding(Kind::RatioNotReduced,
                                           typed + " balances but can be reduced: divide both "
                                                   "counts by " + std::to_string(factor) + ", " + fix + "."));
        } else {
            findings.push_back(finding(Kind::ChargesNotBalanced,
                                       typed + " does not balance: " + cation.symbol + " is "
                                           + charge(cation.charge, '+') + " and " + anion.symbol
                                           + " is " + charge(anion.charge, '-') + ", so write "
                                           + fix + "."));
        }
        if (findings.size() == before)
            return false;
    }
    return true;
}

void ReadingExplanation::explainBrackets(const Shape& shape)
{
    const auto brackets = [&](const Group& group, const TIon& asked, bool expectedBracket) {
        // The fix brackets the asked ion, whichever ion of its charge the answer wrote.
        const std::string& symbol = asked.symbol;
        if (!group.bracketed && isPolyatomicSymbol(symbol) && (group.count >= 2 || expectedBracket)) {
            const bool subscriptFollows =
                (&asked == &cation ? shape.cationCount : shape.anionCount) >= 2;
            findings.push_back(finding(Kind::BracketsMissing,
                                       "Put " + symbol + " in brackets"
                                           + (subscriptFollows ? " before its subscript" : "")
                                           + ": " + fix + "."));
        } else if (group.bracketed && group.count == 1 && !expectedBracket) {
            findings.push_back(finding(Kind::BracketsNotNeeded,
                                       "Brackets go round " + symbol
                                           + " only when a subscript follows: " + fix + "."));
        }
    };
    brackets(reading.cationGroup, cation, shape.cationBracketed);
    brackets(reading.anionGroup, anion, shape.anionBracketed);
}

std::vector<Finding> explainReading(const Compound& compound, const std::string& typed,
                                    const FormulaReading& reading)
{
    ReadingExplanation explanation{compound.cation, compound.anion, compound.formula, typed,
                                   reading, {}};
    explanation.explainIons();
    // Counts and brackets say something only of the asked ions, or of others with their
    // charges, which a wrong ion of another charge would not.
    const auto sameCharge = [](const Identity& is, const TIon& asked) {
        return std::all_of(is.others.begin(), is.others.end(),
                           [&](const TIon* other) { return other->charge == asked.charge; });
    };
    if (!sameCharge(reading.cationIs, compound.cation) || !sameCharge(reading.anionIs, compound.anion))
        return explanation.findings;
    const Shape shape = expectedShape(compound.cation, compound.anion);
    if (explanation.explainCounts(shape))
        explanation.explainBrackets(shape);
    return explanation.findings;
}

// Every way of reading the answer as two ions of the lists, cation first or anion first.
std::vector<FormulaReading> formulaReadings(const Compound& compound, const std::string& typed)
{
    std::vector<FormulaReading> readings;
    // Two groups of the longest symbols, bracketed, each with a subscript: no longer answer
    // can be read as a formula of the lists.
    if (typed.size() > 2 * (TIon::maxSymbolLength + 3))
        return readings;
    // The entries another group could be: those whose symbol the answer holds at all.
    const auto held = [&typed](const IonList& side) {
        std::vector<const TIon*> ions;
        for (const TIon& ion : side)
            if (!ion.symbol.empty() && typed.find(ion.symbol) != std::string::npos)
                ions.push_back(&ion);
        return ions;
    };
    const std::vector<const TIon*> cations = held(compound.lists.cations);
    const std::vector<const TIon*> anions = held(compound.lists.anions);
    for (std::size_t split = 1; split < typed.size(); ++split) {
        const std::vector<Group> firsts = groupReadings(std::string_view(typed).substr(0, split));
        if (firsts.empty())
            continue;
        const std::vector<Group> seconds = groupReadings(std::string_view(typed).substr(split));
        for (const Group& first : firsts) {
            for (const Group& second : seconds) {
                for (const bool anionFirst : {false, true}) {
                    FormulaReading reading;
                    reading.anionFirst = anionFirst;
                    reading.cationGroup = anionFirst ? second : first;
                    reading.anionGroup = anionFirst ? first : second;
                    reading.cationIs = identify(reading.cationGroup.symbol, compound.cation, cations);
                    if (!reading.cationIs.own && reading.cationIs.others.empty())
                        continue;
                    reading.anionIs = identify(reading.anionGroup.symbol, compound.anion, anions);
                    if (!reading.anionIs.own && reading.anionIs.others.empty())
                        continue;
                    readings.push_back(std::move(reading));
                }
            }
        }
    }
    return readings;
}

// Every entry of a side that shares a symbol and a charge writes the same half of a formula;
// the first of them stands for all, with the first whose name is not the asked ion's.
struct IonKind {
    const TIon* first = nullptr;
    const TIon* otherName = nullptr;
};

std::map<std::pair<std::string, std::int32_t>, IonKind>
kindsIn(const IonList& side, const TIon& asked, const std::function<bool(const TIon&)>& wanted)
{
    std::map<std::pair<std::string, std::int32_t>, IonKind> kinds;
    for (const TIon& ion : side) {
        if (!wanted(ion))
            continue;
        IonKind& kind = kinds[{ion.symbol, ion.charge}];
        if (!kind.first)
            kind.first = &ion;
        if (!kind.otherName && ion.name != asked.name)
            kind.otherName = &ion;
    }
    return kinds;
}

// Another compound of the lists written exactly: "FeCl2 is Iron(II) chloride". Only ions whose
// symbols the answer holds can make it, and each symbol and charge is tried once, so long
// lists that repeat their entries cost no more than short ones.
std::optional<std::string> otherCompoundNamed(const Compound& compound, const std::string& typed)
{
    const auto cations = kindsIn(compound.lists.cations, compound.cation, [&](const TIon& ion) {
        return !ion.symbol.empty() && typed.find(ion.symbol) <= 1;
    });
    if (cations.empty())
        return std::nullopt;
    const auto anions = kindsIn(compound.lists.anions, compound.anion, [&](const TIon& ion) {
        return !ion.symbol.empty() && typed.find(ion.symbol) != std::string::npos;
    });
    for (const auto& [cationKey, cation] : cations) {
        for (const auto& [anionKey, anion] : anions) {
            if (compoundFormula(*cation.first, *anion.first) != typed)
                continue;
            const TIon& c = cation.otherName ? *cation.otherName : *cation.first;
            const TIon& a = cation.otherName || !anion.otherName ? *anion.first : *anion.otherName;
            const std::string name = compoundName(c, a);
            if (name != compound.name)
                return name;
        }
    }
    return std::nullopt;
}

// A name typed where a formula was asked: a word of the compound's name, or its whole
// cation's name and on, in any capitals. A blank alone says nothing: "Ca Cl2" is a formula.
bool looksLikeAName(const Compound& compound, const std::string& typed)
{
    const std::string name = lowerCase(compound.name);
    const std::string written = lowerCase(typed);
    std::size_t start = 0;
    while (start < written.size()) {
        const std::size_t end = std::min(written.find(' ', start), written.size());
        const std::string word = written.substr(start, end - start);
        if (word.size() >= 3 && (" " + name + " ").find(" " + word + " ") != std::string::npos)
            return true;
        start = end + 1;
    }
    const std::string tight = withoutBlanks(written);
    return tight.size() >= withoutBlanks(compound.cation.name).size()
           && withoutBlanks(name).compare(0, tight.size(), tight) == 0;
}

} // namespace

Shape expectedShape(const TIon& cation, const TIon& anion)
{
    const std::int32_t c = cation.charge;
    const std::int32_t a = anion.charge;
    Shape shape;
    const bool reduced = a == 2 && c == 4;
    shape.cationCount = !reduced && a != 1 && a != c ? a : 1;
    shape.anionCount = reduced ? 2 : (c != 1 && c != a ? c : 1);
    shape.cationBracketed = isPolyatomicSymbol(cation.symbol) && a >= 2 && a != c;
    shape.anionBracketed = isPolyatomicSymbol(anion.symbol) && c >= 2 && c != a;
    return shape;
}

std::vector<Finding> diagnoseFormula(const Compound& compound, const std::string& typed)
{
    const std::string& fix = compound.formula;
    if (equalIgnoringCase(typed, fix)) {
        // The first ion whose symbol is written in other capitals says why.
        const Shape shape = expectedShape(compound.cation, compound.anion);
        const std::size_t cationAt = shape.cationBracketed ? 1 : 0;
        const std::string cationWritten = typed.substr(cationAt, compound.cation.symbol.size());
        if (cationWritten != compound.cation.symbol)
            return {finding(Kind::Capitals, capitalsSentence(cationWritten, compound.cation, fix))};
        const std::size_t anionAt = formulaCationPart(compound.cation, compound.anion.charge).size()
                                    + (shape.anionBracketed ? 1 : 0);
        return {finding(Kind::Capitals,
                        capitalsSentence(typed.substr(anionAt, compound.anion.symbol.size()),
                                         compound.anion, fix))};
    }
    if (looksLikeAName(compound, typed))
        return {finding(Kind::NameForFormula,
                        typed + " is a name; write the formula: " + fix + ".")};
    if (const std::optional<std::string> other = otherCompoundNamed(compound, typed))
        return {finding(Kind::WrongIon,
                        typed + " is " + *other + "; " + compound.name + " is " + fix + ".")};
    std::vector<std::vector<Finding>> explanations;
    for (const FormulaReading& reading : formulaReadings(compound, typed))
        explanations.push_back(explainReading(compound, typed, reading));
    return plainestExplanation(explanations);
}

bool readsAsFormula(const Compound& compound, const std::string& typed)
{
    return equalIgnoringCase(typed, compound.formula) || !formulaReadings(compound, typed).empty()
           || otherCompoundNamed(compound, typed);
}

std::vector<Finding> plainestExplanation(const std::vector<std::vector<Finding>>& candidates)
{
    const std::vector<Finding>* best = nullptr;
    bool tied = false;
    for (const std::vector<Finding>& findings : candidates) {
        if (findings.empty())
            return {};
        if (!best || findings.size() < best->size()) {
            best = &findings;
            tied = false;
        } else if (findings.size() == best->size() && findings != *best) {
            tied = true;
        }
    }
    if (!best || tied)
        return {};
    return *best;
}

std::string_view identifier(Kind kind)
{
    return kindTexts[static_cast<std::size_t>(kind)].identifier;
}

std::string_view title(Kind kind)
{
    return kindTexts[static_cast<std::size_t>(kind)].title;
}

std::optional<Kind> kindNamed(std::string_view name)
{
    for (std::size_t k = 0; k < kindTexts.size(); ++k) {
        if (kindTexts[k].identifier == name)
            return static_cast<Kind>(k);
    }
    return std::nullopt;
}

std::vector<Finding> diagnose(const Question& question, const std::string& typed,
                              const Lists& lists)
{
    const Compound compound{question.cation, question.anion, lists};
    const std::string& expected = question.nameAsked ? compound.name : compound.formula;
    if (typed == expected || typed.empty())
        return {};
    return question.nameAsked ? diagnoseName(compound, typed) : diagnoseFormula(compound, typed);
}

} // namespace answer_diagnosis
