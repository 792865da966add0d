#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program is asked for on its command line: help, its version, or a run that may
// open one quiz file.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // A run's quiz file, made absolute against the current folder.
    std::optional<QString> quizFile;
    // An error's reason, for a line of its own on stderr.
    QString error;
};

// The arguments as the program got them, its own name first. Help and the version win over
// anything else given, so both answer even beside options the window system takes; "--" ends
// the options.
CommandLine parseCommandLine(const QStringList& arguments);

QString commandLineHelp();
QString versionLine();
