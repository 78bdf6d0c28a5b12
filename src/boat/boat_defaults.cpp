#include "boat/boat_defaults.h"

#include <cstring>

#include "boat/hull_model.h"
#include "docks/dock_dimensions.h"

namespace {

// The user-facing defaults of one boat type.
struct TypeDefaults {
    const char* name;
    double lengthOverall;  // ft
    double beam;
    double draft;
    double freeboardHeight;
    double weight;  // lb
    std::int32_t engineType;
    std::int32_t engineCount;
    double portPropOffset;
    double propDistFromCL;
    double propDistFromTransom;
    double propWalkFactor;
    double idlePowerFactor;
    double rudderArea;  // ft²
    double rudderDistFromTransom;
    double propWashFactor;
    std::uint8_t hasBowThruster;
    double bowThrusterDistFromTransom;
    double bowThrusterForce;  // lb
    double maxSpeedKnots;
    double hullShapeCoefficients[6];
};

constexpr TypeDefaults TYPE_DEFAULTS[3] = {
    {"New_Motorboat",
     35,
     12.75,
     4,
     3,
     18000,
     INBOARD,
     1,
     0,
     0,
     3,
     0.5,
     0.21,
     3,
     2,
     0.5,
     1,
     30,
     75,
     15,
     {1.0049, 2.752, 3.237, -280.0, 0.256, 1.103}},
    {"New_Sailboat",
     35,
     11.2,
     5,
     3,
     11000,
     INBOARD,
     1,
     0,
     0,
     3,
     0.5,
     0.2,
     4,
     2,
     0.5,
     0,
     0,
     0,
     7,
     {1.003735, 2.05, 2.5, 240.0, 0.2, 0.15}},
    {"New_Houseboat",
     45,
     12,
     4,
     1.5,
     20000,
     OUTBOARD_OR_IO,
     2,
     -2.8,
     2.8,
     4,
     0.1,
     0.2,
     1,
     4,
     1.0,
     0,
     0,
     0,
     8,
     {0, 0, 0, 0, 0, 10.0}},
};

// The force coefficients that differ by boat type.
struct TypeCoefficients {
    double rotationalDrag;
    double translationalDrag;
    double rudderTurningTorque;
};

constexpr TypeCoefficients TYPE_COEFFICIENTS[3] = {
    {8, 0.067, 1.0},
    {15, 0.113, 1.0},
    {30, 0.113, 0.8},
};

// Surge resistance (fraction of maxThrust) against speed (fraction of maxSpeedFps).
constexpr int DEFAULT_SPEED_SEGMENTS = 5;
constexpr double DEFAULT_SPEED_CURVE[DEFAULT_SPEED_SEGMENTS + 1][2] = {
    {0, 0.05}, {0.2, 0.2}, {0.4, 0.43}, {0.6, 0.722}, {0.8, 0.803}, {1.0, 1.0}};

constexpr double DEFAULT_RUDDER_LATERAL_FORCE = 0.5;
constexpr int DEFAULT_SLIP_SIZE_INDEX = 3;
constexpr int START_SLIP_SIZE_INDEX = 2;  // the 16 × 40 ft slip

void WriteShapeCoefficients(BoatRecord& record, const TypeDefaults& d) {
    for (int c = 0; c < 6; ++c) record.hullShapeCoefficients[c] = d.hullShapeCoefficients[c];
}

void WriteDefaultSpeedCurve(SpeedCurve& curve) {
    std::memset(&curve, 0, sizeof curve);
    curve.segmentCount = DEFAULT_SPEED_SEGMENTS;
    for (int i = 0; i <= DEFAULT_SPEED_SEGMENTS; ++i) {
        curve.points[i][0] = DEFAULT_SPEED_CURVE[i][0];
        curve.points[i][1] = DEFAULT_SPEED_CURVE[i][1];
    }
    PrepareSpeedCurve(curve);
}

void WriteTypeDefaults(BoatRecord& r, const TypeDefaults& d) {
    std::memset(r.boatName, 0, sizeof r.boatName);
    std::strncpy(r.boatName, d.name, BOAT_NAME_MAX_CHARS);
    r.lengthOverall = d.lengthOverall;
    r.beam = d.beam;
    r.draft = d.draft;
    r.freeboardHeight = d.freeboardHeight;
    r.weight = d.weight;
    r.windCenterPointX = 0;

    r.engineType = d.engineType;
    r.engineCount = d.engineCount;
    r.counterRotating = 1;
    r.propRotation = -1;
    r.propRotationStarboard = 1;
    r.portPropOffset = d.portPropOffset;
    r.propDistFromCL = d.propDistFromCL;
    r.propDistFromTransom = d.propDistFromTransom;
    r.propWalkFactor = d.propWalkFactor;
    r.reversePowerFactor = 0.5;
    r.propPitch = 14.0;
    r.maxRpm = 2500;
    r.idleRpm = 600;
    r.idlePowerFactor = d.idlePowerFactor;

    r.rudderArea = d.rudderArea;
    r.rudderDistFromTransom = d.rudderDistFromTransom;
    r.propWashFactor = d.propWashFactor;
    r.hasBowThruster = d.hasBowThruster;
    r.bowThrusterDistFromTransom = d.bowThrusterDistFromTransom;
    r.bowThrusterForce = d.bowThrusterForce;

    WriteDefaultSpeedCurve(r.speedCurve);
    r.hiddenFactor1 = 0.5;
    r.hiddenFactor2 = 0.5;
    r.maxSpeedKnots = d.maxSpeedKnots;

    r.fenderReach = 1.0;
    r.fenderDiameter = EstimateFenderDiameter(d.lengthOverall);
    r.savedSlipSizeIndex = DEFAULT_SLIP_SIZE_INDEX;
    r.savedSlipSizeAuto = 1;
    r.savedCustomSlip[0] = 0;
    r.savedCustomSlip[1] = 0;
}

// The boat waits below the middle of the standard 16 ft slip, heading north.
void WriteDefaultStartPose(BoatRecord& r, double liveLengthOverall) {
    r.startX = DOCK_WIDTH + 0.5 * STANDARD_SLIP_SIZES[START_SLIP_SIZE_INDEX][0];
    r.startY = -1.1 * liveLengthOverall;
    r.startHeading = 90;
    r.startPoseCaptured = 0;
}

}  // namespace

int BoatTypeTableIndex(int boatType) {
    return (boatType >= MOTORBOAT && boatType <= HOUSEBOAT) ? boatType : MOTORBOAT;
}

void ApplyBoatDefaults(BoatRecord& record, int boatType, bool full, double liveLengthOverall) {
    const TypeDefaults& d = TYPE_DEFAULTS[BoatTypeTableIndex(boatType)];
    record.boatType = boatType;
    if (full) {
        WriteTypeDefaults(record, d);
        record.advancedCoefficientsSet = 0;  // the derive step loads the type's block
        WriteDefaultStartPose(record, liveLengthOverall);
        DeriveBoatQuantities(record, true);
    }
    WriteShapeCoefficients(record, d);
}

void LoadDefaultCoefficients(BoatRecord& r) {
    const TypeCoefficients& t = TYPE_COEFFICIENTS[BoatTypeTableIndex(r.boatType)];
    // Outboards and stern drives turn their thrust with the drive and walk far less.
    const bool drive = r.engineType == OUTBOARD_OR_IO;
    r.presentedAreaDrag = 0.04;
    r.cpTorque = 0.1;
    r.rotationalDrag = t.rotationalDrag;
    r.skidResistance = 7;
    r.translationalDrag = t.translationalDrag;
    r.propWalkSpeedFactor = 0.5;
    r.propWalkLateralForce = 0.05;
    r.propWalkTorque = 1.0;
    r.propWalkForwardFactor = drive ? 0.1 : 1.0;
    r.propWalkReverseFactor = drive ? 0.15 : 1.2;
    r.rudderPropWashReverse = 0.2;
    r.rudderTurningTorque = t.rudderTurningTorque;
    r.rudderLateralForce = DEFAULT_RUDDER_LATERAL_FORCE;
    r.rudderLateralForceScaled = 10 * DEFAULT_RUDDER_LATERAL_FORCE;
    r.thrusterLateralForce = 0.5;
    r.thrusterTorque = 2.0;
    r.transMaxAccel = 32.2;
    r.rotMaxAccel = 10;
    r.lineBreakingPtFactor = 10;
    r.lineSlipFactor = 5;
}

void PrepareSpeedCurve(SpeedCurve& curve) {
    // A damaged count must not run past the tables.
    int count = curve.segmentCount;
    if (count < 0) count = 0;
    if (count > SPEED_CURVE_MAX_SEGMENTS) count = SPEED_CURVE_MAX_SEGMENTS;
    for (int i = 0; i < count; ++i) {
        const double x0 = curve.points[i][0], y0 = curve.points[i][1];
        const double x1 = curve.points[i + 1][0], y1 = curve.points[i + 1][1];
        // A segment of no width is flat rather than infinitely steep.
        curve.slope[i] = (x1 != x0) ? (y1 - y0) / (x1 - x0) : 0.0;
        curve.intercept[i] = y1 - curve.slope[i] * x1;
    }
}
