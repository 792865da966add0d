#pragma once

#include <cstdint>

// The seconds clock, injected so that the random seed and the splash wait can be driven by
// tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t seconds() = 0;
};

class SystemClock final : public Clock {
public:
    std::int64_t seconds() override;
};
