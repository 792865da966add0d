#include "platform/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint32_t> draws(std::uint32_t seed, int count)
{
    Random random;
    random.seed(seed);
    std::vector<std::uint32_t> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.next());
    return values;
}

// Values worked out by hand from x = x * 22695477 + 1 mod 2^32, bits 16 to 30.
TEST(Random, DrawsTheSequenceOfTheGenerator)
{
    EXPECT_EQ(draws(1, 5), (std::vector<std::uint32_t>{346, 130, 10982, 1090, 11656}));
    EXPECT_EQ(draws(1765432100, 3), (std::vector<std::uint32_t>{16257, 3931, 29175}));

    // The state wraps at 2^32 and bit 31 is never part of a value.
    Random random;
    random.seed(0xFFFFFFFFu);
    EXPECT_EQ(random.next(), 32421u);
    EXPECT_EQ(random.currentState(), 4272271820u);
}

TEST(Random, TheSameSeedGivesTheSameDraws)
{
    EXPECT_EQ(draws(42, 100), draws(42, 100));
    EXPECT_NE(draws(42, 10), draws(43, 10));
    for (std::uint32_t value : draws(7, 10000))
        ASSERT_LE(value, 32767u);
}

} // namespace
