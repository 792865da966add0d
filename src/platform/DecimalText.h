#pragma once

#include <cstdint>
#include <string>

// Reads a typed number the way the dialogs always have: leading white space skipped, one
// optional sign, then digits up to the first other character; no digits give 0. So "3",
// "+3", "3+" and "3abc" are all 3. Values beyond 32 bits stop at the nearest limit.
std::int32_t readDecimal(const std::string& text);
