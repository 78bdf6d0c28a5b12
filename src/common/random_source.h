#pragma once

#include <cstdint>

// The one uniform random source of the program: the portable linear
// congruential generator of the C standard, integers 0 ... 32767. It lives in
// the document so that a script and a seed always give the same run.
constexpr int RANDOM_MAX = 32767;

struct RandomSource {
    std::uint32_t next = 1;
};

void SeedRandom(RandomSource& source, std::uint32_t seed);
int NextRandom(RandomSource& source);  // 0 ... RANDOM_MAX
