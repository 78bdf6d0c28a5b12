#include "common/random_source.h"

#include <gtest/gtest.h>

TEST(RandomSource, IsThePortableGeneratorOfTheCStandard) {
    RandomSource source;
    SeedRandom(source, 1);
    // The sequence every conforming example implementation gives for seed 1.
    EXPECT_EQ(NextRandom(source), 16838);
    EXPECT_EQ(NextRandom(source), 5758);
    EXPECT_EQ(NextRandom(source), 10113);
    EXPECT_EQ(NextRandom(source), 17515);
}

TEST(RandomSource, StaysInRange) {
    RandomSource source;
    SeedRandom(source, 0xdeadbeefu);
    for (int i = 0; i < 100000; ++i) {
        int r = NextRandom(source);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, RANDOM_MAX);
    }
}
