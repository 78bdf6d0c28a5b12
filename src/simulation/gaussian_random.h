#pragma once

#include <cstdint>

struct CKLVNDoc;

// The normal deviates of the environment drift, drawn from the document's one
// uniform source by the polar method, which yields them in pairs: the second of
// each pair is kept for the next call.
struct GaussianState {
    double cachedDeviate;  // a standard normal deviate, unscaled
    bool cachedPresent;    // cachedDeviate holds an unused deviate
    std::int32_t callCount;
    bool seeded;  // the uniform source has been seeded (explicitly or from the clock)
};

// Seeds the uniform source and marks it seeded, so the clock seed of the first
// draw does not replace it. The runner and the tests seed this way.
void SeedSimulationRandom(CKLVNDoc& doc, std::uint32_t seed);

// One uniform draw in [0, 1]: an integer 0 ... 32767 divided by 32767.
double UniformRandom(CKLVNDoc& doc);

// A normal deviate with the given standard deviation and mean. The first call
// of the program's life seeds the uniform source from the clock unless it has
// been seeded already.
double GaussianRandom(CKLVNDoc& doc, double sigma, double mean);
