#include "quiz/AnswerKey.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>

namespace answer_key {
namespace {

using Answers = std::vector<std::string>;

bool isTitle(const TSentence& sentence, const char* title)
{
    return sentence.isCompound == 0 && sentence.text == title;
}

std::string withoutLineFeed(std::string text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

// The lines above the first section: what the teacher wrote, without the blank line that
// generation puts before the formulas title.
std::vector<std::string> headingOf(const SentenceList& quiz)
{
    std::vector<std::string> heading;
    auto end = std::find_if(quiz.begin(), quiz.end(), [](const TSentence& s) {
        return s.isCompound != 0 || isTitle(s, formulasTitle) || isTitle(s, namesTitle);
    });
    if (end != quiz.end() && isTitle(*end, formulasTitle) && end != quiz.begin()
        && std::prev(end)->text.empty())
        --end;
    for (auto line = quiz.begin(); line != end; ++line)
        heading.push_back(withoutLineFeed(line->text));
    return heading;
}

// Calls answer(text, formula) for every exercise in quiz order; formula is true in the
// formulas section, whose exercises show a name and are answered with a formula.
template <typename Visit>
void forEachExercise(const SentenceList& quiz, Visit answer)
{
    bool formulasSection = true;
    for (const TSentence& sentence : quiz) {
        if (isTitle(sentence, namesTitle))
            formulasSection = false;
        if (sentence.isCompound != 0)
            answer(sentence.text, formulasSection);
    }
}

void addOnce(Answers& answers, const std::string& answer)
{
    if (std::find(answers.begin(), answers.end(), answer) == answers.end())
        answers.push_back(answer);
}

std::string joined(const Answers& answers)
{
    std::string text;
    for (const std::string& answer : answers)
        text += (text.empty() ? "" : " or ") + answer;
    return text;
}

std::unordered_map<std::string, std::vector<std::uint32_t>> placesByName(const IonList& list)
{
    std::unordered_map<std::string, std::vector<std::uint32_t>> places;
    for (std::uint32_t i = 0; i < list.count(); ++i)
        places[list.at(i).name].push_back(i);
    return places;
}

// The formulas of the pairs whose compound name is each of the names. A compound name is a
// cation's name, a blank and an anion's name, so each blank of the text is tried as the join
// and only the ions of those names are looked at, however long the lists.
std::map<std::string, Answers> formulasOfNames(const std::set<std::string>& names,
                                               const IonCatalogue& catalogue)
{
    std::map<std::string, Answers> found;
    if (names.empty())
        return found;
    const auto cations = placesByName(catalogue.cations);
    const auto anions = placesByName(catalogue.anions);
    for (const std::string& name : names) {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
        for (std::size_t blank = name.find(' '); blank != std::string::npos;
             blank = name.find(' ', blank + 1)) {
            const auto cation = cations.find(name.substr(0, blank));
            const auto anion = anions.find(name.substr(blank + 1));
            if (cation == cations.end() || anion == anions.end())
                continue;
            for (std::uint32_t k : cation->second)
                for (std::uint32_t j : anion->second)
                    pairs.emplace_back(k, j);
        }
        // In list order, whichever blank joined them.
        std::sort(pairs.begin(), pairs.end());
        Answers& answers = found[name];
        for (const auto& [k, j] : pairs)
            addOnce(answers, compoundFormula(catalogue.cations.at(k), catalogue.anions.at(j)));
    }
    return found;
}

// The names of the pairs whose formula is each of the formulas, in list order.
std::map<std::string, Answers> namesOfFormulas(const std::set<std::string>& formulas,
                                               const IonCatalogue& catalogue)
{
    std::map<std::string, Answers> found;
    if (formulas.empty())
        return found;
    for (const TIon& cation : catalogue.cations)
        for (const TIon& anion : catalogue.anions) {
            const std::string formula = compoundFormula(cation, anion);
            if (formulas.count(formula))
                addOnce(found[formula], compoundName(cation, anion));
        }
    return found;
}

} // namespace

Key fromPairs(const SentenceList& quiz, const std::vector<CompoundPair>& pairs)
{
    Key key{headingOf(quiz), {}, 0};
    forEachExercise(quiz, [&](const std::string&, bool formula) {
        const std::size_t at = key.answers.size();
        const int number = static_cast<int>(at) + 1;
        if (at < pairs.size()) {
            key.answers.push_back({number, formula ? pairs[at].formula : pairs[at].name, formula});
        } else {
            key.answers.push_back({number, unknown, false});
            ++key.unanswered;
        }
    });
    return key;
}

Key fromCatalogue(const SentenceList& quiz, const IonCatalogue& catalogue)
{
    std::set<std::string> names;
    std::set<std::string> formulas;
    forEachExercise(quiz, [&](const std::string& text, bool formula) {
        (formula ? names : formulas).insert(text);
    });
    const std::map<std::string, Answers> byName = formulasOfNames(names, catalogue);
    const std::map<std::string, Answers> byFormula = namesOfFormulas(formulas, catalogue);

    Key key{headingOf(quiz), {}, 0};
    forEachExercise(quiz, [&](const std::string& text, bool formula) {
        const int number = static_cast<int>(key.answers.size()) + 1;
        const auto& found = formula ? byName : byFormula;
        const auto answers = found.find(text);
        if (answers == found.end() || answers->second.empty()) {
            key.answers.push_back({number, unknown, false});
            ++key.unanswered;
        } else {
            key.answers.push_back({number, joined(answers->second), formula});
        }
    });
    return key;
}

std::string unansweredLine(int unanswered)
{
    if (unanswered <= 0)
        return {};
    return std::to_string(unanswered) + (unanswered == 1 ? " exercise" : " exercises")
        + " could not be answered from the current lists.";
}

} // namespace answer_key
