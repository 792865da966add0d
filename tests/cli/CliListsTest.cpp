#include "CliRun.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/ListsCsv.h"
#include "compound/CompoundCheck.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

IonCatalogue starterLists()
{
    return {catalogue_file::parse(sourceFile("data/valkora.cat")).ions,
            catalogue_file::parse(sourceFile("data/valkora.ani")).ions};
}

TEST(CliLists, ExportWritesBothListsAsCsvToStdoutOrAFile)
{
    TempFolder folder;
    seedStarterData(folder);
    const QByteArray expected = lists_csv::write(starterLists());
    ASSERT_TRUE(expected.startsWith("side,name,symbol,charge\r\n"));

    const CliRun toStdout = runCommand({"lists", "export", "--dir", QDir::currentPath()});
    EXPECT_EQ(toStdout.status, 0) << toStdout.err.toStdString();
    EXPECT_EQ(toStdout.out.toUtf8(), expected);
    EXPECT_TRUE(toStdout.err.isEmpty());

    const CliRun toFile =
        runCommand({"lists", "export", "-o", folder.path("out.csv"), "--dir", QDir::currentPath()});
    EXPECT_EQ(toFile.status, 0);
    EXPECT_TRUE(toFile.out.isEmpty());
    EXPECT_EQ(folder.read("out.csv"), expected);
}

TEST(CliLists, TheDataFolderComesFromValkoraHomeWithoutDir)
{
    TempFolder folder;
    seedStarterData(folder);
    const QByteArray previous = qgetenv("VALKORA_HOME");
    qputenv("VALKORA_HOME", QDir::currentPath().toLocal8Bit());
    const CliRun run = runCommand({"lists", "export"});
    qputenv("VALKORA_HOME", previous);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.toUtf8(), lists_csv::write(starterLists()));
}

TEST(CliLists, ExportAndImportGiveBackTheListFilesByteForByte)
{
    TempFolder folder;
    seedStarterData(folder);
    ASSERT_EQ(runCommand({"lists", "export", "-o", folder.path("lists.csv"), "--dir",
                          QDir::currentPath()}).status, 0);
    ASSERT_TRUE(QDir().mkpath(folder.path("copy")));

    const CliRun import = runCommand({"lists", "import", folder.path("lists.csv"), "--dir",
                                      folder.path("copy")});
    EXPECT_EQ(import.status, 0) << import.err.toStdString();
    EXPECT_EQ(folder.read("copy/valkora.cat"), sourceFile("data/valkora.cat"));
    EXPECT_EQ(folder.read("copy/valkora.ani"), sourceFile("data/valkora.ani"));
}

TEST(CliLists, ImportWithABadRowListsEveryOneAndWritesNothing)
{
    TempFolder folder;
    seedStarterData(folder);
    const QByteArray csv = "side,name,symbol,charge\r\n"
                           "cation,Sodium,Na,1\r\n"
                           "cation,Potassium,K,many\r\n"
                           "anion,chloride,Cl,1\r\n"
                           "salt,bromide,Br,1\r\n";
    folder.write("bad.csv", csv);
    const lists_csv::ReadResult read = lists_csv::read(csv);
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].line, 3);
    EXPECT_EQ(read.problems[1].line, 5);

    const CliRun run = runCommand({"lists", "import", folder.path("bad.csv"), "--dir", QDir::currentPath()});
    EXPECT_EQ(run.status, 1);
    QString expected;
    for (const lists_csv::Problem& problem : read.problems)
        expected += folder.path("bad.csv") + ": " + QString::fromStdString(problem.text()) + "\n";
    EXPECT_EQ(run.err, expected);
    EXPECT_EQ(folder.read("valkora.cat"), sourceFile("data/valkora.cat"));
    EXPECT_EQ(folder.read("valkora.ani"), sourceFile("data/valkora.ani"));
}

struct EmptyingCase {
    const char* name;
    QByteArray rows; // after the header
    bool allowEmpty;
    int status;
    QStringList said; // each line after "FILE: "
};

void PrintTo(const EmptyingCase& row, std::ostream* out)
{
    *out << row.name;
}

class CliImportEmptying : public testing::TestWithParam<EmptyingCase> {};

TEST_P(CliImportEmptying, AListIsEmptiedOnlyWhenAskedFor)
{
    TempFolder folder;
    seedStarterData(folder);
    const EmptyingCase& row = GetParam();
    folder.write("in.csv", "side,name,symbol,charge\r\n" + row.rows);
    QStringList args{"lists", "import", folder.path("in.csv"), "--dir", QDir::currentPath()};
    if (row.allowEmpty)
        args << "--allow-empty";
    const CliRun run = runCommand(args);
    EXPECT_EQ(run.status, row.status);
    QString expected;
    for (const QString& line : row.said)
        expected += folder.path("in.csv") + ": " + line + "\n";
    EXPECT_EQ(run.err, expected);
    const lists_csv::ReadResult read = lists_csv::read(folder.read("in.csv"));
    ASSERT_TRUE(read.lists);
    const bool written = row.status == 0;
    EXPECT_EQ(folder.read("valkora.cat"), written ? catalogue_file::serialize(read.lists->cations)
                                                  : sourceFile("data/valkora.cat"));
    EXPECT_EQ(folder.read("valkora.ani"), written ? catalogue_file::serialize(read.lists->anions)
                                                  : sourceFile("data/valkora.ani"));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliImportEmptying,
    testing::Values(
        EmptyingCase{"no_anions", "cation,Sodium,Na,1\r\n", false, 1,
                     {"has no anions: the anion list would be emptied"}},
        EmptyingCase{"no_cations", "anion,oxide,O,2\r\n", false, 1,
                     {"has no cations: the cation list would be emptied"}},
        EmptyingCase{"header_only", "", false, 1,
                     {"has no cations: the cation list would be emptied",
                      "has no anions: the anion list would be emptied"}},
        EmptyingCase{"no_anions_allowed", "cation,Sodium,Na,1\r\n", true, 0, {}},
        EmptyingCase{"header_only_allowed", "", true, 0, {}},
        EmptyingCase{"both_sides", "anion,oxide,O,2\r\ncation,Sodium,Na,1\r\n", false, 0, {}}),
    [](const testing::TestParamInfo<EmptyingCase>& info) { return std::string(info.param.name); });

TEST(CliLists, AnImportThatCannotBeWrittenNamesBothListFilesAndWritesNeither)
{
    TempFolder folder;
    seedStarterData(folder);
    ASSERT_EQ(runCommand({"lists", "export", "-o", folder.path("lists.csv"), "--dir",
                          QDir::currentPath()}).status, 0);
    // A folder in the cation file's place refuses the save, even to root.
    ASSERT_TRUE(QDir().mkpath(folder.path("copy/valkora.cat")));
    const CliRun run =
        runCommand({"lists", "import", folder.path("lists.csv"), "--dir", folder.path("copy")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, folder.path("copy/valkora.cat") + " and " + folder.path("copy/valkora.ani")
                           + ": cannot be written: Filename refers to a directory\n");
    EXPECT_FALSE(folder.exists("copy/valkora.ani"));
}

TEST(CliLists, ImportOfAMissingFileNamesIt)
{
    TempFolder folder;
    const CliRun run = runCommand({"lists", "import", folder.path("none.csv"), "--dir", QDir::currentPath()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, folder.path("none.csv") + ": cannot be opened\n");
    EXPECT_FALSE(folder.exists("valkora.cat"));
}

TEST(CliLists, CheckFindsTheStarterListsCleanAndAPlantedMistake)
{
    TempFolder folder;
    seedStarterData(folder);
    const CliRun clean = runCommand({"lists", "check", "--dir", QDir::currentPath()});
    EXPECT_EQ(clean.status, 0);
    EXPECT_TRUE(clean.out.isEmpty()) << clean.out.toStdString();

    IonCatalogue lists = starterLists();
    lists.cations.append(TIon("Cobalt(II)", "CO", 2));
    folder.write("valkora.cat", catalogue_file::serialize(lists.cations));
    const std::vector<ListFinding> findings = checkListsAndCompounds(lists);
    ASSERT_FALSE(findings.empty());
    QString expected;
    for (const ListFinding& finding : findings)
        expected += QString::fromStdString(finding.text) + "\n";

    const CliRun planted = runCommand({"lists", "check", "--dir", QDir::currentPath()});
    EXPECT_EQ(planted.status, 1);
    EXPECT_EQ(planted.out, expected);
    EXPECT_TRUE(planted.out.contains("carbon + oxygen"));
}

TEST(CliLists, AMissingOrDamagedListFileIsNamed)
{
    TempFolder folder;
    seedStarterData(folder);
    QFile::remove(folder.path("valkora.ani"));
    const CliRun missing = runCommand({"lists", "check", "--dir", QDir::currentPath()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, folder.path("valkora.ani") + ": cannot be opened\n");

    folder.write("valkora.ani", sourceFile("data/valkora.ani").chopped(10));
    const CliRun damaged = runCommand({"lists", "export", "--dir", QDir::currentPath()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_TRUE(damaged.err.startsWith(folder.path("valkora.ani") + ": valkora.ani is damaged"))
        << damaged.err.toStdString();
    EXPECT_TRUE(damaged.out.isEmpty());
}

struct UsageCase {
    const char* name;
    QStringList args;
    int status;
    const char* says; // on stdout for status 0, on stderr otherwise
};

void PrintTo(const UsageCase& row, std::ostream* out)
{
    *out << row.name;
}

class CliUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(CliUsage, AnswersWithItsStatusAndSaysWhy)
{
    TempFolder folder;
    seedStarterData(folder);
    const UsageCase& row = GetParam();
    // Each row stops before the data folder is read.
    const CliRun run = runCommand(row.args);
    EXPECT_EQ(run.status, row.status) << run.err.toStdString();
    const QString& said = row.status == 0 ? run.out : run.err;
    EXPECT_TRUE(said.contains(row.says)) << said.toStdString();
    if (row.status == 2) {
        EXPECT_TRUE(run.out.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliUsage,
    testing::Values(
        UsageCase{"overview", {"--help"}, 0, "lists export [-o FILE.csv]"},
        UsageCase{"version", {"--version"}, 0, "valkora-cli "},
        UsageCase{"export_help", {"lists", "export", "--help"}, 0, "Usage: valkora-cli lists export"},
        UsageCase{"import_help", {"lists", "import", "-h"}, 0, "Usage: valkora-cli lists import FILE.csv"},
        UsageCase{"import_help_allow_empty", {"lists", "import", "-h"}, 0, "--allow-empty"},
        UsageCase{"check_help", {"lists", "check", "--help"}, 0, "Usage: valkora-cli lists check"},
        UsageCase{"key_help", {"key", "--help"}, 0, "Usage: valkora-cli key QUIZ.qzz"},
        UsageCase{"print_help", {"print", "--help"}, 0, "--key"},
        UsageCase{"make_help", {"make", "--help"}, 0, "--versions <K>"},
        UsageCase{"explain_help", {"explain", "--help"}, 0, "Usage: valkora-cli explain QUESTION ANSWER"},
        UsageCase{"overview_explain", {"--help"}, 0, "explain QUESTION ANSWER"},
        UsageCase{"no_command", {}, 2, "a command is needed"},
        UsageCase{"unknown_command", {"frobnicate"}, 2, "unknown command frobnicate"},
        UsageCase{"lists_alone", {"lists"}, 2, "export, import or check is needed"},
        UsageCase{"unknown_option", {"lists", "export", "--bogus"}, 2, "Unknown option 'bogus'"},
        UsageCase{"import_without_file", {"lists", "import"}, 2, "valkora-cli lists import: a file name is needed"},
        UsageCase{"key_with_two_quizzes", {"key", "a.qzz", "b.qzz"}, 2, "takes one file name"},
        UsageCase{"check_with_argument", {"lists", "check", "extra"}, 2, "unexpected argument extra"},
        UsageCase{"key_without_quiz", {"key"}, 2, "valkora-cli key:"},
        UsageCase{"print_without_output", {"print", "q.qzz"}, 2, "-o FILE.pdf is needed"},
        UsageCase{"print_odd_paper", {"print", "q.qzz", "-o", "q.pdf", "--page-size", "B5"}, 2,
                  "A4 or Letter"},
        UsageCase{"make_without_anions", {"make", "--cations", "3", "-o", "out"}, 2, "--anions is needed"},
        UsageCase{"make_without_folder", {"make", "--cations", "3", "--anions", "3"}, 2, "-o DIR is needed"},
        UsageCase{"make_word_count", {"make", "--cations", "three", "--anions", "3", "-o", "out"}, 2,
                  "take a whole number"},
        UsageCase{"make_too_many_versions",
                  {"make", "--cations", "3", "--anions", "3", "--versions", "703", "-o", "out"}, 2,
                  "from 1 to 702"},
        UsageCase{"make_bad_seed", {"make", "--cations", "3", "--anions", "3", "--seed", "-1", "-o", "out"},
                  2, "--seed takes"},
        UsageCase{"make_odd_paper",
                  {"make", "--cations", "3", "--anions", "3", "--page-size", "B5", "-o", "out"}, 2,
                  "A4 or Letter"}));

TEST(CliProgram, RunsAsAProcessWithoutADisplay)
{
    TempFolder folder;
    seedStarterData(folder);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(VALKORA_CLI_PROGRAM,
                  {"make", "--cations", "6", "--anions", "6", "--seed", "7", "-o",
                   folder.path("out"), "--dir", QDir::currentPath()});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput(), "Seed: 7\nquiz-A: seed 7\n");
    EXPECT_EQ(process.readAllStandardError(), "");
    EXPECT_TRUE(folder.exists("out/quiz-A.pdf"));

    process.start(VALKORA_CLI_PROGRAM, {"lists", "frobnicate"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
}

} // namespace
