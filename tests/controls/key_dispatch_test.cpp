#include "controls/key_dispatch.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "../support/test_document.h"
#include "control_test_doc.h"
#include "controls/mouse_wheel.h"

namespace {

// What each default key does on a twin with a thruster, from the reset state
// (both neutral, rudder amidships, thruster off) or the set-up named.
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
    // Holding a key steps on to the end.
    ControlTestDoc t(2);
    for (int repeat = 0; repeat < 30; ++repeat) HandleControlKey(t.doc, 'W');
    t.ExpectNotches(NOTCH_FULL_AHEAD, NOTCH_NEUTRAL);
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
    HandleControlKey(t.doc, 'C');
    t.ExpectNotches(NOTCH_IDLE_ASTERN, NOTCH_NEUTRAL);
    // A lower slot wins even when its condition stops it.
    t.doc.settings.keyBindings[KEY_SLOT_THRUSTER_PORT] = 'E';
    HandleControlKey(t.doc, 'E');
    EXPECT_EQ(t.notch(0), NOTCH_IDLE_ASTERN);

    ControlTestDoc twin(2);
    twin.doc.settings.keyBindings[KEY_SLOT_PORT_AHEAD] = 'E';  // slot 3 before slot 9
    HandleControlKey(twin.doc, 'E');
    twin.ExpectNotches(9, 8);
}

TEST(HandleControlKey, FixedCodesWinAndRunResetSlotsAreNeverConsulted) {
    ControlTestDoc t(2);
    t.doc.state.running = 1;
    t.doc.settings.keyBindings[KEY_SLOT_BOTH_AHEAD] = KEY_PAGE_UP;
    t.doc.settings.keyBindings[KEY_SLOT_BOTH_ASTERN] = KEY_EQUALS;
    t.doc.settings.keyBindings[KEY_SLOT_RUDDER_PORT] = KEY_COMMA;
    t.doc.settings.keyBindings[KEY_SLOT_RUDDER_STARBOARD] = KEY_F11;
    t.doc.settings.keyBindings[KEY_SLOT_RUN] = 'Q';
    t.doc.settings.keyBindings[KEY_SLOT_RESET] = 'A';
    HandleControlKey(t.doc, KEY_PAGE_UP);
    EXPECT_EQ(t.doc.camera.viewDistance, 50.0);  // 2 × 25 ft
    HandleControlKey(t.doc, KEY_EQUALS);
    EXPECT_EQ(t.doc.camera.fieldOfViewDeg, 120.0);
    // From the console F1, F2 and Escape come here and do nothing.
    for (int key : {KEY_COMMA, KEY_F11, KEY_F1, KEY_F2, KEY_ESCAPE, int('Q'), int('A'), int('w')}) {
        HandleControlKey(t.doc, key);  // lower case is not a letter's virtual-key code
    }
    EXPECT_EQ(t.doc.state.running, 1);
    t.ExpectNotches(NOTCH_NEUTRAL, NOTCH_NEUTRAL);
    EXPECT_EQ(t.doc.controls.rudderIndex, 9);
}

TEST(CameraKeysAndWheel, ZoomRaiseAndLowerWithinTheirLimits) {
    ControlTestDoc t;
    Camera& camera = t.doc.camera;
    HandleControlKey(t.doc, KEY_MINUS);
    EXPECT_EQ(camera.fieldOfViewDeg, 100.0);
    HandleControlKey(t.doc, KEY_EQUALS);
    EXPECT_EQ(camera.fieldOfViewDeg, 110.0);
    HandleControlKey(t.doc, KEY_PAGE_DOWN);
    EXPECT_EQ(camera.viewDistance, 79.5);
    for (int key : {KEY_COMMA, KEY_PERIOD, KEY_SLASH}) HandleControlKey(t.doc, key);
    EXPECT_EQ(camera.viewDistance, 79.5);

    // Shift moves the camera, Ctrl does nothing, else the wheel zooms.
    InitCamera(t.doc);
    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT, 120);
    EXPECT_EQ(camera.viewDistance, 76.0);
    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT, -120);
    EXPECT_EQ(camera.viewDistance, 50.0);  // the raise meets twice the 25 ft length
    HandleMouseWheel(t.doc, MOUSE_FLAG_CTRL, 120);
    EXPECT_EQ(camera.viewDistance, 50.0);
    EXPECT_EQ(camera.fieldOfViewDeg, 110.0);
    HandleMouseWheel(t.doc, 0, 120);
    EXPECT_EQ(camera.fieldOfViewDeg, 100.0);
    HandleMouseWheel(t.doc, 0, 0);  // no turn counts as toward the user
    EXPECT_EQ(camera.fieldOfViewDeg, 110.0);
    // Shift with a button, or with Ctrl, is not exactly Shift.
    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT | MOUSE_FLAG_LEFT_BUTTON, 120);
    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT | MOUSE_FLAG_CTRL, 120);
    EXPECT_EQ(camera.fieldOfViewDeg, 90.0);
    EXPECT_EQ(camera.viewDistance, 50.0);
}

TEST(HandleControlKey, StartPoseKeysOnlyWhilePaused) {
    ControlTestDoc t(1);
    BoatRecord& boat = t.doc.boat;
    t.doc.state.posX = 123.0;
    t.doc.state.posY = -45.0;
    t.doc.state.headingDeg = 30.0;
    t.doc.state.running = 1;
    HandleControlKey(t.doc, KEY_F12);
    EXPECT_EQ(boat.startPoseCaptured, 0);
    t.doc.state.running = 0;
    HandleControlKey(t.doc, KEY_F12);
    EXPECT_EQ(boat.startPoseCaptured, 1);
    EXPECT_EQ(boat.startX, 123.0);
    EXPECT_EQ(boat.startY, -45.0);
    EXPECT_EQ(boat.startHeading, 30.0);
    t.doc.state.running = 1;
    HandleControlKey(t.doc, KEY_F11);
    EXPECT_EQ(boat.startPoseCaptured, 1);
    t.doc.state.running = 0;
    HandleControlKey(t.doc, KEY_F11);
    EXPECT_EQ(boat.startPoseCaptured, 0);
    EXPECT_EQ(boat.startHeading, 90.0);
}

TEST(HandleViewKey, EscapeQuitsF1TogglesF2PausesAndResets) {
    ControlTestDoc t(2);
    EXPECT_TRUE(HandleViewKey(t.doc, KEY_ESCAPE));
    EXPECT_EQ(t.doc.state.running, 0);
    EXPECT_FALSE(HandleViewKey(t.doc, KEY_F1));
    EXPECT_EQ(t.doc.state.running, 1);
    EXPECT_FALSE(HandleViewKey(t.doc, 'E'));  // the rest are control keys
    EXPECT_EQ(t.notch(0), 9);
    EXPECT_FALSE(HandleViewKey(t.doc, KEY_F2));
    EXPECT_EQ(t.doc.state.running, 0);
    t.ExpectNotches(NOTCH_NEUTRAL, NOTCH_NEUTRAL);  // the boat reset puts the controls in neutral
}

// The default boats as start-up builds them: their table is the one built by
// hand above, and the keys drive it.
TEST(DefaultBoatControls, StartInNeutralAndStepThroughTheBoatsTable) {
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        SCOPED_TRACE(type);
        auto owner = MakeTestDocument(type);
        CKLVNDoc& doc = *owner;
        const ControlState& controls = doc.controls;
        EXPECT_EQ(controls.engineRpm[1], static_cast<int>(doc.boat.idleRpm));
        EXPECT_EQ(controls.rudderIndex, 9);
        BoatRecord byHand{};
        byHand.idlePowerFactor = doc.boat.idlePowerFactor;
        BuildTestThrottleTable(byHand);
        for (int n = 0; n < THROTTLE_NOTCHES; ++n) {
            EXPECT_NEAR(doc.boat.throttlePowerTable[n], byHand.throttlePowerTable[n], 1e-15);
        }
        for (int press = 0; press < 8; ++press) HandleControlKey(doc, 'E');
        EXPECT_EQ(controls.enginePower[0], 1.0);
        char shown[16];
        std::snprintf(shown, sizeof shown, "%i", (static_cast<int>(doc.boat.maxRpm) + 5) / 10 * 10);
        EXPECT_STREQ(controls.engineRpmText[0], shown);
        EXPECT_EQ(controls.throttleNotch[1],
                  doc.boat.engineCount >= 2 ? NOTCH_FULL_AHEAD : NOTCH_NEUTRAL);
        HandleControlKey(doc, 'U');  // the thruster keys act only on a boat that has one
        EXPECT_EQ(controls.thrusterThrust,
                  doc.boat.hasBowThruster ? doc.boat.bowThrusterForce : 0.0);
    }
}

}  // namespace
