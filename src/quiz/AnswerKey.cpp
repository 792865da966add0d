#include "quiz/AnswerKey.h"

#include "compound/CompoundIndex.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_set>
#include <utility>

namespace answer_key {
namespace {

// Lists that repeat a name, or a symbol with its charge, make one text from every pair of the
// repeats: a key line names the first pairs and says that others make it too.
constexpr std::size_t mostPairs = 50;
constexpr const char* othersAnswer = "others";

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

// The answers to each text, from the pairs that make it as the index finds them: for a name
// the formulas of the pairs named so, for a formula their names, in list order, joined by
// " or "; none where no pair makes it. An answer may be empty: a damaged file's entry.
std::map<std::string, std::string> answersTo(const std::set<std::string>& texts,
                                             const CompoundIndex& index, bool byName)
{
    std::map<std::string, std::string> found;
    for (const std::string& text : texts) {
        std::vector<IonPair> pairs = byName ? index.pairsNamed(text, mostPairs + 1)
                                            : index.pairsWithFormula(text, mostPairs + 1);
        if (pairs.empty())
            continue;
        std::string& joined = found[text];
        std::unordered_set<std::string> given;
        const bool more = pairs.size() > mostPairs;
        pairs.resize(std::min(pairs.size(), mostPairs));
        const auto add = [&joined](const std::string& answer) {
            joined += (joined.empty() ? "" : " or ") + answer;
        };
        for (const IonPair& pair : pairs) {
            const TIon& cation = index.lists.cations.at(pair.cation);
            const TIon& anion = index.lists.anions.at(pair.anion);
            std::string answer = byName ? compoundFormula(cation, anion) : compoundName(cation, anion);
            if (given.insert(answer).second)
                add(answer);
        }
        if (more)
            add(othersAnswer);
    }
    return found;
}

} // namespace

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
    const CompoundIndex index(catalogue);
    const std::map<std::string, std::string> byName = answersTo(names, index, true);
    const std::map<std::string, std::string> byFormula = answersTo(formulas, index, false);

    Key key{headingOf(quiz), {}, 0};
    forEachExercise(quiz, [&](const std::string& text, bool formula) {
        const int number = static_cast<int>(key.answers.size()) + 1;
        const auto& found = formula ? byName : byFormula;
        const auto answers = found.find(text);
        if (answers == found.end()) {
            key.answers.push_back({number, unknown, false});
            ++key.unanswered;
        } else {
            key.answers.push_back({number, answers->second, formula});
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
