#include "app/Splash.h"

#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace {

// A clock that moves on by a step each time the wait pauses.
class SteppingClock : public Clock {
public:
    explicit SteppingClock(std::int64_t start) : now(start) {}
    std::int64_t seconds() override
    {
        ++reads;
        return now;
    }
    std::int64_t now;
    int reads = 0;
};

TEST(Splash, SitsInTheMiddleOfTheScreenRoundedDown)
{
    EXPECT_EQ(splash::position({1024, 768}, {200, 200}), QPoint(412, 284));
    EXPECT_EQ(splash::position({1025, 767}, {200, 200}), QPoint(412, 283));
    EXPECT_EQ(splash::position({1366, 768}, {201, 199}), QPoint(583, 285));
}

TEST(Splash, WaitsUntilTheClockReadsThreeSecondsMore)
{
    SteppingClock clock(100);
    int pauses = 0;
    splash::wait(clock, [&] {
        ++pauses;
        // Ten pauses to a second.
        if (pauses % 10 == 0)
            ++clock.now;
    });
    EXPECT_EQ(clock.now, 103);
    EXPECT_EQ(pauses, 30);
}

} // namespace
