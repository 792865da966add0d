#include "practice/PracticeSession.h"

#include "platform/Random.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using Typed = PracticeSession::Typed;
using Text = RecordingSurface::Text;

const TIon calcium("Calcium", "Ca", 2);
const TIon hydroxide("hydroxide", "OH", 1);

class Session : public ::testing::Test {
protected:
    void start(std::vector<TIon> cations, std::vector<TIon> anions, std::uint32_t seed = 1)
    {
        const IonRange range{static_cast<std::uint32_t>(cations.size()),
                             static_cast<std::uint32_t>(anions.size())};
        session.workingLists() = {IonList(std::move(cations)), IonList(std::move(anions))};
        session.start(range, seed);
    }

    void type(const std::string& text)
    {
        for (char c : text)
            session.typeChar(static_cast<unsigned char>(c));
    }

    void answer(const std::string& text)
    {
        type(text);
        session.typeChar(13);
    }

    Random random;
    PracticeSession session{random};
};

std::vector<TIon> numbered(const char* stem, int count, int charge)
{
    std::vector<TIon> ions;
    for (int i = 0; i < count; ++i)
        ions.emplace_back(stem + std::to_string(i), "S" + std::to_string(i + 2), charge);
    return ions;
}

TEST_F(Session, StartsWithANamingQuestionDrawnFromTheSeededGenerator)
{
    // Seed 1 draws 346 and then 130: cation 346 % 5 = 1, anion 130 % 4 = 2.
    start(numbered("Cation", 5, 1), numbered("anion", 4, 2), 1);
    EXPECT_TRUE(session.active());
    EXPECT_EQ(session.cationIndex(), 1u);
    EXPECT_EQ(session.anionIndex(), 2u);
    EXPECT_TRUE(session.asksForName());
    EXPECT_TRUE(session.noAnswerYet());
    EXPECT_EQ(session.compoundName(), "Cation1 anion2");
    EXPECT_EQ(session.compoundFormula(), "(S3)2S4");
    EXPECT_EQ(session.expectedAnswer(), "Cation1 anion2");
    EXPECT_EQ(session.correctCount(), 0u);
    EXPECT_EQ(session.triedCount(), 0u);
}

TEST_F(Session, RefusesEveryCharacterThatCannotBeInAnAnswer)
{
    start({calcium}, {hydroxide});
    for (int ch : std::initializer_list<int>{'0', '1', '-', '\'', '.', ',', '+', '_', 9, 27, 127, 0, 0xE9, 0xFF}) {
        EXPECT_EQ(session.typeChar(static_cast<unsigned char>(ch)), Typed::Refused) << ch;
        EXPECT_EQ(session.typedAnswer(), "");
    }
    // Backspace on an empty answer is refused too.
    EXPECT_EQ(session.typeChar(8), Typed::Refused);
    const std::string allowed =
        "23456789 ()ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (char c : allowed.substr(0, 39))
        EXPECT_EQ(session.typeChar(static_cast<unsigned char>(c)), Typed::Appended) << c;
}

TEST_F(Session, TheFortiethCharacterIsRefusedWhileBackspaceAndEnterStillWork)
{
    // Two 19-character names make a 39-character compound name.
    start({TIon(std::string(19, 'A'), "A", 1)}, {TIon(std::string(19, 'b'), "B", 1)});
    const std::string name = std::string(19, 'A') + " " + std::string(19, 'b');
    type(name);
    EXPECT_EQ(session.typedAnswer(), name);
    EXPECT_EQ(session.typeChar('x'), Typed::Refused);
    EXPECT_EQ(session.typeChar(8), Typed::Removed);
    EXPECT_EQ(session.typeChar('b'), Typed::Appended);
    EXPECT_EQ(session.typeChar(13), Typed::Marked);
    EXPECT_TRUE(session.lastAnswerCorrect());
    EXPECT_EQ(session.correctCount(), 1u);
}

TEST_F(Session, MarksByteForByte)
{
    start({calcium}, {hydroxide});
    answer("");
    EXPECT_EQ(session.triedCount(), 1u);
    EXPECT_FALSE(session.lastAnswerCorrect());
    EXPECT_FALSE(session.noAnswerYet());
    EXPECT_EQ(session.previousTyped(), "");
    EXPECT_EQ(session.previousExpected(), "Calcium hydroxide");

    answer("Ca(OH)2");
    EXPECT_TRUE(session.lastAnswerCorrect());
    for (const char* wrong : {"calcium hydroxide", "Calcium  hydroxide", "Calcium hydroxide "})
    {
        answer(wrong);
        EXPECT_FALSE(session.lastAnswerCorrect()) << wrong;
        answer("Ca(OH)2");
    }
    EXPECT_EQ(session.correctCount(), 4u);
    EXPECT_EQ(session.triedCount(), 8u);
}

TEST_F(Session, QuestionKindsAlternateAndOnePairServesEveryQuestion)
{
    start({calcium}, {hydroxide});
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(session.asksForName(), i % 2 == 0);
        EXPECT_EQ(session.expectedAnswer(), i % 2 == 0 ? "Calcium hydroxide" : "Ca(OH)2");
        answer(i == 3 ? "Ca(OH)2" : "wrong");
    }
    EXPECT_EQ(session.correctCount(), 1u);
}

TEST_F(Session, EndingEmptiesTheWorkingListsAndKeepsTheCounts)
{
    start({calcium}, {hydroxide});
    answer("Calcium hydroxide");
    session.end();
    EXPECT_FALSE(session.active());
    EXPECT_TRUE(session.workingLists().cations.empty());
    EXPECT_TRUE(session.workingLists().anions.empty());
    EXPECT_EQ(session.triedCount(), 1u);
    // A new session starts from nothing.
    start({calcium}, {hydroxide});
    EXPECT_EQ(session.triedCount(), 0u);
    EXPECT_TRUE(session.noAnswerYet());
    EXPECT_TRUE(session.asksForName());
}

// Every character is 7 wide and every line 15 high.
class SessionPaint : public Session {
protected:
    std::vector<Text> paint()
    {
        RecordingSurface surface(15, 7);
        caret = paintPractice(surface, session);
        return surface.texts();
    }
    CaretPlace caret{};
};

constexpr Rgb magenta{255, 0, 255};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb red{255, 0, 0};
constexpr Rgb black{0, 0, 0};

std::vector<Text> formula(int x, int y, const std::string& text, Rgb colour)
{
    std::vector<Text> texts;
    for (char c : text) {
        texts.push_back({x, (c >= '2' && c <= '9') ? y + 8 : y, std::string(1, c), colour});
        x += 7;
    }
    return texts;
}

std::vector<Text> joined(std::initializer_list<std::vector<Text>> parts)
{
    std::vector<Text> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(SessionPaint, TheFirstQuestion)
{
    start({calcium}, {hydroxide});
    EXPECT_EQ(paint(), joined({
                           {{20, 150, "Name the following compound:", blue}},
                           formula(20, 180, "Ca(OH)2", red),
                           {{20, 300, "Number correct: 0  out of: 0", black},
                            {50, 350, "Press Enter when done.", black}},
                       }));
    EXPECT_EQ(caret.x, 20);
    EXPECT_EQ(caret.y, 235);
}

TEST_F(SessionPaint, ACorrectAnswer)
{
    start({calcium}, {hydroxide});
    answer("Calcium hydroxide");
    type("Ca(OH");
    EXPECT_EQ(paint(), joined({
                           {{20, 10, "You are correct!!", magenta},
                            {20, 150, "What is the formula for the following compound:", blue},
                            {20, 180, "Calcium hydroxide", red}},
                           formula(20, 220, "Ca(OH", black),
                           {{20, 300, "Number correct: 1  out of: 1", black},
                            {50, 350, "Press Enter when done.", black}},
                       }));
    EXPECT_EQ(caret.x, 20 + 5 * 7);
}

TEST_F(SessionPaint, AWrongNameAnswerShowsTheFormulaAndBothNamesAtXTen)
{
    start({calcium}, {hydroxide});
    answer("calcium hydroxide");
    EXPECT_EQ(paint(), joined({
                           {{20, 10, "You are incorrect!! ", magenta}},
                           formula(20 + 20 * 7, 10, "Ca(OH)2", magenta),
                           {{10, 40, "Your answer: calcium hydroxide", magenta},
                            {10, 70, "Correct answer: Calcium hydroxide", magenta},
                            {20, 150, "What is the formula for the following compound:", blue},
                            {20, 180, "Calcium hydroxide", red},
                            {20, 300, "Number correct: 0  out of: 1", black},
                            {50, 350, "Press Enter when done.", black}},
                       }));
}

TEST_F(SessionPaint, AWrongFormulaAnswerShowsTheNameAndBothFormulasAtXTwenty)
{
    start({calcium}, {hydroxide});
    answer("Calcium hydroxide");
    answer("CaOH2");
    type("Calc");
    EXPECT_EQ(paint(), joined({
                           {{20, 10, "You are incorrect!!  Calcium hydroxide", magenta},
                            {20, 40, "Your answer: ", magenta}},
                           formula(20 + 13 * 7, 40, "CaOH2", magenta),
                           {{20, 70, "Correct answer: ", magenta}},
                           formula(20 + 16 * 7, 70, "Ca(OH)2", magenta),
                           {{20, 150, "Name the following compound:", blue}},
                           formula(20, 180, "Ca(OH)2", red),
                           {{20, 220, "Calc", black},
                            {20, 300, "Number correct: 1  out of: 2", black},
                            {50, 350, "Press Enter when done.", black}},
                       }));
    EXPECT_EQ(caret.x, 20 + 4 * 7);
    EXPECT_EQ(caret.y, 235);
}

} // namespace
