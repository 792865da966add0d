#include "quiz/AnswerKey.h"

#include "platform/Random.h"
#include "quiz/QuizGeneration.h"
#include "support/SampleQuizzes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>

namespace {

using answer_key::Answer;
using answer_key::Key;
using Strings = std::vector<std::string>;


IonCatalogue lists()
{
    IonCatalogue catalogue;
    catalogue.cations = IonList({TIon("Sodium", "Na", 1), TIon("Iron", "Fe", 2),
                                 TIon("Calcium", "Ca", 2), TIon("Iron", "Fe", 3),
                                 TIon("Lead", "Pb", 2), TIon("Lead", "Pb", 2),
                                 TIon("Tin II", "Sn", 2), TIon("Tin", "Sn", 2)});
    catalogue.anions = IonList({TIon("chloride", "Cl", 1), TIon("oxide", "O", 2),
                                TIon("II nitrate", "NO3", 1), TIon("nitrate", "NO3", 1),
                                TIon("muriate", "Cl", 1)});
    return catalogue;
}

struct ResolveCase {
    const char* name;
    Strings shownNames;
    Strings shownFormulas;
    std::vector<Answer> expected;
    int unanswered;
};

void PrintTo(const ResolveCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileQuizKey : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(FileQuizKey, AnswersFromEveryPairOfTheLists)
{
    const ResolveCase& c = GetParam();
    const Key key = answer_key::fromCatalogue(quizOfTexts({"Name: ____", "Quiz 7"}, c.shownNames,
                                                     c.shownFormulas),
                                              lists());
    EXPECT_EQ(key.heading, (Strings{"Name: ____", "Quiz 7"}));
    ASSERT_EQ(key.answers.size(), c.expected.size());
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
        SCOPED_TRACE("exercise " + std::to_string(i + 1));
        EXPECT_EQ(key.answers[i].number, c.expected[i].number);
        EXPECT_EQ(key.answers[i].text, c.expected[i].text);
        EXPECT_EQ(key.answers[i].formula, c.expected[i].formula);
    }
    EXPECT_EQ(key.unanswered, c.unanswered);
}

INSTANTIATE_TEST_SUITE_P(
    Resolve, FileQuizKey,
    ::testing::Values(
        ResolveCase{"unique_in_each_section",
                    {"Calcium chloride"}, {"Na2O"},
                    {{1, "CaCl2", true}, {2, "Sodium oxide", false}}, 0},
        ResolveCase{"numbers_run_on_across_sections",
                    {"Sodium chloride", "Calcium oxide"}, {"CaO", "Fe2O3"},
                    {{1, "NaCl", true}, {2, "CaO", true}, {3, "Calcium oxide", false},
                     {4, "Iron oxide", false}}, 0},
        ResolveCase{"one_name_two_formulas_in_list_order",
                    {"Iron oxide"}, {},
                    {{1, "FeO or Fe2O3", true}}, 0},
        ResolveCase{"one_formula_two_names_in_list_order",
                    {}, {"NaCl"},
                    {{1, "Sodium chloride or Sodium muriate", false}}, 0},
        ResolveCase{"two_pairs_with_the_same_answer_give_it_once",
                    {"Lead chloride"}, {"PbO"},
                    {{1, "PbCl2", true}, {2, "Lead oxide", false}}, 0},
        ResolveCase{"a_name_joined_at_either_blank",
                    {"Tin II nitrate"}, {},
                    {{1, "Sn(NO3)2", true}}, 0},
        ResolveCase{"formulas_of_both_joins_of_a_name",
                    {}, {"Sn(NO3)2"},
                    {{1, "Tin II II nitrate or Tin II nitrate or Tin nitrate", false}}, 0},
        ResolveCase{"text_compared_byte_for_byte",
                    {"calcium chloride", "Calcium  chloride"}, {"Nacl", "NaCl "},
                    {{1, "?", false}, {2, "?", false}, {3, "?", false}, {4, "?", false}}, 4},
        ResolveCase{"unknown_among_known",
                    {"Copper chloride", "Sodium oxide"}, {"CuO"},
                    {{1, "?", false}, {2, "Na2O", true}, {3, "?", false}}, 2},
        ResolveCase{"no_exercises", {}, {}, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerKeyText, UnansweredLineCountsExercises)
{
    EXPECT_EQ(answer_key::unansweredLine(0), "");
    EXPECT_EQ(answer_key::unansweredLine(1),
              "1 exercise could not be answered from the current lists.");
    EXPECT_EQ(answer_key::unansweredLine(12),
              "12 exercises could not be answered from the current lists.");
}

// Lines a file may hold in place of the generator's: only the spacer right before the formulas
// title is left out of the heading, and lines keep their blanks.
TEST(AnswerKeyHeading, KeepsWhatTheTeacherWrote)
{
    SentenceList quiz = quizOfTexts({"Name:", "", "  Week 3  "}, {"Sodium chloride"}, {});
    EXPECT_EQ(answer_key::fromCatalogue(quiz, lists()).heading, (Strings{"Name:", "", "  Week 3  "}));

    // Without section titles the heading ends at the first exercise, which is answered with
    // a formula.
    quiz = {TSentence("Only a heading\n", 0), TSentence("Sodium oxide", 1)};
    const Key key = answer_key::fromCatalogue(quiz, lists());
    EXPECT_EQ(key.heading, Strings{"Only a heading"});
    ASSERT_EQ(key.answers.size(), 1u);
    EXPECT_EQ(key.answers[0].text, "Na2O");
}

class GeneratedQuizKey : public ::testing::TestWithParam<int> {};

// A generated quiz is answered from its own pairs: the formula of each name shown, the name of
// each formula shown, and that agrees with a search of lists where every pair is distinct.
TEST_P(GeneratedQuizKey, AnswersFromTheDrawnPairs)
{
    const int exercises = GetParam();
    IonCatalogue catalogue;
    for (int i = 1; i <= exercises + 2; ++i) {
        catalogue.cations.append(TIon("Metal " + std::to_string(i), "M" + std::string(1, char('a' + i)), 1 + i % 4));
        catalogue.anions.append(TIon("ide " + std::to_string(i), "Q" + std::string(1, char('a' + i)) + "4", 1 + i % 3));
    }
    WorkingLists working{catalogue.cations, catalogue.anions};
    Random random;
    random.seed(static_cast<std::uint32_t>(exercises) * 7);
    std::vector<CompoundPair> pairs;
    const SentenceList quiz = quiz_generation::createQuiz({"Quiz\n"}, working, random, &pairs);

    ASSERT_EQ(pairs.size(), static_cast<std::size_t>(exercises + 2));
    const Key key = answer_key::fromPairs(quiz, pairs);
    ASSERT_EQ(key.answers.size(), pairs.size());
    const std::size_t formulas = pairs.size() / 2;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        SCOPED_TRACE("exercise " + std::to_string(i + 1));
        const TIon& cation = catalogue.cations.at(pairs[i].cationIndex);
        const TIon& anion = catalogue.anions.at(pairs[i].anionIndex);
        const bool formula = i < formulas;
        EXPECT_EQ(key.answers[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(key.answers[i].formula, formula);
        EXPECT_EQ(key.answers[i].text,
                  formula ? compoundFormula(cation, anion) : compoundName(cation, anion));
    }
    EXPECT_EQ(key.unanswered, 0);
    EXPECT_EQ(key.heading, Strings{"Quiz"});
    EXPECT_EQ(answer_key::fromCatalogue(quiz, catalogue), key);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeneratedQuizKey, ::testing::Values(-1, 0, 1, 5));

// Asking for the pairs changes neither the quiz nor what is drawn after it.
TEST(GeneratedQuizPairs, SameQuizAndDrawsWithOrWithout)
{
    const auto make = [](std::vector<CompoundPair>* pairs) {
        WorkingLists working;
        for (int i = 1; i <= 6; ++i) {
            working.cations.append(TIon("Cat " + std::to_string(i), "C" + std::to_string(i), 1));
            working.anions.append(TIon("An " + std::to_string(i), "A" + std::to_string(i), 2));
        }
        Random random;
        random.seed(99);
        const SentenceList quiz = quiz_generation::createQuiz({"H\n"}, working, random, pairs);
        return std::make_pair(quiz, random.next());
    };
    std::vector<CompoundPair> pairs{{9, 9, "stale", "stale"}};
    const auto with = make(&pairs);
    const auto without = make(nullptr);
    EXPECT_EQ(with.first, without.first);
    EXPECT_EQ(with.second, without.second);
    EXPECT_EQ(pairs.size(), 6u);
}

// Fewer pairs than exercises, as a quiz changed after generation would have: the rest are "?".
TEST(GeneratedQuizPairs, MissingPairsAreUnknown)
{
    const SentenceList quiz = quizOfTexts({}, {"A b"}, {"AB"});
    const Key key = answer_key::fromPairs(quiz, {{0, 0, "A b", "AB"}});
    ASSERT_EQ(key.answers.size(), 2u);
    EXPECT_EQ(key.answers[0], (Answer{1, "AB", true}));
    EXPECT_EQ(key.answers[1], (Answer{2, "?", false}));
    EXPECT_EQ(key.unanswered, 1);
}

} // namespace

namespace {

// Names and formulas of lists whose halves run into one another: the key found by splitting
// the text is the key found by making every pair.
TEST(FileQuizKey, AnswersAsMakingEveryPairAnswers)
{
    static const char* const names[] = {"Iron", "Iron green", "green oxide", "oxide", "a b", "b", ""};
    static const char* const symbols[] = {"Fe", "O", "O2", "Hg2", "(OH)", "OH", "2", "", "FeO"};
    static const int charges[] = {-1, 0, 1, 2, 3, 4, 12};
    std::mt19937 random(99);
    const auto pick = [&](const auto& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, std::size(from) - 1)(random)];
    };
    for (int round = 0; round < 500; ++round) {
        IonCatalogue catalogue;
        for (IonList* list : {&catalogue.cations, &catalogue.anions})
            for (int i = std::uniform_int_distribution<int>(0, 6)(random); i > 0; --i)
                list->append(TIon(pick(names), pick(symbols), pick(charges)));
        Strings shownNames{"Iron green oxide", "Iron"};
        Strings shownFormulas{"FeO2", ""};
        for (const TIon& cation : catalogue.cations)
            for (const TIon& anion : catalogue.anions) {
                shownNames.push_back(compoundName(cation, anion));
                shownFormulas.push_back(compoundFormula(cation, anion));
            }
        Key expected{{}, {}, 0};
        for (const bool formula : {true, false})
            for (const std::string& text : formula ? shownNames : shownFormulas) {
                Strings answers;
                for (const TIon& cation : catalogue.cations)
                    for (const TIon& anion : catalogue.anions) {
                        const std::string made = formula ? compoundName(cation, anion) : compoundFormula(cation, anion);
                        const std::string answer = formula ? compoundFormula(cation, anion) : compoundName(cation, anion);
                        if (made == text && std::find(answers.begin(), answers.end(), answer) == answers.end())
                            answers.push_back(answer);
                    }
                std::string joined;
                for (const std::string& answer : answers)
                    joined += (joined.empty() ? "" : " or ") + answer;
                const int number = int(expected.answers.size()) + 1;
                expected.answers.push_back({number, answers.empty() ? "?" : joined, formula && !answers.empty()});
                expected.unanswered += answers.empty();
            }
        ASSERT_EQ(answer_key::fromCatalogue(quizOfTexts({}, shownNames, shownFormulas), catalogue), expected)
            << "round " << round;
    }
}

} // namespace

namespace {

// A thousand entries of one symbol and charge on each side make FeO a million ways: the key
// names the first fifty pairs in list order and says that others make it too.
TEST(FileQuizKey, NamesTheFirstPairsOfARepeatedSymbol)
{
    IonCatalogue catalogue;
    for (int i = 0; i < 1000; ++i) {
        catalogue.cations.append(TIon("Iron" + std::to_string(i), "Fe", 2));
        catalogue.anions.append(TIon("oxide" + std::to_string(i), "O", 2));
    }
    const Key key = answer_key::fromCatalogue(quizOfTexts({}, {"Iron7 oxide9"}, {"FeO"}), catalogue);
    ASSERT_EQ(key.answers.size(), 2u);
    EXPECT_EQ(key.answers[0], (Answer{1, "FeO", true}));
    std::string expected;
    for (int a = 0; a < 50; ++a)
        expected += "Iron0 oxide" + std::to_string(a) + " or ";
    EXPECT_EQ(key.answers[1], (Answer{2, expected + "others", false}));
}

} // namespace
