#include "simulation/gaussian_random.h"

#include <cmath>
#include <ctime>

#include "common/random_source.h"
#include "document/document.h"

void SeedSimulationRandom(CKLVNDoc& doc, std::uint32_t seed) {
    SeedRandom(doc.random, seed);
    doc.gaussian.seeded = true;
}

double UniformRandom(CKLVNDoc& doc) {
    return static_cast<double>(NextRandom(doc.random)) / RANDOM_MAX;
}

double GaussianRandom(CKLVNDoc& doc, double sigma, double mean) {
    GaussianState& g = doc.gaussian;
    if (g.callCount == 0 && !g.seeded) {
        SeedSimulationRandom(doc, static_cast<std::uint32_t>(std::time(nullptr)));
    }
    if (g.callCount < INT32_MAX) ++g.callCount;

    if (g.cachedPresent) {
        g.cachedPresent = false;
        return g.cachedDeviate * sigma + mean;
    }

    // Polar method: a point drawn uniformly inside the unit circle (excluding
    // its centre) gives two independent standard normal deviates.
    double u1, u2, s;
    do {
        u1 = 2.0 * NextRandom(doc.random) / RANDOM_MAX - 1.0;
        u2 = 2.0 * NextRandom(doc.random) / RANDOM_MAX - 1.0;
        s = u1 * u1 + u2 * u2;
    } while (s >= 1.0 || s == 0.0);

    double g0 = std::sqrt(-2.0 * std::log(s) / s);
    g.cachedDeviate = g0 * u2;
    g.cachedPresent = true;
    return g0 * u1 * sigma + mean;
}
