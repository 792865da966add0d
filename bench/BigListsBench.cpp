// valkora-cli on lists of 100 000 cations and 100 000 anions: lists check, the key of a stored
// quiz of 100 000 exercises, and make from the whole lists (target: under 2 s each).
#include "catalogue/CatalogueFile.h"
#include "cli/Cli.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

constexpr int entries = 100000;

// Every entry its own name and symbol, with a mistake planted every thousandth: cobalt
// written CO (a symbol finding, and one symbol under several charges) and a second
// "chloride".
IonCatalogue bigLists()
{
    IonCatalogue lists;
    for (int i = 0; i < entries; ++i) {
        const std::string n = std::to_string(i);
        if (i % 1000 == 999) {
            lists.cations.append(TIon("Cobalt " + n, "CO", 1 + i % 4));
            lists.anions.append(TIon("chloride", "Cl" + std::to_string(i + 2), 1));
        } else {
            lists.cations.append(TIon("Cation " + n, "Na" + std::to_string(i + 2), 1 + i % 4));
            lists.anions.append(TIon("anion " + n, "Cl" + std::to_string(i + 2), 1 + i % 3));
        }
    }
    return lists;
}

class BigData {
public:
    BigData()
    {
        const IonCatalogue lists = bigLists();
        ok = write(catalogue_file::cationFileName, catalogue_file::serialize(lists.cations)) &&
             write(catalogue_file::anionFileName, catalogue_file::serialize(lists.anions)) &&
             write("valkora.hed", "Name: ________ Date: ______\r\nNaming Quiz\r\n");
    }

    // valkora-cli with the data folder; the status, and what it said on stdout in `out`.
    int run(QStringList args, QString& out)
    {
        QString errors;
        out.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&errors);
        args << "--dir" << folder.path();
        return runCli(args, outStream, errStream);
    }

    QTemporaryDir folder;
    bool ok = false;

private:
    bool write(const char* name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
};

BigData& bigData()
{
    static BigData data;
    return data;
}

const QStringList makeWholeLists{"make", "--cations", "100000", "--anions", "100000", "--seed", "7"};

void ListsCheckBigLists(benchmark::State& state)
{
    BigData& data = bigData();
    QString out;
    for (auto _ : state) {
        // Status 1: the planted mistakes are found.
        if (!data.ok || data.run({"lists", "check"}, out) != 1) {
            state.SkipWithError("lists check did not report the planted mistakes");
            return;
        }
    }
    state.SetLabel("target: under 2 s; " + std::to_string(out.count('\n')) + " findings");
}
BENCHMARK(ListsCheckBigLists)->Unit(benchmark::kMillisecond)->Iterations(2);

void KeyBigLists(benchmark::State& state)
{
    BigData& data = bigData();
    QTemporaryDir made;
    QString out;
    if (!data.ok || data.run(QStringList(makeWholeLists) << "-o" << made.path(), out) != 0) {
        state.SkipWithError("cannot make the quiz");
        return;
    }
    for (auto _ : state) {
        if (data.run({"key", made.filePath("quiz-A.qzz")}, out) != 0) {
            state.SkipWithError("key failed");
            return;
        }
    }
    state.SetLabel("target: under 2 s");
}
BENCHMARK(KeyBigLists)->Unit(benchmark::kMillisecond)->Iterations(2);

void MakeBigLists(benchmark::State& state)
{
    BigData& data = bigData();
    QString out;
    for (auto _ : state) {
        QTemporaryDir made;
        if (!data.ok || data.run(QStringList(makeWholeLists) << "-o" << made.path(), out) != 0) {
            state.SkipWithError("make failed");
            return;
        }
    }
    state.SetLabel("target: under 2 s");
}
BENCHMARK(MakeBigLists)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
