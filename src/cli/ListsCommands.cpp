#include "catalogue/CatalogueFile.h"
#include "catalogue/ListsCsv.h"
#include "cli/CliCommand.h"
#include "compound/CompoundCheck.h"
#include "platform/SafeSave.h"

#include <QFile>
#include <QTextStream>

namespace cli {

namespace {

int exportLists(const QStringList& args, Streams io)
{
    Command command("lists export [-o FILE.csv] [--dir DIR]",
                    "Writes both ion lists as CSV (side,name,symbol,charge) to FILE.csv or stdout.",
                    io, {{{"o", "output"}, "The CSV file to write.", "FILE.csv"}});
    if (const auto stop = command.parse(args, 0))
        return *stop;
    const std::optional<IonCatalogue> lists = command.loadLists();
    if (!lists)
        return badInput;
    return command.writeOutput(lists_csv::write(*lists));
}

int importLists(const QStringList& args, Streams io)
{
    Command command("lists import FILE.csv [--allow-empty] [--dir DIR]",
                    "Replaces both ion lists of the data folder with the rows of FILE.csv; "
                    "with any bad row nothing is written. A file without cation rows or "
                    "without anion rows is refused unless --allow-empty is given.",
                    io, {{"allow-empty", "Import even when a list would be emptied."}});
    if (const auto stop = command.parse(args, 1))
        return *stop;
    const QString path = command.positionals().at(0);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return command.inputError(path, "cannot be opened");
    const lists_csv::ReadResult read = lists_csv::read(file.readAll());
    if (!read.lists) {
        for (const lists_csv::Problem& problem : read.problems)
            command.inputError(path, QString::fromStdString(problem.text()));
        return badInput;
    }
    // A file cut short in a spreadsheet would otherwise wipe a whole list without a word.
    const bool noCations = read.lists->cations.empty();
    const bool noAnions = read.lists->anions.empty();
    if ((noCations || noAnions) && !command.parser.isSet("allow-empty")) {
        if (noCations)
            command.inputError(path, "has no cations: the cation list would be emptied");
        if (noAnions)
            command.inputError(path, "has no anions: the anion list would be emptied");
        return badInput;
    }
    // Both lists or neither: a half-imported pair of lists would be worse than none.
    const QString cationFile = command.dataFile(catalogue_file::cationFileName);
    const QString anionFile = command.dataFile(catalogue_file::anionFileName);
    const std::vector<FileBytes> files{{cationFile, catalogue_file::serialize(read.lists->cations)},
                                       {anionFile, catalogue_file::serialize(read.lists->anions)}};
    if (const SaveOutcome saved = saveAllWhole(files); !saved)
        return command.writeError(cationFile + " and " + anionFile, saved);
    io.out << "Imported " << read.lists->cations.count() << " cations and "
           << read.lists->anions.count() << " anions.\n";
    return done;
}

int checkLists(const QStringList& args, Streams io)
{
    Command command("lists check [--dir DIR]",
                    "Looks at the ion lists as a chemist would: one finding a line, exit "
                    "status 1 when there is any.",
                    io);
    if (const auto stop = command.parse(args, 0))
        return *stop;
    const std::optional<IonCatalogue> lists = command.loadLists();
    if (!lists)
        return badInput;
    const std::vector<ListFinding> findings = checkListsAndCompounds(*lists);
    for (const ListFinding& finding : findings)
        io.out << QString::fromStdString(finding.text) << "\n";
    return findings.empty() ? done : badInput;
}

} // namespace

int listsCommand(const QStringList& args, Streams io)
{
    const QString what = args.value(0);
    if (what == "export")
        return exportLists(args.mid(1), io);
    if (what == "import")
        return importLists(args.mid(1), io);
    if (what == "check")
        return checkLists(args.mid(1), io);
    if (what == "-h" || what == "--help") {
        io.out << "Usage: valkora-cli lists export|import|check [options]\n"
                  "  export [-o FILE.csv]   both ion lists as CSV\n"
                  "  import FILE.csv        replace both ion lists from CSV (--allow-empty: even\n"
                  "                         when a list would be emptied)\n"
                  "  check                  look at the lists as a chemist would\n";
        return done;
    }
    io.err << "valkora-cli lists: " << (what.isEmpty() ? QString("export, import or check is needed")
                                                       : "unknown command " + what)
           << "\nTry 'valkora-cli lists --help'.\n";
    return badUsage;
}

} // namespace cli
