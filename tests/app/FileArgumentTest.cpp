// A quiz file named on the command line: how the arguments are read, and how the main window
// opens the file, against what Open does with a file chosen in its dialog.
#include "app/CommandLine.h"
#include "shell/QuizShell.h"

#include "resources/CommandIds.h"
#include "support/Bytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Kind = ScriptedUi::Call::Kind;
using Action = CommandLine::Action;

struct ArgumentsRow {
    const char* name;
    QStringList arguments; // after the program's name
    Action action;
    // A run's quiz file relative to the current folder ("" for none); an error's reason.
    QString expected;
};

void PrintTo(const ArgumentsRow& row, std::ostream* os)
{
    *os << row.name;
}

class CommandLineRows : public ::testing::TestWithParam<ArgumentsRow> {};

TEST_P(CommandLineRows, AreReadAsTheProgramActsOnThem)
{
    const TempFolder folder;
    const ArgumentsRow& row = GetParam();
    const CommandLine line = parseCommandLine(QStringList{"valkora"} + row.arguments);
    EXPECT_EQ(line.action, row.action);
    switch (row.action) {
    case Action::Run:
        if (row.expected.isEmpty())
            EXPECT_FALSE(line.quizFile.has_value());
        else
            EXPECT_EQ(line.quizFile.value_or("(none)"),
                      QDir::current().absoluteFilePath(row.expected));
        break;
    case Action::Error:
        EXPECT_EQ(line.error, row.expected);
        EXPECT_FALSE(line.quizFile.has_value());
        break;
    case Action::Help:
    case Action::Version:
        EXPECT_FALSE(line.quizFile.has_value());
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineRows,
    ::testing::Values(
        ArgumentsRow{"nothing", {}, Action::Run, ""},
        ArgumentsRow{"relative_file", {"week1/quiz-A.qzz"}, Action::Run, "week1/quiz-A.qzz"},
        ArgumentsRow{"absolute_file", {"/srv/quizzes/a.qzz"}, Action::Run, "/srv/quizzes/a.qzz"},
        ArgumentsRow{"dashed_name_after_end_of_options", {"--", "-x.qzz"}, Action::Run, "-x.qzz"},
        ArgumentsRow{"help", {"--help"}, Action::Help, ""},
        ArgumentsRow{"short_help", {"-h"}, Action::Help, ""},
        ArgumentsRow{"help_beside_a_file_and_a_window_option", {"-style", "a.qzz", "--help"},
                     Action::Help, ""},
        ArgumentsRow{"version", {"--version"}, Action::Version, ""},
        ArgumentsRow{"version_beside_a_window_option", {"-platform", "xcb", "--version"},
                     Action::Version, ""},
        ArgumentsRow{"help_after_end_of_options_is_a_file", {"--", "--help"}, Action::Run,
                     "--help"},
        ArgumentsRow{"unknown_option", {"--print", "a.qzz"}, Action::Error,
                     "unknown option '--print'"},
        ArgumentsRow{"two_files", {"a.qzz", "b.qzz"}, Action::Error,
                     "only one quiz file can be opened"}),
    [](const ::testing::TestParamInfo<ArgumentsRow>& info) { return info.param.name; });

TEST(CommandLineTexts, NameTheProgramItsVersionAndItsArgument)
{
    EXPECT_TRUE(commandLineHelp().startsWith("Usage: valkora [QUIZ.qzz]\n"));
    EXPECT_TRUE(commandLineHelp().contains("--version"));
    EXPECT_TRUE(versionLine().contains(QRegularExpression("^valkora \\d+\\.\\d+(\\.\\d+)*\\n$")))
        << versionLine().toStdString();
}

// Help and the version must answer where no window system can be reached: the program is
// started with the X11 platform and no display, which would end it at once had it made its
// application object.
TEST(CommandLineProgram, AnswersHelpAndVersionWithoutADisplay)
{
    const QString program = QCoreApplication::applicationDirPath() + "/valkora";
    if (!QFileInfo(program).isExecutable())
        GTEST_SKIP() << "the program is not built beside the tests: " << program.toStdString();
    for (const char* option : {"--help", "--version"}) {
        SCOPED_TRACE(option);
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        run.setProcessEnvironment(environment);
        run.start(program, {option});
        ASSERT_TRUE(run.waitForFinished(20000));
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
        const QString out = QString::fromLocal8Bit(run.readAllStandardOutput());
        EXPECT_EQ(out, QString(option) == "--help" ? commandLineHelp() : versionLine());
    }
}

class FileArgument : public QuizShell {
protected:
    FileArgument() : QuizShell(fourCations(), threeAnions()) {}

    std::string pathOf(const char* name) const
    {
        return files.folder.path(name).toLocal8Bit().toStdString();
    }

    void expectCatalogueMode()
    {
        EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
        EXPECT_EQ(frame.menuName(), "MENU_1");
        EXPECT_EQ(frame.client(), &frame.catalogueView());
    }

    const SentenceList threeLines{TSentence("Test 4\n", 0), TSentence("CaCl2", 1),
                                  TSentence(" ", 0)};
};

TEST_F(FileArgument, StoredQuizOpensInPreviewAndIsOfferedByOpenAndStoreNext)
{
    files.folder.write("three.qzz", le32(3) + quizRecord("Test 4\n", 0) +
                                        quizRecord("CaCl2", 1) + quizRecord(" ", 0));
    const std::string name = pathOf("three.qzz");
    frame.OpenQuizFile(name);

    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(frame.menuName(), "MENU_4");
    EXPECT_EQ(view().sentences(), threeLines);
    EXPECT_EQ(view().sentenceCount(), 3u);
    EXPECT_TRUE(view().openedFromFile());
    EXPECT_EQ(view().quizFileChoice().fileName, name);

    // Leaving it asks nothing, as for any quiz that came from a file.
    frame.dispatchCommand(cmd::DontPrint);
    EXPECT_TRUE(ui.calls().empty());
    expectLeftToCatalogue();

    // Open offers the same name; so does storing the next generated quiz.
    ui.cancelOpenFile();
    frame.dispatchCommand(cmd::Open);
    makeQuiz("2", "2");
    ui.answer(MessageAnswer::Yes);
    ui.cancelSaveFile();
    frame.dispatchCommand(cmd::DontPrint);
    const auto open = ui.callsOf(Kind::OpenFile);
    const auto save = ui.callsOf(Kind::SaveFile);
    ASSERT_EQ(open.size(), 1u);
    ASSERT_EQ(save.size(), 1u);
    EXPECT_EQ(open[0].text, name);
    EXPECT_EQ(save[0].text, name);
}

TEST_F(FileArgument, OpensWhatOpenShowsForTheSameFile)
{
    files.folder.write("three.qzz", le32(3) + quizRecord("Test 4\n", 0) +
                                        quizRecord("CaCl2", 1) + quizRecord(" ", 0));
    ui.expectOpenFile(pathOf("three.qzz"));
    frame.dispatchCommand(cmd::Open);
    const SentenceList byOpen = view().sentences();
    frame.dispatchCommand(cmd::DontPrint);

    frame.OpenQuizFile(pathOf("three.qzz"));
    EXPECT_EQ(view().sentences(), byOpen);
    EXPECT_EQ(view().sentenceCount(), byOpen.size());
}

TEST_F(FileArgument, DamagedFileSaysSoAsOpenDoesAndShowsItsCompleteLines)
{
    files.folder.write("cut.qzz", le32(20) + quizRecord("Test 4\n", 0) + quizRecord("CaCl2", 1) +
                                      quizRecord(" ", 0).left(50));
    const std::string name = pathOf("cut.qzz");
    frame.OpenQuizFile(name);

    EXPECT_EQ(ui.messages(), std::vector<std::string>{
                                 name + " is damaged: only 2 of 20 lines could be read.|Information"});
    EXPECT_EQ(ui.callsOf(Kind::Message).at(0).icon, MessageIcon::Exclamation);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(view().sentences(), (SentenceList{TSentence("Test 4\n", 0), TSentence("CaCl2", 1)}));
}

TEST_F(FileArgument, ZeroCountFileIsAnEmptyQuizInPreview)
{
    files.folder.write("empty.qzz", le32(0));
    frame.OpenQuizFile(pathOf("empty.qzz"));
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_TRUE(view().sentences().empty());
}

// A name that is not a readable file gets Open's message and leaves the window in catalogue
// mode; a quiz generated afterwards is still offered for storing.
TEST_F(FileArgument, NameThatIsNoReadableFileIsReportedAndChangesNoMode)
{
    QDir(files.folder.path(".")).mkdir("folder.qzz");
    for (const std::string& name :
         {pathOf("missing.qzz"), pathOf("folder.qzz"), std::string(), pathOf("no/such/dir/a.qzz")}) {
        SCOPED_TRACE(name);
        ui.clearCalls();
        frame.OpenQuizFile(name);
        EXPECT_EQ(ui.messages(), std::vector<std::string>{"Cannot open " + name + "|Information"});
        EXPECT_EQ(ui.callsOf(Kind::Message).at(0).icon, MessageIcon::Exclamation);
        expectCatalogueMode();
        EXPECT_TRUE(view().sentences().empty());
    }

    ui.clearCalls();
    makeQuiz("3", "2");
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(cmd::DontPrint);
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"Do you want to save this quiz?|Save Quiz?"});
    expectLeftToCatalogue();
}

} // namespace
