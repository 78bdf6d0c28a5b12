#include <gtest/gtest.h>

#include "default_boat.h"

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

TEST(DeriveBoatQuantities, KeepsAStoredCoefficientBlockAndTheLinesUnlessAsked) {
    BoatRecord& b = DefaultRecord(MOTORBOAT);
    b.rotationalDrag = 12.5;  // tuned by the user
    b.dockLineLength = 20;
    b.weight = 20000;
    DeriveBoatQuantities(b, false);
    EXPECT_TRUE(b.rotationalDrag == 12.5 && b.dockLineLength == 20);
    DeriveBoatQuantities(b, true);
    EXPECT_TRUE(b.rotationalDrag == 12.5 && b.dockLineLength == 52.5);
    EXPECT_EQ(b.lineSpringConstant, 1.24 * 20000 + 21000);
    b.advancedCoefficientsSet = 0;  // a fresh record gets the type defaults
    DeriveBoatQuantities(b, false);
    EXPECT_TRUE(b.rotationalDrag == 8 && b.advancedCoefficientsSet == 1);
}
