#include "CliRun.h"

#include "catalogue/CatalogueFile.h"
#include "compound/IonRange.h"
#include "platform/Random.h"
#include "quiz/AnswerKey.h"
#include "quiz/QuizFile.h"
#include "quiz/QuizGeneration.h"
#include "quiz/QuizHeading.h"
#include "support/PdfPages.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <set>

namespace {

IonCatalogue starterLists()
{
    return {catalogue_file::parse(sourceFile("data/valkora.cat")).ions,
            catalogue_file::parse(sourceFile("data/valkora.ani")).ions};
}

// The quiz New makes from the starter heading with this range and seed.
SentenceList quizAsNewMakesIt(IonRange range, std::uint32_t seed)
{
    WorkingLists working;
    buildWorkingLists(starterLists(), range, working);
    Random random;
    random.seed(seed);
    return quiz_generation::createQuiz(
        quiz_heading::lineReads(quiz_heading::readAsText(sourceFile("data/valkora.hed"))), working,
        random);
}

QStringList makeArgs(const QString& cations, const QString& anions, QStringList more)
{
    return QStringList{"make", "--cations", cations, "--anions", anions, "--dir", QDir::currentPath()}
           + more;
}

TEST(CliMake, WritesEachVersionAsNewMakesItWithItsPdfAndKey)
{
    TempFolder folder;
    seedStarterData(folder);
    const CliRun run = runCommand(makeArgs("12", "10", {"--versions", "3", "--seed", "42", "-o",
                                                        folder.path("week1")}));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Seed: 42\nquiz-A: seed 42\nquiz-B: seed 43\nquiz-C: seed 44\n");
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    for (int version = 0; version < 3; ++version) {
        const QString base = QString("week1/quiz-%1").arg(QChar('A' + version));
        EXPECT_EQ(folder.read(base + ".qzz"),
                  quiz_file::serialize(quizAsNewMakesIt({12, 10}, 42u + version)));
        EXPECT_EQ(pdfPageCount(folder.path(base + ".pdf")), 1) << base.toStdString();
        EXPECT_EQ(pdfPageCount(folder.path(base + "-key.pdf")), 1) << base.toStdString();
    }
    EXPECT_FALSE(folder.exists("week1/quiz-D.qzz"));
}

// Past Z the versions go on as AA, AB, ...
TEST(CliMake, LettersVersionsPastZAsAAAndAB)
{
    TempFolder folder;
    seedStarterData(folder);
    const CliRun run = runCommand(makeArgs("12", "10", {"--versions", "28", "--seed", "5", "-o",
                                                        folder.path("many")}));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    for (const char* name : {"Z", "AA", "AB"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(folder.exists(QString("many/quiz-%1.qzz").arg(name)));
        EXPECT_TRUE(run.out.contains(QString("quiz-%1: seed").arg(name)));
    }
    EXPECT_FALSE(folder.exists("many/quiz-AC.qzz"));
    EXPECT_EQ(QDir(folder.path("many")).entryList({"*.qzz"}).size(), 28);
}

TEST(CliMake, ReseedsPastARepeatUntilTheListsAllowNoOther)
{
    TempFolder folder;
    seedStarterData(folder);
    // Two cations and two anions make exactly four different quizzes.
    const CliRun four = runCommand(makeArgs("2", "2", {"--versions", "4", "--seed", "1", "-o", folder.path("four")}));
    ASSERT_EQ(four.status, 0) << four.err.toStdString();
    std::set<QByteArray> quizzes;
    for (const char* version : {"A", "B", "C", "D"})
        quizzes.insert(folder.read(QString("four/quiz-%1.qzz").arg(version)));
    EXPECT_EQ(quizzes.size(), 4u);
    EXPECT_TRUE(four.err.contains("repeats an earlier version")) << four.err.toStdString();

    // A second run with the same seed gives the same quizzes.
    ASSERT_EQ(runCommand(makeArgs("2", "2", {"--versions", "4", "--seed", "1", "-o", folder.path("again")})).status, 0);
    for (const char* version : {"A", "B", "C", "D"})
        EXPECT_EQ(folder.read(QString("again/quiz-%1.qzz").arg(version)),
                  folder.read(QString("four/quiz-%1.qzz").arg(version)));

    const CliRun five = runCommand(makeArgs("2", "2", {"--versions", "5", "--seed", "1", "-o", folder.path("five")}));
    EXPECT_EQ(five.status, 0);
    EXPECT_TRUE(five.err.contains("quiz-E: the lists allow no quiz unlike the earlier versions"))
        << five.err.toStdString();
    EXPECT_TRUE(folder.exists("five/quiz-E.qzz"));
}

TEST(CliMake, RefusesARangeBeyondTheListsWithTheRangeDialogsWarning)
{
    TempFolder folder;
    seedStarterData(folder);
    for (const QStringList& range : {QStringList{"0", "3"}, QStringList{"3", "100000"}}) {
        const CliRun run = runCommand(makeArgs(range[0], range[1], {"-o", folder.path("out")}));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, QString(ionRangeWarning) + "\n");
        EXPECT_FALSE(folder.exists("out"));
    }
}

// Nothing is said on stdout, not even the seed, before the folder is there.
TEST(CliMake, NamesAnOutputFolderThatCannotBeMade)
{
    TempFolder folder;
    seedStarterData(folder);
    folder.write("taken", "");
    const CliRun run = runCommand(makeArgs("4", "4", {"--seed", "5", "-o", folder.path("taken/out")}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, folder.path("taken/out") + ": cannot be made\n");
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

TEST(CliMake, TakesAHeadingFileAndNamesAMissingOne)
{
    TempFolder folder;
    seedStarterData(folder);
    folder.write("mine.hed", "Chemistry 2\r\nName:\r\n");
    const CliRun run = runCommand(makeArgs("4", "4", {"--heading", folder.path("mine.hed"), "--seed", "5",
                                                      "-o", folder.path("out")}));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const SentenceList quiz = quiz_file::parse(folder.read("out/quiz-A.qzz")).sentences;
    ASSERT_GE(quiz.size(), 2u);
    EXPECT_EQ(quiz[0].text, "Chemistry 2\n");
    EXPECT_EQ(quiz[1].text, "Name:\n");

    QFile::remove(folder.path("valkora.hed"));
    const CliRun missing = runCommand(makeArgs("4", "4", {"-o", folder.path("none")}));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, folder.path("valkora.hed") + ": cannot be opened\n");
}

// The heading New would load: its 120 characters, a zero byte ending only its own read.
TEST(CliMake, TakesOnlyWhatTheHeadingHolds)
{
    TempFolder folder;
    seedStarterData(folder);
    folder.write("long.hed", QByteArray("Chem\0istry\r\nName:\r\n", 19) + QByteArray(200, 'x'));
    const CliRun run = runCommand(makeArgs("4", "4", {"--heading", folder.path("long.hed"),
                                                      "--seed", "5", "-o", folder.path("out")}));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const SentenceList quiz = quiz_file::parse(folder.read("out/quiz-A.qzz")).sentences;
    ASSERT_GE(quiz.size(), 5u);
    EXPECT_EQ(quiz[0].text, "ChemName:\n");
    EXPECT_EQ(quiz[1].text, std::string(60, 'x'));
    EXPECT_EQ(quiz[2].text, std::string(50, 'x'));
    EXPECT_EQ(quiz[3].text, "");
    EXPECT_EQ(quiz[4].text, "Write formulas for the following compounds: ");
}

class CliStoredQuiz : public testing::Test {
protected:
    void SetUp() override
    {
        seedStarterData(folder);
        quiz = quizAsNewMakesIt({8, 8}, 99);
        // An exercise no pair of the lists makes.
        quiz.emplace_back("Unobtainium chloride", 1);
        folder.write("week.qzz", quiz_file::serialize(quiz));
    }

    QStringList args(QStringList words) const { return words + QStringList{"--dir", QDir::currentPath()}; }

    TempFolder folder;
    SentenceList quiz;
};

TEST_F(CliStoredQuiz, KeyGoesToStdoutOneAnswerALineThenTheUnansweredCount)
{
    const answer_key::Key key = answer_key::fromCatalogue(quiz, starterLists());
    ASSERT_EQ(key.unanswered, 1);
    QString expected;
    for (const answer_key::Answer& answer : key.answers)
        expected += QString::number(answer.number) + ".  " + QString::fromLatin1(answer.text.c_str()) + "\n";
    expected += QString::fromStdString(answer_key::unansweredLine(1)) + "\n";

    const CliRun run = runCommand(args({"key", folder.path("week.qzz")}));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expected);
    EXPECT_TRUE(run.out.startsWith("1.  "));
    EXPECT_TRUE(run.out.contains(QString::number(key.answers.size()) + ".  ?\n"));

    const CliRun text = runCommand(args({"key", folder.path("week.qzz"), "-o", folder.path("key.txt")}));
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(folder.read("key.txt"), expected.toUtf8());

    const CliRun pdf = runCommand(args({"key", folder.path("week.qzz"), "-o", folder.path("key.pdf")}));
    EXPECT_EQ(pdf.status, 0) << pdf.err.toStdString();
    EXPECT_EQ(pdfPageCount(folder.path("key.pdf")), 1);
}

// The key on paper reads as the key in text: every answer, in order, after its number.
TEST_F(CliStoredQuiz, TheKeysPdfReadsAsItsAnswers)
{
    const answer_key::Key key = answer_key::fromCatalogue(quiz, starterLists());
    const CliRun run = runCommand(args({"key", folder.path("week.qzz"), "-o", folder.path("key.pdf")}));
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const std::optional<QString> text = pdfText(folder.path("key.pdf"));
    if (!text)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";

    QStringList lines = text->split(u'\n');
    for (QString& line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), "Answer key");
    qsizetype at = 0;
    for (const answer_key::Answer& answer : key.answers) {
        const QString expected =
            QString::number(answer.number) + ". " + QString::fromLatin1(answer.text.c_str());
        const auto found = std::find(lines.begin() + at, lines.end(), expected);
        ASSERT_NE(found, lines.end()) << expected.toStdString();
        at = found - lines.begin() + 1;
    }
    EXPECT_EQ(lines.back(), QString::fromStdString(answer_key::unansweredLine(1)));
}

TEST_F(CliStoredQuiz, PrintPutsTheKeyOnPagesAfterTheQuiz)
{
    const CliRun quizOnly = runCommand(args({"print", folder.path("week.qzz"), "-o", folder.path("quiz.pdf")}));
    EXPECT_EQ(quizOnly.status, 0) << quizOnly.err.toStdString();
    EXPECT_EQ(pdfPageCount(folder.path("quiz.pdf")), 1);

    const CliRun withKey = runCommand(args({"print", folder.path("week.qzz"), "-o", folder.path("both.pdf"),
                                            "--key", "--page-size", "Letter"}));
    EXPECT_EQ(withKey.status, 0) << withKey.err.toStdString();
    EXPECT_EQ(pdfPageCount(folder.path("both.pdf")), 2);
}

TEST_F(CliStoredQuiz, AMissingOrDamagedQuizIsNamedAndNothingIsWritten)
{
    const CliRun missing = runCommand(args({"print", folder.path("gone.qzz"), "-o", folder.path("gone.pdf")}));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, folder.path("gone.qzz") + ": cannot be opened\n");
    EXPECT_FALSE(folder.exists("gone.pdf"));

    folder.write("cut.qzz", quiz_file::serialize(quiz).chopped(50));
    const CliRun cut = runCommand(args({"key", folder.path("cut.qzz"), "-o", folder.path("cut.txt")}));
    EXPECT_EQ(cut.status, 1);
    EXPECT_TRUE(cut.err.startsWith(folder.path("cut.qzz") + ": cut.qzz is damaged")) << cut.err.toStdString();
    EXPECT_FALSE(folder.exists("cut.txt"));
}

TEST_F(CliStoredQuiz, AnOutputThatCannotBeWrittenIsNamed)
{
    // A folder in the file's place refuses the save, even to root.
    ASSERT_TRUE(QDir().mkpath(folder.path("taken.pdf")));
    const CliRun run = runCommand(args({"print", folder.path("week.qzz"), "-o", folder.path("taken.pdf")}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, folder.path("taken.pdf") + ": cannot be written: Filename refers to a directory\n");

    // A plain file where a folder should be: the system's own words after the message.
    const QString underAFile = folder.path("week.qzz/key.txt");
    const CliRun key = runCommand(args({"key", folder.path("week.qzz"), "-o", underAFile}));
    EXPECT_EQ(key.status, 1);
    EXPECT_EQ(key.err, underAFile + ": cannot be written: Not a directory\n");
    EXPECT_EQ(folder.read("week.qzz"), quiz_file::serialize(quiz));
}

} // namespace
