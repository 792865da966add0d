// Writes the fuzzers' seed files with the program's own writers, so every run starts from
// files the program itself could have made:
//   fuzz-seeds FOLDER   (makes FOLDER/catalogue, FOLDER/quiz, FOLDER/heading and FOLDER/csv)
#include "catalogue/CatalogueFile.h"
#include "catalogue/ListsCsv.h"
#include "quiz/QuizFile.h"
#include "quiz/QuizHeading.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <string>

namespace {

bool writeSeed(const QDir& folder, const char* name, const QByteArray& bytes)
{
    QFile file(folder.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

bool writeCatalogueSeeds(const QDir& folder)
{
    IonList few;
    few.append(TIon("Sodium", "Na", 1));
    few.append(TIon("Iron(III)", "Fe", 3));
    few.append(TIon("Ammonium", "NH4", 1));

    // Both text fields full, so no zero byte is left in them but the terminator.
    IonList full;
    full.append(TIon("Dihydrogenphosphate", "H2PO4", 1));
    full.append(TIon("Hexacyanoferrate II", "(Fe4[Fe(CN)6])", 4));
    full.append(TIon("Permanganate", "MnO4", 7));
    full.append(TIon("Odd charge", "Xx", -2));

    // A file that promises one record more than it holds, as a save cut short leaves it.
    QByteArray cut = catalogue_file::serialize(few);
    cut.chop(catalogue_file::recordSize / 2);

    return writeSeed(folder, "empty.cat", catalogue_file::serialize(IonList()))
        && writeSeed(folder, "few.cat", catalogue_file::serialize(few))
        && writeSeed(folder, "full-fields.cat", catalogue_file::serialize(full))
        && writeSeed(folder, "cut-short.cat", cut);
}

bool writeQuizSeeds(const QDir& folder)
{
    SentenceList few = {
        TSentence("Chemistry 1\n", 0),
        TSentence("Name: ________\n", 0),
        TSentence("Sodium chloride", 1),
        TSentence("Al2(SO4)3", 1),
    };
    SentenceList longest = {
        TSentence(std::string(TSentence::maxTextLength, 'x'), 1),
        TSentence("", 0),
        TSentence("Iron(III) oxide", -1),
    };
    return writeSeed(folder, "empty.qzz", quiz_file::serialize({}))
        && writeSeed(folder, "few.qzz", quiz_file::serialize(few))
        && writeSeed(folder, "longest.qzz", quiz_file::serialize(longest));
}

bool writeHeadingSeeds(const QDir& folder)
{
    using quiz_heading::asFileBytes;
    const std::string longLine =
        "A heading line that runs well past the sixty characters of one read and on";
    return writeSeed(folder, "empty.hed", asFileBytes(""))
        && writeSeed(folder, "two-lines.hed", asFileBytes("Chemistry 1\nName: ________"))
        // A carriage return already in the heading is written before the one added, as CR CR LF.
        && writeSeed(folder, "cr-cr-lf.hed", asFileBytes("Chemistry 1\r\nClass 4b\r\n"))
        && writeSeed(folder, "long-line.hed", asFileBytes(longLine + "\n" + longLine))
        && writeSeed(folder, "end-mark.hed", asFileBytes("Chemistry 1\n\x1a" "after the mark"));
}

bool writeCsvSeeds(const QDir& folder)
{
    IonCatalogue lists;
    lists.cations.append(TIon("Sodium", "Na", 1));
    lists.cations.append(TIon("Iron, \"ferric\"", "Fe", 3));
    lists.cations.append(TIon("Fer(II) \xE9t\xE9", "Fe", 2));
    lists.anions.append(TIon("oxide", "O", 2));
    lists.anions.append(TIon("two\r\nlines", "(Fe4[Fe(CN)6])", 4));
    const QByteArray written = lists_csv::write(lists);

    QByteArray lineFeeds = written;
    lineFeeds.replace("\r\n", "\n");
    return writeSeed(folder, "header-only.csv", lists_csv::write(IonCatalogue()))
        && writeSeed(folder, "lists.csv", written)
        && writeSeed(folder, "line-feeds.csv", lineFeeds)
        && writeSeed(folder, "bom-blank-lines.csv", "\xEF\xBB\xBF" + written + "\r\n\r\n")
        // Rows the reader refuses, so the fuzzer starts from its problem paths as well.
        && writeSeed(folder, "bad-rows.csv",
                     QByteArray(lists_csv::header) + "\r\ncation,,Na,1\r\nsalt,x,Cl,1\r\n"
                     "anion,\"open,O,2\r\nanion,oxide,O,9,\r\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* reader : {"catalogue", "quiz", "heading", "csv"}) {
        if (!root.mkpath(QString::fromLatin1(reader))) {
            std::fprintf(stderr, "cannot make %s/%s\n", argv[1], reader);
            return 1;
        }
    }
    const bool written = writeCatalogueSeeds(QDir(root.filePath("catalogue")))
        && writeQuizSeeds(QDir(root.filePath("quiz")))
        && writeHeadingSeeds(QDir(root.filePath("heading")))
        && writeCsvSeeds(QDir(root.filePath("csv")));
    return written ? 0 : 1;
}
