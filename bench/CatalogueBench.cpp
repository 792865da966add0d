// Speed of the catalogue with 100 000 entries: loading and saving a file (target: under
// 50 ms each) and painting one screen of the catalogue view (target: under 2 ms).
#include "catalogue/CatalogueDrawing.h"
#include "catalogue/CatalogueEditor.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/ListFileGuard.h"
#include "gui/QPainterSurface.h"
#include "platform/Random.h"
#include "platform/Ui.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int entries = 100000;

IonList bigList()
{
    IonList list;
    for (int i = 0; i < entries; ++i)
        list.append(TIon("Ion number " + std::to_string(i), "C2H3O2", 1 + i % 4));
    return list;
}

void LoadCatalogueFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("valkora.cat");
    if (!catalogue_file::save(path, bigList()))
        state.SkipWithError("the file could not be made");
    // Through the guard, as the program loads a list: the file is read and fingerprinted.
    ListFileGuard file(path);
    for (auto _ : state) {
        catalogue_file::ReadResult read = file.load();
        benchmark::DoNotOptimize(read);
        if (read.ions.count() != entries)
            state.SkipWithError("the file did not load whole");
    }
    state.SetLabel("target: under 50 ms");
}
BENCHMARK(LoadCatalogueFile)->Unit(benchmark::kMillisecond);

void SaveCatalogueFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("valkora.cat");
    const IonList list = bigList();
    // As the program saves a list: the file as it is now is checked against the fingerprint
    // of the last save, then written and fingerprinted.
    ListFileGuard file(path);
    file.load();
    for (auto _ : state) {
        if (file.save(list) != SaveResult::Saved)
            state.SkipWithError("the save failed");
    }
    state.SetLabel("target: under 50 ms");
}
BENCHMARK(SaveCatalogueFile)->Unit(benchmark::kMillisecond);

// One 1024 x 768 screen of the view scrolled to the middle of the lists.
void PaintCatalogueScreen(benchmark::State& state)
{
    IonCatalogue catalogue;
    catalogue.cations = bigList();
    catalogue.anions = bigList();
    QImage screen(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        screen.fill(Qt::white);
        QPainter painter(&screen);
        QPainterSurface surface(painter);
        const int h = surface.textHeight();
        const int shift = 2 * h * entries;
        catalogue_drawing::draw(surface, catalogue,
                                catalogue_drawing::linesBetween(catalogue, h, shift, shift + 768),
                                shift);
    }
    state.SetLabel("target: under 2 ms");
}
BENCHMARK(PaintCatalogueScreen)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Sorting asks nothing; this stands where a Ui is wanted.
class SilentUi : public Ui {
public:
    MessageAnswer messageBox(QObject*, const std::string&, const std::string&, MessageIcon,
                             MessageButtons) override
    {
        return MessageAnswer::Ok;
    }
    int runDialog(QObject*, const DialogTemplate&, DialogValues&) override { return dialogCancel; }
    bool openFileDialog(QObject*, FileChoice&) override { return false; }
    bool saveFileDialog(QObject*, FileChoice&) override { return false; }
    std::optional<PrintAnswer> printDialog(QObject*, QPrinter&, int, int, const PrintChoice*) override
    {
        return std::nullopt;
    }
    std::unique_ptr<PrintingProgress> openPrintingDialog(QObject*, const std::string&,
                                                         const std::string&) override
    {
        return nullptr;
    }
    void beep() override {}
    void showHelpContents(QObject*, const std::string&) override {}
    void closeHelp(const std::string&) override {}
};

// Sorting both lists of 100 000 entries each, saving left out (target: under 100 ms).
void SortCatalogue(benchmark::State& state)
{
    IonCatalogue shuffled;
    Random random;
    random.seed(12345);
    for (int i = 0; i < entries; ++i) {
        shuffled.cations.append(TIon("Ion " + std::to_string(random.next() * 7919u % 1000003u),
                                     "Fe", 1 + i % 4));
        shuffled.anions.append(TIon("ion " + std::to_string(random.next()), "Cl", 1));
    }
    SilentUi ui;
    for (auto _ : state) {
        state.PauseTiming();
        IonCatalogue catalogue = shuffled;
        CatalogueEditor editor(ui, nullptr, catalogue);
        state.ResumeTiming();
        benchmark::DoNotOptimize(editor.SortIons());
    }
    state.SetLabel("target: under 100 ms");
}
BENCHMARK(SortCatalogue)->Unit(benchmark::kMillisecond);

} // namespace
