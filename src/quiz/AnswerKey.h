#pragma once

#include "catalogue/IonCatalogue.h"
#include "compound/CompoundRules.h"
#include "quiz/TSentence.h"

#include <string>
#include <vector>

// The answers to a quiz: for each exercise of the formulas section (the sheet shows a name) its
// formula, for each of the names section (the sheet shows a formula) its name.
namespace answer_key {

inline constexpr const char* formulasTitle = "Write formulas for the following compounds: ";
inline constexpr const char* namesTitle = "Write names for the following compounds: ";
// What an exercise that no pair of the lists makes is answered with.
inline constexpr const char* unknown = "?";

struct Answer {
    int number = 0; // as the quiz numbers the exercise
    std::string text;
    // A formula, drawn with its subscripts lowered; a name or "?" is drawn as it stands.
    bool formula = false;
    friend bool operator==(const Answer&, const Answer&) = default;
};

struct Key {
    // The quiz's heading lines, each without its line feed.
    std::vector<std::string> heading;
    std::vector<Answer> answers;
    // Exercises no pair of the lists makes.
    int unanswered = 0;
    friend bool operator==(const Key&, const Key&) = default;
};

// The lines above the first section: what the teacher wrote, without the blank line that
// generation puts before the formulas title, each without its line feed.
std::vector<std::string> headingOf(const SentenceList& quiz);

// Calls answer(text, formula) for every exercise in quiz order; formula is true in the
// formulas section, whose exercises show a name and are answered with a formula.
template <typename Visit>
void forEachExercise(const SentenceList& quiz, Visit answer)
{
    bool formulasSection = true;
    for (const TSentence& sentence : quiz) {
        if (sentence.isCompound == 0 && sentence.text == namesTitle)
            formulasSection = false;
        if (sentence.isCompound != 0)
            answer(sentence.text, formulasSection);
    }
}

// A generated quiz's key, from the pairs it was drawn from, one per exercise in quiz order.
Key fromPairs(const SentenceList& quiz, const std::vector<CompoundPair>& pairs);

// The key of a quiz that holds only its texts: every cation-anion pair of the lists whose name
// (or formula) is the exercise's text byte for byte answers it. Different answers are all
// given, joined by " or ", in the order of the pairs in the lists.
Key fromCatalogue(const SentenceList& quiz, const IonCatalogue& catalogue);

// "2 exercises could not be answered from the current lists."; empty when all were.
std::string unansweredLine(int unanswered);

} // namespace answer_key
