// A keystroke in the practice view, handled and painted (target: under 1 ms of work), and
// the same through the view while a screen reader listens (target: under 0.5 ms).
#include "gui/QPainterSurface.h"
#include "gui/QtUi.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "compound/AnswerDiagnosis.h"
#include "practice/PracticeSession.h"
#include "views/TPracticeWindow.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

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

// Qt tells accessibility events on only while the platform says a screen reader listens;
// the offscreen platform is told so through its accessibility object, and a stand-in for the
// screen reader asks for the name of each part it is told about, as one does.
void readName(QAccessibleEvent* event)
{
    if (QAccessibleInterface* target = event->accessibleInterface())
        benchmark::DoNotOptimize(target->text(QAccessible::Name));
}

// The keystroke through the view while a screen reader listens (target: under 0.5 ms).
void PracticeViewKeystrokeHeard(benchmark::State& state)
{
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platform_integration->accessibility();
    if (!platform) {
        state.SkipWithError("the platform has no accessibility");
        return;
    }
    QAccessible::installUpdateHandler(readName);
    platform->setActive(true);
    PracticeViewKeystroke(state);
    platform->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    state.SetLabel("target: under 0.5 ms");
}
BENCHMARK(PracticeViewKeystrokeHeard)->Unit(benchmark::kMicrosecond);

// Why a wrong answer is wrong, on lists of 100 + 100 entries (target: under 50 us): the
// answers of every kind in turn, the costliest of them a formula read every way it splits.
void AnswerDiagnosis(benchmark::State& state)
{
    IonCatalogue lists;
    const auto fill = [](IonList& side, std::vector<TIon> first, char letter) {
        for (TIon& ion : first)
            side.append(std::move(ion));
        for (int k = 0; side.count() < 100; ++k)
            side.append(TIon("Made" + std::to_string(k), std::string(1, letter) + char('a' + k % 26)
                                                             + std::to_string(2 + k % 8),
                             1 + k % 4));
    };
    fill(lists.cations, {{"Sodium", "Na", 1}, {"Calcium", "Ca", 2}, {"Iron(II)", "Fe", 2},
                         {"Iron(III)", "Fe", 3}, {"Ammonium", "NH4", 1}, {"Lead(IV)", "Pb", 4}},
         'X');
    fill(lists.anions, {{"chloride", "Cl", 1}, {"nitrate", "NO3", 1}, {"nitrite", "NO2", 1},
                        {"sulfate", "SO4", 2}, {"sulfite", "SO3", 2}, {"oxide", "O", 2}},
         'Z');
    struct Answer {
        std::uint32_t cation;
        std::uint32_t anion;
        bool nameAsked;
        std::string typed;
    };
    const std::vector<Answer> answers{
        {1, 1, false, "CaNO32"},        {1, 1, false, "CaNO3"},         {3, 0, false, "FeCl2"},
        {5, 5, false, "Pb2O4"},         {4, 3, false, "NH42SO4"},       {1, 2, false, "COCL2"},
        {3, 0, true, "Iron chloride"},  {5, 5, true, "Lead(II) oxide"}, {0, 3, true, "Sodium sulfite"},
        {0, 0, true, "chloride Sodium"}, {0, 0, true, "NaCl"},          {1, 1, false, "Calcium nitrate"}};
    std::size_t next = 0;
    for (auto _ : state) {
        const Answer& answer = answers[next++ % answers.size()];
        benchmark::DoNotOptimize(answer_diagnosis::diagnose(
            {lists.cations.at(answer.cation), lists.anions.at(answer.anion), answer.nameAsked},
            answer.typed, {lists.cations, lists.anions}));
    }
    state.SetLabel("target: under 50 us");
}
BENCHMARK(AnswerDiagnosis)->Unit(benchmark::kMicrosecond);

} // namespace
