#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "control_test_doc.h"

namespace {

TEST(ChangeEngine, StepsWalkTheSeventeenNotchesAndSingleEngineTakesEverySelector) {
    ControlTestDoc t(1);
    t.ui.consoleOpen = true;
    for (int i = 0; i < 20; ++i) t.Engine(ENGINE_PORT, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.ui.consoleCalls.back(), "engine 0 -1 -100");
    for (int n = 1; n <= 17; ++n) t.Engine(ENGINE_PORT, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), NOTCH_FULL_AHEAD);
    EXPECT_EQ(t.ui.consoleCallCount, 37);  // a step past the end still refreshes
    EXPECT_EQ(t.ui.consoleCalls.back(), "engine 0 1 100");
    t.SetNotches(8, 8);
    t.ui.consoleCalls.clear();
    t.Engine(ENGINE_STARBOARD, ENGINE_STEP_AHEAD);
    t.Engine(ENGINE_BOTH, ENGINE_STEP_AHEAD);
    t.ExpectNotches(10, NOTCH_NEUTRAL);
    EXPECT_EQ(t.ui.consoleCalls, (std::vector<std::string>{"engine 0 1 21", "engine 0 1 32"}));
}

// Steps on a twin, and set-by-value snapping down to a notch with the idle fix-up.
TEST(ChangeEngine, TwinRulesAndSetByValueSnapping) {
    ControlTestDoc t(2);
    const int steps[][6] = {// port, starboard, selector, command -> port, starboard
                            {5, 12, ENGINE_BOTH, ENGINE_STEP_AHEAD, 9, 9},
                            {5, 12, ENGINE_BOTH, ENGINE_STEP_ASTERN, 7, 7},
                            {16, 12, ENGINE_BOTH, ENGINE_STEP_AHEAD, 16, 13},
                            {0, 3, ENGINE_BOTH, ENGINE_STEP_ASTERN, 0, 2},
                            {8, 11, ENGINE_BOTH, ENGINE_STEP_AHEAD, 9, 12},
                            {8, 11, ENGINE_BOTH, ENGINE_STEP_ASTERN, 7, 7},
                            {7, 7, ENGINE_PORT, ENGINE_STEP_AHEAD, 8, 7},
                            {8, 7, ENGINE_STARBOARD, ENGINE_STEP_ASTERN, 8, 6},
                            {3, 14, ENGINE_BOTH, ENGINE_NEUTRAL, 8, 8}};
    for (const auto& c : steps) {
        t.SetNotches(c[0], c[1]);
        t.Engine(c[2], c[3]);
        t.ExpectNotches(c[4], c[5]);
        for (int e = 0; e < 2; ++e)
            EXPECT_EQ(t.power(e), t.doc.boat.throttlePowerTable[t.notch(e)]);
    }
    t.ui.consoleOpen = true;
    // {direction, percent, port notch}: 0.4357 is the highest notch at or below 0.5.
    const int values[][3] = {{1, 100, 16}, {1, 50, 11}, {-1, 50, 4}, {1, 21, 9}, {1, 250, 16},
                             {-1, 250, 0}, {1, 2, 9},   {-1, 0, 7},  {0, 80, 8}};
    for (const auto& c : values) {
        ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, c[0], c[1]);
        EXPECT_EQ(t.notch(0), c[2]) << c[0] << " " << c[1];
    }
    EXPECT_EQ(t.ui.consoleCalls.back(), "engine 0 1 0");  // out of gear shows ahead at 0 %
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, -1, 0);
    t.Engine(ENGINE_PORT, ENGINE_STEP_ASTERN);  // idle astern steps on astern
    EXPECT_EQ(t.notch(0), 6);
    ChangeEngine(t.doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, -1, 100);
    t.ExpectNotches(0, 0);
}

TEST(UpdateEngineReadouts, IdleToMaxRpmInTensAndFiveDigitsHeldWhole) {
    ControlTestDoc t(2);
    const ControlState& c = t.doc.controls;
    t.SetNotches(9, 16);
    EXPECT_TRUE(c.engineRpm[0] == 600 && c.engineRpm[1] == 2500);
    t.SetNotches(12, 4);  // 600 + 1900 × 3/7 = 1414 -> 1410, astern as fast as ahead
    EXPECT_TRUE(c.engineRpm[0] == 1410 && c.engineRpm[1] == 1410);
    t.doc.boat.maxRpm = 2507.0;  // rounded to tens; neutral idles unrounded
    t.doc.boat.idleRpm = 604.9;
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    t.Engine(ENGINE_STARBOARD, ENGINE_NEUTRAL);
    EXPECT_TRUE(c.engineRpm[0] == 2510 && c.engineRpm[1] == 604);
    t.doc.boat.maxRpm = 10000.0;
    t.doc.boat.idleRpm = 1500.0;
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_STREQ(c.engineRpmText[0], "10000");
    EXPECT_STREQ(c.engineRpmText[1], "1500");
    // Damaged limits never overflow the text.
    for (double maxRpm : {1e300, -1e300, std::nan("")}) {
        t.doc.boat.maxRpm = maxRpm;
        t.doc.boat.idleRpm = -maxRpm;
        ChangeEngine(t.doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, -1, 100);
        for (int e = 0; e < 2; ++e)
            EXPECT_LT(std::strlen(c.engineRpmText[e]), sizeof c.engineRpmText[e]);
    }
}

}  // namespace
