#include "controls/key_dispatch.h"

#include <gtest/gtest.h>

#include "control_test_doc.h"

namespace {

struct KeyEffect {
    int key;
    int notch0, notch1;
    int rudderIndex;
    double thrust;
};

// What each default key does on a twin with a thruster, from the reset state
// (both neutral, rudder amidships, thruster off).
TEST(HandleControlKey, EveryDefaultBindingActsOnATwinWithThruster) {
    const KeyEffect effects[] = {
        {'U', 8, 8, 9, 150.0}, {'O', 8, 8, 9, -150.0}, {'I', 8, 8, 9, 0.0}, {'W', 9, 8, 9, 0.0},
        {'X', 7, 8, 9, 0.0},   {'S', 8, 8, 9, 0.0},    {'R', 8, 9, 9, 0.0}, {'V', 8, 7, 9, 0.0},
        {'F', 8, 8, 9, 0.0},   {'E', 9, 9, 9, 0.0},    {'C', 7, 7, 9, 0.0}, {'D', 8, 8, 9, 0.0},
        {'J', 8, 8, 8, 0.0},   {'L', 8, 8, 10, 0.0},   {'K', 8, 8, 9, 0.0},
    };
    for (const KeyEffect& effect : effects) {
        ControlTestDoc t(2, true);
        if (effect.key == 'I') SetThruster(t.doc, THRUSTER_PORT);
        if (effect.key == 'S') ChangeEngine(t.doc, ENGINE_PORT, ENGINE_STEP_AHEAD, 1, 0);
        if (effect.key == 'F') ChangeEngine(t.doc, ENGINE_STARBOARD, ENGINE_STEP_ASTERN, 1, 0);
        if (effect.key == 'D') ChangeEngine(t.doc, ENGINE_BOTH, ENGINE_STEP_ASTERN, 1, 0);
        if (effect.key == 'K') ChangeRudder(t.doc, RUDDER_STEP_PORT, -1);
        HandleControlKey(t.doc, effect.key);
        SCOPED_TRACE(static_cast<char>(effect.key));
        EXPECT_EQ(t.notch(0), effect.notch0);
        EXPECT_EQ(t.notch(1), effect.notch1);
        EXPECT_EQ(t.doc.controls.rudderIndex, effect.rudderIndex);
        EXPECT_EQ(t.doc.controls.thrusterThrust, effect.thrust);
    }
}

TEST(HandleControlKey, SingleEngineAndThrusterKeysNeedTheirEquipment) {
    ControlTestDoc t(1, false);
    for (int key : {'W', 'X', 'S', 'R', 'V', 'F', 'U', 'I', 'O'}) HandleControlKey(t.doc, key);
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);
    EXPECT_EQ(t.doc.controls.thrusterThrust, 0.0);
    HandleControlKey(t.doc, 'E');
    HandleControlKey(t.doc, 'E');
    EXPECT_EQ(t.notch(0), 10);
    HandleControlKey(t.doc, 'D');
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);
    HandleControlKey(t.doc, 'C');
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_ASTERN);
    EXPECT_EQ(t.notch(1), NOTCH_NEUTRAL);
}

TEST(HandleControlKey, HoldingAKeySteps) {
    ControlTestDoc t(2);
    for (int repeat = 0; repeat < 30; ++repeat) HandleControlKey(t.doc, 'W');
    EXPECT_EQ(t.notch(0), NOTCH_FULL_AHEAD);
    EXPECT_EQ(t.notch(1), NOTCH_NEUTRAL);
}

TEST(HandleControlKey, FixedCodesWinOverBindings) {
    ControlTestDoc t(2);
    t.doc.settings.keyBindings[KEY_SLOT_BOTH_AHEAD] = KEY_PAGE_UP;
    t.doc.settings.keyBindings[KEY_SLOT_BOTH_ASTERN] = KEY_EQUALS;
    t.doc.settings.keyBindings[KEY_SLOT_RUDDER_PORT] = KEY_COMMA;
    t.doc.settings.keyBindings[KEY_SLOT_RUDDER_STARBOARD] = KEY_F11;
    t.doc.state.running = 1;
    HandleControlKey(t.doc, KEY_PAGE_UP);
    EXPECT_EQ(t.doc.camera.viewDistance, 50.0);  // 2 × 25 ft
    HandleControlKey(t.doc, KEY_EQUALS);
    EXPECT_EQ(t.doc.camera.fieldOfViewDeg, 120.0);
    HandleControlKey(t.doc, KEY_COMMA);
    HandleControlKey(t.doc, KEY_F11);
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);
    EXPECT_EQ(t.notch(1), NOTCH_NEUTRAL);
    EXPECT_EQ(t.doc.controls.rudderIndex, 9);
}

TEST(HandleControlKey, CameraKeysZoom) {
    ControlTestDoc t;
    HandleControlKey(t.doc, KEY_MINUS);
    EXPECT_EQ(t.doc.camera.fieldOfViewDeg, 100.0);
    HandleControlKey(t.doc, KEY_EQUALS);
    EXPECT_EQ(t.doc.camera.fieldOfViewDeg, 110.0);
    HandleControlKey(t.doc, KEY_PAGE_DOWN);
    EXPECT_EQ(t.doc.camera.viewDistance, 79.5);
    for (int key : {KEY_COMMA, KEY_PERIOD, KEY_SLASH}) HandleControlKey(t.doc, key);
    EXPECT_EQ(t.doc.camera.viewDistance, 79.5);
    EXPECT_EQ(t.doc.camera.fieldOfViewDeg, 110.0);
}

TEST(HandleControlKey, LowerSlotWinsEvenWhenItsConditionStopsIt) {
    ControlTestDoc twin(2);
    twin.doc.settings.keyBindings[KEY_SLOT_PORT_AHEAD] = 'E';  // slot 3 before slot 9
    HandleControlKey(twin.doc, 'E');
    EXPECT_EQ(twin.notch(0), 9);
    EXPECT_EQ(twin.notch(1), 8);

    ControlTestDoc single(1, false);
    single.doc.settings.keyBindings[KEY_SLOT_THRUSTER_PORT] = 'E';  // no thruster
    HandleControlKey(single.doc, 'E');
    EXPECT_EQ(single.notch(0), NOTCH_NEUTRAL);
}

TEST(HandleControlKey, RunAndResetSlotsAreNeverConsulted) {
    ControlTestDoc t(2);
    t.doc.state.running = 1;
    t.doc.settings.keyBindings[KEY_SLOT_RUN] = 'Q';
    t.doc.settings.keyBindings[KEY_SLOT_RESET] = 'E';
    t.doc.settings.keyBindings[KEY_SLOT_BOTH_AHEAD] = 'Z';
    // From the console F1, F2 and Escape come here and do nothing.
    for (int key : {KEY_F1, KEY_F2, KEY_ESCAPE, int('Q'), int('E')}) HandleControlKey(t.doc, key);
    EXPECT_EQ(t.doc.state.running, 1);
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);
    EXPECT_EQ(t.notch(1), NOTCH_NEUTRAL);
    HandleControlKey(t.doc, 'Z');
    EXPECT_EQ(t.notch(0), 9);
    HandleControlKey(t.doc, 'e');  // lower case is not a virtual-key code of a letter
    EXPECT_EQ(t.notch(0), 9);
}

TEST(HandleControlKey, StartPoseKeysOnlyWhilePaused) {
    ControlTestDoc t(1);
    t.doc.state.posX = 123.0;
    t.doc.state.posY = -45.0;
    t.doc.state.headingDeg = 30.0;
    t.doc.boat.startPoseCaptured = 0;
    t.doc.state.running = 1;
    HandleControlKey(t.doc, KEY_F12);
    EXPECT_EQ(t.doc.boat.startPoseCaptured, 0);
    EXPECT_NE(t.doc.boat.startX, 123.0);

    t.doc.state.running = 0;
    HandleControlKey(t.doc, KEY_F12);
    EXPECT_EQ(t.doc.boat.startPoseCaptured, 1);
    EXPECT_EQ(t.doc.boat.startX, 123.0);
    EXPECT_EQ(t.doc.boat.startY, -45.0);
    EXPECT_EQ(t.doc.boat.startHeading, 30.0);

    t.doc.state.running = 1;
    HandleControlKey(t.doc, KEY_F11);
    EXPECT_EQ(t.doc.boat.startPoseCaptured, 1);
    t.doc.state.running = 0;
    HandleControlKey(t.doc, KEY_F11);
    EXPECT_EQ(t.doc.boat.startPoseCaptured, 0);
    EXPECT_EQ(t.doc.boat.startHeading, 90.0);
}

TEST(HandleViewKey, EscapeQuitsF1TogglesF2PausesAndResets) {
    ControlTestDoc t(2);
    EXPECT_TRUE(HandleViewKey(t.doc, KEY_ESCAPE));
    EXPECT_EQ(t.doc.state.running, 0);

    EXPECT_FALSE(HandleViewKey(t.doc, KEY_F1));
    EXPECT_EQ(t.doc.state.running, 1);
    EXPECT_FALSE(HandleViewKey(t.doc, 'E'));  // the rest are control keys
    EXPECT_EQ(t.notch(0), 9);
    EXPECT_FALSE(HandleViewKey(t.doc, KEY_F1));
    EXPECT_EQ(t.doc.state.running, 0);

    HandleViewKey(t.doc, KEY_F1);
    ASSERT_EQ(t.doc.state.running, 1);
    EXPECT_FALSE(HandleViewKey(t.doc, KEY_F2));
    EXPECT_EQ(t.doc.state.running, 0);
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);  // the boat reset puts the controls in neutral
    EXPECT_EQ(t.notch(1), NOTCH_NEUTRAL);
}

}  // namespace
