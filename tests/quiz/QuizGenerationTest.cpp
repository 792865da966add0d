#include "quiz/QuizGeneration.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Strings = std::vector<std::string>;

WorkingLists lists(int cations, int anions)
{
    WorkingLists l;
    for (int i = 0; i < cations; ++i)
        l.cations.append(TIon("Cation" + std::to_string(i), "C" + std::to_string(i % 8 + 2), 1));
    for (int i = 0; i < anions; ++i)
        l.anions.append(TIon("anion" + std::to_string(i), "A", 1));
    return l;
}

SentenceList make(const Strings& heading, WorkingLists& working, std::uint32_t seed = 7)
{
    Random random;
    random.seed(seed);
    return quiz_generation::createQuiz(heading, working, random);
}

std::vector<std::string> exercises(const SentenceList& quiz)
{
    std::vector<std::string> texts;
    for (const TSentence& s : quiz)
        if (s.isCompound)
            texts.push_back(s.text);
    return texts;
}

TEST(QuizGeneration, LaysOutHeadingTitlesAndExercises)
{
    WorkingLists working = lists(5, 4);
    const SentenceList quiz = make({"Name: ____\n", "Chemistry Quiz\n"}, working);
    // H + 6 + 3E sentences with E = min(5, 4) = 4.
    ASSERT_EQ(quiz.size(), 2u + 6 + 3 * 4);
    EXPECT_EQ(quiz[0], TSentence("Name: ____\n", 0));
    EXPECT_EQ(quiz[1], TSentence("Chemistry Quiz\n", 0));
    EXPECT_EQ(quiz[2], TSentence("", 0));
    EXPECT_EQ(quiz[3], TSentence("Write formulas for the following compounds: ", 0));
    EXPECT_EQ(quiz[4], TSentence(" ", 0));
    // Two names, each followed by two blank lines...
    for (int e = 0; e < 2; ++e) {
        EXPECT_EQ(quiz[5 + 3 * e].isCompound, 1);
        EXPECT_EQ(quiz[5 + 3 * e].text.find(' ') != std::string::npos, true);
        EXPECT_EQ(quiz[6 + 3 * e], TSentence(" ", 0));
        EXPECT_EQ(quiz[7 + 3 * e], TSentence(" ", 0));
    }
    EXPECT_EQ(quiz[11], TSentence(" ", 0));
    EXPECT_EQ(quiz[12], TSentence("Write names for the following compounds: ", 0));
    EXPECT_EQ(quiz[13], TSentence(" ", 0));
    // ...then two formulas.
    for (int e = 0; e < 2; ++e) {
        EXPECT_EQ(quiz[14 + 3 * e].isCompound, 1);
        EXPECT_EQ(quiz[14 + 3 * e].text.find(' '), std::string::npos);
    }
}

TEST(QuizGeneration, OneCationAndOneAnionMakeOneFormulaExercise)
{
    WorkingLists working;
    working.cations.append(TIon("Calcium", "Ca", 2));
    working.anions.append(TIon("hydroxide", "OH", 1));
    const SentenceList quiz = make({}, working);
    ASSERT_EQ(quiz.size(), 9u);
    EXPECT_EQ(exercises(quiz), Strings{"Ca(OH)2"});
    EXPECT_EQ(quiz[6], TSentence("Ca(OH)2", 1));
    // Drawn entries are marked taken in the working copies.
    EXPECT_EQ(working.cations.at(0).name, "");
    EXPECT_EQ(working.anions.at(0).name, "");
}

TEST(QuizGeneration, TenCationsAndThreeAnionsGiveOneNameAndTwoFormulas)
{
    WorkingLists working = lists(10, 3);
    const SentenceList quiz = make({}, working);
    ASSERT_EQ(quiz.size(), 6u + 9);
    const Strings texts = exercises(quiz);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_NE(texts[0].find(" anion"), std::string::npos);
    EXPECT_EQ(texts[1].find(' '), std::string::npos);
    EXPECT_EQ(texts[2].find(' '), std::string::npos);
}

TEST(QuizGeneration, EveryIonOfTheRangeIsUsedOnceWhenTheRangeIsWhole)
{
    for (std::uint32_t seed : {1u, 2u, 99u}) {
        WorkingLists working = lists(12, 12);
        const SentenceList quiz = make({}, working, seed);
        EXPECT_EQ(exercises(quiz).size(), 12u);
        for (const TIon& ion : working.cations)
            EXPECT_EQ(ion.name, "") << "every cation drawn";
        for (const TIon& ion : working.anions)
            EXPECT_EQ(ion.name, "") << "every anion drawn";
    }
}

TEST(QuizGeneration, NoIonIsUsedTwiceInOneQuiz)
{
    WorkingLists working = lists(30, 20);
    const SentenceList quiz = make({}, working, 31337);
    std::set<std::string> cations;
    std::set<std::string> anions;
    for (const std::string& text : exercises(quiz)) {
        if (text.find(' ') == std::string::npos)
            continue; // formulas do not name their ions
        cations.insert(text.substr(0, text.find(' ')));
        anions.insert(text.substr(text.find(' ') + 1));
    }
    EXPECT_EQ(cations.size(), 10u);
    EXPECT_EQ(anions.size(), 10u);
    int taken = 0;
    for (const TIon& ion : working.cations)
        taken += ion.name.empty();
    EXPECT_EQ(taken, 20);
}

TEST(QuizGeneration, TwoQuizzesOfOneRangeNormallyDiffer)
{
    WorkingLists first = lists(20, 20);
    WorkingLists second = lists(20, 20);
    Random random;
    random.seed(5);
    const SentenceList a = quiz_generation::createQuiz({}, first, random);
    const SentenceList b = quiz_generation::createQuiz({}, second, random);
    EXPECT_NE(exercises(a), exercises(b));
}

struct HeadingCase {
    const char* label;
    Strings reads;
    Strings sentences; // the heading sentences the quiz starts with
};

void PrintTo(const HeadingCase& c, std::ostream* os)
{
    *os << c.label;
}

class QuizHeadingLines : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(QuizHeadingLines, BecomeTheFirstSentences)
{
    const HeadingCase& c = GetParam();
    WorkingLists working = lists(1, 1);
    const SentenceList quiz = make(c.reads, working);
    ASSERT_GE(quiz.size(), c.sentences.size() + 1);
    for (std::size_t i = 0; i < c.sentences.size(); ++i)
        EXPECT_EQ(quiz[i], TSentence(c.sentences[i], 0)) << i;
    EXPECT_EQ(quiz[c.sentences.size()], TSentence("", 0));
    EXPECT_EQ(quiz[c.sentences.size() + 1].text, "Write formulas for the following compounds: ");
}

INSTANTIATE_TEST_SUITE_P(
    Headings, QuizHeadingLines,
    ::testing::Values(
        HeadingCase{"three_lines", {"One\n", "Two\n", "Three\n"}, {"One\n", "Two\n", "Three\n"}},
        HeadingCase{"one_character_line_skipped", {"X\n", "Quiz\n"}, {"Quiz\n"}},
        HeadingCase{"empty_line_kept_as_line_feed", {"\n", "Quiz\n"}, {"\n", "Quiz\n"}},
        HeadingCase{"sixty_characters_and_its_line_feed",
                    {std::string(60, 's'), "\n"}, {std::string(60, 's'), "\n"}},
        HeadingCase{"sixty_one_characters_lose_the_last",
                    {std::string(60, 's'), "t\n"}, {std::string(60, 's')}},
        // A zero byte ends its own read's text; the read after it is whole.
        HeadingCase{"zero_byte_ends_only_its_read",
                    {std::string("Na\0me\n", 6), std::string("\0\n", 2), "Quiz\n"},
                    {"Na", "Quiz\n"}},
        HeadingCase{"empty_file", {}, {}}),
    [](const ::testing::TestParamInfo<HeadingCase>& info) { return std::string(info.param.label); });

TEST(QuizGeneration, EntriesThatCannotBeDrawnAreNotWaitedFor)
{
    // Names emptied by a damaged file: only two cations can ever be drawn.
    WorkingLists working = lists(6, 6);
    for (std::uint32_t i = 0; i < 4; ++i)
        working.cations.at(i).name.clear();
    const SentenceList quiz = make({}, working);
    EXPECT_EQ(exercises(quiz).size(), 2u);
}

TEST(QuizGeneration, LongListsAreDrawnOverTheirWholeLength)
{
    Random random;
    random.seed(3);
    std::uint32_t highest = 0;
    for (int i = 0; i < 2000; ++i) {
        const std::uint32_t k = quiz_generation::drawPosition(random, 100000);
        ASSERT_LT(k, 100000u);
        highest = std::max(highest, k);
    }
    EXPECT_GT(highest, 32768u);

    // Up to 32 768 entries, one value of the generator each, as it always was.
    Random one;
    one.seed(1);
    EXPECT_EQ(quiz_generation::drawPosition(one, 1000), 346u);
    EXPECT_EQ(quiz_generation::drawPosition(one, 100), 30u);
    Random two;
    two.seed(1);
    // 346 * 32768 + 130 = 11337858, modulo 40000.
    EXPECT_EQ(quiz_generation::drawPosition(two, 40000), 17858u);
}

TEST(QuizGeneration, AQuizFromThirtyThousandIonsEachFinishes)
{
    WorkingLists working = lists(30000, 30000);
    const SentenceList quiz = make({"Heading\n"}, working);
    EXPECT_EQ(quiz.size(), 1u + 6 + 3 * 30000);
}

} // namespace
