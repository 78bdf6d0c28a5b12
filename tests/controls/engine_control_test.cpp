#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "control_test_doc.h"

namespace {

TEST(ChangeEngine, StepsWalkTheSeventeenNotchesAndRefreshAtTheEnds) {
    ControlTestDoc t(1);
    t.ui.consoleOpen = true;
    t.Engine(ENGINE_PORT, ENGINE_STEP_AHEAD);  // no intermediate value above neutral
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_AHEAD);
    EXPECT_DOUBLE_EQ(t.power(0), 0.21);
    t.Engine(ENGINE_PORT, ENGINE_NEUTRAL);
    t.Engine(ENGINE_PORT, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_ASTERN);
    EXPECT_DOUBLE_EQ(t.power(0), -0.21);

    for (int i = 0; i < 20; ++i) t.Engine(ENGINE_PORT, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), NOTCH_FULL_ASTERN);
    EXPECT_EQ(t.power(0), -1.0);
    EXPECT_EQ(t.ui.lastEngineShown[0].percent, -100);
    for (int n = 1; n <= 16; ++n) {
        t.Engine(ENGINE_PORT, ENGINE_STEP_AHEAD);
        EXPECT_EQ(t.notch(0), n);
        EXPECT_EQ(t.power(0), t.doc.boat.throttlePowerTable[n]);
    }
    EXPECT_EQ(t.power(0), 1.0);
    // A step past the end changes nothing but still refreshes readout and console.
    const int calls = t.ui.showEngineCalls[0];
    std::snprintf(t.doc.controls.engineRpmText[0], 8, "stale");
    t.Engine(ENGINE_PORT, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), NOTCH_FULL_AHEAD);
    EXPECT_EQ(t.ui.showEngineCalls[0], calls + 1);
    EXPECT_STREQ(t.doc.controls.engineRpmText[0], "2500");
    EXPECT_EQ(t.ui.lastEngineShown[0].direction, 1);
    EXPECT_EQ(t.ui.lastEngineShown[0].percent, 100);

    // A single-engine boat takes every selector as its engine.
    t.SetNotches(8, 8);
    t.Engine(ENGINE_STARBOARD, ENGINE_STEP_AHEAD);
    t.Engine(ENGINE_BOTH, ENGINE_STEP_AHEAD);
    t.ExpectNotches(10, NOTCH_NEUTRAL);
    EXPECT_EQ(t.ui.showEngineCalls[1], 0);  // a single-engine console has no engine 1
    t.Engine(ENGINE_STARBOARD, ENGINE_NEUTRAL);
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);
    EXPECT_EQ(t.ui.lastEngineShown[0].direction, 0);
}

TEST(ChangeEngine, BothOnTwinFollowsTheTwinRules) {
    ControlTestDoc t(2);
    // Opposite gears: either step first brings both to idle in the gear asked for.
    t.SetNotches(5, 12);
    t.Engine(ENGINE_BOTH, ENGINE_STEP_AHEAD);
    t.ExpectNotches(NOTCH_IDLE_AHEAD, NOTCH_IDLE_AHEAD);
    t.SetNotches(5, 12);
    t.Engine(ENGINE_BOTH, ENGINE_STEP_ASTERN);
    t.ExpectNotches(NOTCH_IDLE_ASTERN, NOTCH_IDLE_ASTERN);
    EXPECT_EQ(t.power(1), t.doc.boat.throttlePowerTable[NOTCH_IDLE_ASTERN]);
    // Same gear, different throttles: each steps on, one at the end stays.
    t.SetNotches(16, 12);
    t.Engine(ENGINE_BOTH, ENGINE_STEP_AHEAD);
    t.ExpectNotches(16, 13);
    t.SetNotches(0, 3);
    t.Engine(ENGINE_BOTH, ENGINE_STEP_ASTERN);
    t.ExpectNotches(0, 2);
    // One neutral, one ahead counts as the same gear ahead, and as opposite astern.
    t.SetNotches(8, 11);
    t.Engine(ENGINE_BOTH, ENGINE_STEP_AHEAD);
    t.ExpectNotches(9, 12);
    t.SetNotches(8, 11);
    t.Engine(ENGINE_BOTH, ENGINE_STEP_ASTERN);
    t.ExpectNotches(NOTCH_IDLE_ASTERN, NOTCH_IDLE_ASTERN);
    // Port and Starboard leave the other engine alone; Both neutral stops both.
    t.Engine(ENGINE_STARBOARD, ENGINE_STEP_ASTERN);
    t.Engine(ENGINE_PORT, ENGINE_STEP_AHEAD);
    t.ExpectNotches(8, 6);
    t.Engine(ENGINE_BOTH, ENGINE_NEUTRAL);
    t.ExpectNotches(8, 8);
    EXPECT_EQ(t.power(1), 0.0);

    // Whatever the start, every step leaves both powers on the table.
    for (int port : {0, 5, 8, 9, 16}) {
        for (int starboard : {0, 7, 8, 12, 16}) {
            for (int selector : {ENGINE_PORT, ENGINE_STARBOARD, ENGINE_BOTH}) {
                for (int command : {ENGINE_STEP_AHEAD, ENGINE_NEUTRAL, ENGINE_STEP_ASTERN}) {
                    t.SetNotches(port, starboard);
                    t.Engine(selector, command);
                    for (int e = 0; e < 2; ++e) {
                        ASSERT_TRUE(t.notch(e) >= 0 && t.notch(e) <= 16);
                        EXPECT_EQ(t.power(e), t.doc.boat.throttlePowerTable[t.notch(e)]);
                    }
                }
            }
        }
    }
}

TEST(ChangeEngine, SetByValueSnapsDownToANotchWithTheIdleFixUp) {
    ControlTestDoc t(2);
    t.ui.consoleOpen = true;
    auto set = [&](int selector, int direction, int percent) {
        ChangeEngine(t.doc, selector, ENGINE_SET_BY_VALUE, direction, percent);
    };
    set(ENGINE_BOTH, 1, 100);
    t.ExpectNotches(16, 16);
    set(ENGINE_STARBOARD, -1, 100);
    t.ExpectNotches(16, 0);
    EXPECT_EQ(t.power(1), -1.0);
    EXPECT_EQ(t.ui.lastEngineShown[1].percent, -100);
    // 0.21 + 2 × 0.79 / 7 = 0.4357 is the highest notch at or below 0.5.
    set(ENGINE_PORT, 1, 50);
    EXPECT_EQ(t.notch(0), 11);
    set(ENGINE_PORT, -1, 50);
    EXPECT_EQ(t.notch(0), 4);  // -0.5486, the next one down from -0.5
    set(ENGINE_PORT, 1, 21);   // exactly on a notch stays on it
    EXPECT_EQ(t.notch(0), 9);
    set(ENGINE_PORT, 1, 250);
    EXPECT_EQ(t.notch(0), 16);
    set(ENGINE_PORT, -1, 250);
    EXPECT_EQ(t.notch(0), 0);

    // In gear below idle gives idle; astern the idle notch is the astern one, so
    // a following step astern goes on astern rather than to neutral.
    set(ENGINE_PORT, 1, 2);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_AHEAD);
    EXPECT_DOUBLE_EQ(t.power(0), 0.21);
    set(ENGINE_PORT, -1, 0);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_ASTERN);
    EXPECT_DOUBLE_EQ(t.power(0), -0.21);
    t.Engine(ENGINE_PORT, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), 6);
    // Out of gear is neutral whatever the size, and shows as ahead at 0 %.
    set(ENGINE_PORT, 0, 80);
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);
    EXPECT_EQ(t.power(0), 0.0);
    EXPECT_EQ(t.ui.lastEngineShown[0].direction, 1);
    EXPECT_EQ(t.ui.lastEngineShown[0].percent, 0);
}

TEST(ChangeEngine, ConsoleHearsOnlyWhileOpenAndBadCommandsChangeNothing) {
    ControlTestDoc t(2);
    t.Engine(ENGINE_BOTH, ENGINE_STEP_AHEAD);
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 60);
    EXPECT_TRUE(t.ui.consoleCalls.empty());

    t.ui.consoleOpen = true;
    t.Engine(ENGINE_BOTH, ENGINE_NEUTRAL);
    t.Engine(ENGINE_STARBOARD, ENGINE_STEP_ASTERN);
    t.Engine(ENGINE_PORT, ENGINE_STEP_AHEAD);
    const std::vector<std::string> expected = {"engine 0 0 0", "engine 1 0 0", "engine 1 -1 -21",
                                               "engine 0 1 21"};
    EXPECT_EQ(t.ui.consoleCalls, expected);

    t.ui.consoleCalls.clear();
    ChangeEngine(t.doc, ENGINE_PORT, 3, 1, 0);
    ChangeEngine(t.doc, ENGINE_BOTH, -2, 1, 100);
    ChangeEngine(t.doc, 3, ENGINE_STEP_AHEAD, 1, 0);
    ChangeEngine(t.doc, -1, ENGINE_SET_BY_VALUE, 1, 100);
    t.ExpectNotches(9, 7);
    EXPECT_TRUE(t.ui.consoleCalls.empty());
}

TEST(UpdateEngineReadouts, IdleToMaxRpmInTensAndFiveDigitsHeldWhole) {
    ControlTestDoc t(2);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 600);
    EXPECT_STREQ(t.doc.controls.engineRpmText[1], "600");
    t.SetNotches(9, 16);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 600);  // idle ahead turns at idle speed
    EXPECT_STREQ(t.doc.controls.engineRpmText[1], "2500");
    // Notch 12 is 3/7 of the way from idle to full: 600 + 1900 × 3/7 = 1414 -> 1410.
    t.SetNotches(12, 4);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 1410);
    EXPECT_EQ(t.doc.controls.engineRpm[1], 1410);  // astern turns as fast as ahead
    EXPECT_STREQ(t.doc.controls.engineRpmText[0], "1410");
    t.doc.boat.maxRpm = 2507.0;  // rounds up to tens
    ChangeEngine(t.doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 2510);
    t.doc.boat.idleRpm = 604.9;  // a stopped engine shows idle RPM truncated
    t.Engine(ENGINE_BOTH, ENGINE_NEUTRAL);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 604);

    // A five-digit readout never spills into the other engine's text.
    t.doc.boat.maxRpm = 10000.0;
    t.doc.boat.idleRpm = 1500.0;
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    t.Engine(ENGINE_STARBOARD, ENGINE_NEUTRAL);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 10000);
    EXPECT_STREQ(t.doc.controls.engineRpmText[0], "10000");
    EXPECT_STREQ(t.doc.controls.engineRpmText[1], "1500");
    ChangeEngine(t.doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, -1, 100);
    EXPECT_STREQ(t.doc.controls.engineRpmText[0], "10000");
    EXPECT_STREQ(t.doc.controls.engineRpmText[1], "10000");
}

TEST(UpdateEngineReadouts, DamagedRpmLimitsNeverOverflowTheText) {
    ControlTestDoc t(2);
    const char* port = t.doc.controls.engineRpmText[0];
    const char* starboard = t.doc.controls.engineRpmText[1];
    t.doc.boat.maxRpm = 1e300;
    t.doc.boat.idleRpm = -1e300;
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_STREQ(port, "9999990");
    EXPECT_LT(std::strlen(starboard), sizeof t.doc.controls.engineRpmText[1]);
    EXPECT_LT(t.doc.controls.engineRpm[1], 0);
    t.doc.boat.maxRpm = std::nan("");
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_LT(std::strlen(port), sizeof t.doc.controls.engineRpmText[0]);
    EXPECT_STREQ(starboard, "-999999");
}

}  // namespace
