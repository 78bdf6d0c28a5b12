#pragma once

#include <cstddef>
#include <cstdint>

// The complete definition of one boat. Its memory layout is the .boat file
// format: every field sits at the offset it has in the file (checked below),
// gaps are explicit and carry no meaning. Lengths in feet, weights and forces
// in pounds, areas in ft², speeds in knots unless a name says otherwise.

constexpr std::size_t BOAT_RECORD_SIZE = 46936;
constexpr int HULL_OUTLINE_POINTS = 418;
constexpr int HULL_POINT_RECORDS = 419;  // the outline points and a copy of point 0
constexpr int BOAT_NAME_SIZE = 20;
constexpr int BOAT_NAME_MAX_CHARS = 16;
constexpr int SPEED_CURVE_MAX_POINTS = 11;
constexpr int SPEED_CURVE_MAX_SEGMENTS = 10;
constexpr int THROTTLE_NOTCHES = 17;  // notch -8 ... +8, index 8 is neutral
constexpr int MESH_MAX_VERTICES = 200;
constexpr int MESH_FACE_ENTRIES = 82;
constexpr int MESH_STATION_ENTRIES = 16;

enum BoatType : std::int32_t { MOTORBOAT = 0, SAILBOAT = 1, HOUSEBOAT = 2 };
enum EngineType : std::int32_t { INBOARD = 0, OUTBOARD_OR_IO = 1 };

// One point of the hull in the body frame (x to starboard, y to the bow, ft).
struct HullPoint {
    double x;
    double y;
    double r;         // distance from the centre of gravity
    double theta;     // atan2(y, x) in [0, 2·PI)
    double sinTheta;  // y / r
    double cosTheta;  // x / r
};

// The inward unit normal at a hull point and the lever arm of a force along it.
struct HullNormal {
    double nx;
    double ny;
    double alpha;  // direction of the inward normal, radians in [0, 2·PI)
    double leverArm;
};

struct SpeedCurve {
    std::int32_t segmentCount;
    std::uint8_t gap7564[4];
    double points[SPEED_CURVE_MAX_POINTS][2];  // (speed / maxSpeedFps, resistance / maxThrust)
    double slope[SPEED_CURVE_MAX_SEGMENTS];
    double intercept[SPEED_CURVE_MAX_SEGMENTS];
};

struct BoatRecord {
    // Force coefficients (the Advanced Settings values).
    double presentedAreaDrag;
    double cpTorque;
    double rotationalDrag;
    double skidResistance;
    double translationalDrag;
    double propWalkSpeedFactor;
    double propWalkLateralForce;
    double propWalkTorque;
    double propWalkForwardFactor;
    double propWalkReverseFactor;
    double rudderPropWashReverse;
    double rudderTurningTorque;
    double rudderLateralForce;
    double rudderLateralForceScaled;
    double thrusterLateralForce;
    double thrusterTorque;
    double transMaxAccel;  // ft/s²
    double rotMaxAccel;
    double lineBreakingPtFactor;
    double lineSlipFactor;
    std::int32_t advancedCoefficientsSet;

    // Identity and hull shape.
    char boatName[BOAT_NAME_SIZE];
    double hullShapeCoefficients[6];
    std::int32_t hullOutlineWidestIndex;
    std::uint8_t gap236[4];
    double hullOutlineX[HULL_OUTLINE_POINTS];  // fraction of length, 0 stern ... 1 bow
    double hullOutlineY[HULL_OUTLINE_POINTS];  // fraction of beam, -0.5 ... +0.5

    // Principal dimensions and mass.
    double lengthOverall;
    double waterlineLength;
    double beam;
    double draft;
    double freeboardHeight;
    double centerOfGravityFromTransom;
    double centerOfPressureFromTransom;
    double windCenterFromTransom;
    double derivedSpare1;
    double derivedSpare2;
    double derivedSpare3;
    double derivedSpare4;
    double derivedSpare5;
    double weight;              // lb
    double mass;                // slugs
    double yawMomentOfInertia;  // slug·ft²
    double lateralUnderwaterArea;
    double frontalUnderwaterArea;
    double lateralWindArea;
    double frontalWindArea;
    double windCenterPointX;
    double windCenterFromCenterOfGravity;

    // Propulsion.
    std::int32_t boatType;
    std::int32_t engineType;
    std::int32_t engineCount;
    std::uint8_t counterRotating;
    std::uint8_t gap7117[3];
    std::int32_t propRotation;           // +1 right hand, -1 left hand
    std::int32_t propRotationStarboard;  // +1 or -1
    double portPropOffset;
    double propDistFromCL;
    double propDistFromTransom;
    double propArmFromCenterOfGravity;
    double propWalkFactor;
    double reversePowerFactor;
    double propPitch;  // inches
    double propDrawPoints[2][4];
    double maxRpm;
    double idleRpm;
    double throttlePowerTable[THROTTLE_NOTCHES];
    double idlePowerFactor;

    // Rudder, bow thruster, lines and fenders.
    double rudderArea;
    double rudderDistFromTransom;
    double rudderArmFromCenterOfGravity;
    double propWashFactor;
    double rudderDrawPoint[4];
    std::uint8_t hasBowThruster;
    std::uint8_t gap7473[7];
    double bowThrusterDistFromTransom;
    double bowThrusterArmFromCenterOfGravity;
    double bowThrusterForce;  // lb
    double thrusterDrawPoint[4];
    double dockLineLength;
    double anchorLineLength;
    double lineSpringConstant;  // lb per ft
    SpeedCurve speedCurve;
    double hiddenFactor1;
    double centerOfPressureArm;
    double windCenterArm;
    double hiddenFactor2;
    double maxThrust;  // lb
    double maxSpeedKnots;
    double maxSpeedFps;
    double startX;
    double startY;
    double startHeading;  // mathematical degrees
    std::uint8_t startPoseCaptured;
    std::uint8_t gap7985[7];
    double hullBuildZeros[2];
    double boatTopHeight;
    HullPoint hullPoints[HULL_POINT_RECORDS];
    HullNormal hullNormals[HULL_OUTLINE_POINTS];
    double hullNormal0Copy[3];
    std::uint8_t gap41528[8];
    double sailRigPoints[5][3];
    double sailRigAngles[3];  // two angles in degrees and a size
    double meshCabinStart;
    std::int32_t meshCabinStartPoint;
    std::int32_t meshVertexCount;
    std::int32_t meshStations[MESH_STATION_ENTRIES];
    double meshVertices[MESH_MAX_VERTICES][3];
    std::int32_t meshFaces[MESH_FACE_ENTRIES];
    double fenderDiameterCopy;
    double fenderReach;
    double fenderDiameter;
    std::int32_t savedSlipSizeIndex;
    std::uint8_t savedSlipSizeAuto;
    std::uint8_t gap46917[3];
    double savedCustomSlip[2];  // width, length
};

static_assert(sizeof(BoatRecord) == BOAT_RECORD_SIZE);
static_assert(offsetof(BoatRecord, presentedAreaDrag) == 0);
static_assert(offsetof(BoatRecord, cpTorque) == 8);
static_assert(offsetof(BoatRecord, rotationalDrag) == 16);
static_assert(offsetof(BoatRecord, skidResistance) == 24);
static_assert(offsetof(BoatRecord, translationalDrag) == 32);
static_assert(offsetof(BoatRecord, propWalkSpeedFactor) == 40);
static_assert(offsetof(BoatRecord, propWalkLateralForce) == 48);
static_assert(offsetof(BoatRecord, propWalkTorque) == 56);
static_assert(offsetof(BoatRecord, propWalkForwardFactor) == 64);
static_assert(offsetof(BoatRecord, propWalkReverseFactor) == 72);
static_assert(offsetof(BoatRecord, rudderPropWashReverse) == 80);
static_assert(offsetof(BoatRecord, rudderTurningTorque) == 88);
static_assert(offsetof(BoatRecord, rudderLateralForce) == 96);
static_assert(offsetof(BoatRecord, rudderLateralForceScaled) == 104);
static_assert(offsetof(BoatRecord, thrusterLateralForce) == 112);
static_assert(offsetof(BoatRecord, thrusterTorque) == 120);
static_assert(offsetof(BoatRecord, transMaxAccel) == 128);
static_assert(offsetof(BoatRecord, rotMaxAccel) == 136);
static_assert(offsetof(BoatRecord, lineBreakingPtFactor) == 144);
static_assert(offsetof(BoatRecord, lineSlipFactor) == 152);
static_assert(offsetof(BoatRecord, advancedCoefficientsSet) == 160);
static_assert(offsetof(BoatRecord, boatName) == 164);
static_assert(offsetof(BoatRecord, hullShapeCoefficients) == 184);
static_assert(offsetof(BoatRecord, hullOutlineWidestIndex) == 232);
static_assert(offsetof(BoatRecord, hullOutlineX) == 240);
static_assert(offsetof(BoatRecord, hullOutlineY) == 3584);
static_assert(offsetof(BoatRecord, lengthOverall) == 6928);
static_assert(offsetof(BoatRecord, waterlineLength) == 6936);
static_assert(offsetof(BoatRecord, beam) == 6944);
static_assert(offsetof(BoatRecord, draft) == 6952);
static_assert(offsetof(BoatRecord, freeboardHeight) == 6960);
static_assert(offsetof(BoatRecord, centerOfGravityFromTransom) == 6968);
static_assert(offsetof(BoatRecord, derivedSpare5) == 7024);
static_assert(offsetof(BoatRecord, weight) == 7032);
static_assert(offsetof(BoatRecord, mass) == 7040);
static_assert(offsetof(BoatRecord, frontalWindArea) == 7080);
static_assert(offsetof(BoatRecord, windCenterPointX) == 7088);
static_assert(offsetof(BoatRecord, windCenterFromCenterOfGravity) == 7096);
static_assert(offsetof(BoatRecord, boatType) == 7104);
static_assert(offsetof(BoatRecord, engineType) == 7108);
static_assert(offsetof(BoatRecord, engineCount) == 7112);
static_assert(offsetof(BoatRecord, counterRotating) == 7116);
static_assert(offsetof(BoatRecord, propRotation) == 7120);
static_assert(offsetof(BoatRecord, propRotationStarboard) == 7124);
static_assert(offsetof(BoatRecord, portPropOffset) == 7128);
static_assert(offsetof(BoatRecord, propDistFromCL) == 7136);
static_assert(offsetof(BoatRecord, propDistFromTransom) == 7144);
static_assert(offsetof(BoatRecord, propArmFromCenterOfGravity) == 7152);
static_assert(offsetof(BoatRecord, propWalkFactor) == 7160);
static_assert(offsetof(BoatRecord, reversePowerFactor) == 7168);
static_assert(offsetof(BoatRecord, propPitch) == 7176);
static_assert(offsetof(BoatRecord, propDrawPoints) == 7184);
static_assert(offsetof(BoatRecord, maxRpm) == 7248);
static_assert(offsetof(BoatRecord, idleRpm) == 7256);
static_assert(offsetof(BoatRecord, throttlePowerTable) == 7264);
static_assert(offsetof(BoatRecord, idlePowerFactor) == 7400);
static_assert(offsetof(BoatRecord, rudderArea) == 7408);
static_assert(offsetof(BoatRecord, rudderDistFromTransom) == 7416);
static_assert(offsetof(BoatRecord, rudderArmFromCenterOfGravity) == 7424);
static_assert(offsetof(BoatRecord, propWashFactor) == 7432);
static_assert(offsetof(BoatRecord, rudderDrawPoint) == 7440);
static_assert(offsetof(BoatRecord, hasBowThruster) == 7472);
static_assert(offsetof(BoatRecord, bowThrusterDistFromTransom) == 7480);
static_assert(offsetof(BoatRecord, bowThrusterArmFromCenterOfGravity) == 7488);
static_assert(offsetof(BoatRecord, bowThrusterForce) == 7496);
static_assert(offsetof(BoatRecord, thrusterDrawPoint) == 7504);
static_assert(offsetof(BoatRecord, dockLineLength) == 7536);
static_assert(offsetof(BoatRecord, anchorLineLength) == 7544);
static_assert(offsetof(BoatRecord, lineSpringConstant) == 7552);
static_assert(offsetof(BoatRecord, speedCurve) + offsetof(SpeedCurve, segmentCount) == 7560);
static_assert(offsetof(BoatRecord, speedCurve) + offsetof(SpeedCurve, points) == 7568);
static_assert(offsetof(BoatRecord, speedCurve) + offsetof(SpeedCurve, slope) == 7744);
static_assert(offsetof(BoatRecord, speedCurve) + offsetof(SpeedCurve, intercept) == 7824);
static_assert(offsetof(BoatRecord, hiddenFactor1) == 7904);
static_assert(offsetof(BoatRecord, centerOfPressureArm) == 7912);
static_assert(offsetof(BoatRecord, windCenterArm) == 7920);
static_assert(offsetof(BoatRecord, hiddenFactor2) == 7928);
static_assert(offsetof(BoatRecord, maxThrust) == 7936);
static_assert(offsetof(BoatRecord, maxSpeedKnots) == 7944);
static_assert(offsetof(BoatRecord, maxSpeedFps) == 7952);
static_assert(offsetof(BoatRecord, startX) == 7960);
static_assert(offsetof(BoatRecord, startY) == 7968);
static_assert(offsetof(BoatRecord, startHeading) == 7976);
static_assert(offsetof(BoatRecord, startPoseCaptured) == 7984);
static_assert(offsetof(BoatRecord, hullBuildZeros) == 7992);
static_assert(offsetof(BoatRecord, boatTopHeight) == 8008);
static_assert(offsetof(BoatRecord, hullPoints) == 8016);
static_assert(offsetof(BoatRecord, hullNormals) == 28128);
static_assert(offsetof(BoatRecord, hullNormal0Copy) == 41504);
static_assert(offsetof(BoatRecord, sailRigPoints) == 41536);
static_assert(offsetof(BoatRecord, sailRigAngles) == 41656);
static_assert(offsetof(BoatRecord, meshCabinStart) == 41680);
static_assert(offsetof(BoatRecord, meshCabinStartPoint) == 41688);
static_assert(offsetof(BoatRecord, meshVertexCount) == 41692);
static_assert(offsetof(BoatRecord, meshStations) == 41696);
static_assert(offsetof(BoatRecord, meshVertices) == 41760);
static_assert(offsetof(BoatRecord, meshFaces) == 46560);
static_assert(offsetof(BoatRecord, fenderDiameterCopy) == 46888);
static_assert(offsetof(BoatRecord, fenderReach) == 46896);
static_assert(offsetof(BoatRecord, fenderDiameter) == 46904);
static_assert(offsetof(BoatRecord, savedSlipSizeIndex) == 46912);
static_assert(offsetof(BoatRecord, savedSlipSizeAuto) == 46916);
static_assert(offsetof(BoatRecord, savedCustomSlip) == 46920);
