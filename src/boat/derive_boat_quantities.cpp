#include "boat/boat_defaults.h"
#include "boat/hull_model.h"
#include "common/constants.h"

namespace {

// Centre of gravity from the transom as a fraction of length, by boat type.
constexpr double CG_FRACTION[3] = {0.67, 0.6, 0.55};

// Power fraction for throttle notches -8 ... +8: neutral 0, the first notch
// each way idle power, then seven equal steps to full power.
void BuildThrottlePowerTable(BoatRecord& r) {
    const double p = r.idlePowerFactor;
    double* table = r.throttlePowerTable;
    table[0] = -1.0;
    table[16] = 1.0;
    table[8] = 0;
    table[9] = p;
    table[7] = -p;
    for (int k = 1; k <= 6; ++k) {
        table[9 + k] = p + k * (1 - p) / 7;
        table[7 - k] = -(p + k * (1 - p) / 7);
    }
}

}  // namespace

double CenterOfGravityFraction(int boatType) {
    return CG_FRACTION[BoatTypeTableIndex(boatType)];
}

void DeriveBoatQuantities(BoatRecord& r, bool lineDefaults) {
    const double L = r.lengthOverall;
    const double B = r.beam;
    const double T = r.draft;
    const double W = r.weight;

    BuildThrottlePowerTable(r);

    if (r.advancedCoefficientsSet == 0) {
        LoadDefaultCoefficients(r);
        r.advancedCoefficientsSet = 1;
    }

    // Lengths along the boat, ft.
    r.waterlineLength = L * 0.9090909090909091;
    const double G = CenterOfGravityFraction(r.boatType) * L;
    r.centerOfGravityFromTransom = G;
    r.centerOfPressureFromTransom = 0.3 * L;
    r.windCenterFromTransom = 0.42 * L;
    r.derivedSpare1 = 0.6 * L - G;
    r.derivedSpare2 = 1.1 * L;
    r.derivedSpare3 = 0.01 * L;
    r.derivedSpare4 = 0.01 * L * 2 / 7;
    r.derivedSpare5 = 1.1 * L * 0.35;
    r.windCenterPointX = 0;

    // Mass and yaw inertia of a uniform plank of 0.7 L by 0.7 B.
    r.mass = W / G_FTS2;
    r.yawMomentOfInertia = r.mass / 12 * ((0.7 * L) * (0.7 * L) + (0.7 * B) * (0.7 * B));

    // Areas, ft².
    r.lateralUnderwaterArea = T * r.waterlineLength;
    r.frontalUnderwaterArea = 0.5 * T * B;
    r.lateralWindArea = 0.21 * r.waterlineLength * r.waterlineLength;
    r.frontalWindArea = 0.21 * r.waterlineLength * B;

    // Lever arms from the centre of gravity, positive towards the bow.
    r.propArmFromCenterOfGravity = r.propDistFromTransom - G;
    r.rudderArmFromCenterOfGravity = r.rudderDistFromTransom - G;
    r.centerOfPressureArm = 0.3 * L - G;
    r.windCenterArm = 0.42 * L - G;
    r.windCenterFromCenterOfGravity = r.windCenterArm;
    r.bowThrusterArmFromCenterOfGravity = r.bowThrusterDistFromTransom - G;

    r.maxThrust = G_FTS2 * r.mass * 0.057;
    r.maxSpeedFps = r.maxSpeedKnots * KNOTS_TO_FPS * 1.07;
    r.fenderDiameterCopy = r.fenderDiameter;

    if (lineDefaults) {
        r.dockLineLength = 1.5 * L;
        r.anchorLineLength = 250;
        r.lineSpringConstant = 1.24 * W + 21000;
    }
}
