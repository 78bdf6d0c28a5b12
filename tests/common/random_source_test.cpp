#include "common/random_source.h"

#include <gtest/gtest.h>

// The sequence every conforming example implementation of the C standard's
// generator gives for seed 1.
TEST(RandomSource, IsThePortableGeneratorOfTheCStandard) {
    RandomSource source;
    SeedRandom(source, 1);
    for (int expected : {16838, 5758, 10113, 17515}) EXPECT_EQ(NextRandom(source), expected);
}
