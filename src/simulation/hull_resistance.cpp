#include "simulation/hull_resistance.h"

#include <cmath>

#include "common/angles.h"
#include "common/constants.h"
#include "document/document.h"
#include "simulation/curve_lookup.h"

// Drift beyond 10 degrees adds skid resistance only through sin(drift).
constexpr double SKID_DRIFT_LIMIT = 10.0 * DEG_TO_RAD;

void ComputeHullResistance(CKLVNDoc& doc) {
    const BoatRecord& boat = doc.boat;
    const DynamicState& st = doc.state;
    ForceAccumulators& f = doc.forces;
    double omega = st.yawRate;
    double u = st.surgeSpeed;
    double v = st.swaySpeed;
    double beta = st.driftAngle;

    // Quadratic yaw damping, always against the turn.
    f.yawDampingMoment = SignOf(-omega) * std::fabs(boat.rotationalDrag * boat.lengthOverall *
                                                    boat.lateralUnderwaterArea * omega * omega *
                                                    boat.centerOfPressureArm);

    double speedRatio = std::fabs(st.speedThroughWater / boat.maxSpeedFps);
    double clampedDrift =
        std::fabs(beta) < SKID_DRIFT_LIMIT ? beta : SignOf(beta) * SKID_DRIFT_LIMIT;
    double skid = std::fabs(clampedDrift * boat.skidResistance * speedRatio * std::sin(beta) *
                            boat.lateralUnderwaterArea);
    double bow = std::fabs(std::cos(beta) * boat.frontalUnderwaterArea);

    // The curve gives the resistance as a fraction of full thrust, so full
    // power settles exactly at the maximum speed.
    double k = CurveLookup(boat.speedCurve, speedRatio);
    f.surgeResistance = SignOf(-u) * k * boat.maxThrust;
    f.swayResistance = -(skid * v * boat.maxThrust / boat.maxSpeedFps);

    double x = 0.0;
    if (beta != 0.0)
        x = SignOf(beta) * std::fabs(std::sin(beta) * boat.centerOfPressureArm) * speedRatio;
    f.driftMoment = boat.translationalDrag * st.speedThroughWater * st.speedThroughWater * x * bow;
}
