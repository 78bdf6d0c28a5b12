#include "boat/boat_defaults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "default_boat.h"

TEST(BoatEstimates, FitsAndThresholds) {
    EXPECT_DOUBLE_EQ(EstimateWeight(50, SAILBOAT), 0.0017 * std::pow(50.0, 2.5433) * 1000);
    EXPECT_DOUBLE_EQ(EstimateWeight(50.0001, SAILBOAT), (2.813 * 50.0001 - 105.04) * 1000);
    EXPECT_DOUBLE_EQ(EstimateWeight(50, MOTORBOAT), 0.0009 * std::pow(50.0, 2.7752) * 1000);
    EXPECT_DOUBLE_EQ(EstimateWeight(50.0001, HOUSEBOAT), (3.11 * 50.0001 - 108.8) * 1000);
    EXPECT_NEAR(EstimateWeight(35, MOTORBOAT), 17352, 1);
    EXPECT_EQ(EstimateWeight(35, 7) + EstimateWeight(0, MOTORBOAT) + EstimateWeight(-10, 1), 0);
    EXPECT_NEAR(EstimateBeam(35, MOTORBOAT), 12.502, 0.001);
    EXPECT_DOUBLE_EQ(EstimateBeam(35, SAILBOAT), 0.2477 * 35 + 2.6781);
    const double houseBeams[][2] = {{20, 10}, {60, 16}, {100, 22}};
    for (const auto& h : houseBeams) EXPECT_DOUBLE_EQ(EstimateBeam(h[0], HOUSEBOAT), h[1]);
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
    EXPECT_EQ(curve.slope[2], 0);

    curve = SpeedCurve{};
    curve.segmentCount = 1000;  // past the tables, with zero-width segments
    for (int i = 0; i < SPEED_CURVE_MAX_POINTS; ++i) curve.points[i][0] = 0.5;
    curve.points[SPEED_CURVE_MAX_POINTS - 1][1] = 1;
    PrepareSpeedCurve(curve);
    for (int i = 0; i < SPEED_CURVE_MAX_SEGMENTS; ++i) {
        EXPECT_EQ(curve.slope[i], 0) << i;
        EXPECT_TRUE(std::isfinite(curve.intercept[i])) << i;
    }
}

TEST(ApplyBoatDefaults, EveryTypeGetsItsWholeTable) {
    using R = BoatRecord;
    // clang-format off
    // Columns that differ by type: one row per type (Motorboat, Sailboat, Houseboat).
    double R::*const real[] = {
        &R::lengthOverall, &R::beam, &R::draft, &R::freeboardHeight, &R::weight,
        &R::portPropOffset, &R::propDistFromCL, &R::propDistFromTransom, &R::propWalkFactor,
        &R::idlePowerFactor, &R::rudderArea, &R::rudderDistFromTransom, &R::propWashFactor,
        &R::bowThrusterDistFromTransom, &R::bowThrusterForce, &R::maxSpeedKnots,
        &R::fenderDiameter, &R::fenderDiameterCopy, &R::rotationalDrag, &R::translationalDrag,
        &R::rudderTurningTorque, &R::propWalkForwardFactor, &R::propWalkReverseFactor,
        &R::dockLineLength};
    const double byType[3][24] = {
        {35, 12.75, 4, 3, 18000, 0, 0, 3, 0.5, 0.21, 3, 2, 0.5, 30, 75, 15, 1, 1, 8, 0.067, 1, 1, 1.2, 52.5},
        {35, 11.2, 5, 3, 11000, 0, 0, 3, 0.5, 0.2, 4, 2, 0.5, 0, 0, 7, 1, 1, 15, 0.113, 1, 1, 1.2, 52.5},
        {45, 12, 4, 1.5, 20000, -2.8, 2.8, 4, 0.1, 0.2, 1, 4, 1, 0, 0, 8, 1.25, 1.25, 30, 0.113, 0.8, 0.1, 0.15, 67.5}};
    // Columns shared by every type.
    double R::*const sharedField[] = {
        &R::reversePowerFactor, &R::propPitch, &R::maxRpm, &R::idleRpm, &R::hiddenFactor1,
        &R::hiddenFactor2, &R::fenderReach, &R::anchorLineLength, &R::presentedAreaDrag,
        &R::cpTorque, &R::skidResistance, &R::propWalkSpeedFactor, &R::propWalkLateralForce,
        &R::propWalkTorque, &R::rudderPropWashReverse, &R::rudderLateralForce,
        &R::rudderLateralForceScaled, &R::thrusterLateralForce, &R::thrusterTorque,
        &R::transMaxAccel, &R::rotMaxAccel, &R::lineBreakingPtFactor, &R::lineSlipFactor};
    const double sharedValue[] = {0.5, 14, 2500, 600, 0.5, 0.5, 1, 250, 0.04, 0.1, 7, 0.5, 0.05,
                                  1, 0.2, 0.5, 5, 0.5, 2, 32.2, 10, 10, 5};
    // clang-format on
    const char* names[3] = {"New_Motorboat", "New_Sailboat", "New_Houseboat"};
    const int engine[3][3] = {{INBOARD, 1, 1}, {INBOARD, 1, 0}, {OUTBOARD_OR_IO, 2, 0}};
    const double shape[2][6] = {{1.0049, 2.752, 3.237, -280.0, 0.256, 1.103},
                                {1.003735, 2.05, 2.5, 240.0, 0.2, 0.15}};
    const double curve[6][2] = {{0, 0.05},    {0.2, 0.2},   {0.4, 0.43},
                                {0.6, 0.722}, {0.8, 0.803}, {1, 1}};
    for (int t : BOAT_TYPES) {
        const BoatRecord& b = DefaultRecord(t);
        SCOPED_TRACE(t);
        EXPECT_STREQ(b.boatName, names[t]);
        for (int c = 0; c < 24; ++c) EXPECT_EQ(b.*real[c], byType[t][c]) << "column " << c;
        for (int c = 0; c < 23; ++c) EXPECT_EQ(b.*sharedField[c], sharedValue[c]) << "shared " << c;
        const int ints[] = {b.engineType, b.engineCount, b.hasBowThruster};
        EXPECT_EQ(std::memcmp(ints, engine[t], sizeof ints), 0);
        EXPECT_TRUE(b.boatType == t && b.counterRotating == 1 && b.propRotation == -1 &&
                    b.propRotationStarboard == 1);
        EXPECT_TRUE(b.savedSlipSizeIndex == 3 && b.savedSlipSizeAuto == 1 &&
                    b.savedCustomSlip[0] == 0 && b.savedCustomSlip[1] == 0);
        EXPECT_EQ(b.lineSpringConstant, 1.24 * b.weight + 21000);
        EXPECT_EQ(b.advancedCoefficientsSet, 1);
        EXPECT_EQ(b.speedCurve.segmentCount, 5);
        EXPECT_EQ(std::memcmp(b.speedCurve.points, curve, sizeof curve), 0);
        if (t != HOUSEBOAT) {
            EXPECT_EQ(std::memcmp(b.hullShapeCoefficients, shape[t], sizeof shape[t]), 0);
        } else {
            EXPECT_EQ(b.hullShapeCoefficients[5], 10.0);
        }
    }
}

TEST(ApplyBoatDefaults, StartPoseShapeOnlyAndIndependenceOfTheOldRecord) {
    static BoatRecord before;
    static BoatRecord after;
    std::memset(&after, 0, sizeof after);
    ApplyBoatDefaults(after, HOUSEBOAT, true, 28.0);  // the live boat is 28 ft long
    EXPECT_EQ(after.startX, 6.0 + 8.0);
    EXPECT_DOUBLE_EQ(after.startY, -1.1 * 28.0);
    EXPECT_EQ(after.startHeading, 90);
    EXPECT_EQ(after.startPoseCaptured, 0);

    // Shape only: the type and the coefficients change, every other byte stays.
    before = DefaultRecord(MOTORBOAT);
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
    ApplyBoatDefaults(before, SAILBOAT, true, 35);
    ApplyBoatDefaults(after, SAILBOAT, true, 35);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}
