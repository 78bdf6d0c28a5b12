#include <gtest/gtest.h>

#include "common/constants.h"
#include "control_test_doc.h"

namespace {

TEST(ChangeRudder, StepsAndHardOverGiveTheBarPercentOfEachIndex) {
    ControlTestDoc t;
    const ControlState& c = t.doc.controls;
    const int expected[19] = {0,  5,  11, 16, 22, 27, 33, 38, 44, 50,
                              55, 61, 66, 72, 77, 83, 88, 94, 100};
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_PORT, -1), 0);  // hard over from amidships
    EXPECT_NEAR(c.rudderAngle, -60.0 * DEG_TO_RAD, 1e-15);
    for (int index = 1; index < 19; ++index) {
        EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, 0), expected[index]);
        EXPECT_EQ(c.rudderIndex, index);
        EXPECT_EQ(c.rudderAngle, ANGLE_STEPS[index]);
    }
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, 0), 100);  // already hard over
    EXPECT_EQ(c.rudderIndex, 18);
    for (int index = 17; index >= 0; --index) {
        EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_PORT, 0), expected[index]);
    }
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_PORT, 0), 0);
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_AMIDSHIPS, 0), 50);
    EXPECT_EQ(c.rudderAngle, 0.0);
    for (int i = 0; i < 4; ++i) ChangeRudder(t.doc, RUDDER_STEP_PORT, 0);
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, -5), 100);  // any negative is hard over
    EXPECT_NEAR(c.rudderAngle, 60.0 * DEG_TO_RAD, 1e-15);
}

TEST(ChangeRudder, BarSweepsContinuouslyWithinHardOverAndLeavesTheStepIndex) {
    ControlTestDoc t;
    const ControlState& c = t.doc.controls;
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 75), 75);
    EXPECT_NEAR(c.rudderAngle, 30.0 * DEG_TO_RAD, 1e-12);
    EXPECT_EQ(c.rudderIndex, 9);
    // The next step starts from the last stepped position, not from the bar.
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, 0), 55);
    EXPECT_EQ(ChangeRudder(t.doc, -7, 25), 25);  // any negative command is the bar
    EXPECT_NEAR(c.rudderAngle, -30.0 * DEG_TO_RAD, 1e-12);
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 180), 100);
    EXPECT_NEAR(c.rudderAngle, 60.0 * DEG_TO_RAD, 1e-12);
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, -40), 0);
    EXPECT_NEAR(c.rudderAngle, -60.0 * DEG_TO_RAD, 1e-12);
}

TEST(ControlConsole, ShowsResultsOnlyWhileOpenAndIgnoresBadCommands) {
    ControlTestDoc t;
    ChangeRudder(t.doc, RUDDER_STEP_PORT, 0);
    SetThruster(t.doc, THRUSTER_PORT);
    EXPECT_EQ(t.doc.controls.thrusterThrust, 150.0);  // full force, to port positive
    ReopenBridgeConsole(t.doc);
    EXPECT_TRUE(t.ui.consoleCalls.empty());

    t.ui.consoleOpen = true;
    ChangeRudder(t.doc, RUDDER_STEP_PORT, 0);
    ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 62);
    SetThruster(t.doc, THRUSTER_STARBOARD);
    EXPECT_EQ(t.doc.controls.thrusterThrust, -150.0);
    // Not a rudder or thruster command: nothing changes and nothing is shown.
    const double angle = t.doc.controls.rudderAngle;
    EXPECT_EQ(ChangeRudder(t.doc, 2, 0), 0);
    EXPECT_EQ(ChangeRudder(t.doc, 5, -1), 0);
    SetThruster(t.doc, 2);
    EXPECT_EQ(t.doc.controls.rudderIndex, 7);
    EXPECT_EQ(t.doc.controls.rudderAngle, angle);
    EXPECT_EQ(t.doc.controls.thrusterThrust, -150.0);
    ReopenBridgeConsole(t.doc);
    const std::vector<std::string> expected = {
        "rudder 0 38", "rudder -1 62", "thruster " + std::to_string(THRUSTER_STARBOARD), "reopen"};
    EXPECT_EQ(t.ui.consoleCalls, expected);
}

TEST(ResetControls, BringsEverythingToNeutralAndTellsAnOpenConsole) {
    ControlTestDoc t(2);
    auto disturb = [&] {
        t.SetNotches(14, 2);
        ChangeRudder(t.doc, RUDDER_STEP_PORT, -1);
        ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 90);
        SetThruster(t.doc, THRUSTER_PORT);
    };
    disturb();
    ResetControls(t.doc);
    EXPECT_TRUE(t.ui.consoleCalls.empty());

    t.ui.consoleOpen = true;
    disturb();
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
}

}  // namespace
