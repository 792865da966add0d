#include "export/ExportedQuiz.h"

#include "support/SampleQuizzes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using quiz_export::Exercise;

IonCatalogue teachersLists()
{
    IonCatalogue lists;
    lists.cations.append(TIon("calcium", "Ca", 2));
    lists.cations.append(TIon("copper", "Cu", 1));
    lists.cations.append(TIon("copper", "Cu", 2));
    lists.cations.append(TIon("sodium", "Na", 1));
    lists.cations.append(TIon("natrium", "Na", 1));
    lists.anions.append(TIon("nitrate", "NO3", 1));
    lists.anions.append(TIon("oxide", "O", 2));
    return lists;
}

TEST(ExportedQuiz, EachExerciseHasTheOneAnswerOfTheListsOrIsLeftOutAndNamed)
{
    const SentenceList quiz = quizOfTexts({"Name: ____", "Week 3 & 4"},
                                          {"calcium nitrate", "copper oxide", "lead oxide"},
                                          {"CaO", "NaNO3"});
    const quiz_export::Prepared prepared = quiz_export::prepare("quiz-A", quiz, teachersLists());

    EXPECT_EQ(prepared.quiz.title, "quiz-A");
    EXPECT_EQ(prepared.quiz.heading, (std::vector<std::string>{"Name: ____", "Week 3 & 4"}));
    ASSERT_EQ(prepared.quiz.exercises.size(), 2u);
    const Exercise& first = prepared.quiz.exercises[0];
    EXPECT_EQ(std::tie(first.number, first.shown, first.formulaAsked, first.answer),
              std::make_tuple(1, std::string("calcium nitrate"), true, std::string("Ca(NO3)2")));
    // The typical mistakes come with the diagnosis's sentence for each.
    const auto bracketsMissing =
        std::find_if(first.mistakes.begin(), first.mistakes.end(),
                     [](const quiz_export::Mistake& mistake) { return mistake.typed == "CaNO32"; });
    ASSERT_NE(bracketsMissing, first.mistakes.end());
    EXPECT_NE(bracketsMissing->feedback.find("Ca(NO3)2"), std::string::npos);
    const Exercise& fourth = prepared.quiz.exercises[1];
    EXPECT_EQ(std::tie(fourth.number, fourth.shown, fourth.formulaAsked, fourth.answer),
              std::make_tuple(4, std::string("CaO"), false, std::string("calcium oxide")));

    // Two names for NaNO3, two formulas for copper oxide, none for lead oxide.
    ASSERT_EQ(prepared.unanswered.size(), 3u);
    std::vector<std::string> lines;
    for (const quiz_export::Unanswered& left : prepared.unanswered)
        lines.push_back(quiz_export::describe(left));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Exercise 2 (copper oxide) has 2 answers in the current lists: Cu2O, CuO.",
                         "Exercise 3 (lead oxide) cannot be answered from the current lists.",
                         "Exercise 5 (NaNO3) has 2 answers in the current lists: sodium nitrate, "
                         "natrium nitrate."}));
}

TEST(ExportedQuiz, NamesAreMarkedByCaseUnlessTheTeacherSaysOtherwiseFormulasAlways)
{
    const Exercise formula{1, "calcium oxide", true, "CaO", {}};
    const Exercise name{2, "CaO", false, "calcium oxide", {}};
    EXPECT_TRUE((quiz_export::Marking{false}.caseSensitive(formula)));
    EXPECT_TRUE((quiz_export::Marking{true}.caseSensitive(formula)));
    EXPECT_TRUE((quiz_export::Marking{false}.caseSensitive(name)));
    EXPECT_FALSE((quiz_export::Marking{true}.caseSensitive(name)));
}

} // namespace
