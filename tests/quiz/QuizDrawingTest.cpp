#include "quiz/QuizDrawing.h"

#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Text = RecordingSurface::Text;
constexpr Rgb black = colours::black;

// Lines 15 high, so exercise digits drop 5; characters 7 wide, but the labels' characters
// are measured as whole texts too: "1.  " is 28 wide.
TEST(QuizDrawing, NumbersExercisesAndLowersOnlyTheirDigits)
{
    const SentenceList quiz = {
        {"Quiz 2\n", 0}, {"Na2O", 1}, {" ", 0}, {"Al2(SO4)3", 5}, {"C10", 1},
    };
    RecordingSurface surface(15, 7);
    quiz_drawing::drawAll(surface, quiz);
    const std::vector<Text> expected = {
        // A heading line: digits on the line, the line feed not drawn.
        {0, 0, "Q", black}, {7, 0, "u", black}, {14, 0, "i", black}, {21, 0, "z", black},
        {28, 0, " ", black}, {35, 0, "2", black},
        // Exercise 1 on the line's top, its 2 lowered by 15 / 3.
        {0, 15, "1.  ", black}, {28, 15, "N", black}, {35, 15, "a", black},
        {42, 20, "2", black}, {49, 15, "O", black},
        {0, 30, " ", black},
        // Any non-zero flag is an exercise.
        {0, 45, "2.  ", black}, {28, 45, "A", black}, {35, 45, "l", black},
        {42, 50, "2", black}, {49, 45, "(", black}, {56, 45, "S", black},
        {63, 45, "O", black}, {70, 50, "4", black}, {77, 45, ")", black},
        {84, 50, "3", black},
        // 0 and 1 stay on the line.
        {0, 60, "3.  ", black}, {28, 60, "C", black}, {35, 60, "1", black}, {42, 60, "0", black},
    };
    EXPECT_EQ(surface.texts(), expected);
}

TEST(QuizDrawing, ExerciseTwelveCarriesItsNumber)
{
    SentenceList quiz;
    for (int i = 0; i < 12; ++i)
        quiz.emplace_back("KCl", 1);
    RecordingSurface surface(15, 7);
    quiz_drawing::drawAll(surface, quiz);
    EXPECT_EQ(surface.find("12.  "), (Text{0, 165, "12.  ", black}));
    EXPECT_TRUE(quiz_drawing::linesBetween({}, 15, 0, 500).first == 0);
}

SentenceList longQuiz(int exercises)
{
    SentenceList quiz = {{"Heading 1\n", 0}, {"", 0}};
    for (int i = 0; i < exercises; ++i) {
        quiz.emplace_back("Fe2(SO4)3", 1);
        quiz.emplace_back(" ", 0);
        quiz.emplace_back(" ", 0);
    }
    return quiz;
}

// Drawing only the lines in sight shows what the whole drawing shows there, numbers included.
TEST(QuizDrawing, AWindowOfLinesKeepsTheNumbering)
{
    const SentenceList quiz = longQuiz(60);
    RecordingSurface whole(15, 7);
    quiz_drawing::drawAll(whole, quiz);
    for (int top : {0, 14, 400, 1333, 2600}) {
        const int bottom = top + 200;
        RecordingSurface part(15, 7);
        quiz_drawing::draw(part, quiz, quiz_drawing::linesBetween(quiz, 15, top, bottom), top);
        for (const Text& t : whole.texts()) {
            if (!(t.y + 15 > top && t.y < bottom))
                continue;
            const Text shifted{t.x, t.y - top, t.text, t.colour};
            EXPECT_NE(std::find(part.texts().begin(), part.texts().end(), shifted), part.texts().end())
                << "top " << top << ": " << t.text << " at " << t.y;
        }
        EXPECT_LT(part.texts().size(), 200u);
    }
}

} // namespace
