// A teacher's round on the starter lists: a quiz made by New is printed to PDF with its answer
// key and stored; the stored quiz is opened and printed with its key again. The pages are read
// back as text, and every answer is checked against a model of the naming rules written apart
// from the program's own, so a fault shared by the key and the marking cannot hide.
#include "shell/QuizShell.h"

#include "catalogue/CatalogueFile.h"
#include "support/PdfPages.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <stdexcept>

namespace {

IonList starterList(const char* name)
{
    QFile file(QStringLiteral(VALKORA_SOURCE_DIR "/data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("cannot read ") + name);
    return catalogue_file::parse(file.readAll()).ions;
}

// The rules as a chemistry teacher states them: the cation first; each ion taken as many times
// as the other's charge, both counts divided by their greatest common divisor; a count above one
// follows the symbol, which is bracketed when it holds more than one atom.
namespace model {

int atoms(const std::string& symbol)
{
    static const QRegularExpression element(QStringLiteral("[A-Z][a-z]?(\\d*)"));
    int total = 0;
    auto matches = element.globalMatch(QString::fromLatin1(symbol.c_str()));
    while (matches.hasNext()) {
        const QString count = matches.next().captured(1);
        total += count.isEmpty() ? 1 : count.toInt();
    }
    return total;
}

std::string taken(const std::string& symbol, int times)
{
    if (times == 1)
        return symbol;
    return (atoms(symbol) > 1 ? "(" + symbol + ")" : symbol) + std::to_string(times);
}

std::string formula(const TIon& cation, const TIon& anion)
{
    const int common = std::gcd(cation.charge, anion.charge);
    return taken(cation.symbol, anion.charge / common) + taken(anion.symbol, cation.charge / common);
}

} // namespace model

struct Exercise {
    int number;
    std::string text;
    bool namesSection; // the sheet shows a formula, so the answer is a name
};

struct ReadBack {
    std::vector<std::string> quizLines;
    std::vector<Exercise> exercises;
    std::vector<std::string> keyLines;
    std::map<int, std::string> answers;
};

// The PDF's text: the quiz pages up to the key's title line, then the key.
ReadBack readBack(const QString& text)
{
    static const QRegularExpression numbered(QStringLiteral("^(\\d+)\\. (.+)$"));
    ReadBack pages;
    bool inKey = false;
    bool namesSection = false;
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.simplified();
        if (line.isEmpty())
            continue;
        if (line == "Answer key" && !inKey) {
            inKey = true;
            continue;
        }
        const QRegularExpressionMatch match = numbered.match(line);
        const std::string rest = match.hasMatch() ? match.captured(2).toStdString() : "";
        if (inKey) {
            pages.keyLines.push_back(line.toStdString());
            if (match.hasMatch())
                pages.answers[match.captured(1).toInt()] = rest;
            continue;
        }
        pages.quizLines.push_back(line.toStdString());
        if (line == "Write names for the following compounds:")
            namesSection = true;
        if (match.hasMatch())
            pages.exercises.push_back({match.captured(1).toInt(), rest, namesSection});
    }
    return pages;
}

class TeacherRound : public QuizShell {
protected:
    TeacherRound() : QuizShell(starterList("valkora.cat"), starterList("valkora.ani")) {}

    // Every answer the model gives for the exercise's text from the starter lists.
    std::vector<std::string> modelAnswers(const Exercise& exercise)
    {
        std::vector<std::string> found;
        for (const TIon& cation : catalogue().cations)
            for (const TIon& anion : catalogue().anions) {
                const std::string name = cation.name + " " + anion.name;
                const std::string formula = model::formula(cation, anion);
                if (exercise.namesSection ? formula == exercise.text : name == exercise.text)
                    found.push_back(exercise.namesSection ? name : formula);
            }
        return found;
    }

    void expectKeyFollowsTheModel(const ReadBack& pages, std::size_t exercises)
    {
        ASSERT_EQ(pages.exercises.size(), exercises);
        for (std::size_t i = 0; i < pages.exercises.size(); ++i) {
            const Exercise& exercise = pages.exercises[i];
            SCOPED_TRACE(exercise.text);
            EXPECT_EQ(exercise.number, static_cast<int>(i) + 1);
            const std::vector<std::string> expected = modelAnswers(exercise);
            ASSERT_EQ(expected.size(), 1u) << "the starter lists make each exercise once";
            ASSERT_TRUE(pages.answers.count(exercise.number));
            EXPECT_EQ(pages.answers.at(exercise.number), expected.front());
        }
        EXPECT_EQ(pages.answers.size(), exercises) << "the key answers the quiz's exercises only";
    }

    std::optional<ReadBack> printWithKey(const QString& pdf, bool offersToStore, const std::string& storeAs)
    {
        ui.expectPrintDialog(pdf.toStdString()).tick(true).ok();
        if (offersToStore) {
            ui.answer(MessageAnswer::Yes);
            ui.expectSaveFile(storeAs);
        }
        frame.dispatchCommand(cmd::PrintQuiz);
        expectLeftToCatalogue();
        const std::optional<QString> text = pdfText(pdf);
        if (!text)
            return std::nullopt;
        return readBack(*text);
    }
};

TEST_F(TeacherRound, GeneratedAndStoredQuizzesPrintKeysThatFollowTheRules)
{
    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        random.seed(seed);
        ASSERT_NO_FATAL_FAILURE(makeQuiz("28", "29"));
        const std::string stored = "round" + std::to_string(seed) + ".qzz";
        const std::optional<ReadBack> generated =
            printWithKey(files.folder.path("made.pdf"), true, stored);
        if (!generated)
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        // The heading's two lines, two section titles and a blank line's worth of nothing
        // between them: everything else on the sheet is an exercise.
        EXPECT_EQ(generated->quizLines.front(), "Name: ____");
        const std::size_t exercises = generated->quizLines.size() - 4;
        EXPECT_GE(exercises, 20u);
        expectKeyFollowsTheModel(*generated, exercises);
        EXPECT_EQ(generated->keyLines.at(0), "Name: ____");
        EXPECT_EQ(generated->keyLines.at(1), "Quiz");

        // Opened from its file, the quiz holds only texts; the key found from the lists is the same.
        ui.expectOpenFile(stored);
        frame.dispatchCommand(cmd::Open);
        ASSERT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
        const std::optional<ReadBack> reopened = printWithKey(files.folder.path("opened.pdf"), false, "");
        ASSERT_TRUE(reopened);
        EXPECT_EQ(reopened->quizLines, generated->quizLines);
        EXPECT_EQ(reopened->keyLines, generated->keyLines);
        expectKeyFollowsTheModel(*reopened, exercises);
    }
}

} // namespace
