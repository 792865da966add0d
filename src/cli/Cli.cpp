#include "cli/Cli.h"

#include "catalogue/CatalogueFile.h"
#include "cli/CliCommand.h"

#include <QDir>
#include <QTextStream>

#ifndef VALKORA_VERSION
#define VALKORA_VERSION "0"
#endif

namespace cli {

Command::Command(QString usage, const QString& description, Streams streams,
                 const QList<QCommandLineOption>& options)
    : io(streams)
    , usage(std::move(usage))
{
    parser.setApplicationDescription(description);
    // Not addHelpOption(): its --help-all lists Qt's own options, which this command has not.
    parser.addOption({{"h", "help"}, "Shows this help."});
    parser.addOption({"dir", "The data folder (default: $VALKORA_HOME or ~/Valkora).", "DIR"});
    parser.addOptions(options);
}

std::optional<int> Command::parseOptions(const QStringList& args)
{
    if (!parser.parse(QStringList{"valkora-cli"} + args))
        return usageError(parser.errorText());
    if (parser.isSet("help")) {
        // Qt's own usage line names the running program; this one names the subcommand.
        QString text = parser.helpText();
        text = text.mid(text.indexOf('\n') + 1);
        io.out << "Usage: valkora-cli " << usage << "\n" << text;
        return done;
    }
    return std::nullopt;
}

std::optional<int> Command::parse(const QStringList& args, int positionalCount)
{
    if (const auto stop = parseOptions(args))
        return stop;
    if (parser.positionalArguments().size() != positionalCount)
        return usageError(positionalCount == 0     ? "unexpected argument " + positionals().value(0)
                          : positionals().isEmpty() ? QString("a file name is needed")
                                                    : QString("takes one file name"));
    return std::nullopt;
}

QString Command::dataFolder() const
{
    if (parser.isSet("dir"))
        return parser.value("dir");
    const QString home = qEnvironmentVariable("VALKORA_HOME");
    return home.isEmpty() ? QDir::homePath() + "/Valkora" : home;
}

QString Command::dataFile(const char* name) const
{
    return QDir(dataFolder()).filePath(QString::fromLatin1(name));
}

std::optional<IonCatalogue> Command::loadLists()
{
    IonCatalogue lists;
    for (const bool cations : {true, false}) {
        const char* name = cations ? catalogue_file::cationFileName : catalogue_file::anionFileName;
        const QString path = dataFile(name);
        catalogue_file::ReadResult read = catalogue_file::read(path);
        if (!read.opened) {
            inputError(path, "cannot be opened");
            return std::nullopt;
        }
        // A list cut short would make keys and quizzes from part of it without a word.
        if (read.damaged()) {
            inputError(path, QString::fromStdString(catalogue_file::damagedMessage(
                                 name, read.ions.count(), read.promised)));
            return std::nullopt;
        }
        (cations ? lists.cations : lists.anions) = std::move(read.ions);
    }
    return lists;
}

int Command::usageError(const QString& message)
{
    // The subcommand's own words: "lists export", "make".
    QStringList words;
    for (const QString& word : usage.split(' ')) {
        if (word.isEmpty() || word != word.toLower() || !word.front().isLetter())
            break;
        words << word;
    }
    const QString name = words.join(' ');
    io.err << "valkora-cli " << name << ": " << message << "\nTry 'valkora-cli " << name
           << " --help'.\n";
    return badUsage;
}

int Command::inputError(const QString& file, const QString& message)
{
    io.err << file << ": " << message << "\n";
    return badInput;
}

int Command::writeError(const QString& file, const SaveOutcome& failure)
{
    return inputError(file, "cannot be written: " + failure.error());
}

int Command::writeOutput(const QByteArray& bytes)
{
    const QString path = parser.value("o");
    if (!parser.isSet("o"))
        io.out << QString::fromUtf8(bytes);
    else if (const SaveOutcome saved = saveWhole(path, bytes); !saved)
        return writeError(path, saved);
    return done;
}

} // namespace cli

namespace {

const char* const overview =
    "Usage: valkora-cli COMMAND [options]\n"
    "Answer keys, quiz versions, PDFs, quizzes for learning platforms and the ion lists of a\n"
    "Valkora data folder.\n"
    "\n"
    "Commands:\n"
    "  lists export [-o FILE.csv]   both ion lists as CSV\n"
    "  lists import FILE.csv        replace both ion lists from CSV\n"
    "  lists check                  look at the lists as a chemist would\n"
    "  key QUIZ.qzz [-o FILE]       the answer key of a stored quiz (text or PDF)\n"
    "  print QUIZ.qzz -o FILE.pdf   a stored quiz as PDF, with --key its key after it\n"
    "  make --cations N --anions M -o DIR\n"
    "                               new quizzes with their PDFs and keys\n"
    "  export QUIZ.qzz --format moodle|qti -o FILE\n"
    "                               a stored quiz for a learning platform\n"
    "  explain QUESTION ANSWER      mark an answer as the practice does, and say why\n"
    "  explain --csv ANSWERS.csv [-o MARKED.csv]\n"
    "                               a class's answers marked, row by row\n"
    "\n"
    "Every command takes --dir DIR (default: $VALKORA_HOME or ~/Valkora) and --help.\n"
    "  -h, --help     this overview\n"
    "  --version      the version\n";

} // namespace

int runCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString command = args.value(0);
    if (command == "-h" || command == "--help" || command == "help") {
        out << overview;
        return cli::done;
    }
    if (command == "--version") {
        out << "valkora-cli " << VALKORA_VERSION << "\n";
        return cli::done;
    }
    const std::pair<const char*, int (*)(const QStringList&, cli::Streams)> commands[] = {
        {"lists", cli::listsCommand}, {"key", cli::keyCommand}, {"print", cli::printCommand},
        {"make", cli::makeCommand}, {"export", cli::exportCommand},
        {"explain", cli::explainCommand}};
    for (const auto& [name, run] : commands) {
        if (command == name)
            return run(args.mid(1), {out, err});
    }
    err << (command.isEmpty() ? QString("valkora-cli: a command is needed")
                              : "valkora-cli: unknown command " + command)
        << "\nTry 'valkora-cli --help'.\n";
    return cli::badUsage;
}
