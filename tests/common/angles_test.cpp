#include "common/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/constants.h"

TEST(SignOf, ZeroCountsAsPositive) {
    EXPECT_EQ(SignOf(0.0), 1.0);
    EXPECT_EQ(SignOf(-0.0), 1.0);
    EXPECT_EQ(SignOf(-3.5), -1.0);
    EXPECT_EQ(SignOf(1e-300), 1.0);
}

TEST(WrapAngle, OrdinaryAnglesStepByWholeTurns) {
    EXPECT_DOUBLE_EQ(WrapAngle(-0.5), -0.5 + PI_2);
    EXPECT_DOUBLE_EQ(WrapAngle(PI_2 + 0.25), PI_2 + 0.25 - PI_2);
    EXPECT_EQ(WrapAngle(PI_2), PI_2);  // the upper end stays
    EXPECT_EQ(WrapAngle(0.0), 0.0);
    EXPECT_DOUBLE_EQ(WrapAngleDeg(-90.0), 270.0);
    EXPECT_DOUBLE_EQ(WrapAngleDeg(725.0), 5.0);
}

TEST(WrapAngle, EndsForEveryInput) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double a : {inf, -inf, nan, 1e300, -1e300, 1e17}) {
        double w = WrapAngle(a);
        EXPECT_TRUE(std::isfinite(w)) << a;
        EXPECT_GE(w, 0.0) << a;
        EXPECT_LE(w, PI_2) << a;
        double d = WrapAngleDeg(a);
        EXPECT_GE(d, 0.0) << a;
        EXPECT_LE(d, 360.0) << a;
        double c = CompassHeadingDeg(a);
        EXPECT_TRUE(std::isfinite(c)) << a;
        EXPECT_LT(c, 360.0) << a;
    }
}

TEST(CompassHeading, UsesTheTruncatedDegreeFactor) {
    EXPECT_NEAR(CompassHeadingDeg(0.0), 90.0, 1e-12);  // bow east
    // 57.297 × PI / 2 is a little over 90, so a bow due north reads just under 360.
    EXPECT_NEAR(CompassHeadingDeg(PI_05), 450.0 - 57.297 * PI_05, 1e-9);
    EXPECT_GT(CompassHeadingDeg(PI_05), 359.99);
    EXPECT_NEAR(CompassHeadingDeg(PI), 450.0 - 57.297 * PI, 1e-9);
    // 450 - 57.297 × 2·PI lies just below 90 and must not be reduced further.
    EXPECT_NEAR(CompassHeadingDeg(PI_2), 450.0 - 57.297 * PI_2, 1e-12);
}

TEST(Constants, TruncatedValues) {
    EXPECT_EQ(PI, 3.14159265359);
    EXPECT_EQ(DEG_TO_RAD, 0.01745329);
    EXPECT_EQ(ANGLE_STEPS[ANGLE_STEP_CENTRE], 0.0);
    EXPECT_EQ(ANGLE_STEPS[0], -60 * 0.01745329);
    EXPECT_EQ(ANGLE_STEPS[18], 60 * 0.01745329);
    for (int i = 1; i < ANGLE_STEP_COUNT; ++i) EXPECT_LT(ANGLE_STEPS[i - 1], ANGLE_STEPS[i]);
    EXPECT_DOUBLE_EQ(KNOTS_TO_FPS * FPS_TO_KNOTS, 1.0);
}
