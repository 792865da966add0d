// Quizzes at scale: generating one from 30 000 cations and 30 000 anions (target: under
// 100 ms) and painting one screen of a 90 000-line quiz (target: under 2 ms).
#include "gui/QPainterSurface.h"
#include "platform/Random.h"
#include "quiz/QuizDrawing.h"
#include "quiz/QuizGeneration.h"

#include <QImage>
#include <QPainter>

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

} // namespace
