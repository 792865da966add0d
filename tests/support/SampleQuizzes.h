#pragma once

#include "platform/Random.h"
#include "quiz/AnswerKey.h"
#include "quiz/QuizGeneration.h"

#include <string>
#include <vector>

// A quiz as New makes it: two heading lines and the given number of exercises.
inline SentenceList generatedQuiz(int exercises)
{
    WorkingLists lists;
    for (int i = 1; i <= exercises; ++i) {
        lists.cations.append(TIon("Metal " + std::to_string(i), "M" + std::to_string(i), 1 + i % 3));
        lists.anions.append(TIon("ide " + std::to_string(i), "Q" + std::to_string(i), 1 + i % 4));
    }
    Random random;
    random.seed(static_cast<std::uint32_t>(exercises));
    return quiz_generation::createQuiz({"Name: ____ Date: ____\n", "Naming Quiz\n"}, lists, random);
}

// A heading line, then the exercises each with one spacer line.
inline SentenceList quizOfLines(int exercises)
{
    SentenceList quiz{TSentence("Quiz\n", 0)};
    for (int n = 1; n <= exercises; ++n) {
        quiz.emplace_back("Na" + std::to_string(n % 10) + "O", 1);
        quiz.emplace_back(" ", 0);
    }
    return quiz;
}

// Answers numbered from 1, every second one a formula.
inline answer_key::Key longKey(int answers)
{
    answer_key::Key key{{"Heading"}, {}, 0};
    for (int n = 1; n <= answers; ++n)
        key.answers.push_back({n, "X" + std::to_string(n % 10), n % 2 == 0});
    return key;
}

// A quiz as a file holds it: heading lines, the formulas section showing names, the names
// section showing formulas, each exercise followed by its spacers.
inline SentenceList quizOfTexts(const std::vector<std::string>& heading,
                                const std::vector<std::string>& shownNames,
                                const std::vector<std::string>& shownFormulas)
{
    SentenceList quiz;
    for (const std::string& line : heading)
        quiz.emplace_back(line + "\n", 0);
    quiz.emplace_back("", 0);
    quiz.emplace_back(answer_key::formulasTitle, 0);
    quiz.emplace_back(" ", 0);
    const auto exercises = [&quiz](const std::vector<std::string>& texts) {
        for (const std::string& text : texts) {
            quiz.emplace_back(text, 1);
            quiz.emplace_back(" ", 0);
            quiz.emplace_back(" ", 0);
        }
    };
    exercises(shownNames);
    quiz.emplace_back(" ", 0);
    quiz.emplace_back(answer_key::namesTitle, 0);
    quiz.emplace_back(" ", 0);
    exercises(shownFormulas);
    return quiz;
}
