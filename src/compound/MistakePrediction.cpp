#include "compound/MistakePrediction.h"

#include "catalogue/Elements.h"
#include "compound/DiagnosisParts.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

namespace answer_diagnosis {

namespace {

// A wrong answer made to show one mistake; they are made in the order of the kinds, which
// is the order of the predictions.
struct Candidate {
    Kind kind;
    std::string typed;
};

std::string numeralFor(std::int32_t charge)
{
    return charge >= 1 && charge < static_cast<std::int32_t>(romanNumerals.size())
               ? std::string(romanNumerals[static_cast<std::size_t>(charge)])
               : std::string();
}

// An ion of the lists that a student takes for the asked one: another charge of its element,
// by symbol or by name ("Mercury(II)", Hg, for "Mercury(I)", Hg2).
bool sameElement(const TIon& ion, const TIon& asked)
{
    if (ion.symbol == asked.symbol)
        return ion.charge != asked.charge;
    return equalIgnoringCase(splitNumeral(ion.name).base, splitNumeral(asked.name).base);
}

// "ate" or "ite", in small letters, for the name of an anion with oxygen: "Sulfate".
std::optional<std::string> oxyanionEnding(const std::string& name)
{
    const std::optional<std::string> stem = stemOf(name);
    if (!stem)
        return std::nullopt;
    const std::string ending = lowerCase(name.substr(stem->size()));
    return ending == "ide" ? std::nullopt : std::optional<std::string>(ending);
}

// The formula with these counts and nothing else wrong: a polyatomic ion is bracketed when a
// subscript follows it or the rule brackets it, so no bracket mistake is added.
std::optional<std::string> formulaCounting(const Compound& compound, const Shape& shape,
                                           std::int32_t cationCount, std::int32_t anionCount)
{
    const auto written = [](const TIon& ion, bool ruleBrackets, std::int32_t count) {
        const bool bracketed = isPolyatomicSymbol(ion.symbol) && (count >= 2 || ruleBrackets);
        return (bracketed ? "(" + ion.symbol + ")" : ion.symbol)
               + (count >= 2 ? std::to_string(count) : "");
    };
    // A subscript is one digit.
    if (cationCount < 1 || cationCount > 9 || anionCount < 1 || anionCount > 9)
        return std::nullopt;
    return written(compound.cation, shape.cationBracketed, cationCount)
           + written(compound.anion, shape.anionBracketed, anionCount);
}

std::vector<Candidate> formulaCandidates(const Compound& compound)
{
    const TIon& cation = compound.cation;
    const TIon& anion = compound.anion;
    const Shape shape = expectedShape(cation, anion);
    const std::string cationPart = formulaCationPart(cation, anion.charge);
    const std::string anionPart = formulaAnionPart(anion, cation.charge);
    std::vector<Candidate> candidates;
    const auto add = [&candidates](Kind kind, std::optional<std::string> typed) {
        if (typed)
            candidates.push_back({kind, std::move(*typed)});
    };

    add(Kind::Capitals, lowerCase(compound.formula));
    add(Kind::Order, anionPart + cationPart);
    add(Kind::ChargesNotBalanced, formulaCounting(compound, shape, 1, 1));
    add(Kind::SubscriptsSwapped,
        formulaCounting(compound, shape, shape.anionCount, shape.cationCount));
    // The charges crossed over and never divided: Pb2O4 for PbO2, Ca2O2 for CaO.
    add(Kind::RatioNotReduced, formulaCounting(compound, shape, anion.charge, cation.charge));

    const auto unbracketed = [](const TIon& ion, std::int32_t count) {
        return ion.symbol + (count >= 2 ? std::to_string(count) : "");
    };
    if (shape.cationBracketed)
        add(Kind::BracketsMissing, unbracketed(cation, shape.cationCount) + anionPart);
    if (shape.anionBracketed)
        add(Kind::BracketsMissing, cationPart + unbracketed(anion, shape.anionCount));
    // Brackets round a polyatomic ion that the rule leaves bare, as no subscript follows it.
    if (isPolyatomicSymbol(cation.symbol) && !shape.cationBracketed && shape.cationCount == 1)
        add(Kind::BracketsNotNeeded, "(" + cation.symbol + ")" + anionPart);
    if (isPolyatomicSymbol(anion.symbol) && !shape.anionBracketed && shape.anionCount == 1)
        add(Kind::BracketsNotNeeded, cationPart + "(" + anion.symbol + ")");

    // The ions a student mistakes for the asked ones: the element's other charges, and the
    // -ite anion for the -ate one or the other way round (nitrite for nitrate).
    for (const TIon& other : compound.lists.cations)
        if (sameElement(other, cation))
            add(Kind::WrongIon, compoundFormula(other, anion));
    if (const std::optional<std::string> ending = oxyanionEnding(anion.name)) {
        for (const TIon& other : compound.lists.anions) {
            const std::optional<std::string> otherEnding = oxyanionEnding(other.name);
            if (otherEnding && otherEnding != ending && stemOf(other.name) == stemOf(anion.name))
                add(Kind::WrongIon, compoundFormula(cation, other));
        }
    }
    return candidates;
}

// Another ending for an anion with oxygen: -ide always, -ate for -ite, and -ite for -ate
// when the lists hold that name, written as they write it.
std::vector<std::string> otherEndings(const Compound& compound)
{
    const std::string& name = compound.anion.name;
    const std::optional<std::string> own = oxyanionEnding(name);
    if (!own)
        return {};
    const std::string stemWritten = name.substr(0, name.size() - own->size());
    std::vector<std::string> names;
    for (const std::string_view ending : {"ide", "ite", "ate"}) {
        if (ending == *own)
            continue;
        const std::string other = stemWritten + std::string(ending);
        const IonList& anions = compound.lists.anions;
        const auto listed = std::find_if(anions.begin(), anions.end(), [&other](const TIon& ion) {
            return equalIgnoringCase(ion.name, other);
        });
        if (listed != anions.end())
            names.push_back(listed->name);
        else if (ending != "ite")
            names.push_back(other);
    }
    return names;
}

std::vector<Candidate> nameCandidates(const Compound& compound)
{
    const TIon& cation = compound.cation;
    const TIon& anion = compound.anion;
    std::vector<Candidate> candidates;
    const auto add = [&candidates](Kind kind, const std::string& cationText,
                                   const std::string& anionText) {
        candidates.push_back({kind, cationText + " " + anionText});
    };

    // The first letter in the other case: "sodium chloride", or "Sodium chloride" where the
    // list writes "sodium".
    std::string recapitalised = compound.name;
    char& first = recapitalised.front();
    first = first >= 'a' && first <= 'z' ? static_cast<char>(first - 'a' + 'A') : lowerCase(first);
    candidates.push_back({Kind::Capitals, recapitalised});
    add(Kind::Order, anion.name, cation.name);

    const NamedIon named = splitNumeral(cation.name);
    candidates.push_back({Kind::Spacing, cation.name + anion.name});
    if (!named.numeral.empty())
        add(Kind::Spacing,
            named.base + (named.beforeNumeral.empty() ? " (" : "(") + named.numeral + ")", anion.name);

    if (named.numeral.empty()) {
        if (const std::string numeral = numeralFor(cation.charge); !numeral.empty())
            add(Kind::NumeralNotNeeded, cation.name + "(" + numeral + ")", anion.name);
    } else {
        add(Kind::NumeralMissing, named.base, anion.name);
        // The numerals of the element's other ions, and the charge the formula gives when its
        // anion's subscript is read as the cation's charge: FeO as iron(I) oxide.
        std::vector<std::string> numerals;
        for (const TIon& other : compound.lists.cations) {
            if (sameElement(other, cation)) {
                const std::string listed = splitNumeral(other.name).numeral;
                numerals.push_back(listed.empty() ? numeralFor(other.charge) : listed);
            }
        }
        numerals.push_back(numeralFor(expectedShape(cation, anion).anionCount));
        for (const std::string& numeral : numerals)
            if (!numeral.empty())
                add(Kind::NumeralWrong, named.base + named.beforeNumeral + "(" + numeral + ")",
                    anion.name);
    }

    for (const std::string& otherName : otherEndings(compound))
        add(Kind::Ending, cation.name, otherName);
    if (const elements::Element* element = elements::find(anion.symbol))
        add(Kind::ElementName, cation.name, std::string(element->name));
    return candidates;
}

// Lists that give two entries one name, or one symbol and charge, can make a mistake of one
// pair the answer of another: "Iron chloride" is FeCl3 where "Iron" is listed as 3+ as well.
bool answersWhatIsShown(const Compound& compound, bool nameAsked, const std::string& typed)
{
    const std::string& name = nameAsked ? typed : compound.name;
    const std::string& formula = nameAsked ? compound.formula : typed;
    for (const TIon& cation : compound.lists.cations) {
        const std::size_t length = cation.name.size();
        if (name.size() <= length || name[length] != ' ' || name.compare(0, length, cation.name) != 0)
            continue;
        for (const TIon& anion : compound.lists.anions)
            if (name.compare(length + 1, std::string::npos, anion.name) == 0
                && compoundFormula(cation, anion) == formula)
                return true;
    }
    return false;
}

} // namespace

std::vector<Prediction> predictMistakes(const Question& question, const Lists& lists)
{
    const Compound compound{question.cation, question.anion, lists};
    const std::vector<Candidate> candidates =
        question.nameAsked ? nameCandidates(compound) : formulaCandidates(compound);
    std::vector<Prediction> predictions;
    // Lists that repeat an entry make its mistakes many times over: each is tried once. A text
    // made for two kinds is tried for both, and the diagnosis takes it for one at most.
    std::set<std::pair<Kind, std::string>> tried;
    for (const Candidate& candidate : candidates) {
        if (!tried.emplace(candidate.kind, candidate.typed).second
            || answersWhatIsShown(compound, question.nameAsked, candidate.typed))
            continue;
        // An answer with a second mistake in it, or one the diagnosis reads otherwise, would
        // be given feedback about something else.
        std::vector<Finding> findings = diagnose(question, candidate.typed, lists);
        if (findings.size() == 1 && findings.front().kind == candidate.kind)
            predictions.push_back({candidate.typed, std::move(findings.front())});
    }
    return predictions;
}

} // namespace answer_diagnosis
