#pragma once

#include "cli/Cli.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QTextStream>

#include <stdexcept>

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
