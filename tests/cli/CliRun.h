#pragma once

#include "cli/Cli.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <ostream>
#include <stdexcept>

// Failures show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& lines, std::ostream* os)
{
    *os << "{\n";
    for (const QString& line : lines)
        *os << "  \"" << line.toStdString() << "\"\n";
    *os << "}";
}

// One in-process run of valkora-cli with what it said.
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

inline CliRun runCommand(const QStringList& args)
{
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runCli(args, out, err);
    out.flush();
    err.flush();
    return run;
}

inline QByteArray sourceFile(const QString& relative)
{
    QFile file(QStringLiteral(VALKORA_SOURCE_DIR "/") + relative);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + relative.toStdString());
    return file.readAll();
}

// A data folder holding the starter lists and heading.
inline void seedStarterData(const TempFolder& folder)
{
    for (const char* name : {"valkora.cat", "valkora.ani", "valkora.hed"})
        folder.write(name, sourceFile(QString("data/") + name));
}

// One run of the built valkora-cli as a separate process, as a teacher runs it from a terminal
// with no display: in the folder given, which is also the home folder, so the data folder is
// its Valkora folder unless --dir says otherwise.
inline CliRun runProgram(const QStringList& args, const QString& workingFolder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "VALKORA_HOME"})
        environment.remove(name);
    environment.insert(QStringLiteral("HOME"), workingFolder);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(VALKORA_CLI_PROGRAM), args);
    CliRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
