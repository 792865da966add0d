#include "practice/TPracticeWindow.h"

#include "platform/Clock.h"
#include "support/ScriptedUi.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Call::Kind;

class FixedClock : public Clock {
public:
    std::int64_t seconds() override { return 1234; }
};

class PracticeView : public ::testing::Test {
protected:
    void start(std::vector<TIon> cations, std::vector<TIon> anions)
    {
        const IonRange range{static_cast<std::uint32_t>(cations.size()),
                             static_cast<std::uint32_t>(anions.size())};
        view.session().workingLists() = {IonList(std::move(cations)), IonList(std::move(anions))};
        view.resize(600, 400);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
        view.startPractice(range);
    }

    int beeps() const { return int(ui.callsOf(Kind::Beep).size()); }

    ScriptedUi ui;
    FixedClock clock;
    TPracticeWindow view{ui, clock};
};

const TIon sodium("Sodium", "Na", 1);
const TIon chloride("chloride", "Cl", 1);
const TIon mercury("Mercury(I)", "Hg2", 2);

TEST_F(PracticeView, TheCaretStandsAfterTheTypedAnswer)
{
    start({sodium}, {chloride});
    ASSERT_TRUE(view.caret().exists());
    EXPECT_TRUE(view.caret().widget()->isVisible());
    EXPECT_EQ(view.caret().widget()->size(), QSize(20, 2));
    QTest::keyClicks(&view, "Na");
    QApplication::processEvents();
    view.repaint();
    const QFontMetrics metrics(*view.practiceFont(), &view);
    const QPoint place(20 + metrics.horizontalAdvance("Na"), 220 + metrics.height());
    EXPECT_EQ(view.caret().widget()->pos(), place);
    // A solid block on the screen.
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(place + QPoint(10, 1)), QColor(Qt::black));
}

} // namespace
