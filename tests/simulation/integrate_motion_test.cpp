#include "simulation/integrate_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "../support/test_document.h"
#include "common/constants.h"
#include "controls/control_state.h"
#include "simulation/curve_lookup.h"
#include "simulation/step.h"

namespace {

void RunSteps(CKLVNDoc& doc, int steps) {
    for (int i = 0; i < steps; ++i) Step(doc);
}

TEST(IntegrateMotion, OneStepUnderAKnownSurgeForceAndHeadingWrap) {
    auto doc = MakeOpenWaterDocument(MOTORBOAT);
    DynamicState& st = doc->state;
    std::memset(&doc->forces, 0, sizeof doc->forces);
    st.headingRad = 0.0;  // bow east
    st.posX = st.posY = 0.0;
    doc->forces.propSurgeForce[0] = 100.0;  // lb

    IntegrateMotion(*doc);
    double a = 100.0 / doc->boat.mass;
    double dt = 0.025;
    EXPECT_DOUBLE_EQ(st.waterVelX, a * dt);
    EXPECT_NEAR(st.waterVelY, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(st.posX, 0.5 * a * dt * dt);
    EXPECT_DOUBLE_EQ(st.speedThroughWater, a * dt);
    EXPECT_DOUBLE_EQ(st.surgeSpeed, a * dt);
    EXPECT_NEAR(st.driftAngle, 0.0, 1e-12);
    // Without current the ground motion is the water motion.
    EXPECT_EQ(st.groundVelX, st.waterVelX);
    EXPECT_EQ(st.speedOverGround, st.speedThroughWater);
    EXPECT_EQ(st.courseOverGround, st.courseThroughWater);
    // hullAngleDeg follows the heading: east is -90 + 360.
    EXPECT_DOUBLE_EQ(st.hullAngleDeg, 270.0);
    EXPECT_DOUBLE_EQ(st.compassHeading, 90.0);

    // The heading wraps both ways and the compass stays in [0, 360).
    std::memset(&doc->forces, 0, sizeof doc->forces);
    st.headingRad = PI_2 - 0.001;
    st.yawRate = 1.0;  // rad/s counter-clockwise
    IntegrateMotion(*doc);
    EXPECT_GE(st.headingRad, 0.0);
    EXPECT_LT(st.headingRad, 0.1);
    EXPECT_GE(st.compassHeading, 0.0);
    EXPECT_LT(st.compassHeading, 360.0);
    EXPECT_NEAR(st.compassHeading, 450.0 - st.headingDeg - 360.0, 1e-9);

    st.headingRad = 0.0005;
    st.yawRate = -1.0;
    IntegrateMotion(*doc);
    EXPECT_GT(st.headingRad, 6.0);
    EXPECT_LE(st.headingRad, PI_2);
    EXPECT_GE(st.compassHeading, 0.0);
    EXPECT_LT(st.compassHeading, 360.0);
}

TEST(IntegrateMotion, AccelerationsAreLimited) {
    auto doc = MakeOpenWaterDocument(MOTORBOAT);
    DynamicState& st = doc->state;
    std::memset(&doc->forces, 0, sizeof doc->forces);
    doc->forces.windForceY = 1e9;
    doc->forces.windMoment = -1e12;
    double yaw0 = st.yawRate;
    IntegrateMotion(*doc);
    EXPECT_DOUBLE_EQ(st.waterVelY, doc->boat.transMaxAccel * 0.025);
    EXPECT_DOUBLE_EQ(st.yawRate - yaw0, -doc->boat.rotMaxAccel * 0.025);

    // On taut lines in a current the limit follows the current's speed.
    st.waterVelY = 0.0;
    st.tautLineCount = 1;
    doc->env.currentSpeed = 0.5;  // ft/s, of the previous step
    IntegrateMotion(*doc);
    EXPECT_DOUBLE_EQ(st.waterVelY, doc->boat.transMaxAccel * 0.5 * 2.1 * 0.025);
}

// Velocity and yaw after one force-free step with the given line counts, and
// whether a random number was drawn.
struct DampingResult {
    double factor;
    bool drew;
};

DampingResult DampingWith(int attached, int taut, bool currentOn) {
    auto doc = MakeOpenWaterDocument(MOTORBOAT, 7);
    DynamicState& st = doc->state;
    std::memset(&doc->forces, 0, sizeof doc->forces);
    doc->settings.currentOn = currentOn;
    st.attachedLineCount = attached;
    st.tautLineCount = taut;
    st.waterVelX = 1.0;
    st.waterVelY = 0.0;
    st.yawRate = 0.0;
    std::uint32_t before = doc->random.next;
    IntegrateMotion(*doc);
    return {st.waterVelX, doc->random.next != before};
}

double FirstUniform(unsigned seed) {
    RandomSource source;
    SeedRandom(source, seed);
    return NextRandom(source) / 32767.0;
}

TEST(IntegrateMotion, MooringDampingNeedsThreeLinesAndNoCurrent) {
    double r = FirstUniform(7);
    ASSERT_GT(r, 0.0);

    DampingResult one = DampingWith(3, 1, false);
    EXPECT_DOUBLE_EQ(one.factor, 0.9 * r);
    EXPECT_DOUBLE_EQ(DampingWith(4, 2, false).factor, 0.8 * r);
    // Two taut lines with both engines idle (negated count) still damp.
    EXPECT_DOUBLE_EQ(DampingWith(3, -2, false).factor, 0.8 * r);

    // One taut line with both engines idle counts as -1: no damping, though
    // the random number is drawn.
    DampingResult idleOne = DampingWith(3, -1, false);
    EXPECT_EQ(idleOne.factor, 1.0);
    EXPECT_TRUE(idleOne.drew);
    // Lines attached but none taut: drawn, not applied.
    EXPECT_EQ(DampingWith(3, 0, false).factor, 1.0);

    // Fewer than three lines, or a current: no draw and no damping.
    DampingResult two = DampingWith(2, 2, false);
    EXPECT_EQ(two.factor, 1.0);
    EXPECT_FALSE(two.drew);
    DampingResult current = DampingWith(3, 2, true);
    EXPECT_EQ(current.factor, 1.0);
    EXPECT_FALSE(current.drew);
}

TEST(IntegrateMotion, CurrentCarriesTheBoatAndSeparatesGroundFromWater) {
    auto doc = MakeOpenWaterDocument(MOTORBOAT);
    DynamicState& st = doc->state;
    std::memset(&doc->forces, 0, sizeof doc->forces);
    doc->settings.currentOn = 1;
    doc->env.envValue[ENV_CURRENT_SPEED] = 2.0;      // knots
    doc->env.envValue[ENV_CURRENT_DIRECTION] = 0.0;  // from the north
    st.waterVelX = st.waterVelY = 0.0;
    double x0 = st.posX, y0 = st.posY;

    IntegrateMotion(*doc);
    // Flowing south at 2 knots (the truncated degree factor leaves a trace on x).
    EXPECT_NEAR(doc->env.currentVelX, 0.0, 1e-5);
    EXPECT_NEAR(doc->env.currentVelY, -2.0 * 1.688, 1e-6);
    EXPECT_DOUBLE_EQ(doc->env.currentSpeed, std::hypot(doc->env.currentVelX, doc->env.currentVelY));
    EXPECT_NEAR(st.posY - y0, -2.0 * 1.688 * 0.025, 1e-9);
    EXPECT_NEAR(st.posX - x0, 0.0, 1e-6);
    EXPECT_NEAR(st.speedOverGround, 2.0 * 1.688, 1e-6);
    EXPECT_LT(st.speedThroughWater, 0.01);  // only the creep of the resting hull

    // Switched off, the vector is still formed but nothing is carried.
    doc->settings.currentOn = 0;
    double y1 = st.posY;
    IntegrateMotion(*doc);
    EXPECT_NEAR(doc->env.currentVelY, -2.0 * 1.688, 1e-6);
    EXPECT_NEAR(st.posY - y1, 0.0, 1e-3);
    EXPECT_EQ(st.speedOverGround, st.speedThroughWater);
}

// Under constant power in open water with no wind or current.
class SettlingTest : public ::testing::Test {
protected:
    std::unique_ptr<CKLVNDoc> Under(int boatType, int percent) {
        auto doc = MakeOpenWaterDocument(boatType);
        ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, percent);
        SetRunState(*doc, 1, 1);
        return doc;
    }
};

TEST_F(SettlingTest, FullPowerAheadSettlesAtMaximumSpeed) {
    // A twin with counter-rotating propellers runs straight onto it.
    auto twin = Under(HOUSEBOAT, 100);
    ASSERT_EQ(twin->boat.engineCount, 2);
    RunSteps(*twin, 16000);
    EXPECT_NEAR(twin->state.speedThroughWater / twin->boat.maxSpeedFps, 1.0, 1e-9);
    EXPECT_NEAR(twin->state.yawRate, 0.0, 1e-12);

    // A single screw's prop walk turns the boat slowly; the drift costs a few
    // hundredths of a percent.
    auto single = Under(MOTORBOAT, 100);
    RunSteps(*single, 16000);
    double ratio = single->state.speedThroughWater / single->boat.maxSpeedFps;
    EXPECT_LT(ratio, 1.0);
    EXPECT_GT(ratio, 0.9995);
    EXPECT_NE(single->state.yawRate, 0.0);
}

TEST_F(SettlingTest, HalfPowerSettlesWhereTheCurveMeetsThePower) {
    auto doc = Under(HOUSEBOAT, 50);
    double power = doc->controls.enginePower[0];
    ASSERT_EQ(power, doc->boat.throttlePowerTable[doc->controls.throttleNotch[0]]);
    ASSERT_GT(power, 0.3);
    ASSERT_LT(power, 0.6);
    RunSteps(*doc, 16000);
    double ratio = doc->state.speedThroughWater / doc->boat.maxSpeedFps;
    EXPECT_NEAR(CurveLookup(doc->boat.speedCurve, ratio), power, 1e-9);
}

TEST_F(SettlingTest, YawRateUnderConstantRudderSettles) {
    auto doc = Under(MOTORBOAT, 50);
    ChangeRudder(*doc, RUDDER_SET_BY_PERCENT, 75);  // 30 degrees to starboard
    RunSteps(*doc, 8000);
    double settled = doc->state.yawRate;
    EXPECT_LT(settled, -0.01);  // turning clockwise, to starboard
    RunSteps(*doc, 2000);
    EXPECT_NEAR(doc->state.yawRate, settled, 1e-6 * std::fabs(settled));
}

}  // namespace
