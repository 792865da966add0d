#pragma once

#include "catalogue/IonCatalogue.h"
#include "platform/SafeSave.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// What every subcommand of valkora-cli shares: its streams, its parser with --help and
// --dir, and the data folder's lists.
namespace cli {

enum Exit { done = 0, badInput = 1, badUsage = 2 };

struct Streams {
    QTextStream& out;
    QTextStream& err;
};

class Command {
public:
    // usage: "lists export [-o FILE.csv]", shown after "Usage: valkora-cli ". options: the
    // command's own, listed in its help after --help and --dir.
    Command(QString usage, const QString& description, Streams streams,
            const QList<QCommandLineOption>& options = {});

    QCommandLineParser parser;
    Streams io;

    // Parses args (the words after the subcommand's name) for exactly the positional
    // arguments given. An exit status when the command ends here: its help, or bad usage.
    std::optional<int> parse(const QStringList& args, int positionals);
    // The same for a command that checks its positional arguments itself.
    std::optional<int> parseOptions(const QStringList& args);
    QStringList positionals() const { return parser.positionalArguments(); }

    // --dir, else VALKORA_HOME, else ~/Valkora.
    QString dataFolder() const;
    QString dataFile(const char* name) const;

    // Both lists of the data folder, or nothing once what is wrong has been said.
    std::optional<IonCatalogue> loadLists();

    int usageError(const QString& message);
    int inputError(const QString& file, const QString& message);
    // "FILE: cannot be written: " and why, so that scripts reading the start still match.
    int writeError(const QString& file, const SaveOutcome& failure);
    // The bytes to the file of -o, else as UTF-8 text on out.
    int writeOutput(const QByteArray& bytes);

private:
    QString usage;
};

int listsCommand(const QStringList& args, Streams io);
int keyCommand(const QStringList& args, Streams io);
int printCommand(const QStringList& args, Streams io);
int makeCommand(const QStringList& args, Streams io);
int exportCommand(const QStringList& args, Streams io);
int explainCommand(const QStringList& args, Streams io);

} // namespace cli
