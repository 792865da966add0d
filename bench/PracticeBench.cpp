// A keystroke in the practice view, handled and painted (target: under 1 ms of work).
#include "gui/QPainterSurface.h"
#include "gui/QtUi.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "practice/PracticeSession.h"
#include "views/TPracticeWindow.h"

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

// The same keystroke through the practice view itself: the session, what screen readers are
// told of the change, and the view painted at 800 x 600.
void PracticeViewKeystroke(benchmark::State& state)
{
    QtUi ui;
    SystemClock clock;
    Random random;
    TPracticeWindow view(ui, clock, random);
    view.resize(800, 600);
    view.takeWorkingLists({IonList({TIon("Aluminum", "Al", 3), TIon("Ammonium", "NH4", 1)}),
                           IonList({TIon("sulfate", "SO4", 2), TIon("phosphate", "PO4", 3)})},
                          {2, 2});
    view.startPractice({2, 2});
    view.practiceChar('x');
    view.practiceChar(13); // a verdict is on the screen from now on

    QImage image(800, 600, QImage::Format_RGB32);
    const std::string answer = "Aluminum sulfate";
    std::size_t next = 0;
    int typed = 0;
    for (auto _ : state) {
        if (++typed == 30) {
            for (; typed > 1; --typed)
                view.practiceChar(8);
        }
        view.practiceChar(static_cast<unsigned char>(answer[next++ % answer.size()]));
        view.render(&image);
    }
    state.SetLabel("target: under 1 ms");
}
BENCHMARK(PracticeViewKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
