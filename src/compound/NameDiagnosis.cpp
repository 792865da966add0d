#include "compound/DiagnosisParts.h"

#include "catalogue/Elements.h"

#include <optional>

namespace answer_diagnosis {

namespace {

// One way of writing one half of the name, with what it would say about the answer.
struct Spelling {
    std::string text;
    std::optional<Finding> finding;
};

bool chargesOfSymbol(const IonList& side, const std::string& symbol, std::int32_t besides)
{
    return std::any_of(side.begin(), side.end(), [&](const TIon& ion) {
        return ion.symbol == symbol && ion.charge != besides;
    });
}

std::vector<Spelling> cationSpellings(const Compound& compound)
{
    const TIon& cation = compound.cation;
    const std::string& fix = compound.name;
    std::vector<Spelling> spellings{{cation.name, std::nullopt}};
    const NamedIon named = splitNumeral(cation.name);
    const bool severalCharges = chargesOfSymbol(compound.lists.cations, cation.symbol, cation.charge);
    if (!named.numeral.empty()) {
        spellings.push_back(
            {named.base,
             finding(Kind::NumeralMissing,
                     severalCharges
                         ? cation.symbol + " forms ions of more than one charge, so its name "
                                           "needs the numeral: " + fix + "."
                         : "The list names this ion " + cation.name + ", with its numeral: "
                               + fix + ".")});
        for (std::size_t k = 1; k < romanNumerals.size(); ++k) {
            if (romanNumerals[k] == named.numeral)
                continue;
            spellings.push_back({named.base + named.beforeNumeral + "(" + std::string(romanNumerals[k]) + ")",
                                 finding(Kind::NumeralWrong,
                                         cation.symbol + " in " + compound.formula + " is "
                                             + charge(cation.charge, '+')
                                             + ", so its numeral is " + named.numeral + ": " + fix
                                             + ".")});
        }
    } else {
        for (std::size_t k = 1; k < romanNumerals.size(); ++k)
            spellings.push_back(
                {cation.name + "(" + std::string(romanNumerals[k]) + ")",
                 finding(Kind::NumeralNotNeeded,
                         severalCharges
                             ? "The list names this ion " + cation.name + ", with no numeral: " + fix + "."
                             : cation.symbol + " forms only the " + charge(cation.charge, '+')
                                   + " ion, so " + cation.name + " needs no numeral: " + fix + ".")});
    }
    return spellings;
}

std::vector<Spelling> anionSpellings(const Compound& compound)
{
    const TIon& anion = compound.anion;
    const std::string& fix = compound.name;
    std::vector<Spelling> spellings{{anion.name, std::nullopt}};
    if (const elements::Element* element = elements::find(anion.symbol);
        element && !equalIgnoringCase(element->name, anion.name))
        spellings.push_back({std::string(element->name),
                             finding(Kind::ElementName,
                                     "As an ion, " + anion.symbol + " is " + anion.name
                                         + ", not " + std::string(element->name) + ": " + fix + ".")});
    const std::optional<std::string> stem = stemOf(anion.name);
    if (!stem)
        return spellings;
    std::vector<std::string> listed;
    for (const TIon& other : compound.lists.anions) {
        if (other.name == anion.name || stemOf(other.name) != stem)
            continue;
        listed.push_back(lowerCase(other.name));
        spellings.push_back({other.name,
                             finding(Kind::Ending, other.name + " is " + other.symbol + "; "
                                                       + anion.symbol + " is " + anion.name + ": "
                                                       + fix + ".")});
    }
    const std::string stemWritten = anion.name.substr(0, stem->size());
    for (std::string_view ending : {"ide", "ite", "ate"}) {
        const std::string other = stemWritten + std::string(ending);
        if (equalIgnoringCase(other, anion.name)
            || std::find(listed.begin(), listed.end(), lowerCase(other)) != listed.end())
            continue;
        spellings.push_back({other, finding(Kind::Ending, anion.symbol + " is " + anion.name
                                                              + ", not " + other + ": " + fix + ".")});
    }
    return spellings;
}

// The typed name against one way of writing it, blanks and capitals aside; what differs in
// them is said as well.
std::optional<std::vector<Finding>> matchName(const Compound& compound, const std::string& typed,
                                              const Spelling& first, const Spelling& second,
                                              bool anionFirst)
{
    const std::string written = first.text + " " + second.text;
    const std::string typedTight = withoutBlanks(typed);
    const std::string writtenTight = withoutBlanks(written);
    if (!equalIgnoringCase(typedTight, writtenTight))
        return std::nullopt;
    std::vector<Finding> findings;
    const Spelling& cationPart = anionFirst ? second : first;
    const Spelling& anionPart = anionFirst ? first : second;
    for (const Spelling* part : {&cationPart, &anionPart})
        if (part->finding)
            findings.push_back(*part->finding);
    if (anionFirst)
        findings.push_back(finding(Kind::Order, "Name the cation first: " + compound.name + "."));
    if (typedTight != writtenTight)
        findings.push_back(finding(Kind::Capitals,
                                   "Names are written as in the list: " + compound.name + "."));
    if (lowerCase(typed) != lowerCase(written))
        findings.push_back(finding(Kind::Spacing,
                                   "Write the blanks as the list does: " + compound.name + "."));
    return findings;
}

} // namespace

NamedIon splitNumeral(const std::string& name)
{
    NamedIon named{name, {}, {}};
    const std::size_t open = name.rfind('(');
    if (open == std::string::npos || name.back() != ')' || open + 2 >= name.size())
        return named;
    const std::string numeral = name.substr(open + 1, name.size() - open - 2);
    if (numeral.find_first_not_of("IVX") != std::string::npos)
        return named;
    std::size_t baseEnd = open;
    while (baseEnd > 0 && name[baseEnd - 1] == ' ')
        --baseEnd;
    if (baseEnd == 0)
        return named;
    return {name.substr(0, baseEnd), name.substr(baseEnd, open - baseEnd), numeral};
}

std::optional<std::string> stemOf(const std::string& name)
{
    for (std::string_view ending : {"ide", "ite", "ate"}) {
        if (name.size() > ending.size() + 1
            && lowerCase(name.substr(name.size() - ending.size())) == ending)
            return lowerCase(name.substr(0, name.size() - ending.size()));
    }
    return std::nullopt;
}

std::vector<Finding> diagnoseName(const Compound& compound, const std::string& typed)
{
    const std::string& fix = compound.name;
    if (typed.find(' ') == std::string::npos && readsAsFormula(compound, typed))
        return {finding(Kind::FormulaForName,
                        typed + " is a formula; write the name: " + fix + ".")};

    const std::vector<Spelling> cations = cationSpellings(compound);
    const std::vector<Spelling> anions = anionSpellings(compound);
    std::vector<std::vector<Finding>> explanations;
    for (const bool anionFirst : {false, true}) {
        for (const Spelling& cation : cations) {
            for (const Spelling& anion : anions) {
                const Spelling& first = anionFirst ? anion : cation;
                const Spelling& second = anionFirst ? cation : anion;
                if (auto findings = matchName(compound, typed, first, second, anionFirst))
                    explanations.push_back(std::move(*findings));
            }
        }
    }
    return plainestExplanation(explanations);
}

} // namespace answer_diagnosis
