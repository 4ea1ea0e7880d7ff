#include <gtest/gtest.h>

#include "scene/params.h"
#include "scene/random.h"

namespace vl {
namespace {

TEST(Random, MatchesTheWindowsRuntimeSequence) {
    // The first values of rand() after srand(1) in the Windows C runtime.
    RandomGenerator generator;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) {
        EXPECT_EQ(generator.Next(), value);
    }
    // Reseeding restarts: state = seed * 214013 + 2531011, result bits 16..30.
    generator.Seed(100);
    EXPECT_EQ(generator.Next(), static_cast<int>(((100u * 214013u + 2531011u) >> 16) & 0x7FFF));
    RandomGenerator zero(0);
    EXPECT_EQ(zero.Next(), 38);
}

TEST(Random, ColourPicksAddOneHundredToTheSeedFirst) {
    ColourParam colour;
    colour.random = 1;
    colour.seed = 5;
    const std::uint32_t first = colour.Resolve();
    EXPECT_EQ(colour.seed, 105u);
    RandomGenerator check(105);
    const int red = check.Next() % 256;
    const int green = check.Next() % 256;
    const int blue = check.Next() % 256;
    EXPECT_EQ(first, static_cast<std::uint32_t>(red | green << 8 | blue << 16));
    EXPECT_EQ(colour.colour, first);

    // The same seed gives the same pick; the next pick continues the sequence.
    ColourParam again;
    again.random = 1;
    again.seed = 5;
    EXPECT_EQ(again.Resolve(), first);
    again.Resolve();
    EXPECT_EQ(again.seed, 205u);

    ColourParam fixed;
    fixed.colour = 0x123456;
    fixed.seed = 5;
    EXPECT_EQ(fixed.Resolve(), 0x123456u);
    EXPECT_EQ(fixed.seed, 5u);
}

TEST(Random, RandomWaitMovesAtLeast150AndStaysInRange) {
    DurationParam duration;
    duration.random = 1;
    for (std::uint32_t time = 0; time < 200; ++time) {
        const std::int32_t previous = duration.milliseconds;
        const std::int32_t next = duration.DrawRandom(time * 7919u);
        EXPECT_GE(next, 0);
        EXPECT_LT(next, 3001);
        EXPECT_GE(next > previous ? next - previous : previous - next, 150);
        EXPECT_EQ(duration.milliseconds, next);
    }
    // A range with no value far enough away ends the draw instead of hanging.
    duration.randomRange = 100;
    duration.milliseconds = 50;
    const std::int32_t stuck = duration.DrawRandom(1);
    EXPECT_GE(stuck, 0);
    EXPECT_LT(stuck, 100);
}

}  // namespace
}  // namespace vl
