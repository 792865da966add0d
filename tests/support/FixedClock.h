#pragma once

#include "platform/Clock.h"

#include <cstdint>

// A clock that always tells the same second, so that the generator's seed and the splash wait
// never depend on the time of day.
class FixedClock : public Clock {
public:
    explicit FixedClock(std::int64_t seconds) : fixed(seconds) {}

    std::int64_t seconds() override { return fixed; }

private:
    std::int64_t fixed;
};
