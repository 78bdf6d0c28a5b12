#include "common/angles.h"

#include <cmath>

#include "common/constants.h"

double SignOf(double x) {
    if (x == 0.0) return 1.0;
    return x / std::fabs(x);
}

// The loops below add or subtract one turn at a time, which is what the stored
// traces were made with. An angle more than a few turns away is first brought
// near the range with fmod so that the loop always ends quickly.
static double WrapBy(double a, double turn) {
    if (!std::isfinite(a)) return 0.0;
    if (a < -4.0 * turn || a > 4.0 * turn) a = std::fmod(a, turn);
    while (a < 0.0) a += turn;
    while (a > turn) a -= turn;
    return a;
}

double WrapAngle(double radians) {
    return WrapBy(radians, PI_2);
}

double WrapAngleDeg(double degrees) {
    return WrapBy(degrees, 360.0);
}

double CompassHeadingDeg(double headingRad) {
    double compass = 450.0 - RAD_TO_DEG * headingRad;
    if (!std::isfinite(compass)) return 0.0;
    if (compass > 4.0 * 360.0) compass = std::fmod(compass, 360.0);
    while (compass >= 360.0) compass -= 360.0;
    return compass;
}
