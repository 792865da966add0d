// A keystroke in the practice view, handled and painted (target: under 1 ms of work).
#include "gui/QPainterSurface.h"
#include "platform/Random.h"
#include "practice/PracticeSession.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void PracticeKeystroke(benchmark::State& state)
{
    Random random;
    PracticeSession session(random);
    session.workingLists() = {IonList({TIon("Aluminum", "Al", 3), TIon("Ammonium", "NH4", 1)}),
                              IonList({TIon("sulfate", "SO4", 2), TIon("phosphate", "PO4", 3)})};
    session.start({2, 2}, 7);
    session.typeChar('x');
    session.typeChar(13); // a verdict is on the screen from now on

    QImage view(800, 600, QImage::Format_RGB32);
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(25);
    const std::string answer = "Aluminum sulfate";
    std::size_t next = 0;
    for (auto _ : state) {
        // Type the answer over and over, wiping it when it is full.
        if (session.typedAnswer().size() >= 30)
            while (!session.typedAnswer().empty())
                session.typeChar(8);
        session.typeChar(static_cast<unsigned char>(answer[next++ % answer.size()]));
        view.fill(Qt::white);
        QPainter painter(&view);
        painter.setFont(font);
        QPainterSurface surface(painter);
        benchmark::DoNotOptimize(paintPractice(surface, session));
    }
    state.SetLabel("target: under 1 ms");
}
BENCHMARK(PracticeKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
