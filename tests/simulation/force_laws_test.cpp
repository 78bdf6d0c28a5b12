#include <gtest/gtest.h>

#include <cmath>

#include "../support/test_document.h"
#include "common/constants.h"
#include "simulation/bow_thruster.h"
#include "simulation/curve_lookup.h"
#include "simulation/hull_resistance.h"
#include "simulation/propulsion.h"
#include "simulation/rudder.h"
#include "simulation/wind.h"

namespace {

class ForceLawTest : public ::testing::Test {
protected:
    std::unique_ptr<CKLVNDoc> doc = MakeOpenWaterDocument(MOTORBOAT);
    BoatRecord& boat = doc->boat;
    ForceAccumulators& f = doc->forces;

    void SetPower(double port, double starboard = 0.0) {
        doc->controls.enginePower[0] = port;
        doc->controls.enginePower[1] = starboard;
    }
};

// Astern the thrust is 1.2 x the reverse factor; a right-hand propeller aft of the
// centre of gravity walks the stern to port astern and to starboard ahead; the walk
// fades to half at full speed either way and vanishes at twice it.
TEST_F(ForceLawTest, SingleInboardThrustAndPropWalk) {
    boat.propRotation = 1;
    ASSERT_LT(boat.propArmFromCenterOfGravity, 0.0);
    SetPower(-0.5);
    ComputePropellerForces(*doc);
    EXPECT_DOUBLE_EQ(f.propSurgeForce[0], -0.5 * boat.maxThrust * 1.2 * boat.reversePowerFactor);
    EXPECT_TRUE(f.propWalkForce[0] > 0.0 && f.propWalkMoment[0] < 0.0);
    SetPower(0.5, 1.0);  // engine 1 of a single is ignored
    ComputePropellerForces(*doc);
    EXPECT_DOUBLE_EQ(f.propSurgeForce[0], 0.5 * boat.maxThrust);
    EXPECT_TRUE(f.propWalkForce[0] < 0.0 && f.propWalkMoment[0] > 0.0);
    EXPECT_EQ(f.propSurgeForce[1], 0.0);
    boat.propRotation = -1;  // left-hand walks the other way
    ComputePropellerForces(*doc);
    const double atRest = f.propWalkForce[0], v = boat.maxSpeedFps;
    EXPECT_GT(atRest, 0.0);
    EXPECT_DOUBLE_EQ(atRest, 0.5 * boat.maxThrust * boat.propWalkFactor *
                                 boat.propWalkLateralForce * boat.propWalkSpeedFactor *
                                 boat.propWalkForwardFactor);
    const double fade[][2] = {{v, 0.5}, {-v, 0.5}, {2 * v, 0}, {3 * v, 0}};
    for (const auto& s : fade) {
        doc->state.surgeSpeed = s[0];
        ComputePropellerForces(*doc);
        EXPECT_NEAR(f.propWalkForce[0], s[1] * atRest, 1e-12 * atRest) << s[0];
    }
}

TEST_F(ForceLawTest, TwinOutboardSplitsThrustAndTurnsItWithTheRudder) {
    doc = MakeOpenWaterDocument(HOUSEBOAT);
    ASSERT_EQ(doc->boat.engineType, OUTBOARD_OR_IO);
    const double half = doc->boat.maxThrust / 2.0;
    SetPower(1.0, -1.0);
    ComputePropellerForces(*doc);
    EXPECT_DOUBLE_EQ(doc->forces.propSurgeForce[0], half);
    EXPECT_LT(doc->forces.propMoment[0] + doc->forces.propMoment[1], 0.0);  // turns to starboard
    SetPower(1.0, 1.0);
    doc->controls.rudderAngle = 30.0 * DEG_TO_RAD;
    ComputePropellerForces(*doc);
    EXPECT_DOUBLE_EQ(doc->forces.propSwayForce[1], std::sin(doc->controls.rudderAngle) * half);
    EXPECT_DOUBLE_EQ(doc->forces.propSurgeForce[1], std::cos(doc->controls.rudderAngle) * half);
    ComputeRudderForces(*doc);  // no prop wash on an outboard's rudder
    EXPECT_EQ(doc->forces.rudderSwayForce[0], 0.0);
}

// The wash is rpm x pitch x 0.00139 ft/s per inch and rpm; the force grows with
// its square; astern on a taut anchor line the tenfold lateral coefficient acts.
TEST_F(ForceLawTest, RudderInThePropWashAndAsternWhileAnchored) {
    doc->controls.rudderAngle = ANGLE_STEPS[18];  // hard to starboard
    SetPower(0.5);
    ComputeRudderForces(*doc);
    const double wash = boat.maxRpm * boat.propPitch * 0.5 * 0.00139 * boat.propWashFactor;
    const double r =
        wash * wash * boat.rudderTurningTorque * std::sin(ANGLE_STEPS[18]) * boat.rudderArea;
    EXPECT_DOUBLE_EQ(f.rudderMoment[0], r * boat.rudderArmFromCenterOfGravity);
    EXPECT_LT(f.rudderMoment[0], 0.0);  // bow to starboard
    SetPower(0.0);
    doc->state.surgeSpeed = -2.0;  // making way astern: the flow reverses
    ComputeRudderForces(*doc);
    EXPECT_GT(f.rudderMoment[0], 0.0);
    doc->state.surgeSpeed = 0.0;
    for (double power : {-0.5, 0.5}) {
        SetPower(power);
        for (int state : {LINE_SLACK, LINE_TAUT}) {
            doc->mooring.dockLines[ANCHOR_LINE_INDEX].state = state;
            ComputeRudderForces(*doc);
            const double scale = state == LINE_TAUT && power < 0 ? 10.0 : 1.0;
            EXPECT_NEAR(
                f.rudderSwayForce[0] / (-f.rudderMoment[0] / boat.rudderArmFromCenterOfGravity),
                scale * boat.rudderLateralForce, 1e-12);
        }
    }
}

TEST_F(ForceLawTest, ThrusterWindAndHullResistance) {
    doc->controls.thrusterThrust = boat.bowThrusterForce;
    ComputeThrusterForce(*doc);
    EXPECT_DOUBLE_EQ(f.thrusterSwayForce, -boat.thrusterLateralForce * boat.bowThrusterForce);
    EXPECT_GT(f.thrusterMoment, 0.0);  // the bow to port

    // Wind: linear, 1.688 per knot, the side facing x with the bow north; held
    // to the full thrust on each axis.
    doc->state.headingRad = PI_05;
    doc->env.apparentWindX = 10.0;
    doc->env.apparentWindY = -1000.0;
    ComputeWindForce(*doc);
    const double fx = 1.688 * 10.0 * boat.lateralWindArea * boat.presentedAreaDrag;
    EXPECT_NEAR(f.windForceX, fx, 1e-9 * fx);
    EXPECT_EQ(f.windForceY, -boat.maxThrust);

    ComputeHullResistance(*doc);  // at rest the sign of -0 is +1
    EXPECT_DOUBLE_EQ(f.surgeResistance, boat.speedCurve.points[0][1] * boat.maxThrust);
    DynamicState& st = doc->state;
    st.yawRate = 0.2;
    st.speedThroughWater = st.surgeSpeed = 0.5 * boat.maxSpeedFps;
    st.driftAngle = 20.0 * DEG_TO_RAD;  // held to 10 degrees in the skid term
    st.swaySpeed = 1.0;
    ComputeHullResistance(*doc);
    EXPECT_LT(f.yawDampingMoment, 0.0);
    EXPECT_DOUBLE_EQ(f.surgeResistance, -CurveLookup(boat.speedCurve, 0.5) * boat.maxThrust);
    EXPECT_DOUBLE_EQ(f.swayResistance,
                     -std::fabs(10.0 * DEG_TO_RAD * boat.skidResistance * 0.5 *
                                std::sin(st.driftAngle) * boat.lateralUnderwaterArea) *
                         boat.maxThrust / boat.maxSpeedFps);
    EXPECT_GT(f.driftMoment, 0.0);
}

TEST(CurveLookup, EndsHoldAndTheCurveEndsAtOneOne) {
    auto doc = MakeOpenWaterDocument(MOTORBOAT);
    const SpeedCurve& curve = doc->boat.speedCurve;
    EXPECT_EQ(CurveLookup(curve, 5.0), curve.points[curve.segmentCount][1]);
    EXPECT_EQ(CurveLookup(curve, -1.0), curve.points[0][1]);
    EXPECT_DOUBLE_EQ(CurveLookup(curve, 1.0), 1.0);
    EXPECT_EQ(CurveLookup(curve, std::nan("")), 0.0);
}

}  // namespace
