#include "app/gamepad_helm.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "support/recording_ui.h"
#include "support/test_document.h"

// A virtual controller stands in for a real one: no hardware is needed. What
// each stick and button does is the mapping's rule: here a reading reaches it.
TEST(GamepadHelm, VirtualPadDrivesThePortEngineAndLeavesTheEnginesWhenUnplugged) {
    auto doc = MakeTestDocument(MOTORBOAT);
    RecordingUserInterface ui;
    ui.consoleOpen = true;
    doc->ui = &ui;
    GamepadHelm helm(*doc);
    helm.SetEnabled(true);
    ASSERT_TRUE(helm.Enabled()) << ui.LastStatus();
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* pad = SDL_JoystickOpen(index);
    helm.Poll();
    EXPECT_TRUE(helm.InUse());
    EXPECT_STREQ(ui.LastStatus(), "Gamepad connected: Virtual Controller");

    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    helm.Poll();
    EXPECT_EQ(doc->controls.throttleNotch[0], NOTCH_FULL_AHEAD);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 1);  // buttons are read too
    helm.Poll();
    EXPECT_EQ(doc->state.running, 1);
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(index);
    helm.Poll();
    EXPECT_FALSE(helm.InUse());
    EXPECT_STREQ(ui.LastStatus(), "Gamepad disconnected");
    EXPECT_EQ(doc->controls.throttleNotch[0], NOTCH_FULL_AHEAD);
}
