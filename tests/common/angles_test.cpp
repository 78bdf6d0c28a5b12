#include "common/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/constants.h"

TEST(Angles, SignWrapAndTruncatedConstants) {
    EXPECT_TRUE(SignOf(0.0) == 1.0 && SignOf(-0.0) == 1.0 && SignOf(1e-300) == 1.0);
    EXPECT_EQ(SignOf(-3.5), -1.0);
    EXPECT_DOUBLE_EQ(WrapAngle(-0.5), -0.5 + PI_2);
    EXPECT_DOUBLE_EQ(WrapAngle(PI_2 + 0.25), PI_2 + 0.25 - PI_2);
    EXPECT_TRUE(WrapAngle(PI_2) == PI_2 && WrapAngle(0.0) == 0.0);  // both ends stay
    EXPECT_DOUBLE_EQ(WrapAngleDeg(-90.0), 270.0);
    EXPECT_DOUBLE_EQ(WrapAngleDeg(725.0), 5.0);
    EXPECT_TRUE(PI == 3.14159265359 && DEG_TO_RAD == 0.01745329);
    EXPECT_TRUE(ANGLE_STEPS[ANGLE_STEP_CENTRE] == 0.0 && ANGLE_STEPS[18] == 60 * 0.01745329);
    for (int i = 1; i < ANGLE_STEP_COUNT; ++i) EXPECT_LT(ANGLE_STEPS[i - 1], ANGLE_STEPS[i]);
}

TEST(Angles, EndForEveryInput) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double a : {inf, -inf, std::nan(""), 1e300, -1e300, 1e17}) {
        const double w = WrapAngle(a), d = WrapAngleDeg(a), c = CompassHeadingDeg(a);
        EXPECT_TRUE(std::isfinite(w) && w >= 0.0 && w <= PI_2) << a;
        EXPECT_TRUE(d >= 0.0 && d <= 360.0) << a;
        EXPECT_TRUE(std::isfinite(c) && c < 360.0) << a;
    }
}

TEST(CompassHeading, UsesTheTruncatedDegreeFactor) {
    EXPECT_NEAR(CompassHeadingDeg(0.0), 90.0, 1e-12);  // bow east
    // 57.297 × PI / 2 is a little over 90, so a bow due north reads just under 360;
    // 450 - 57.297 × 2·PI lies just below 90 and must not be reduced further.
    for (double a : {PI_05, PI, PI_2}) EXPECT_NEAR(CompassHeadingDeg(a), 450.0 - 57.297 * a, 1e-9);
    EXPECT_GT(CompassHeadingDeg(PI_05), 359.99);
}
