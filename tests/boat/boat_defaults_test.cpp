#include "boat/boat_defaults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "boat/hull_model.h"

namespace {

BoatRecord& DefaultBoat(int type) {
    static BoatRecord boat;
    std::memset(&boat, 0, sizeof boat);
    ApplyBoatDefaults(boat, type, true, 35.0);
    return boat;
}

}  // namespace

TEST(EstimateWeight, SwitchesToTheLinearFitAboveFiftyFeet) {
    // Exactly 50 ft still takes the power law.
    EXPECT_DOUBLE_EQ(EstimateWeight(50, SAILBOAT), 0.0017 * std::pow(50.0, 2.5433) * 1000);
    EXPECT_DOUBLE_EQ(EstimateWeight(50.0001, SAILBOAT), (2.813 * 50.0001 - 105.04) * 1000);
    EXPECT_DOUBLE_EQ(EstimateWeight(50, MOTORBOAT), 0.0009 * std::pow(50.0, 2.7752) * 1000);
    EXPECT_DOUBLE_EQ(EstimateWeight(50.0001, HOUSEBOAT), (3.11 * 50.0001 - 108.8) * 1000);
    EXPECT_NEAR(EstimateWeight(35, MOTORBOAT), 17352, 1);  // near the 18,000 lb default
    EXPECT_EQ(EstimateWeight(35, 7), 0);
    EXPECT_EQ(EstimateWeight(0, MOTORBOAT), 0);
    EXPECT_EQ(EstimateWeight(-10, SAILBOAT), 0);  // never a NaN
}

TEST(EstimateBeam, FollowsEachTypesFit) {
    EXPECT_NEAR(EstimateBeam(35, MOTORBOAT), 12.502, 0.001);
    EXPECT_DOUBLE_EQ(EstimateBeam(35, SAILBOAT), 0.2477 * 35 + 2.6781);
    EXPECT_DOUBLE_EQ(EstimateBeam(20, HOUSEBOAT), 10);
    EXPECT_DOUBLE_EQ(EstimateBeam(100, HOUSEBOAT), 22);
    EXPECT_DOUBLE_EQ(EstimateBeam(60, HOUSEBOAT), 16);
    EXPECT_EQ(EstimateBeam(42, -1), 42);
    EXPECT_EQ(EstimateBeam(0, MOTORBOAT), 0);
}

TEST(EstimateFenderDiameter, StepsAtItsThresholds) {
    EXPECT_EQ(EstimateFenderDiameter(15.99), 0.4);
    EXPECT_EQ(EstimateFenderDiameter(16), 0.5);
    EXPECT_EQ(EstimateFenderDiameter(25.99), 0.5);
    EXPECT_EQ(EstimateFenderDiameter(26), 0.75);
    EXPECT_EQ(EstimateFenderDiameter(30.99), 0.75);
    EXPECT_EQ(EstimateFenderDiameter(31), 1.0);
    EXPECT_EQ(EstimateFenderDiameter(39.99), 1.0);
    EXPECT_EQ(EstimateFenderDiameter(40), 1.25);
    EXPECT_EQ(EstimateFenderDiameter(100), 1.25);
}

TEST(PrepareSpeedCurve, GivesEachSegmentsLine) {
    SpeedCurve curve{};
    curve.segmentCount = 2;
    curve.points[0][0] = 0;
    curve.points[0][1] = 0.1;
    curve.points[1][0] = 0.5;
    curve.points[1][1] = 0.3;
    curve.points[2][0] = 1.0;
    curve.points[2][1] = 1.0;
    PrepareSpeedCurve(curve);
    EXPECT_DOUBLE_EQ(curve.slope[0], 0.4);
    EXPECT_DOUBLE_EQ(curve.intercept[0], 0.1);
    EXPECT_DOUBLE_EQ(curve.slope[1], 1.4);
    EXPECT_DOUBLE_EQ(curve.intercept[1], -0.4);
    EXPECT_EQ(curve.slope[2], 0);  // beyond the count: untouched
}

TEST(PrepareSpeedCurve, SurvivesADamagedCurve) {
    SpeedCurve curve{};
    curve.segmentCount = 1000;  // would run past the tables
    for (int i = 0; i < SPEED_CURVE_MAX_POINTS; ++i) curve.points[i][0] = 0.5;  // zero widths
    curve.points[SPEED_CURVE_MAX_POINTS - 1][1] = 1;
    PrepareSpeedCurve(curve);
    for (int i = 0; i < SPEED_CURVE_MAX_SEGMENTS; ++i) {
        EXPECT_EQ(curve.slope[i], 0) << i;
        EXPECT_TRUE(std::isfinite(curve.intercept[i])) << i;
    }
    curve.segmentCount = -3;
    PrepareSpeedCurve(curve);  // nothing to do, nothing written
}

TEST(ApplyBoatDefaults, WritesTheMotorboatTable) {
    const BoatRecord& b = DefaultBoat(MOTORBOAT);
    EXPECT_STREQ(b.boatName, "New_Motorboat");
    EXPECT_EQ(b.boatType, MOTORBOAT);
    EXPECT_EQ(b.lengthOverall, 35);
    EXPECT_EQ(b.beam, 12.75);
    EXPECT_EQ(b.draft, 4);
    EXPECT_EQ(b.freeboardHeight, 3);
    EXPECT_EQ(b.weight, 18000);
    EXPECT_EQ(b.engineType, INBOARD);
    EXPECT_EQ(b.engineCount, 1);
    EXPECT_EQ(b.counterRotating, 1);
    EXPECT_EQ(b.propRotation, -1);
    EXPECT_EQ(b.propRotationStarboard, 1);
    EXPECT_EQ(b.propDistFromTransom, 3);
    EXPECT_EQ(b.propPitch, 14.0);
    EXPECT_EQ(b.idlePowerFactor, 0.21);
    EXPECT_EQ(b.rudderArea, 3);
    EXPECT_EQ(b.hasBowThruster, 1);
    EXPECT_EQ(b.bowThrusterDistFromTransom, 30);
    EXPECT_EQ(b.bowThrusterForce, 75);
    EXPECT_EQ(b.maxSpeedKnots, 15);
    EXPECT_EQ(b.hiddenFactor1, 0.5);
    EXPECT_EQ(b.hiddenFactor2, 0.5);
    EXPECT_EQ(b.fenderReach, 1.0);
    EXPECT_EQ(b.fenderDiameter, 1.0);  // 35 ft
    EXPECT_EQ(b.fenderDiameterCopy, 1.0);
    EXPECT_EQ(b.savedSlipSizeIndex, 3);
    EXPECT_EQ(b.savedSlipSizeAuto, 1);
    // Line defaults come from the derive step.
    EXPECT_EQ(b.dockLineLength, 52.5);
    EXPECT_EQ(b.anchorLineLength, 250);
    EXPECT_EQ(b.lineSpringConstant, 1.24 * 18000 + 21000);
    // The coefficient block is loaded and marked as set.
    EXPECT_EQ(b.advancedCoefficientsSet, 1);
    EXPECT_EQ(b.rotationalDrag, 8);
    EXPECT_EQ(b.translationalDrag, 0.067);
    EXPECT_EQ(b.propWalkForwardFactor, 1.0);
    EXPECT_EQ(b.propWalkReverseFactor, 1.2);
    EXPECT_EQ(b.rudderLateralForceScaled, 5.0);
    EXPECT_EQ(b.transMaxAccel, 32.2);
    const double shape[6] = {1.0049, 2.752, 3.237, -280.0, 0.256, 1.103};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(b.hullShapeCoefficients[c], shape[c]);
}

TEST(ApplyBoatDefaults, WritesTheSailboatAndHouseboatTables) {
    const BoatRecord& s = DefaultBoat(SAILBOAT);
    EXPECT_STREQ(s.boatName, "New_Sailboat");
    EXPECT_EQ(s.beam, 11.2);
    EXPECT_EQ(s.draft, 5);
    EXPECT_EQ(s.weight, 11000);
    EXPECT_EQ(s.hasBowThruster, 0);
    EXPECT_EQ(s.maxSpeedKnots, 7);
    EXPECT_EQ(s.rotationalDrag, 15);
    EXPECT_EQ(s.translationalDrag, 0.113);
    EXPECT_EQ(s.hullShapeCoefficients[3], 240.0);

    const BoatRecord& h = DefaultBoat(HOUSEBOAT);
    EXPECT_STREQ(h.boatName, "New_Houseboat");
    EXPECT_EQ(h.lengthOverall, 45);
    EXPECT_EQ(h.freeboardHeight, 1.5);
    EXPECT_EQ(h.engineType, OUTBOARD_OR_IO);
    EXPECT_EQ(h.engineCount, 2);
    EXPECT_EQ(h.portPropOffset, -2.8);
    EXPECT_EQ(h.propDistFromCL, 2.8);
    EXPECT_EQ(h.propWalkFactor, 0.1);
    EXPECT_EQ(h.propWashFactor, 1.0);
    EXPECT_EQ(h.rotationalDrag, 30);
    EXPECT_EQ(h.rudderTurningTorque, 0.8);
    // A drive walks less than a shaft.
    EXPECT_EQ(h.propWalkForwardFactor, 0.1);
    EXPECT_EQ(h.propWalkReverseFactor, 0.15);
    EXPECT_EQ(h.fenderDiameter, 1.25);  // 45 ft
    EXPECT_EQ(h.dockLineLength, 67.5);
    EXPECT_EQ(h.hullShapeCoefficients[5], 10.0);
}

// Every value the type tables give, for each type, so that a mistyped entry
// in any column shows up.
TEST(ApplyBoatDefaults, EveryTypeGetsItsWholeTable) {
    struct Expected {
        int type;
        double length, beam, draft, freeboard, weight;
        int engineType, engineCount;
        double portProp, propFromCL, propFromTransom, propWalk, idlePower;
        double rudderArea, rudderFromTransom, propWash;
        int thruster;
        double thrusterFromTransom, thrusterForce, maxSpeed, fender;
        double rotationalDrag, translationalDrag, turningTorque, walkForward, walkReverse;
    };
    const Expected table[3] = {
        {MOTORBOAT, 35, 12.75, 4, 3,  18000, INBOARD, 1,   0, 0,     3,   0.5, 0.21,
         3,         2,  0.5,   1, 30, 75,    15,      1.0, 8, 0.067, 1.0, 1.0, 1.2},
        {SAILBOAT, 35, 11.2, 5, 3, 11000, INBOARD, 1,   0,  0,     3,   0.5, 0.2,
         4,        2,  0.5,  0, 0, 0,     7,       1.0, 15, 0.113, 1.0, 1.0, 1.2},
        {HOUSEBOAT, 45,  12, 4, 1.5, 20000, OUTBOARD_OR_IO, 2,  -2.8,  2.8, 4,   0.1, 0.2, 1,
         4,         1.0, 0,  0, 0,   8,     1.25,           30, 0.113, 0.8, 0.1, 0.15},
    };
    for (const Expected& e : table) {
        const BoatRecord& b = DefaultBoat(e.type);
        SCOPED_TRACE(e.type);
        EXPECT_EQ(b.boatType, e.type);
        EXPECT_EQ(b.lengthOverall, e.length);
        EXPECT_EQ(b.beam, e.beam);
        EXPECT_EQ(b.draft, e.draft);
        EXPECT_EQ(b.freeboardHeight, e.freeboard);
        EXPECT_EQ(b.weight, e.weight);
        EXPECT_EQ(b.engineType, e.engineType);
        EXPECT_EQ(b.engineCount, e.engineCount);
        EXPECT_EQ(b.counterRotating, 1);
        EXPECT_EQ(b.propRotation, -1);
        EXPECT_EQ(b.propRotationStarboard, 1);
        EXPECT_EQ(b.portPropOffset, e.portProp);
        EXPECT_EQ(b.propDistFromCL, e.propFromCL);
        EXPECT_EQ(b.propDistFromTransom, e.propFromTransom);
        EXPECT_EQ(b.propWalkFactor, e.propWalk);
        EXPECT_EQ(b.reversePowerFactor, 0.5);
        EXPECT_EQ(b.propPitch, 14.0);
        EXPECT_EQ(b.maxRpm, 2500);
        EXPECT_EQ(b.idleRpm, 600);
        EXPECT_EQ(b.idlePowerFactor, e.idlePower);
        EXPECT_EQ(b.rudderArea, e.rudderArea);
        EXPECT_EQ(b.rudderDistFromTransom, e.rudderFromTransom);
        EXPECT_EQ(b.propWashFactor, e.propWash);
        EXPECT_EQ(b.hasBowThruster, e.thruster);
        EXPECT_EQ(b.bowThrusterDistFromTransom, e.thrusterFromTransom);
        EXPECT_EQ(b.bowThrusterForce, e.thrusterForce);
        EXPECT_EQ(b.maxSpeedKnots, e.maxSpeed);
        EXPECT_EQ(b.hiddenFactor1, 0.5);
        EXPECT_EQ(b.hiddenFactor2, 0.5);
        EXPECT_EQ(b.fenderReach, 1.0);
        EXPECT_EQ(b.fenderDiameter, e.fender);
        EXPECT_EQ(b.savedSlipSizeIndex, 3);
        EXPECT_EQ(b.savedSlipSizeAuto, 1);
        EXPECT_EQ(b.savedCustomSlip[0], 0);
        EXPECT_EQ(b.savedCustomSlip[1], 0);
        EXPECT_EQ(b.dockLineLength, 1.5 * e.length);
        EXPECT_EQ(b.anchorLineLength, 250);
        EXPECT_EQ(b.lineSpringConstant, 1.24 * e.weight + 21000);

        const double curve[6][2] = {{0, 0.05},    {0.2, 0.2},   {0.4, 0.43},
                                    {0.6, 0.722}, {0.8, 0.803}, {1.0, 1.0}};
        EXPECT_EQ(b.speedCurve.segmentCount, 5);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(b.speedCurve.points[i][0], curve[i][0]) << i;
            EXPECT_EQ(b.speedCurve.points[i][1], curve[i][1]) << i;
        }

        // The coefficient block.
        EXPECT_EQ(b.presentedAreaDrag, 0.04);
        EXPECT_EQ(b.cpTorque, 0.1);
        EXPECT_EQ(b.rotationalDrag, e.rotationalDrag);
        EXPECT_EQ(b.skidResistance, 7);
        EXPECT_EQ(b.translationalDrag, e.translationalDrag);
        EXPECT_EQ(b.propWalkSpeedFactor, 0.5);
        EXPECT_EQ(b.propWalkLateralForce, 0.05);
        EXPECT_EQ(b.propWalkTorque, 1.0);
        EXPECT_EQ(b.propWalkForwardFactor, e.walkForward);
        EXPECT_EQ(b.propWalkReverseFactor, e.walkReverse);
        EXPECT_EQ(b.rudderPropWashReverse, 0.2);
        EXPECT_EQ(b.rudderTurningTorque, e.turningTorque);
        EXPECT_EQ(b.rudderLateralForce, 0.5);
        EXPECT_EQ(b.rudderLateralForceScaled, 5.0);
        EXPECT_EQ(b.thrusterLateralForce, 0.5);
        EXPECT_EQ(b.thrusterTorque, 2.0);
        EXPECT_EQ(b.transMaxAccel, 32.2);
        EXPECT_EQ(b.rotMaxAccel, 10);
        EXPECT_EQ(b.lineBreakingPtFactor, 10);
        EXPECT_EQ(b.lineSlipFactor, 5);
    }
}

TEST(ApplyBoatDefaults, PlacesTheStartPoseBelowTheStandardSlip) {
    static BoatRecord boat;
    std::memset(&boat, 0, sizeof boat);
    ApplyBoatDefaults(boat, HOUSEBOAT, true, 28.0);  // the live boat is 28 ft long
    EXPECT_EQ(boat.startX, 6.0 + 8.0);
    EXPECT_DOUBLE_EQ(boat.startY, -1.1 * 28.0);
    EXPECT_EQ(boat.startHeading, 90);
    EXPECT_EQ(boat.startPoseCaptured, 0);
}

TEST(ApplyBoatDefaults, ShapeOnlyChangesTypeAndCoefficients) {
    static BoatRecord before;
    static BoatRecord after;
    before = DefaultBoat(MOTORBOAT);
    before.startPoseCaptured = 1;
    before.startY = 123;
    after = before;
    ApplyBoatDefaults(after, SAILBOAT, false, 99.0);

    EXPECT_EQ(after.boatType, SAILBOAT);
    const double shape[6] = {1.003735, 2.05, 2.5, 240.0, 0.2, 0.15};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(after.hullShapeCoefficients[c], shape[c]);

    // Every other byte is as it was.
    after.boatType = before.boatType;
    std::memcpy(after.hullShapeCoefficients, before.hullShapeCoefficients,
                sizeof after.hullShapeCoefficients);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

TEST(ApplyBoatDefaults, FullDefaultsDoNotDependOnWhatTheRecordHeld) {
    static BoatRecord clean;
    static BoatRecord dirty;
    std::memset(&clean, 0, sizeof clean);
    std::memset(&dirty, 0, sizeof dirty);
    std::strcpy(dirty.boatName, "A_very_long_name");
    dirty.advancedCoefficientsSet = 1;
    dirty.rotationalDrag = 99;
    dirty.speedCurve.segmentCount = 9;
    dirty.speedCurve.points[8][1] = 7;
    ApplyBoatDefaults(clean, SAILBOAT, true, 35);
    ApplyBoatDefaults(dirty, SAILBOAT, true, 35);
    EXPECT_EQ(std::memcmp(&clean, &dirty, sizeof clean), 0);
    EXPECT_EQ(dirty.speedCurve.segmentCount, 5);
    EXPECT_DOUBLE_EQ(dirty.speedCurve.slope[2], (0.722 - 0.43) / (0.6 - 0.4));
}
