#pragma once

#include "catalogue/IonCatalogue.h"
#include "quiz/TSentence.h"

#include <string>
#include <vector>

// A stored quiz made ready for a learning platform: every exercise with the one answer the
// lists give it and the typical wrong answers that the diagnosis explains. Texts are in the
// program's single-byte text; the writers put them into UTF-8.
namespace quiz_export {

// What a question on the platform asks before the exercise.
inline constexpr const char* formulaInstruction = "Write the formula for:";
inline constexpr const char* nameInstruction = "Write the name of:";

// A wrong answer a student is likely to give, and the sentence that explains it.
struct Mistake {
    std::string typed;
    std::string feedback;
    friend bool operator==(const Mistake&, const Mistake&) = default;
};

struct Exercise {
    int number = 0;    // as the quiz numbers it
    std::string shown; // the exercise as the sheet shows it
    // In the formulas section: a name is shown and its formula asked for.
    bool formulaAsked = false;
    std::string answer;
    std::vector<Mistake> mistakes;
    friend bool operator==(const Exercise&, const Exercise&) = default;
};

struct Quiz {
    std::string title;                // the quiz file's name without its folder and ending
    std::vector<std::string> heading; // the heading's lines
    std::vector<Exercise> exercises;  // in quiz order
};

// How the platform is to mark: formulas always by case (Co is not CO), names too unless the
// teacher lets them be typed in any case.
struct Marking {
    bool namesAnyCase = false;
    bool caseSensitive(const Exercise& exercise) const
    {
        return exercise.formulaAsked || !namesAnyCase;
    }
};

// An exercise the lists cannot answer, or answer in more than one way.
struct Unanswered {
    int number = 0;
    std::string shown;
    // The answers the lists give, in list order: none, or two and more.
    std::vector<std::string> answers;
};

struct Prepared {
    Quiz quiz;
    std::vector<Unanswered> unanswered; // left out of the quiz
};

// The quiz's exercises answered from the lists as its answer key answers them.
Prepared prepare(const std::string& title, const SentenceList& quiz, const IonCatalogue& lists);

// "Exercise 3 (Xy2Z) cannot be answered from the current lists." or "Exercise 4 (Fe2O3) has
// two answers in the current lists: iron(III) oxide, ferric oxide."
std::string describe(const Unanswered& exercise);

} // namespace quiz_export
