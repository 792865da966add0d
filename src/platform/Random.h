#pragma once

#include <cstdint>

// The program's one random generator: x = x * 22695477 + 1 (mod 2^32), each draw yielding
// bits 16 to 30 of the new state, a value from 0 to 32767. Practice and quizzes both draw
// from it, so the order of draws is part of what a seed reproduces. The application owns it
// and hands it to whatever draws, as it does the clock.
class Random {
public:
    void seed(std::uint32_t value) { state = value; }
    std::uint32_t next();
    std::uint32_t currentState() const { return state; }

private:
    std::uint32_t state = 1;
};
