// valkora-cli explain on the starter lists: one answer marked and explained, then a class's
// answers from a form's CSV export.
#include "CliRun.h"

#include "compound/AnswerDiagnosis.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

struct ExplainCase {
    const char* name;
    QStringList args; // after "explain"
    int status;
    QStringList lines; // the first lines on stdout
    // A finding line that must follow them; nullptr: no finding lines, "": not looked at.
    const char* finding;
    const char* err; // contained in stderr; "" when it must be empty
};

void PrintTo(const ExplainCase& row, std::ostream* out)
{
    *out << row.name;
}

class CliExplain : public testing::TestWithParam<ExplainCase> {};

TEST_P(CliExplain, MarksAsThePracticeDoesAndSaysWhy)
{
    TempFolder folder;
    seedStarterData(folder);
    const ExplainCase& row = GetParam();
    const CliRun run = runCommand(QStringList{"explain"} + row.args + QStringList{"--dir", QDir::currentPath()});
    EXPECT_EQ(run.status, row.status) << run.err.toStdString();
    EXPECT_TRUE(*row.err ? run.err.contains(row.err) : run.err.isEmpty()) << run.err.toStdString();
    const QStringList said = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(said.size(), row.lines.size()) << run.out.toStdString();
    EXPECT_EQ(said.mid(0, row.lines.size()), row.lines);
    const QStringList findings = said.mid(row.lines.size());
    if (!row.finding) {
        EXPECT_EQ(findings, QStringList());
    } else if (*row.finding) {
        EXPECT_TRUE(std::any_of(findings.begin(), findings.end(),
                                [&](const QString& line) { return line.startsWith(row.finding); }))
            << run.out.toStdString();
    }
    for (const QString& line : findings)
        EXPECT_TRUE(answer_diagnosis::kindNamed(line.section(": ", 0, 0).toStdString())) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliExplain,
    testing::Values(
        ExplainCase{"name_correct", {"Calcium nitrate", "Ca(NO3)2"}, 0, {"correct", "correct answer: Ca(NO3)2"}, nullptr, ""},
        ExplainCase{"formula_correct", {"FeCl3", "Iron(III) chloride"}, 0,
                    {"correct", "correct answer: Iron(III) chloride"}, nullptr, ""},
        ExplainCase{"name_brackets_missing", {"Calcium nitrate", "CaNO32"}, 0,
                    {"wrong", "correct answer: Ca(NO3)2"}, "brackets-missing: ", ""},
        ExplainCase{"formula_numeral_missing", {"FeCl3", "Iron chloride"}, 0,
                    {"wrong", "correct answer: Iron(III) chloride"}, "numeral-missing: ", ""},
        ExplainCase{"small_letter", {"FeCl3", "iron(III) chloride"}, 0,
                    {"wrong", "correct answer: Iron(III) chloride"}, "", ""},
        ExplainCase{"trailing_blank", {"Calcium nitrate", "Ca(NO3)2 "}, 0,
                    {"wrong", "correct answer: Ca(NO3)2"}, "", ""},
        ExplainCase{"unknown_question", {"Calcium unobtainide", "CaU"}, 1, {}, nullptr,
                    "valkora-cli explain: \"Calcium unobtainide\" is no compound name or formula of the lists\n"},
        ExplainCase{"answer_missing", {"FeCl3"}, 2, {}, nullptr, "explain: a question and an answer are needed"},
        ExplainCase{"three_words", {"FeCl3", "Iron", "chloride"}, 2, {}, nullptr, "takes one question and one answer"},
        ExplainCase{"unknown_option", {"FeCl3", "x", "--bogus"}, 2, {}, nullptr, "Unknown option 'bogus'"},
        ExplainCase{"output_without_csv", {"FeCl3", "x", "-o", "out.csv"}, 2, {}, nullptr, "-o is for --csv"},
        ExplainCase{"csv_and_question", {"--csv", "in.csv", "FeCl3"}, 2, {}, nullptr, "unexpected argument FeCl3"}),
    [](const testing::TestParamInfo<ExplainCase>& info) { return std::string(info.param.name); });

TEST(CliExplainProgram, RunsAsAProcess)
{
    TempFolder folder;
    seedStarterData(folder);
    const CliRun run = runProgram({"explain", "Calcium nitrate", "CaNO32", "--dir", "."}, folder.path("."));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("wrong\ncorrect answer: Ca(NO3)2\n")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\nbrackets-missing: ")) << run.out.toStdString();
    EXPECT_EQ(run.err, "");
}

// A form's export: the answer before the question, a header in other capitals, a name with
// a comma and a line break, a student's name beyond ASCII, an unknown question, a short row.
TEST(CliExplainCsv, MarksEveryRowKeepsItsColumnsAndNamesBadRows)
{
    TempFolder folder;
    seedStarterData(folder);
    folder.write("class.csv", "Student, Answer ,QUESTION\r\n"
                              "\"Smith, Ann\nPeriod 3\",CaNO32,Calcium nitrate\r\n"
                              "Zo\xC3\xAB,Iron(III) chloride,FeCl3\r\n"
                              "Cy,CaU,Calcium unobtainide\r\n"
                              "Di,FeCl3\r\n"
                              "Ed,Iron chloride,FeCl3\n"
                              "Flo,Iron chloride,FeCl3\n");
    const CliRun run = runCommand({"explain", "--csv", "class.csv", "-o", "marked.csv", "--dir", "."});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "class.csv: line 5: \"Calcium unobtainide\" is no compound name or formula of the lists\n"
                       "class.csv: line 6: the row has 2 fields instead of 3\n"
                       "3 of 4 wrong: numeral-missing 2, brackets-missing 1\n")
        << run.err.toStdString();

    const QByteArray marked = folder.read("marked.csv");
    for (const char* row : {"Student, Answer ,QUESTION,verdict,correct,kinds,feedback\r\n"
                            "\"Smith, Ann\nPeriod 3\",CaNO32,Calcium nitrate,wrong,Ca(NO3)2,",
                            "\r\nZo\xC3\xAB,Iron(III) chloride,FeCl3,correct,Iron(III) chloride,,\r\n"
                            "Cy,CaU,Calcium unobtainide,unknown,,,\r\n"
                            "Di,FeCl3,,unknown,,,\r\n"
                            "Ed,Iron chloride,FeCl3,wrong,Iron(III) chloride,numeral-missing"})
        EXPECT_TRUE(marked.contains(row)) << marked.toStdString();
    EXPECT_TRUE(marked.startsWith("Student,")) << marked.toStdString();
    EXPECT_EQ(marked.count("\r\n"), 7);
}

} // namespace
