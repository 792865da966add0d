#include "platform/Clock.h"

#include <ctime>

std::int64_t SystemClock::seconds()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}
