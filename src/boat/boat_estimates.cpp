#include <cmath>

#include "boat/boat_defaults.h"

// Fits of weight and beam against length over typical production boats. The
// length box keeps lengths within 20 ... 100 ft; a length that is not positive
// estimates as nothing rather than as a NaN.

double EstimateWeight(double lengthOverall, int boatType) {
    const double L = lengthOverall;
    if (!(L > 0)) return 0;
    switch (boatType) {
        case SAILBOAT:
            if (L > 50) return (2.813 * L - 105.04) * 1000;
            return 0.0017 * std::pow(L, 2.5433) * 1000;
        case MOTORBOAT:
        case HOUSEBOAT:
            if (L > 50) return (3.11 * L - 108.8) * 1000;
            return 0.0009 * std::pow(L, 2.7752) * 1000;
        default:
            return 0;
    }
}

double EstimateBeam(double lengthOverall, int boatType) {
    const double L = lengthOverall;
    switch (boatType) {
        case MOTORBOAT:
            if (!(L > 0)) return 0;
            return 9.7123 * std::log(L) - 22.028;
        case SAILBOAT:
            return 0.2477 * L + 2.6781;
        case HOUSEBOAT:
            // 10 ft at 20 ft rising linearly to 22 ft at 100 ft.
            return (L - 20) / (100 - 20) * (22 - 10) + 10;
        default:
            return L;
    }
}

double EstimateFenderDiameter(double lengthOverall) {
    const double L = lengthOverall;
    if (L >= 40) return 1.25;
    if (L >= 31) return 1.0;
    if (L >= 26) return 0.75;
    if (L >= 16) return 0.5;
    return 0.4;
}
