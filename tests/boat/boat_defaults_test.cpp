#include "boat/boat_defaults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "default_boat.h"

TEST(BoatEstimates, FitsAndThresholds) {
    // Weight: the power law up to exactly 50 ft, the linear fit above.
    EXPECT_DOUBLE_EQ(EstimateWeight(50, SAILBOAT), 0.0017 * std::pow(50.0, 2.5433) * 1000);
    EXPECT_DOUBLE_EQ(EstimateWeight(50.0001, SAILBOAT), (2.813 * 50.0001 - 105.04) * 1000);
    EXPECT_DOUBLE_EQ(EstimateWeight(50, MOTORBOAT), 0.0009 * std::pow(50.0, 2.7752) * 1000);
    EXPECT_DOUBLE_EQ(EstimateWeight(50.0001, HOUSEBOAT), (3.11 * 50.0001 - 108.8) * 1000);
    EXPECT_NEAR(EstimateWeight(35, MOTORBOAT), 17352, 1);
    EXPECT_EQ(EstimateWeight(35, 7), 0);
    EXPECT_EQ(EstimateWeight(0, MOTORBOAT), 0);
    EXPECT_EQ(EstimateWeight(-10, SAILBOAT), 0);  // never a NaN

    EXPECT_NEAR(EstimateBeam(35, MOTORBOAT), 12.502, 0.001);
    EXPECT_DOUBLE_EQ(EstimateBeam(35, SAILBOAT), 0.2477 * 35 + 2.6781);
    EXPECT_DOUBLE_EQ(EstimateBeam(20, HOUSEBOAT), 10);
    EXPECT_DOUBLE_EQ(EstimateBeam(60, HOUSEBOAT), 16);
    EXPECT_DOUBLE_EQ(EstimateBeam(100, HOUSEBOAT), 22);
    EXPECT_EQ(EstimateBeam(42, -1), 42);
    EXPECT_EQ(EstimateBeam(0, MOTORBOAT), 0);

    const double fenders[][2] = {{15.99, 0.4},  {16, 0.5}, {25.99, 0.5}, {26, 0.75},
                                 {30.99, 0.75}, {31, 1.0}, {39.99, 1.0}, {40, 1.25}};
    for (const auto& f : fenders) EXPECT_EQ(EstimateFenderDiameter(f[0]), f[1]) << f[0];
}

TEST(PrepareSpeedCurve, GivesEachSegmentsLineAndSurvivesADamagedCurve) {
    SpeedCurve curve{};
    curve.segmentCount = 2;
    const double points[3][2] = {{0, 0.1}, {0.5, 0.3}, {1.0, 1.0}};
    std::memcpy(curve.points, points, sizeof points);
    PrepareSpeedCurve(curve);
    EXPECT_DOUBLE_EQ(curve.slope[0], 0.4);
    EXPECT_DOUBLE_EQ(curve.intercept[0], 0.1);
    EXPECT_DOUBLE_EQ(curve.slope[1], 1.4);
    EXPECT_DOUBLE_EQ(curve.intercept[1], -0.4);
    EXPECT_EQ(curve.slope[2], 0);  // beyond the count: untouched

    curve = SpeedCurve{};
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

// Every value the type tables give, for each type, so that a mistyped entry
// in any column shows up.
TEST(ApplyBoatDefaults, EveryTypeGetsItsWholeTable) {
    struct Expected {
        int type;
        const char* name;
        double length, beam, draft, freeboard, weight;
        int engineType, engineCount;
        double portProp, propFromCL, propFromTransom, propWalk, idlePower;
        double rudderArea, rudderFromTransom, propWash;
        int thruster;
        double thrusterFromTransom, thrusterForce, maxSpeed, fender;
        double rotationalDrag, translationalDrag, turningTorque, walkForward, walkReverse;
        double shape[6];
    };
    const Expected table[3] = {
        {MOTORBOAT, "New_Motorboat",
         35,        12.75,
         4,         3,
         18000,     INBOARD,
         1,         0,
         0,         3,
         0.5,       0.21,
         3,         2,
         0.5,       1,
         30,        75,
         15,        1.0,
         8,         0.067,
         1.0,       1.0,
         1.2,       {1.0049, 2.752, 3.237, -280.0, 0.256, 1.103}},
        {SAILBOAT, "New_Sailboat",
         35,       11.2,
         5,        3,
         11000,    INBOARD,
         1,        0,
         0,        3,
         0.5,      0.2,
         4,        2,
         0.5,      0,
         0,        0,
         7,        1.0,
         15,       0.113,
         1.0,      1.0,
         1.2,      {1.003735, 2.05, 2.5, 240.0, 0.2, 0.15}},
        {HOUSEBOAT, "New_Houseboat",
         45,        12,
         4,         1.5,
         20000,     OUTBOARD_OR_IO,
         2,         -2.8,
         2.8,       4,
         0.1,       0.2,
         1,         4,
         1.0,       0,
         0,         0,
         8,         1.25,
         30,        0.113,
         0.8,       0.1,
         0.15,      {}},
    };
    const double curve[6][2] = {{0, 0.05},    {0.2, 0.2},   {0.4, 0.43},
                                {0.6, 0.722}, {0.8, 0.803}, {1, 1}};
    for (const Expected& e : table) {
        const BoatRecord& b = DefaultRecord(e.type);
        SCOPED_TRACE(e.type);
        EXPECT_STREQ(b.boatName, e.name);
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
        EXPECT_EQ(b.fenderDiameterCopy, e.fender);
        EXPECT_EQ(b.savedSlipSizeIndex, 3);
        EXPECT_EQ(b.savedSlipSizeAuto, 1);
        EXPECT_EQ(b.savedCustomSlip[0], 0);
        EXPECT_EQ(b.savedCustomSlip[1], 0);
        EXPECT_EQ(b.dockLineLength, 1.5 * e.length);
        EXPECT_EQ(b.anchorLineLength, 250);
        EXPECT_EQ(b.lineSpringConstant, 1.24 * e.weight + 21000);
        EXPECT_EQ(b.speedCurve.segmentCount, 5);
        EXPECT_EQ(std::memcmp(b.speedCurve.points, curve, sizeof curve), 0);
        if (e.type != HOUSEBOAT) {
            for (int c = 0; c < 6; ++c) EXPECT_EQ(b.hullShapeCoefficients[c], e.shape[c]) << c;
        } else {
            EXPECT_EQ(b.hullShapeCoefficients[5], 10.0);
        }

        // The coefficient block, loaded and marked as set.
        EXPECT_EQ(b.advancedCoefficientsSet, 1);
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

TEST(ApplyBoatDefaults, StartPoseShapeOnlyAndIndependenceOfTheOldRecord) {
    static BoatRecord before;
    static BoatRecord after;
    std::memset(&after, 0, sizeof after);
    ApplyBoatDefaults(after, HOUSEBOAT, true, 28.0);  // the live boat is 28 ft long
    EXPECT_EQ(after.startX, 6.0 + 8.0);               // below the standard slip
    EXPECT_DOUBLE_EQ(after.startY, -1.1 * 28.0);
    EXPECT_EQ(after.startHeading, 90);
    EXPECT_EQ(after.startPoseCaptured, 0);

    // Shape only: the type and the coefficients change, every other byte stays.
    before = DefaultRecord(MOTORBOAT);
    before.startPoseCaptured = 1;
    before.startY = 123;
    after = before;
    ApplyBoatDefaults(after, SAILBOAT, false, 99.0);
    EXPECT_EQ(after.boatType, SAILBOAT);
    EXPECT_EQ(after.hullShapeCoefficients[0], 1.003735);
    after.boatType = before.boatType;
    std::memcpy(after.hullShapeCoefficients, before.hullShapeCoefficients,
                sizeof after.hullShapeCoefficients);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);

    // Full defaults do not depend on what the record held.
    std::memset(&before, 0, sizeof before);
    std::memset(&after, 0, sizeof after);
    std::strcpy(after.boatName, "A_very_long_name");
    after.rotationalDrag = 99;
    after.speedCurve.segmentCount = 9;
    after.speedCurve.points[8][1] = 7;
    ApplyBoatDefaults(before, SAILBOAT, true, 35);
    ApplyBoatDefaults(after, SAILBOAT, true, 35);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    EXPECT_DOUBLE_EQ(after.speedCurve.slope[2], (0.722 - 0.43) / (0.6 - 0.4));
}
