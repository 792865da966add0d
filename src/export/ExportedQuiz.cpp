#include "export/ExportedQuiz.h"

#include "compound/CompoundIndex.h"
#include "compound/CompoundRules.h"
#include "compound/MistakePrediction.h"
#include "quiz/AnswerKey.h"

#include <algorithm>

namespace quiz_export {
namespace {

// Enough pairs to tell one answer from several; lists that repeat an entry make the same
// answer from many pairs.
constexpr std::size_t mostPairs = 64;

std::vector<std::string> answersTo(const CompoundIndex& index, const std::string& shown,
                                   bool formulaAsked, IonPair& first)
{
    const std::vector<IonPair> pairs = formulaAsked ? index.pairsNamed(shown, mostPairs)
                                                    : index.pairsWithFormula(shown, mostPairs);
    std::vector<std::string> answers;
    for (const IonPair& pair : pairs) {
        const TIon& cation = index.lists.cations.at(pair.cation);
        const TIon& anion = index.lists.anions.at(pair.anion);
        std::string answer = formulaAsked ? compoundFormula(cation, anion) : compoundName(cation, anion);
        if (std::find(answers.begin(), answers.end(), answer) == answers.end())
            answers.push_back(std::move(answer));
    }
    if (!pairs.empty())
        first = pairs.front();
    return answers;
}

// The wrong answers the diagnosis expects to the exercise the pair answers, with its words.
std::vector<Mistake> mistakesFor(const IonCatalogue& lists, IonPair pair, bool formulaAsked)
{
    const answer_diagnosis::Question question{lists.cations.at(pair.cation),
                                              lists.anions.at(pair.anion), !formulaAsked};
    std::vector<Mistake> mistakes;
    for (answer_diagnosis::Prediction& predicted :
         answer_diagnosis::predictMistakes(question, {lists.cations, lists.anions}))
        mistakes.push_back({std::move(predicted.typed), std::move(predicted.finding.sentence)});
    return mistakes;
}

} // namespace

Prepared prepare(const std::string& title, const SentenceList& quiz, const IonCatalogue& lists)
{
    Prepared prepared{{title, answer_key::headingOf(quiz), {}}, {}};
    const CompoundIndex index(lists);
    int number = 0;
    answer_key::forEachExercise(quiz, [&](const std::string& shown, bool formulaAsked) {
        ++number;
        IonPair pair;
        std::vector<std::string> answers = answersTo(index, shown, formulaAsked, pair);
        if (answers.size() != 1) {
            prepared.unanswered.push_back({number, shown, std::move(answers)});
            return;
        }
        prepared.quiz.exercises.push_back({number, shown, formulaAsked, answers.front(),
                                           mistakesFor(lists, pair, formulaAsked)});
    });
    return prepared;
}

std::string describe(const Unanswered& exercise)
{
    std::string line = "Exercise " + std::to_string(exercise.number) + " (" + exercise.shown + ")";
    if (exercise.answers.empty())
        return line + " cannot be answered from the current lists.";
    line += " has " + std::to_string(exercise.answers.size()) + " answers in the current lists: ";
    for (std::size_t i = 0; i < exercise.answers.size(); ++i)
        line += (i ? ", " : "") + exercise.answers[i];
    return line + ".";
}

} // namespace quiz_export
