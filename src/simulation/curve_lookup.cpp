#include "simulation/curve_lookup.h"

double CurveLookup(const SpeedCurve& curve, double v) {
    int n = curve.segmentCount;
    if (n < 0) n = 0;
    if (n > SPEED_CURVE_MAX_SEGMENTS) n = SPEED_CURVE_MAX_SEGMENTS;

    if (v >= curve.points[n][0]) return curve.points[n][1];
    if (v < curve.points[0][0]) return curve.points[0][1];
    for (int j = 0; j < n; ++j) {
        if (curve.points[j][0] <= v && v <= curve.points[j + 1][0]) {
            return curve.slope[j] * v + curve.intercept[j];
        }
    }
    return 0.0;  // only a curve whose points do not increase gets here
}
