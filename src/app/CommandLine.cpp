#include "app/CommandLine.h"

#include <QFileInfo>

#ifndef VALKORA_VERSION
#define VALKORA_VERSION "0"
#endif

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    QStringList files;
    for (const QString& argument : arguments.mid(1)) {
        if (optionsEnded || !argument.startsWith('-') || argument == "-") {
            files.append(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            return {CommandLine::Action::Help, std::nullopt, {}};
        } else if (argument == "--version") {
            line.action = CommandLine::Action::Version;
        } else if (line.error.isEmpty()) {
            line.error = QString("unknown option '%1'").arg(argument);
        }
    }
    if (line.action == CommandLine::Action::Version)
        return line;
    if (line.error.isEmpty() && files.size() > 1)
        line.error = "only one quiz file can be opened";
    if (!line.error.isEmpty()) {
        line.action = CommandLine::Action::Error;
        return line;
    }
    if (!files.isEmpty()) {
        // An empty name stays empty: it names no file, and Open's message says so.
        const QString& file = files.front();
        line.quizFile = file.isEmpty() ? file : QFileInfo(file).absoluteFilePath();
    }
    return line;
}

QString commandLineHelp()
{
    return "Usage: valkora [QUIZ.qzz]\n"
           "Symbols and Charges Practice: ion lists to practise naming ionic compounds and\n"
           "writing their formulas, and printed quizzes.\n"
           "\n"
           "Given a quiz file, the program opens it once started, as Open does.\n"
           "It works on the ion lists and quiz heading of the current folder;\n"
           "valkora-launch starts it in ~/Valkora, or the folder VALKORA_HOME names.\n"
           "\n"
           "  -h, --help     this help\n"
           "  --version      the version\n";
}

QString versionLine()
{
    return QString("valkora %1\n").arg(VALKORA_VERSION);
}
