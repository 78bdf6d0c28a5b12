#include "common/random_source.h"

void SeedRandom(RandomSource& source, std::uint32_t seed) {
    source.next = seed;
}

int NextRandom(RandomSource& source) {
    source.next = source.next * 1103515245u + 12345u;
    return static_cast<int>((source.next / 65536u) % 32768u);
}
