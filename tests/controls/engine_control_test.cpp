#include <gtest/gtest.h>

#include "control_test_doc.h"

namespace {

void Step(CKLVNDoc& doc, int selector, int command) {
    ChangeEngine(doc, selector, command, 1, 0);
}

void ExpectOnTable(const ControlTestDoc& t, int engine) {
    EXPECT_EQ(t.power(engine), t.table()[t.notch(engine)]) << "engine " << engine;
}

TEST(ChangeEngine, StepsWalkThroughAllSeventeenNotches) {
    ControlTestDoc t(1);
    Step(t.doc, ENGINE_PORT, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_AHEAD);  // no intermediate value above neutral
    EXPECT_DOUBLE_EQ(t.power(0), 0.21);
    Step(t.doc, ENGINE_PORT, ENGINE_NEUTRAL);
    Step(t.doc, ENGINE_PORT, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_ASTERN);
    EXPECT_DOUBLE_EQ(t.power(0), -0.21);

    for (int i = 0; i < 20; ++i) Step(t.doc, ENGINE_PORT, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), NOTCH_FULL_ASTERN);
    EXPECT_EQ(t.power(0), -1.0);
    for (int n = 1; n <= 16; ++n) {
        Step(t.doc, ENGINE_PORT, ENGINE_STEP_AHEAD);
        EXPECT_EQ(t.notch(0), n);
        ExpectOnTable(t, 0);
        if (n > 8) {
            EXPECT_GT(t.power(0), 0.0);
        } else if (n < 8) {
            EXPECT_LT(t.power(0), 0.0);
        }
    }
    EXPECT_EQ(t.power(0), 1.0);
}

TEST(ChangeEngine, StepAtEitherEndChangesNothingButStillRefreshes) {
    ControlTestDoc t(1);
    t.ui.consoleOpen = true;
    for (int i = 0; i < 8; ++i) Step(t.doc, ENGINE_PORT, ENGINE_STEP_AHEAD);
    ASSERT_EQ(t.notch(0), NOTCH_FULL_AHEAD);
    int calls = t.ui.showEngineCalls[0];
    std::snprintf(t.doc.controls.engineRpmText[0], 8, "stale");
    Step(t.doc, ENGINE_PORT, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), NOTCH_FULL_AHEAD);
    EXPECT_EQ(t.ui.showEngineCalls[0], calls + 1);
    EXPECT_STREQ(t.doc.controls.engineRpmText[0], "2500");
    EXPECT_EQ(t.ui.lastEngineShown[0].direction, 1);
    EXPECT_EQ(t.ui.lastEngineShown[0].percent, 100);

    for (int i = 0; i < 20; ++i) Step(t.doc, ENGINE_PORT, ENGINE_STEP_ASTERN);
    calls = t.ui.showEngineCalls[0];
    Step(t.doc, ENGINE_PORT, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), NOTCH_FULL_ASTERN);
    EXPECT_EQ(t.ui.showEngineCalls[0], calls + 1);
    EXPECT_EQ(t.ui.lastEngineShown[0].direction, -1);
    EXPECT_EQ(t.ui.lastEngineShown[0].percent, -100);
}

TEST(ChangeEngine, SingleEngineBoatTakesEverySelectorAsItsEngine) {
    ControlTestDoc t(1);
    t.ui.consoleOpen = true;
    Step(t.doc, ENGINE_STARBOARD, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), 9);
    Step(t.doc, ENGINE_BOTH, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), 10);
    Step(t.doc, ENGINE_BOTH, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), 9);
    EXPECT_EQ(t.notch(1), NOTCH_NEUTRAL);
    EXPECT_EQ(t.power(1), 0.0);
    EXPECT_EQ(t.ui.showEngineCalls[1], 0);  // a single-engine console has no engine 1
    Step(t.doc, ENGINE_STARBOARD, ENGINE_NEUTRAL);
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);
    EXPECT_EQ(t.ui.lastEngineShown[0].direction, 0);
    EXPECT_EQ(t.ui.lastEngineShown[0].percent, 0);
}

TEST(ChangeEngine, BothOnTwinFollowsTheTwinRules) {
    ControlTestDoc t(2);
    // Opposite gears: either step first brings both to idle in the gear asked for.
    t.SetNotches(5, 12);
    Step(t.doc, ENGINE_BOTH, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_AHEAD);
    EXPECT_EQ(t.notch(1), NOTCH_IDLE_AHEAD);
    t.SetNotches(5, 12);
    Step(t.doc, ENGINE_BOTH, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_ASTERN);
    EXPECT_EQ(t.notch(1), NOTCH_IDLE_ASTERN);
    ExpectOnTable(t, 0);
    ExpectOnTable(t, 1);

    // Same gear, different throttles: each steps on, one at the end stays.
    t.SetNotches(16, 12);
    Step(t.doc, ENGINE_BOTH, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), 16);
    EXPECT_EQ(t.notch(1), 13);
    t.SetNotches(0, 3);
    Step(t.doc, ENGINE_BOTH, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), 0);
    EXPECT_EQ(t.notch(1), 2);
    // One neutral, one ahead counts as the same gear ahead, and as opposite astern.
    t.SetNotches(8, 11);
    Step(t.doc, ENGINE_BOTH, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), 9);
    EXPECT_EQ(t.notch(1), 12);
    t.SetNotches(8, 11);
    Step(t.doc, ENGINE_BOTH, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_ASTERN);
    EXPECT_EQ(t.notch(1), NOTCH_IDLE_ASTERN);

    // In step: together, and both stop at the ends.
    t.SetNotches(8, 8);
    for (int i = 0; i < 10; ++i) Step(t.doc, ENGINE_BOTH, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), 16);
    EXPECT_EQ(t.notch(1), 16);
    for (int i = 0; i < 20; ++i) Step(t.doc, ENGINE_BOTH, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), 0);
    EXPECT_EQ(t.notch(1), 0);
    Step(t.doc, ENGINE_BOTH, ENGINE_NEUTRAL);
    EXPECT_EQ(t.notch(0), 8);
    EXPECT_EQ(t.notch(1), 8);
    EXPECT_EQ(t.power(0), 0.0);
    EXPECT_EQ(t.power(1), 0.0);

    // Port and Starboard leave the other engine alone.
    Step(t.doc, ENGINE_STARBOARD, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), 8);
    EXPECT_EQ(t.notch(1), 7);
    Step(t.doc, ENGINE_PORT, ENGINE_STEP_AHEAD);
    EXPECT_EQ(t.notch(0), 9);
    EXPECT_EQ(t.notch(1), 7);
}

TEST(ChangeEngine, EveryStepKeepsThePowerOnTheTable) {
    ControlTestDoc t(2);
    const int selectors[] = {ENGINE_PORT, ENGINE_STARBOARD, ENGINE_BOTH};
    const int commands[] = {ENGINE_STEP_AHEAD, ENGINE_NEUTRAL, ENGINE_STEP_ASTERN};
    for (int port = 0; port <= 16; port += 3) {
        for (int starboard = 0; starboard <= 16; starboard += 2) {
            for (int selector : selectors) {
                for (int command : commands) {
                    t.SetNotches(port, starboard);
                    Step(t.doc, selector, command);
                    ExpectOnTable(t, 0);
                    ExpectOnTable(t, 1);
                    EXPECT_GE(t.notch(0), 0);
                    EXPECT_LE(t.notch(0), 16);
                    EXPECT_GE(t.notch(1), 0);
                    EXPECT_LE(t.notch(1), 16);
                }
            }
        }
    }
}

TEST(ChangeEngine, SetByValueSnapsDownToANotch) {
    ControlTestDoc t(1);
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_EQ(t.notch(0), 16);
    EXPECT_EQ(t.power(0), 1.0);
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, -1, 100);
    EXPECT_EQ(t.notch(0), 0);
    EXPECT_EQ(t.power(0), -1.0);
    // 0.21 + 2 × 0.79 / 7 = 0.4357 is the highest notch at or below 0.5.
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 50);
    EXPECT_EQ(t.notch(0), 11);
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, -1, 50);
    EXPECT_EQ(t.notch(0), 4);  // -0.5486, the next one down from -0.5
    ExpectOnTable(t, 0);
    // Exactly on a notch stays on it.
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 21);
    EXPECT_EQ(t.notch(0), 9);
    // Beyond full either way is full.
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 250);
    EXPECT_EQ(t.notch(0), 16);
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, -1, 250);
    EXPECT_EQ(t.notch(0), 0);
    EXPECT_EQ(t.power(0), -1.0);
}

TEST(ChangeEngine, SetByValueInGearBelowIdleGivesIdle) {
    ControlTestDoc t(1);
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 2);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_AHEAD);
    EXPECT_DOUBLE_EQ(t.power(0), 0.21);
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 0);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_AHEAD);
    // Astern the idle notch is the astern one, so power and notch agree and a
    // following step astern goes on astern rather than to neutral.
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, -1, 0);
    EXPECT_DOUBLE_EQ(t.power(0), -0.21);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_ASTERN);
    Step(t.doc, ENGINE_PORT, ENGINE_STEP_ASTERN);
    EXPECT_EQ(t.notch(0), 6);
    // Out of gear a request is neutral whatever its size.
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 0, 80);
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);
    EXPECT_EQ(t.power(0), 0.0);
}

TEST(ChangeEngine, SetByValueOnTwinSetsTheSelectedEngines) {
    ControlTestDoc t(2);
    t.ui.consoleOpen = true;
    ChangeEngine(t.doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_EQ(t.notch(0), 16);
    EXPECT_EQ(t.notch(1), 16);
    ChangeEngine(t.doc, ENGINE_STARBOARD, ENGINE_SET_BY_VALUE, -1, 100);
    EXPECT_EQ(t.notch(0), 16);
    EXPECT_EQ(t.notch(1), 0);
    EXPECT_EQ(t.ui.lastEngineShown[1].direction, -1);
    EXPECT_EQ(t.ui.lastEngineShown[1].percent, -100);
    // A zero power shows as ahead on the set-by-value path.
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 0, 0);
    EXPECT_EQ(t.ui.lastEngineShown[0].direction, 1);
    EXPECT_EQ(t.ui.lastEngineShown[0].percent, 0);
}

TEST(ChangeEngine, ConsoleIsToldOnlyWhileOpenAndOnlyAboutTouchedEngines) {
    ControlTestDoc t(2);
    t.ui.consoleCalls.clear();
    Step(t.doc, ENGINE_BOTH, ENGINE_STEP_AHEAD);
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 60);
    EXPECT_TRUE(t.ui.consoleCalls.empty());

    t.ui.consoleOpen = true;
    Step(t.doc, ENGINE_BOTH, ENGINE_NEUTRAL);
    Step(t.doc, ENGINE_STARBOARD, ENGINE_STEP_ASTERN);
    Step(t.doc, ENGINE_PORT, ENGINE_STEP_AHEAD);
    const std::vector<std::string> expected = {"engine 0 0 0", "engine 1 0 0", "engine 1 -1 -21",
                                               "engine 0 1 21"};
    EXPECT_EQ(t.ui.consoleCalls, expected);
}

TEST(ChangeEngine, UnknownCommandsAndSelectorsChangeNothing) {
    ControlTestDoc t(2);
    t.ui.consoleOpen = true;
    t.SetNotches(10, 6);
    t.ui.consoleCalls.clear();
    ChangeEngine(t.doc, ENGINE_PORT, 3, 1, 0);
    ChangeEngine(t.doc, ENGINE_BOTH, -2, 1, 100);
    ChangeEngine(t.doc, 3, ENGINE_STEP_AHEAD, 1, 0);
    ChangeEngine(t.doc, -1, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_EQ(t.notch(0), 10);
    EXPECT_EQ(t.notch(1), 6);
    EXPECT_TRUE(t.ui.consoleCalls.empty());
}

}  // namespace
