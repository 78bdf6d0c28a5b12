#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

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

TEST_F(ForceLawTest, SingleInboardThrustAndPropWalkSigns) {
    // A right-hand propeller aft of the centre of gravity.
    boat.propRotation = 1;
    ASSERT_LT(boat.propArmFromCenterOfGravity, 0.0);
    double walk = boat.propWalkFactor * boat.propWalkLateralForce * boat.propWalkSpeedFactor;

    // Astern: T is negative, so the walk force is positive (to starboard) and the
    // moment negative: the stern walks to port.
    SetPower(-0.5);
    ComputePropellerForces(*doc);
    double astern = -0.5 * boat.maxThrust * 1.2 * boat.reversePowerFactor;
    EXPECT_DOUBLE_EQ(f.propSurgeForce[0], astern);
    EXPECT_EQ(f.propSwayForce[0], 0.0);
    EXPECT_EQ(f.propMoment[0], 0.0);  // on the centre line
    EXPECT_DOUBLE_EQ(f.propWalkForce[0], -astern * walk * boat.propWalkReverseFactor);
    EXPECT_GT(f.propWalkForce[0], 0.0);
    EXPECT_LT(f.propWalkMoment[0], 0.0);
    EXPECT_DOUBLE_EQ(f.propWalkMoment[0],
                     boat.propArmFromCenterOfGravity * boat.propWalkTorque * f.propWalkForce[0]);

    // Ahead: the opposite signs, scaled by the forward factor.
    SetPower(0.5);
    ComputePropellerForces(*doc);
    double ahead = 0.5 * boat.maxThrust;
    EXPECT_DOUBLE_EQ(f.propSurgeForce[0], ahead);
    EXPECT_DOUBLE_EQ(f.propWalkForce[0], -ahead * walk * boat.propWalkForwardFactor);
    EXPECT_LT(f.propWalkForce[0], 0.0);
    EXPECT_GT(f.propWalkMoment[0], 0.0);

    // A left-hand propeller walks the other way.
    boat.propRotation = -1;
    ComputePropellerForces(*doc);
    EXPECT_GT(f.propWalkForce[0], 0.0);

    // Only entry 0 is written on a single-engine boat, whatever engine 1 says.
    SetPower(0.5, 1.0);
    std::memset(&f, 0, sizeof f);
    ComputePropellerForces(*doc);
    ComputeRudderForces(*doc);
    EXPECT_EQ(f.propSurgeForce[1], 0.0);
    EXPECT_EQ(f.propWalkForce[1], 0.0);
    EXPECT_EQ(f.rudderSwayForce[1], 0.0);
    EXPECT_EQ(f.rudderMoment[1], 0.0);
}

TEST_F(ForceLawTest, PropWalkFadesWithSpeedAndVanishesAtTwiceMaxSpeed) {
    SetPower(1.0);
    auto walkAt = [&](double surgeSpeed) {
        doc->state.surgeSpeed = surgeSpeed;
        ComputePropellerForces(*doc);
        return f.propWalkForce[0];
    };
    const double atRest = walkAt(0.0);
    ASSERT_NE(atRest, 0.0);
    const double v = boat.maxSpeedFps;
    EXPECT_NEAR(walkAt(v), 0.5 * atRest, 1e-12 * std::fabs(atRest));
    EXPECT_NEAR(walkAt(-v), 0.5 * atRest, 1e-12 * std::fabs(atRest));  // speed, not its sign
    EXPECT_EQ(walkAt(2.0 * v), 0.0);
    EXPECT_EQ(walkAt(3.0 * v), 0.0);
    EXPECT_EQ(f.propWalkMoment[0], 0.0);
}

TEST(ForceLaws, TwinOutboardSplitsThrustAndTurnsItWithTheRudder) {
    auto doc = MakeOpenWaterDocument(HOUSEBOAT);
    BoatRecord& boat = doc->boat;
    ForceAccumulators& f = doc->forces;
    ASSERT_EQ(boat.engineCount, 2);
    ASSERT_EQ(boat.engineType, OUTBOARD_OR_IO);

    // Port ahead, starboard astern: a differential-thrust moment.
    doc->controls.enginePower[0] = 1.0;
    doc->controls.enginePower[1] = -1.0;
    ComputePropellerForces(*doc);
    double half = boat.maxThrust / 2.0;
    EXPECT_DOUBLE_EQ(f.propSurgeForce[0], half);
    EXPECT_DOUBLE_EQ(f.propSurgeForce[1], -half * 1.2 * boat.reversePowerFactor);
    EXPECT_DOUBLE_EQ(f.propMoment[0], boat.portPropOffset * half);
    EXPECT_DOUBLE_EQ(f.propMoment[1], boat.propDistFromCL * f.propSurgeForce[1]);
    EXPECT_LT(f.propMoment[0] + f.propMoment[1], 0.0);  // port ahead turns to starboard

    // The drive turns with the rudder: a sway force and a moment about the
    // propellers' lever arm.
    doc->controls.enginePower[1] = 1.0;
    doc->controls.rudderAngle = 30.0 * DEG_TO_RAD;
    ComputePropellerForces(*doc);
    double delta = doc->controls.rudderAngle;
    for (int i = 0; i < 2; ++i) {
        double y = i == 0 ? boat.portPropOffset : boat.propDistFromCL;
        EXPECT_DOUBLE_EQ(f.propSwayForce[i], std::sin(delta) * half);
        EXPECT_DOUBLE_EQ(f.propSurgeForce[i], std::cos(delta) * half);
        EXPECT_DOUBLE_EQ(f.propMoment[i], boat.propArmFromCenterOfGravity * f.propSwayForce[i] +
                                              y * f.propSurgeForce[i]);
    }

    // No prop wash on an outboard's rudder: at rest it gives nothing.
    ComputeRudderForces(*doc);
    EXPECT_EQ(f.rudderSwayForce[0], 0.0);
    EXPECT_EQ(f.rudderMoment[1], 0.0);
}

TEST_F(ForceLawTest, RudderInThePropWash) {
    doc->controls.rudderAngle = ANGLE_STEPS[18];  // hard to starboard

    // Neutral at rest: no flow, no force.
    SetPower(0.0);
    ComputeRudderForces(*doc);
    EXPECT_EQ(f.rudderSwayForce[0], 0.0);
    EXPECT_EQ(f.rudderMoment[0], 0.0);

    SetPower(0.5);
    ComputeRudderForces(*doc);
    double wash = boat.maxRpm * boat.propPitch * 0.5 * 0.00139 * boat.propWashFactor;
    double r = wash * wash * boat.rudderTurningTorque * std::sin(ANGLE_STEPS[18]) * boat.rudderArea;
    EXPECT_DOUBLE_EQ(f.rudderSwayForce[0], -r * boat.rudderLateralForce);
    EXPECT_DOUBLE_EQ(f.rudderMoment[0], r * boat.rudderArmFromCenterOfGravity);
    EXPECT_EQ(f.rudderSurgeForce[0], 0.0);
    // Rudder to starboard ahead: the stern goes to port, the bow to starboard.
    EXPECT_LT(f.rudderMoment[0], 0.0);

    // Making way astern in neutral the flow is reversed and so is the rudder.
    SetPower(0.0);
    doc->state.surgeSpeed = -2.0;
    ComputeRudderForces(*doc);
    EXPECT_GT(f.rudderMoment[0], 0.0);
    EXPECT_DOUBLE_EQ(f.rudderMoment[0], -4.0 * boat.rudderTurningTorque *
                                            std::sin(ANGLE_STEPS[18]) * boat.rudderArea *
                                            boat.rudderArmFromCenterOfGravity);
}

TEST_F(ForceLawTest, AsternWhileAnchoredUsesTheStrongerLateralCoefficient) {
    doc->controls.rudderAngle = ANGLE_STEPS[14];
    doc->mooring.dockLines[ANCHOR_LINE_INDEX].state = LINE_TAUT;

    SetPower(-0.5);
    ComputeRudderForces(*doc);
    double anchored = f.rudderSwayForce[0];
    double r = f.rudderMoment[0] / boat.rudderArmFromCenterOfGravity;
    EXPECT_DOUBLE_EQ(anchored, -r * boat.rudderLateralForceScaled);

    // Slack anchor line: the ordinary coefficient.
    doc->mooring.dockLines[ANCHOR_LINE_INDEX].state = LINE_SLACK;
    ComputeRudderForces(*doc);
    EXPECT_DOUBLE_EQ(f.rudderSwayForce[0], -r * boat.rudderLateralForce);
    EXPECT_NEAR(anchored / f.rudderSwayForce[0], 10.0, 1e-12);

    // Ahead never uses it, taut or not.
    doc->mooring.dockLines[ANCHOR_LINE_INDEX].state = LINE_TAUT;
    SetPower(0.5);
    ComputeRudderForces(*doc);
    r = f.rudderMoment[0] / boat.rudderArmFromCenterOfGravity;
    EXPECT_DOUBLE_EQ(f.rudderSwayForce[0], -r * boat.rudderLateralForce);
}

TEST_F(ForceLawTest, BowThrusterPushesTheBowToPort) {
    ASSERT_GT(boat.bowThrusterArmFromCenterOfGravity, 0.0);
    for (double sign : {1.0, -1.0}) {
        doc->controls.thrusterThrust = sign * boat.bowThrusterForce;
        ComputeThrusterForce(*doc);
        EXPECT_EQ(f.thrusterSurgeForce, 0.0);
        EXPECT_DOUBLE_EQ(f.thrusterSwayForce,
                         -sign * boat.thrusterLateralForce * boat.bowThrusterForce);
        EXPECT_LT(sign * f.thrusterSwayForce, 0.0);
        EXPECT_GT(sign * f.thrusterMoment, 0.0);
    }
}

TEST_F(ForceLawTest, WindIsLinearAndClampedPerAxis) {
    doc->state.headingRad = PI_05;  // bow north: the side faces x
    EnvironmentRecord& env = doc->env;

    env.apparentWindX = 10.0;  // ft/s
    env.apparentWindY = -2.0;
    ComputeWindForce(*doc);
    double s = std::sin(PI_05), c = std::cos(PI_05);
    double areaX = std::fabs(s * boat.lateralWindArea) + std::fabs(c * boat.frontalWindArea);
    double areaY = std::fabs(c * boat.lateralWindArea) + std::fabs(s * boat.frontalWindArea);
    double fx = 1.688 * 10.0 * areaX * boat.presentedAreaDrag;
    double fy = 1.688 * -2.0 * areaY * boat.presentedAreaDrag;
    ASSERT_LT(std::fabs(fx), boat.maxThrust);
    EXPECT_DOUBLE_EQ(f.windForceX, fx);
    EXPECT_DOUBLE_EQ(f.windForceY, fy);
    EXPECT_DOUBLE_EQ(f.windMoment,
                     (s * boat.windCenterArm * fx - c * fy * boat.windCenterArm) * boat.cpTorque);

    // A gale on x alone is held to the full thrust on x; y is untouched.
    env.apparentWindX = -1000.0;
    ComputeWindForce(*doc);
    EXPECT_EQ(f.windForceX, -boat.maxThrust);
    EXPECT_DOUBLE_EQ(f.windForceY, fy);

    env.apparentWindX = 10.0;
    env.apparentWindY = 1000.0;
    ComputeWindForce(*doc);
    EXPECT_DOUBLE_EQ(f.windForceX, fx);
    EXPECT_EQ(f.windForceY, boat.maxThrust);
}

TEST_F(ForceLawTest, HullResistanceAtRestAndWhileDrifting) {
    // At rest the sign of -0 is +1: the curve's first value pushes ahead, and
    // nothing turns.
    ComputeHullResistance(*doc);
    EXPECT_DOUBLE_EQ(f.surgeResistance, boat.speedCurve.points[0][1] * boat.maxThrust);
    EXPECT_EQ(f.yawDampingMoment, 0.0);
    EXPECT_EQ(f.driftMoment, 0.0);

    // Turning: damping against the turn.
    for (double yaw : {0.2, -0.2}) {
        doc->state.yawRate = yaw;
        ComputeHullResistance(*doc);
        EXPECT_LT(yaw * f.yawDampingMoment, 0.0);
    }

    // Under way ahead at half the maximum speed: the curve's value, astern.
    DynamicState& st = doc->state;
    st.yawRate = 0.0;
    st.speedThroughWater = st.surgeSpeed = 0.5 * boat.maxSpeedFps;
    ComputeHullResistance(*doc);
    EXPECT_DOUBLE_EQ(f.surgeResistance, -CurveLookup(boat.speedCurve, 0.5) * boat.maxThrust);
    EXPECT_EQ(f.driftMoment, 0.0);  // no drift, no moment
    EXPECT_EQ(f.swayResistance, 0.0);

    // Drifting to starboard at 20 degrees: skid resistance against the sway,
    // the drift angle itself held to 10 degrees in the skid term.
    double beta = 20.0 * DEG_TO_RAD;
    st.driftAngle = beta;
    st.swaySpeed = 1.0;
    ComputeHullResistance(*doc);
    double skid = std::fabs(10.0 * DEG_TO_RAD * boat.skidResistance * 0.5 * std::sin(beta) *
                            boat.lateralUnderwaterArea);
    EXPECT_DOUBLE_EQ(f.swayResistance, -(skid * 1.0 * boat.maxThrust / boat.maxSpeedFps));
    EXPECT_GT(f.driftMoment, 0.0);
    st.driftAngle = -beta;
    ComputeHullResistance(*doc);
    EXPECT_LT(f.driftMoment, 0.0);
}

TEST(CurveLookup, EndsHoldAndSegmentsInterpolate) {
    auto doc = MakeOpenWaterDocument(MOTORBOAT);
    const SpeedCurve& curve = doc->boat.speedCurve;
    int n = curve.segmentCount;
    ASSERT_GE(n, 1);
    EXPECT_EQ(CurveLookup(curve, curve.points[n][0]), curve.points[n][1]);
    EXPECT_EQ(CurveLookup(curve, 5.0), curve.points[n][1]);
    EXPECT_EQ(CurveLookup(curve, -1.0), curve.points[0][1]);
    EXPECT_DOUBLE_EQ(CurveLookup(curve, 1.0), 1.0);  // the curve ends at (1, 1)
    for (int j = 0; j < n; ++j) {
        double mid = 0.5 * (curve.points[j][0] + curve.points[j + 1][0]);
        EXPECT_NEAR(CurveLookup(curve, mid), 0.5 * (curve.points[j][1] + curve.points[j + 1][1]),
                    1e-12);
    }
    EXPECT_EQ(CurveLookup(curve, std::nan("")), 0.0);
}

}  // namespace
