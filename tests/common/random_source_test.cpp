#include "common/random_source.h"

#include <gtest/gtest.h>

// The sequence every conforming example implementation of the C standard's
// generator gives for seed 1, and the range of a long run.
TEST(RandomSource, IsThePortableGeneratorOfTheCStandard) {
    RandomSource source;
    SeedRandom(source, 1);
    for (int expected : {16838, 5758, 10113, 17515}) EXPECT_EQ(NextRandom(source), expected);
    SeedRandom(source, 0xdeadbeefu);
    for (int i = 0; i < 100000; ++i) {
        const int r = NextRandom(source);
        ASSERT_TRUE(r >= 0 && r <= RANDOM_MAX) << r;
    }
}
