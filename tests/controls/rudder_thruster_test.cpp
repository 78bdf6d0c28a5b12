#include <gtest/gtest.h>

#include <algorithm>

#include "common/constants.h"
#include "control_test_doc.h"

namespace {

TEST(ChangeRudder, StepsAndHardOverGiveTheBarPercentOfEachIndex) {
    ControlTestDoc t;
    const ControlState& c = t.doc.controls;
    const int expected[19] = {0,  5,  11, 16, 22, 27, 33, 38, 44, 50,
                              55, 61, 66, 72, 77, 83, 88, 94, 100};
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_PORT, -1), 0);  // hard over from amidships
    for (int index = 1; index < 20; ++index) {
        EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, 0), expected[std::min(index, 18)]);
        EXPECT_EQ(c.rudderAngle, ANGLE_STEPS[std::min(index, 18)]);
    }
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_AMIDSHIPS, 0), 50);
    // The bar sweeps continuously and leaves the step index alone.
    const int bar[][2] = {{75, 75}, {25, 25}, {180, 100}, {-40, 0}};
    for (const auto& b : bar) {
        EXPECT_EQ(ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, b[0]), b[1]);
        EXPECT_NEAR(c.rudderAngle, (b[1] - 50) * 1.2 * DEG_TO_RAD, 1e-12);
    }
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, 0), 55);

    // Hard over at an end stop after the bar swept the rudder away: the
    // rudder goes back to the stop the result reports.
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, -1), 100);
    ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 75);
    EXPECT_EQ(ChangeRudder(t.doc, RUDDER_STEP_STARBOARD, -1), 100);
    EXPECT_EQ(c.rudderAngle, ANGLE_STEPS[18]);
}

TEST(ControlConsole, ShowsResultsOnlyWhileOpenIgnoresBadCommandsAndResets) {
    ControlTestDoc t(2);
    SetThruster(t.doc, THRUSTER_PORT);
    ReopenBridgeConsole(t.doc);
    EXPECT_TRUE(t.ui.consoleCalls.empty());
    t.ui.consoleOpen = true;
    ChangeRudder(t.doc, RUDDER_STEP_PORT, 0);
    ChangeRudder(t.doc, RUDDER_SET_BY_PERCENT, 62);
    SetThruster(t.doc, THRUSTER_STARBOARD);
    EXPECT_EQ(t.doc.controls.thrusterThrust, -150.0);
    const double angle = t.doc.controls.rudderAngle;
    EXPECT_EQ(ChangeRudder(t.doc, 2, 0), 0);
    SetThruster(t.doc, 2);
    ChangeEngine(t.doc, ENGINE_PORT, 3, 1, 0);
    ChangeEngine(t.doc, ENGINE_BOTH, -2, 1, 100);
    ChangeEngine(t.doc, 3, ENGINE_STEP_AHEAD, 1, 0);
    ChangeEngine(t.doc, -1, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_TRUE(t.doc.controls.rudderAngle == angle && t.doc.controls.thrusterThrust == -150.0);
    t.ExpectNotches(NOTCH_NEUTRAL, NOTCH_NEUTRAL);
    EXPECT_EQ(t.ui.consoleCalls.size(), 3u);  // bad commands show nothing
    t.SetNotches(14, 2);
    t.ui.consoleCalls.resize(3);
    ReopenBridgeConsole(t.doc);
    ResetControls(t.doc);
    t.ExpectNotches(NOTCH_NEUTRAL, NOTCH_NEUTRAL);
    EXPECT_TRUE(t.doc.controls.rudderIndex == 9 && t.doc.controls.rudderAngle == 0.0);
    EXPECT_EQ(t.doc.controls.thrusterThrust, 0.0);
    const std::string thruster = "thruster " + std::to_string(THRUSTER_STARBOARD);
    EXPECT_EQ(t.ui.consoleCalls, (std::vector<std::string>{"rudder 0 44", "rudder -1 62", thruster,
                                                           "reopen", "engine 0 0 0", "engine 1 0 0",
                                                           "rudder 4 50", "thruster 4"}));
}

}  // namespace
