#include "export/MoodleXml.h"

#include "MoodleModel.h"
#include "SampleExports.h"

namespace {

using namespace quiz_export;

class MoodleBank : public testing::TestWithParam<QuizCase> {};

// Right answers score in full in both spellings and any case the marking allows; a mistake
// scores nothing, with the sentence of the first mistake Moodle cannot tell it from, unless it
// cannot tell it from a right answer; anything else scores nothing and is told the answer.
TEST_P(MoodleBank, MarksEveryResponseAsTheExerciseMeansIt)
{
    const Quiz quiz = GetParam().quiz();
    const Marking marking{GetParam().namesAnyCase};
    const std::vector<moodle::Question> bank = moodle::import(moodleXml(quiz, marking));
    ASSERT_EQ(bank.size(), quiz.exercises.size() + 1);
    EXPECT_EQ(QStringList({bank[0].type, bank[0].category, htmlText(bank[0].info)}),
              QStringList({"category", "$course$/Unit 4 & 5", "Ionic compounds <set 2>"}));
    for (std::size_t i = 0; i < quiz.exercises.size(); ++i) {
        const Exercise& exercise = quiz.exercises[i];
        const moodle::Question& question = bank[i + 1];
        const bool usecase = marking.caseSensitive(exercise);
        const auto marked = [&question](const QString& response) {
            const moodle::Answer* answer = moodle::mark(question, response);
            return answer ? std::make_pair(answer->fraction, htmlText(answer->feedback)) : std::make_pair(-1.0, QString());
        };
        SCOPED_TRACE(exercise.shown);
        EXPECT_EQ(QStringList({question.type, question.name, htmlText(question.text)}),
                  QStringList({"shortanswer", QString::number(exercise.number) + ". " + fromLatin1Bytes(exercise.shown),
                               instructionAndShown(exercise)}));
        EXPECT_EQ(question.usecase, usecase);
        QString answer = fromLatin1Bytes(exercise.answer);
        EXPECT_EQ(marked(" " + answer.normalized(QString::NormalizationForm_D)).first, 1);
        EXPECT_EQ(marked(answer.toUpper()).first, usecase && answer != answer.toUpper() ? 0 : 1);
        for (const Mistake& mistake : exercise.mistakes) {
            const QString typed = fromLatin1Bytes(mistake.typed);
            const auto first = std::find_if(exercise.mistakes.begin(), exercise.mistakes.end(), [&](const Mistake& m) {
                return moodle::same(typed, fromLatin1Bytes(m.typed), usecase);
            });
            EXPECT_EQ(marked(typed), moodle::same(typed, answer, usecase) ? std::make_pair(1.0, QString())
                                                                         : std::make_pair(0.0, fromLatin1Bytes(first->feedback)));
        }
        EXPECT_EQ(marked("Xx"), std::make_pair(0.0, "The answer is " + answer + "."));
        for (QChar& c : answer)
            c = c >= u'2' && c <= u'9' ? QChar(char16_t(0x2080 + c.unicode() - u'0')) : c;
        EXPECT_EQ(marked(answer).first, 1) << "with subscript digits";
    }
}

INSTANTIATE_TEST_SUITE_P(Quizzes, MoodleBank, testing::ValuesIn(quizCases), caseName);

} // namespace
