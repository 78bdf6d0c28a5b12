#include <gtest/gtest.h>

#include "common/constants.h"
#include "control_test_doc.h"

namespace {

TEST(ChangeRudder, StepsGiveTheBarPercentOfEachIndex) {
    ControlTestDoc t;
    const int expected[19] = {0,  5,  11, 16, 22, 27, 33, 38, 44, 50,
                              55, 61, 66, 72, 77, 83, 88, 94, 100};
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_PORT, -1), 0);
    for (int index = 1; index < 19; ++index) {
        EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, 0), expected[index]);
        EXPECT_EQ(t.doc.controls.rudderIndex, index);
        EXPECT_EQ(t.doc.controls.rudderAngle, ANGLE_STEPS[index]);
    }
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, 0), 100);  // already hard over
    EXPECT_EQ(t.doc.controls.rudderIndex, 18);
    for (int index = 17; index >= 0; --index) {
        EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_PORT, 0), expected[index]);
        EXPECT_EQ(t.doc.controls.rudderAngle, ANGLE_STEPS[index]);
    }
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_PORT, 0), 0);
    EXPECT_EQ(t.doc.controls.rudderIndex, 0);
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_AMIDSHIPS, 0), 50);
    EXPECT_EQ(t.doc.controls.rudderIndex, 9);
    EXPECT_EQ(t.doc.controls.rudderAngle, 0.0);
}

TEST(ChangeRudder, HardOverGoesStraightToTheEnd) {
    ControlTestDoc t;
    for (int i = 0; i < 4; ++i) ChangeRudder(t.doc, RUDDER_STEP_PORT, 0);
    ASSERT_EQ(t.doc.controls.rudderIndex, 5);
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_PORT, -1), 0);
    EXPECT_EQ(t.doc.controls.rudderIndex, 0);
    EXPECT_NEAR(t.doc.controls.rudderAngle, -60.0 * DEG_TO_RAD, 1e-15);
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, -5), 100);
    EXPECT_EQ(t.doc.controls.rudderIndex, 18);
    EXPECT_NEAR(t.doc.controls.rudderAngle, 60.0 * DEG_TO_RAD, 1e-15);
}

TEST(ChangeRudder, BarSweepsContinuouslyAndLeavesTheStepIndex) {
    ControlTestDoc t;
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 75), 75);
    EXPECT_NEAR(t.doc.controls.rudderAngle, 30.0 * DEG_TO_RAD, 1e-12);
    EXPECT_EQ(t.doc.controls.rudderIndex, 9);
    // The next step starts from the last stepped position, not from the bar.
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, 0), 55);
    EXPECT_EQ(t.doc.controls.rudderAngle, ANGLE_STEPS[10]);

    EXPECT_EQ(ChangeRudder(t.doc, -7, 25), 25);  // any negative command is the bar
    EXPECT_NEAR(t.doc.controls.rudderAngle, -30.0 * DEG_TO_RAD, 1e-12);
    ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 50);
    EXPECT_NEAR(t.doc.controls.rudderAngle, 0.0, 1e-15);
    // The bar cannot turn the rudder past hard over.
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 180), 100);
    EXPECT_NEAR(t.doc.controls.rudderAngle, 60.0 * DEG_TO_RAD, 1e-12);
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, -40), 0);
    EXPECT_NEAR(t.doc.controls.rudderAngle, -60.0 * DEG_TO_RAD, 1e-12);
}

TEST(ChangeRudder, ConsoleShowsTheResultOnlyWhileOpen) {
    ControlTestDoc t;
    ChangeRudder(t.doc, RUDDER_STEP_PORT, 0);
    EXPECT_EQ(t.ui.showRudderCalls, 0);
    t.ui.consoleOpen = true;
    ChangeRudder(t.doc, RUDDER_STEP_PORT, 0);
    EXPECT_EQ(t.ui.showRudderCalls, 1);
    EXPECT_EQ(t.ui.lastRudderCommand, RUDDER_STEP_PORT);
    EXPECT_EQ(t.ui.lastRudderPercent, 38);
    ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 62);
    EXPECT_EQ(t.ui.lastRudderCommand, RUDDER_SET_BY_PERCENT);
    EXPECT_EQ(t.ui.lastRudderPercent, 62);

    // Not a rudder command: nothing changes and nothing is shown.
    const int index = t.doc.controls.rudderIndex;
    const double angle = t.doc.controls.rudderAngle;
    EXPECT_EQ(ChangeRudder(t.doc, 2, 0), 0);
    EXPECT_EQ(ChangeRudder(t.doc, 5, -1), 0);
    EXPECT_EQ(t.doc.controls.rudderIndex, index);
    EXPECT_EQ(t.doc.controls.rudderAngle, angle);
    EXPECT_EQ(t.ui.showRudderCalls, 2);
}

TEST(SetThruster, PushesWithFullForceToPortPositive) {
    ControlTestDoc t;
    SetThruster(t.doc, THRUSTER_PORT);
    EXPECT_EQ(t.doc.controls.thrusterThrust, 150.0);
    SetThruster(t.doc, THRUSTER_STARBOARD);
    EXPECT_EQ(t.doc.controls.thrusterThrust, -150.0);
    EXPECT_EQ(t.ui.showThrusterCalls, 0);
    t.ui.consoleOpen = true;
    SetThruster(t.doc, 2);  // not a thruster command
    EXPECT_EQ(t.doc.controls.thrusterThrust, -150.0);
    EXPECT_EQ(t.ui.showThrusterCalls, 0);
    SetThruster(t.doc, THRUSTER_OFF);
    EXPECT_EQ(t.doc.controls.thrusterThrust, 0.0);
    EXPECT_EQ(t.ui.showThrusterCalls, 1);
    EXPECT_EQ(t.ui.lastThrusterCommand, THRUSTER_OFF);
}

TEST(ResetControls, BringsEverythingToNeutralAndTellsTheConsole) {
    ControlTestDoc t(2);
    t.SetNotches(14, 2);
    ChangeRudder(t.doc, RUDDER_STEP_PORT, -1);
    ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 90);
    SetThruster(t.doc, THRUSTER_PORT);
    t.ui.consoleOpen = true;
    t.ui.consoleCalls.clear();

    ResetControls(t.doc);
    for (int e = 0; e < 2; ++e) {
        EXPECT_EQ(t.notch(e), NOTCH_NEUTRAL);
        EXPECT_EQ(t.power(e), 0.0);
        EXPECT_STREQ(t.doc.controls.engineRpmText[e], "600");
    }
    EXPECT_EQ(t.doc.controls.rudderIndex, 9);
    EXPECT_EQ(t.doc.controls.rudderAngle, 0.0);
    EXPECT_EQ(t.doc.controls.thrusterThrust, 0.0);
    const std::vector<std::string> expected = {"engine 0 0 0", "engine 1 0 0", "rudder 4 50",
                                               "thruster 4"};
    EXPECT_EQ(t.ui.consoleCalls, expected);

    t.ui.consoleOpen = false;
    t.ui.consoleCalls.clear();
    ResetControls(t.doc);
    EXPECT_TRUE(t.ui.consoleCalls.empty());
}

TEST(ReopenBridgeConsole, ReopensOnlyAnOpenConsole) {
    ControlTestDoc t;
    ReopenBridgeConsole(t.doc);
    EXPECT_EQ(t.ui.reopenConsoleCalls, 0);
    t.ui.consoleOpen = true;
    ReopenBridgeConsole(t.doc);
    EXPECT_EQ(t.ui.reopenConsoleCalls, 1);
}

}  // namespace
