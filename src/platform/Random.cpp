#include "platform/Random.h"

Random& programRandom()
{
    static Random generator;
    return generator;
}
