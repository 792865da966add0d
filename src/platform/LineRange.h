#pragma once

// Lines first to end - 1 of a drawing laid out one line under another.
struct LineRange {
    int first = 0;
    int end = 0; // one past the last
};
