// valkora-cli run as a teacher runs it: the built program in a terminal with no display, a home
// folder of its own, the starter lists or hand-made damaged ones, and its PDFs read back as text.
#include "CliRun.h"

#include "quiz/QuizFile.h"
#include "support/PdfPages.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The PDF's text as lines, spaces made single, blank lines left out.
std::optional<QStringList> pdfLines(const QString& path)
{
    const std::optional<QString> text = pdfText(path);
    if (!text)
        return std::nullopt;
    QStringList lines;
    for (const QString& line : text->split(u'\n'))
        if (!line.simplified().isEmpty())
            lines.append(line.simplified());
    return lines;
}

// The lines a quiz's printout shows: its texts, each exercise after its number.
QStringList printedLines(const SentenceList& quiz)
{
    QStringList lines;
    int number = 0;
    for (const TSentence& sentence : quiz) {
        for (const QString& line : QString::fromLatin1(sentence.text.c_str()).split(u'\n')) {
            const QString text = line.simplified();
            if (!text.isEmpty())
                lines.append(sentence.isCompound ? QString("%1. %2").arg(++number).arg(text) : text);
        }
    }
    return lines;
}

class CliAsATeacher : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(home.path("Valkora")));
        for (const char* name : {"valkora.cat", "valkora.ani", "valkora.hed"})
            home.write(QString("Valkora/") + name, sourceFile(QString("data/") + name));
    }

    CliRun run(const QStringList& args) const { return runProgram(args, home.path(".")); }

    QByteArray listFiles() const
    {
        return home.read("Valkora/valkora.cat") + "|" + home.read("Valkora/valkora.ani");
    }

    TempFolder home;
};

// make writes each version's quiz, its sheet and its key; the sheet reads as the stored quiz,
// and the key on paper reads as the key the command gives for the stored file.
TEST_F(CliAsATeacher, MakesVersionsWhosePagesReadAsTheirQuizzesAndKeys)
{
    const CliRun made = run({"make", "--cations", "20", "--anions", "20", "--versions", "2",
                             "--seed", "11", "-o", "week2"});
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_EQ(made.out, "Seed: 11\nquiz-A: seed 11\nquiz-B: seed 12\n");
    EXPECT_EQ(made.err, "");

    for (const QString version : {"A", "B"}) {
        SCOPED_TRACE(version.toStdString());
        const QString base = "week2/quiz-" + version;
        const quiz_file::ReadResult quiz = quiz_file::read(home.path(base + ".qzz"));
        ASSERT_TRUE(quiz.opened);
        ASSERT_EQ(quiz.promised, quiz.sentences.size());

        const std::optional<QStringList> sheet = pdfLines(home.path(base + ".pdf"));
        if (!sheet)
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        EXPECT_EQ(*sheet, printedLines(quiz.sentences));
        EXPECT_EQ(sheet->front(), "Name: ______________________________ Date: ____________");

        const CliRun key = run({"key", base + ".qzz"});
        ASSERT_EQ(key.status, 0) << key.err.toStdString();
        QStringList keyLines{"Answer key"};
        keyLines += sheet->mid(0, 2); // the heading's two lines
        for (const QString& line : key.out.split(u'\n', Qt::SkipEmptyParts))
            keyLines.append(line.simplified());
        EXPECT_FALSE(key.out.contains("?")) << "every exercise comes from the lists";
        EXPECT_EQ(pdfLines(home.path(base + "-key.pdf")), keyLines);
    }
    EXPECT_NE(home.read("week2/quiz-A.qzz"), home.read("week2/quiz-B.qzz"));
}

// print gives the quiz's pages, then with --key the key's after them, in one file.
TEST_F(CliAsATeacher, PrintsAStoredQuizAndItsKeyIntoOnePdf)
{
    SentenceList quiz{TSentence("Period 3", 0),
                      TSentence("Tuesday", 0),
                      TSentence("Write formulas for the following compounds: ", 0),
                      TSentence("Calcium chloride", 1),
                      TSentence("Write names for the following compounds: ", 0),
                      TSentence("Al2O3", 1),
                      TSentence("Qq", 1)};
    home.write("old.qzz", quiz_file::serialize(quiz));

    const CliRun printed = run({"print", "old.qzz", "-o", "old.pdf", "--key"});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_EQ(pdfPageCount(home.path("old.pdf")), 2);
    const std::optional<QStringList> lines = pdfLines(home.path("old.pdf"));
    if (!lines)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    EXPECT_EQ(*lines, (QStringList{"Period 3", "Tuesday", "Write formulas for the following compounds:",
                                   "1. Calcium chloride", "Write names for the following compounds:",
                                   "2. Al2O3", "3. Qq", "Answer key", "Period 3", "Tuesday",
                                   "1. CaCl2", "2. Aluminum oxide", "3. ?",
                                   "1 exercise could not be answered from the current lists."}));
}

// The lists go out as CSV and come back byte for byte; a new user's empty home is named.
TEST_F(CliAsATeacher, ListsGoOutAndComeBackWholeAndANewHomeIsNamed)
{
    const QByteArray before = listFiles();
    const CliRun exported = run({"lists", "export", "-o", "lists.csv"});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    EXPECT_TRUE(home.read("lists.csv").startsWith("side,name,symbol,charge\r\n"));

    home.write("Valkora/valkora.cat", "");
    const CliRun imported = run({"lists", "import", "lists.csv"});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(listFiles(), before);
    const CliRun checked = run({"lists", "check"});
    EXPECT_EQ(checked.status, 0);
    EXPECT_EQ(checked.out + checked.err, "");

    TempFolder newcomer;
    const CliRun nothing = runProgram({"lists", "check"}, newcomer.path("."));
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.err, newcomer.path("Valkora/valkora.cat") + ": cannot be opened\n");
}

// Hand-made CSV files that are damaged in the ways a spreadsheet damages them: every bad row is
// named with its line and nothing is written.
TEST_F(CliAsATeacher, ImportOfADamagedCsvNamesEveryBadRowAndWritesNothing)
{
    const QByteArray before = listFiles();
    home.write("bad.csv", "side,name,symbol,charge\r\n"
                          "cation,Sodium,Na,1\r\n"
                          "cation,\"Copper(II), cupric\",Cu,2\r\n"
                          "anion,chloride,Cl,-1\r\n"
                          "metal,Iron,Fe,3\r\n"
                          "anion,\"oxide\",O\r\n"
                          "cation,Thallium(III)-ion-long,Tl,3\r\n");
    const CliRun run1 = run({"lists", "import", "bad.csv"});
    EXPECT_EQ(run1.status, 1);
    EXPECT_EQ(run1.out, "");
    const QStringList errors = run1.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(errors.size(), 4) << run1.err.toStdString();
    for (int i = 0; i < errors.size(); ++i)
        EXPECT_TRUE(errors[i].startsWith(QString("bad.csv: line %1: ").arg(i + 4))) << errors[i].toStdString();
    EXPECT_EQ(listFiles(), before);

    home.write("nohead.csv", "cation,Sodium,Na,1\n");
    const CliRun run2 = run({"lists", "import", "nohead.csv"});
    EXPECT_EQ(run2.status, 1);
    EXPECT_TRUE(run2.err.startsWith("nohead.csv: line 1: ")) << run2.err.toStdString();
    EXPECT_EQ(listFiles(), before);
}

// Lists with planted mistakes: each is found, and the command says so with its status.
TEST_F(CliAsATeacher, CheckFindsPlantedMistakesInTheLists)
{
    home.write("planted.csv", "side,name,symbol,charge\n"
                              "cation,Cobalt(II),CO,2\n"
                              "cation,Iron,Fe,2\n"
                              "cation,Iron(III),Fe,3\n"
                              "anion,chloride,Cl,1\n"
                              "anion,chlorine,Cl,1\n"
                              "anion,oxide,O,2\n"
                              "anion,oxide,Ox,2\n");
    ASSERT_EQ(run({"lists", "import", "planted.csv"}).status, 0);
    const CliRun checked = run({"lists", "check"});
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.out,
              "cation 1: the symbol \"CO\" reads as carbon + oxygen; cobalt is \"Co\"\n"
              "anion 4: the symbol \"Ox\" is not a formula of element symbols\n"
              "anion 3 and anion 4 have the same name \"oxide\"\n"
              "anion 1 (chloride) and anion 2 (chlorine) are both \"Cl\" with charge 1\n"
              "cation 2 (Iron) and cation 3 (Iron(III)) are both \"Fe\", with charges 2 and 3: "
              "both names need a Roman numeral such as (II)\n");
}

TEST_F(CliAsATeacher, AnswersHelpVersionAndBadUsage)
{
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(QRegularExpression("^valkora-cli \\d+\\.\\d+(\\.\\d+)?\n$").match(version.out).hasMatch())
        << version.out.toStdString();
    for (const QStringList& words : {QStringList{"key"}, QStringList{"make"}, QStringList{"print"},
                                     QStringList{"lists", "export"}, QStringList{"lists", "import"},
                                     QStringList{"lists", "check"}}) {
        SCOPED_TRACE(words.join(' ').toStdString());
        const CliRun help = run(words + QStringList{"--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith("Usage: valkora-cli " + words.join(' '))) << help.out.toStdString();
    }
    const CliRun wrong = run({"make", "--cations", "3"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.contains("valkora-cli make --help")) << wrong.err.toStdString();
}

} // namespace
