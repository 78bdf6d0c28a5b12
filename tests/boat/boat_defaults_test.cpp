#include "boat/boat_defaults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "default_boat.h"

// The fits at a few lengths, each side of their thresholds.
TEST(BoatEstimates, FitsAndThresholds) {
    const struct {
        double (*estimate)(double, int);
        double length;
        int type;
        double expected;
    } fits[] = {{EstimateWeight, 50, SAILBOAT, 0.0017 * std::pow(50.0, 2.5433) * 1000},
                {EstimateWeight, 50.0001, SAILBOAT, (2.813 * 50.0001 - 105.04) * 1000},
                {EstimateWeight, 50, MOTORBOAT, 0.0009 * std::pow(50.0, 2.7752) * 1000},
                {EstimateWeight, 50.0001, HOUSEBOAT, (3.11 * 50.0001 - 108.8) * 1000},
                {EstimateWeight, 35, 7, 0},
                {EstimateWeight, 0, MOTORBOAT, 0},
                {EstimateBeam, 35, SAILBOAT, 0.2477 * 35 + 2.6781},
                {EstimateBeam, 20, HOUSEBOAT, 10},
                {EstimateBeam, 60, HOUSEBOAT, 16},
                {EstimateBeam, 42, -1, 42},
                {EstimateBeam, 0, MOTORBOAT, 0}};
    for (const auto& f : fits)
        EXPECT_DOUBLE_EQ(f.estimate(f.length, f.type), f.expected) << f.length;
    EXPECT_NEAR(EstimateWeight(35, MOTORBOAT), 17352, 1);
    EXPECT_NEAR(EstimateBeam(35, MOTORBOAT), 12.502, 0.001);
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
    EXPECT_EQ(curve.slope[2], 0);
    EXPECT_DOUBLE_EQ(curve.intercept[0], 0.1);
    EXPECT_DOUBLE_EQ(curve.slope[1], 1.4);
    EXPECT_DOUBLE_EQ(curve.intercept[1], -0.4);
    curve = SpeedCurve{};
    curve.segmentCount = 1000;  // past the tables, with zero-width segments
    for (int i = 0; i < SPEED_CURVE_MAX_POINTS; ++i) curve.points[i][0] = 0.5;
    PrepareSpeedCurve(curve);
    for (int i = 0; i < SPEED_CURVE_MAX_SEGMENTS; ++i)
        EXPECT_TRUE(curve.slope[i] == 0 && std::isfinite(curve.intercept[i])) << i;
}

// A sample of each type's table: the values that tell the types apart, and the
// speed curve and constants they share.
TEST(ApplyBoatDefaults, EveryTypeGetsItsTable) {
    using R = BoatRecord;
    double R::*const field[] = {&R::lengthOverall,  &R::beam,           &R::weight,
                                &R::portPropOffset, &R::propWalkFactor, &R::bowThrusterForce,
                                &R::maxSpeedKnots,  &R::rotationalDrag, &R::propWalkReverseFactor,
                                &R::dockLineLength, &R::maxRpm,         &R::lineSlipFactor};
    const double byType[3][12] = {{35, 12.75, 18000, 0, 0.5, 75, 15, 8, 1.2, 52.5, 2500, 5},
                                  {35, 11.2, 11000, 0, 0.5, 0, 7, 15, 1.2, 52.5, 2500, 5},
                                  {45, 12, 20000, -2.8, 0.1, 0, 8, 30, 0.15, 67.5, 2500, 5}};
    const char* names[3] = {"New_Motorboat", "New_Sailboat", "New_Houseboat"};
    const int engine[3][3] = {{INBOARD, 1, 1}, {INBOARD, 1, 0}, {OUTBOARD_OR_IO, 2, 0}};
    const double curve[6][2] = {{0, 0.05},    {0.2, 0.2},   {0.4, 0.43},
                                {0.6, 0.722}, {0.8, 0.803}, {1, 1}};
    for (int t : BOAT_TYPES) {
        const BoatRecord& b = DefaultRecord(t);
        SCOPED_TRACE(t);
        EXPECT_STREQ(b.boatName, names[t]);
        for (int c = 0; c < 12; ++c) EXPECT_EQ(b.*field[c], byType[t][c]) << "column " << c;
        const int ints[] = {b.engineType, b.engineCount, b.hasBowThruster};
        EXPECT_EQ(std::memcmp(ints, engine[t], sizeof ints), 0);
        EXPECT_TRUE(b.boatType == t && b.propRotation == -1 && b.propRotationStarboard == 1);
        EXPECT_TRUE(b.savedSlipSizeIndex == 3 && b.savedSlipSizeAuto == 1);
        EXPECT_EQ(b.lineSpringConstant, 1.24 * b.weight + 21000);
        EXPECT_EQ(b.speedCurve.segmentCount, 5);
        EXPECT_EQ(std::memcmp(b.speedCurve.points, curve, sizeof curve), 0);
    }
    EXPECT_EQ(DefaultRecord(MOTORBOAT).hullShapeCoefficients[3], -280.0);
    EXPECT_EQ(DefaultRecord(SAILBOAT).hullShapeCoefficients[0], 1.003735);
}

TEST(ApplyBoatDefaults, StartPoseAndShapeOnly) {
    static BoatRecord before, after;
    std::memset(&after, 0, sizeof after);
    ApplyBoatDefaults(after, HOUSEBOAT, true, 28.0);  // the live boat is 28 ft long
    EXPECT_TRUE(after.startX == 6.0 + 8.0 && after.startHeading == 90 && !after.startPoseCaptured);
    EXPECT_DOUBLE_EQ(after.startY, -1.1 * 28.0);
    // Shape only: the type and the coefficients change, every other byte stays.
    before = DefaultRecord(MOTORBOAT);
    after = before;
    ApplyBoatDefaults(after, SAILBOAT, false, 99.0);
    EXPECT_EQ(after.boatType, SAILBOAT);
    after.boatType = before.boatType;
    std::memcpy(after.hullShapeCoefficients, before.hullShapeCoefficients,
                sizeof after.hullShapeCoefficients);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

TEST(DeriveBoatQuantities, DefaultsGiveTheKnownMassProperties) {
    BoatRecord& b = DefaultRecord(MOTORBOAT);
    EXPECT_NEAR(b.mass, 559.006, 0.0005);
    EXPECT_DOUBLE_EQ(b.centerOfGravityFromTransom, 23.45);
    EXPECT_NEAR(b.yawMomentOfInertia, 31673, 1);
    EXPECT_NEAR(b.lateralUnderwaterArea, 127.27, 0.005);
    EXPECT_DOUBLE_EQ(b.maxSpeedFps, 27.0924);
    EXPECT_DOUBLE_EQ(b.maxThrust, 18000 * 0.057);
    // Lever arms about the centre of gravity, positive towards the bow.
    EXPECT_DOUBLE_EQ(b.propArmFromCenterOfGravity, 3 - 23.45);
    EXPECT_DOUBLE_EQ(b.bowThrusterArmFromCenterOfGravity, 30 - 23.45);
    EXPECT_DOUBLE_EQ(b.windCenterArm, 14.7 - 23.45);
    EXPECT_DOUBLE_EQ(DefaultRecord(SAILBOAT).centerOfGravityFromTransom, 0.6 * 35);
    EXPECT_DOUBLE_EQ(DefaultRecord(HOUSEBOAT).centerOfGravityFromTransom, 0.55 * 45);
}

TEST(DeriveBoatQuantities, ThrottleTableForIdlePowerOneFifth) {
    static BoatRecord b;
    b = BoatRecord{};
    b.idlePowerFactor = 0.2;
    DeriveBoatQuantities(b, false);
    const double ahead[8] = {0.2, 0.3143, 0.4286, 0.5429, 0.6571, 0.7714, 0.8857, 1.0};
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR(b.throttlePowerTable[9 + k], ahead[k], 0.00005) << 9 + k;
        EXPECT_EQ(b.throttlePowerTable[7 - k], -b.throttlePowerTable[9 + k]) << 7 - k;
    }
    EXPECT_EQ(b.throttlePowerTable[8], 0);
}
