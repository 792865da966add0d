// Makes the starter catalogue files from their readable source with the program's own writer:
//   valkora-makedata data/ions.csv data
#include "StarterData.h"
#include "catalogue/CatalogueFile.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.csv FOLDER\n", argv[0]);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const StarterData data = parseStarterData(source.readAll());
    if (!data.error.empty()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], data.error.c_str());
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    SaveOutcome saved =
        catalogue_file::save(folder.filePath(catalogue_file::cationFileName), data.lists.cations);
    if (saved)
        saved = catalogue_file::save(folder.filePath(catalogue_file::anionFileName), data.lists.anions);
    if (!saved) {
        std::fprintf(stderr, "cannot write the catalogue files into %s: %s\n", argv[2],
                     qPrintable(saved.error()));
        return 1;
    }
    return 0;
}
