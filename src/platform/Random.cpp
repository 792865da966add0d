#include "platform/Random.h"

std::uint32_t Random::next()
{
    state = state * 22695477u + 1u;
    return (state >> 16) & 0x7FFFu;
}
