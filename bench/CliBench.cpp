// valkora-cli make: 30 versions, each with its quiz file, quiz PDF and key PDF, from lists of
// 60 cations and 60 anions (target: under 2 s in all).
#include "catalogue/CatalogueFile.h"
#include "cli/Cli.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

IonList ions(const std::string& stem, int count)
{
    IonList list;
    for (int i = 1; i <= count; ++i) {
        std::string symbol = "X";
        symbol += std::to_string(i % 7 + 2);
        list.append(TIon(stem + " " + std::to_string(i), symbol, 1 + i % 3));
    }
    return list;
}

void MakeThirtyVersions(benchmark::State& state)
{
    QTemporaryDir data;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(data.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    if (!write(catalogue_file::cationFileName, catalogue_file::serialize(ions("Metal", 60)))
        || !write(catalogue_file::anionFileName, catalogue_file::serialize(ions("ide", 60)))
        || !write("valkora.hed", "Name: ________ Date: ______\r\nNaming Quiz\r\n")) {
        state.SkipWithError("cannot write the lists");
        return;
    }
    QString output;
    QString errors;
    for (auto _ : state) {
        QTemporaryDir out;
        QTextStream outStream(&output);
        QTextStream errStream(&errors);
        const int status = runCli({"make", "--cations", "60", "--anions", "60", "--versions", "30",
                                   "--seed", "7", "--dir", data.path(), "-o", out.path()},
                                  outStream, errStream);
        if (status != 0) {
            state.SkipWithError(("make failed: " + errors.toStdString()).c_str());
            return;
        }
    }
    state.SetLabel("target: under 2 s");
}
BENCHMARK(MakeThirtyVersions)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
