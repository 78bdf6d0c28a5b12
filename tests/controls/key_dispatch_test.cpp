#include "controls/key_dispatch.h"

#include <gtest/gtest.h>

#include "control_test_doc.h"
#include "controls/mouse_wheel.h"

namespace {

TEST(HandleControlKey, EveryDefaultBindingActsOnATwinWithThruster) {
    struct KeyEffect {
        int key, notch0, notch1, rudderIndex;
        double thrust;
    };
    const KeyEffect effects[] = {
        {'U', 8, 8, 9, 150.0}, {'O', 8, 8, 9, -150.0}, {'I', 8, 8, 9, 0.0}, {'W', 9, 8, 9, 0.0},
        {'X', 7, 8, 9, 0.0},   {'S', 8, 8, 9, 0.0},    {'R', 8, 9, 9, 0.0}, {'V', 8, 7, 9, 0.0},
        {'F', 8, 8, 9, 0.0},   {'E', 9, 9, 9, 0.0},    {'C', 7, 7, 9, 0.0}, {'D', 8, 8, 9, 0.0},
        {'J', 8, 8, 8, 0.0},   {'L', 8, 8, 10, 0.0},   {'K', 8, 8, 9, 0.0},
    };
    for (const KeyEffect& effect : effects) {
        ControlTestDoc t(2, true);
        if (effect.key == 'I') SetThruster(t.doc, THRUSTER_PORT);
        if (effect.key == 'S') t.Engine(ENGINE_PORT, ENGINE_STEP_AHEAD);
        if (effect.key == 'F') t.Engine(ENGINE_STARBOARD, ENGINE_STEP_ASTERN);
        if (effect.key == 'D') t.Engine(ENGINE_BOTH, ENGINE_STEP_ASTERN);
        if (effect.key == 'K') ChangeRudder(t.doc, RUDDER_STEP_PORT, -1);
        HandleControlKey(t.doc, effect.key);
        SCOPED_TRACE(static_cast<char>(effect.key));
        t.ExpectNotches(effect.notch0, effect.notch1);
        EXPECT_EQ(t.doc.controls.rudderIndex, effect.rudderIndex);
        EXPECT_EQ(t.doc.controls.thrusterThrust, effect.thrust);
    }
}

TEST(HandleControlKey, KeysNeedTheirEquipmentAndTheLowerSlotWins) {
    ControlTestDoc t(1, false);
    t.doc.settings.keyBindings[KEY_SLOT_THRUSTER_PORT] = 'C';  // stopped, yet it wins
    for (int key : {'W', 'X', 'S', 'R', 'V', 'F', 'U', 'I', 'O', 'C', 'E'})
        HandleControlKey(t.doc, key);
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_AHEAD);
    EXPECT_EQ(t.doc.controls.thrusterThrust, 0.0);
}

// Page Up/Down and "=" "-" move the camera one step whatever is bound to them;
// the run and reset slots are never consulted; the wheel zooms, with Shift alone
// it moves the camera 8 steps.
TEST(HandleControlKey, FixedCodesAndTheWheelDriveTheCamera) {
    ControlTestDoc t(2);
    Camera& camera = t.doc.camera;
    t.doc.state.running = 1;
    const int bound[][2] = {{KEY_SLOT_BOTH_AHEAD, KEY_PAGE_DOWN},
                            {KEY_SLOT_BOTH_ASTERN, KEY_EQUALS},
                            {KEY_SLOT_RUDDER_PORT, KEY_COMMA},
                            {KEY_SLOT_RUDDER_STARBOARD, KEY_F11},
                            {KEY_SLOT_RUN, 'Q'},
                            {KEY_SLOT_RESET, 'A'}};
    for (const auto& b : bound) t.doc.settings.keyBindings[b[0]] = b[1];
    HandleControlKey(t.doc, KEY_PAGE_DOWN);
    EXPECT_EQ(camera.viewDistance, 79.5);
    HandleControlKey(t.doc, KEY_PAGE_UP);
    EXPECT_EQ(camera.viewDistance, 50.0);  // 2 × 25 ft
    HandleControlKey(t.doc, KEY_EQUALS);
    EXPECT_EQ(camera.fieldOfViewDeg, 120.0);
    HandleControlKey(t.doc, KEY_MINUS);
    for (int key : {KEY_COMMA, KEY_F11, KEY_F1, KEY_F2, KEY_ESCAPE, int('Q'), int('A'), int('w')})
        HandleControlKey(t.doc, key);
    EXPECT_EQ(t.doc.state.running, 1);
    t.ExpectNotches(NOTCH_NEUTRAL, NOTCH_NEUTRAL);
    EXPECT_EQ(t.doc.controls.rudderIndex, 9);

    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT, 120);
    EXPECT_EQ(camera.viewDistance, 46.0);
    HandleMouseWheel(t.doc, MOUSE_FLAG_CTRL, 120);
    HandleMouseWheel(t.doc, 0, 120);
    EXPECT_EQ(camera.fieldOfViewDeg, 100.0);
    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT | MOUSE_FLAG_CTRL, 120);
    EXPECT_EQ(camera.fieldOfViewDeg, 90.0);
    EXPECT_EQ(camera.viewDistance, 46.0);
}

TEST(HandleViewKey, EscapeQuitsF1TogglesF2ResetsAndStartPoseOnlyWhilePaused) {
    ControlTestDoc t(2);
    EXPECT_TRUE(HandleViewKey(t.doc, KEY_ESCAPE));
    EXPECT_FALSE(HandleViewKey(t.doc, KEY_F1));
    EXPECT_EQ(t.doc.state.running, 1);
    EXPECT_FALSE(HandleViewKey(t.doc, 'E'));
    EXPECT_EQ(t.notch(0), 9);
    HandleControlKey(t.doc, KEY_F12);
    EXPECT_EQ(t.doc.boat.startPoseCaptured, 0);
    EXPECT_FALSE(HandleViewKey(t.doc, KEY_F2));
    EXPECT_EQ(t.doc.state.running, 0);
    t.ExpectNotches(NOTCH_NEUTRAL, NOTCH_NEUTRAL);
    t.doc.state.posX = 123.0;
    t.doc.state.headingDeg = 30.0;
    HandleControlKey(t.doc, KEY_F12);
    EXPECT_TRUE(t.doc.boat.startPoseCaptured == 1 && t.doc.boat.startX == 123.0);
    EXPECT_EQ(t.doc.boat.startHeading, 30.0);
    HandleControlKey(t.doc, KEY_F11);
    EXPECT_EQ(t.doc.boat.startPoseCaptured, 0);
    EXPECT_EQ(t.doc.boat.startHeading, 90.0);
}

}  // namespace
