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

// An open-water motorboat with every force zeroed, ready for IntegrateMotion.
std::unique_ptr<CKLVNDoc> ForceFree(unsigned seed = 1) {
    auto doc = MakeOpenWaterDocument(MOTORBOAT, seed);
    std::memset(&doc->forces, 0, sizeof doc->forces);
    return doc;
}

TEST(IntegrateMotion, OneStepUnderAKnownSurgeForceAndHeadingWrap) {
    auto doc = ForceFree();
    DynamicState& st = doc->state;
    st.headingRad = 0.0;  // bow east
    st.posX = st.posY = 0.0;
    doc->forces.propSurgeForce[0] = 100.0;  // lb
    IntegrateMotion(*doc);
    const double a = 100.0 / doc->boat.mass, dt = 0.025;
    EXPECT_DOUBLE_EQ(st.waterVelX, a * dt);
    EXPECT_DOUBLE_EQ(st.posX, 0.5 * a * dt * dt);
    EXPECT_DOUBLE_EQ(st.surgeSpeed, a * dt);
    EXPECT_DOUBLE_EQ(st.hullAngleDeg, 270.0);
    EXPECT_DOUBLE_EQ(st.compassHeading, 90.0);

    std::memset(&doc->forces, 0, sizeof doc->forces);
    for (double yaw : {1.0, -1.0}) {
        st.headingRad = yaw > 0 ? PI_2 - 0.001 : 0.0005;
        st.yawRate = yaw;
        IntegrateMotion(*doc);
        EXPECT_TRUE(st.headingRad >= 0.0 && st.headingRad <= PI_2) << st.headingRad;
        EXPECT_TRUE(st.compassHeading >= 0.0 && st.compassHeading < 360.0) << st.compassHeading;
    }
}

TEST(IntegrateMotion, AccelerationsAreLimited) {
    auto doc = ForceFree();
    DynamicState& st = doc->state;
    doc->forces.windForceY = 1e9;
    doc->forces.windMoment = -1e12;
    const double yaw0 = st.yawRate;
    IntegrateMotion(*doc);
    EXPECT_DOUBLE_EQ(st.waterVelY, doc->boat.transMaxAccel * 0.025);
    EXPECT_DOUBLE_EQ(st.yawRate - yaw0, -doc->boat.rotMaxAccel * 0.025);
    st.waterVelY = 0.0;  // on taut lines in a current the limit follows the current
    st.tautLineCount = 1;
    doc->env.currentSpeed = 0.5;
    IntegrateMotion(*doc);
    EXPECT_DOUBLE_EQ(st.waterVelY, doc->boat.transMaxAccel * 0.5 * 2.1 * 0.025);
}

TEST(IntegrateMotion, MooringDampingNeedsThreeLinesAndNoCurrent) {
    RandomSource source;
    SeedRandom(source, 7);
    const double r = NextRandom(source) / 32767.0;
    struct Case {
        int attached, taut;
        bool currentOn;
        double factor;
        bool drew;
    };
    const Case cases[] = {{3, 1, false, 0.9 * r, true},  {4, 2, false, 0.8 * r, true},
                          {3, -2, false, 0.8 * r, true}, {3, -1, false, 1.0, true},
                          {3, 0, false, 1.0, true},      {2, 2, false, 1.0, false},
                          {3, 2, true, 1.0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.attached << " " << c.taut << " " << c.currentOn);
        auto doc = ForceFree(7);
        doc->settings.currentOn = c.currentOn;
        doc->state.attachedLineCount = c.attached;
        doc->state.tautLineCount = c.taut;
        doc->state.waterVelX = 1.0;
        doc->state.waterVelY = doc->state.yawRate = 0.0;
        const std::uint32_t before = doc->random.next;
        IntegrateMotion(*doc);
        EXPECT_DOUBLE_EQ(doc->state.waterVelX, c.factor);
        EXPECT_EQ(doc->random.next != before, c.drew);
    }
}

TEST(IntegrateMotion, CurrentCarriesTheBoatAndSeparatesGroundFromWater) {
    auto doc = ForceFree();
    DynamicState& st = doc->state;
    doc->settings.currentOn = 1;
    doc->env.envValue[ENV_CURRENT_SPEED] = 2.0;      // knots
    doc->env.envValue[ENV_CURRENT_DIRECTION] = 0.0;  // from the north
    st.waterVelX = st.waterVelY = 0.0;
    const double y0 = st.posY;
    IntegrateMotion(*doc);
    EXPECT_NEAR(doc->env.currentVelY, -2.0 * 1.688, 1e-6);
    EXPECT_NEAR(st.posY - y0, -2.0 * 1.688 * 0.025, 1e-9);
    EXPECT_NEAR(st.speedOverGround, 2.0 * 1.688, 1e-6);
    EXPECT_LT(st.speedThroughWater, 0.01);
}

// Under constant power in open water with no wind or current.
std::unique_ptr<CKLVNDoc> RunUnder(int boatType, int percent, int steps) {
    auto doc = MakeOpenWaterDocument(boatType);
    ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, percent);
    SetRunState(*doc, 1, 1);
    for (int i = 0; i < steps; ++i) Step(*doc);
    return doc;
}

TEST(Settling, FullAndHalfPowerSettleOnTheSpeedCurve) {
    auto twin = RunUnder(HOUSEBOAT, 100, 16000);
    EXPECT_NEAR(twin->state.speedThroughWater / twin->boat.maxSpeedFps, 1.0, 1e-9);
    EXPECT_NEAR(twin->state.yawRate, 0.0, 1e-12);
    auto single = RunUnder(MOTORBOAT, 100, 16000);  // prop walk costs a little
    const double ratio = single->state.speedThroughWater / single->boat.maxSpeedFps;
    EXPECT_LT(ratio, 1.0);
    EXPECT_GT(ratio, 0.9995);
    auto half = RunUnder(HOUSEBOAT, 50, 16000);
    const double power = half->controls.enginePower[0];
    ASSERT_EQ(power, half->boat.throttlePowerTable[half->controls.throttleNotch[0]]);
    const double speed = half->state.speedThroughWater / half->boat.maxSpeedFps;
    EXPECT_NEAR(CurveLookup(half->boat.speedCurve, speed), power, 1e-9);
}

}  // namespace
