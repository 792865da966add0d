// Quizzes at scale: generating one from 30 000 cations and 30 000 anions (target: under
// 100 ms), painting one screen of a 90 000-line quiz (target: under 2 ms), and reading a
// heading file of 10 MB, for New and for the quiz's heading lines (target: under 1 s).
#include "gui/QPainterSurface.h"
#include "platform/Random.h"
#include "quiz/QuizDrawing.h"
#include "quiz/QuizGeneration.h"
#include "quiz/QuizHeading.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

WorkingLists workingLists(int count)
{
    WorkingLists lists;
    for (int i = 0; i < count; ++i) {
        lists.cations.append(TIon("Cation " + std::to_string(i), "NH4", 1 + i % 4));
        lists.anions.append(TIon("anion " + std::to_string(i), "SO4", 1 + i % 3));
    }
    return lists;
}

void GenerateQuiz(benchmark::State& state)
{
    const WorkingLists fresh = workingLists(30000);
    Random random;
    random.seed(2026);
    for (auto _ : state) {
        state.PauseTiming();
        WorkingLists lists = fresh;
        state.ResumeTiming();
        benchmark::DoNotOptimize(quiz_generation::createQuiz({"Name:\n", "Quiz\n"}, lists, random));
    }
    state.SetLabel("target: under 100 ms");
}
BENCHMARK(GenerateQuiz)->Unit(benchmark::kMillisecond);

void PaintQuizScreen(benchmark::State& state)
{
    SentenceList quiz;
    for (int i = 0; i < 30000; ++i) {
        quiz.emplace_back("Fe2(SO4)3", 1);
        quiz.emplace_back(" ", 0);
        quiz.emplace_back(" ", 0);
    }
    QImage screen(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        screen.fill(Qt::white);
        QPainter painter(&screen);
        QPainterSurface surface(painter);
        const int h = surface.textHeight();
        const int shift = h * 60000;
        quiz_drawing::draw(surface, quiz, quiz_drawing::linesBetween(quiz, h, shift, shift + 768), shift);
    }
    state.SetLabel("target: under 2 ms");
}
BENCHMARK(PaintQuizScreen)->Unit(benchmark::kMillisecond);

// A heading line, then 10 MB without a line feed: the reads of 60 characters each.
void ReadLargeHeading(benchmark::State& state, bool forEditing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("valkora.hed");
    QFile file(path);
    const QByteArray bytes = "Name: ____\r\n" + QByteArray(10 * 1024 * 1024, 'x');
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the heading file");
        return;
    }
    file.close();
    for (auto _ : state) {
        if (forEditing)
            benchmark::DoNotOptimize(quiz_heading::loadForEditing(path));
        else
            benchmark::DoNotOptimize(quiz_heading::allReads(path));
    }
    state.SetLabel("target: under 1 s");
}
BENCHMARK_CAPTURE(ReadLargeHeading, ForNew, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadLargeHeading, EveryRead, false)->Unit(benchmark::kMillisecond);

} // namespace
