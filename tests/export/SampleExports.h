#pragma once

#include "catalogue/CatalogueFile.h"
#include "export/ExportedQuiz.h"
#include "platform/Latin1.h"
#include "support/SampleQuizzes.h"

#include <QFile>

#include <gtest/gtest.h>

// Sheets answered from lists by prepare(), with mistakes given by hand, a list per exercise.
inline quiz_export::Quiz preparedQuiz(const IonCatalogue& lists, const std::vector<std::string>& names,
                                      const std::vector<std::string>& formulas,
                                      const std::vector<std::vector<quiz_export::Mistake>>& mistakes)
{
    const SentenceList sheet = quizOfTexts({"Ionic compounds <set 2>", "Name: ____"}, names, formulas);
    quiz_export::Quiz quiz = quiz_export::prepare("Unit 4 & 5", sheet, lists).quiz;
    EXPECT_EQ(quiz.exercises.size(), mistakes.size());
    for (std::size_t i = 0; i < quiz.exercises.size() && i < mistakes.size(); ++i)
        quiz.exercises[i].mistakes = mistakes[i];
    return quiz;
}

inline quiz_export::Quiz starterQuiz()
{
    const auto list = [](const char* ending) {
        QFile file(QStringLiteral(VALKORA_SOURCE_DIR "/data/valkora.") + ending);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return catalogue_file::parse(file.readAll()).ions;
    };
    return preparedQuiz({list("cat"), list("ani")}, {"Calcium nitrate", "Aluminum sulfate"}, {"Ca(C2H3O2)2", "MgO"},
                        {{{"CaNO32", "Bracket nitrate."}, {"Ca(NO3)2", "Right."}, {"CaNO3", "Calcium is 2+."}},
                         {{"Al3(SO4)2", "The subscripts are swapped."}},
                         {{"calcium acetate", "A capital."}, {"Calcium acetite", "-ate."}, {"Calcium Acetite", "Case."}},
                         {{"Magnesium(II) oxide", "One charge only."}}});
}

// A teacher's lists in words of their own, with letters beyond ASCII.
inline quiz_export::Quiz teachersQuiz()
{
    const IonCatalogue lists{IonList({{"Aluminium", "Al", 3}, {"fer(III)", "Fe", 3}, {"Plomb(IV)", "Pb", 4}}),
                             IonList({{"sulphate", "SO4", 2}, {"s\xe9l\xe9niure", "Se", 2}})};
    return preparedQuiz(lists, {"Aluminium sulphate", "Plomb(IV) s\xe9l\xe9niure"}, {"Fe2(SO4)3"},
                        {{{"Al3(SO4)2", "Swapped."}}, {{"Pb2Se4", "Reduce."}}, {{"Fer(III) sulphate", "As listed."}}});
}

// Texts XML and HTML must escape, Moodle's wildcard, Latin-1 letters: shown, in the answer, typed.
inline quiz_export::Quiz escapesQuiz()
{
    quiz_export::Quiz quiz{"Unit 4 & 5", {"Ionic compounds <set 2>"}, {}};
    for (const std::string text : {"R&D", "a<b>c", "\"Tom's\"", "*", "x]]>y", "s\xe9l\xe9niure \xe0"}) {
        const bool formula = quiz.exercises.size() % 2 == 0;
        quiz.exercises.push_back({static_cast<int>(quiz.exercises.size()) + 1, formula ? text : text + "2", formula,
                                  formula ? text + "2" : text, {{text + "3", "Not " + text + "."}}});
    }
    return quiz;
}

struct QuizCase {
    const char* name;
    quiz_export::Quiz (*quiz)();
    bool namesAnyCase;
};

inline const std::vector<QuizCase> quizCases{{"StarterLists", starterQuiz, false},
                                             {"StarterListsNamesInAnyCase", starterQuiz, true},
                                             {"TeachersLists", teachersQuiz, false},
                                             {"TeachersListsNamesInAnyCase", teachersQuiz, true},
                                             {"Escapes", escapesQuiz, false}};

inline void PrintTo(const QuizCase& row, std::ostream* os)
{
    *os << row.name;
}

inline std::string caseName(const testing::TestParamInfo<QuizCase>& info)
{
    return info.param.name;
}

inline QString instructionAndShown(const quiz_export::Exercise& exercise)
{
    return QString::fromLatin1(exercise.formulaAsked ? quiz_export::formulaInstruction : quiz_export::nameInstruction)
           + ' ' + fromLatin1Bytes(exercise.shown);
}
