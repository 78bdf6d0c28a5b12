#include "controls/gamepad_mapping.h"

#include <gtest/gtest.h>

#include <cstring>

#include "control_test_doc.h"
#include "controls/key_dispatch.h"

namespace {

// The test throttle table idles at 0.21: in gear the stick never gives less.
TEST(GamepadMapping, StickDeadZoneAndRecordedReadingsDriveTheHelm) {
    const std::pair<std::int16_t, EngineCommand> rows[] = {
        {0, {0, 0}},       {-6553, {0, 0}},    {6553, {0, 0}},     {-6600, {1, 21}},
        {-26214, {1, 80}}, {-32768, {1, 100}}, {32767, {-1, 100}}, {26214, {-1, 80}}};
    for (const auto& [value, command] : rows)
        EXPECT_EQ(StickThrottle(value, 20, 21), command) << value;

    // Recorded readings played one after another on a twin with a thruster.
    ControlTestDoc t(2, true);
    EXPECT_EQ(ThrottleIdlePercent(t.doc.boat), 21);
    t.ui.consoleOpen = true;
    const GamepadMapping mapping = DefaultGamepadMapping();
    GamepadInput pad = {};
    GamepadHelmState state;
    TakeGamepadBaseline(t.doc, mapping, pad, state);
    auto play = [&](int leftY, int rightY, int rightTrigger, bool sync = false) {
        pad.axis[int(GamepadAxis::LeftY)] = static_cast<std::int16_t>(leftY);
        pad.axis[int(GamepadAxis::RightY)] = static_cast<std::int16_t>(rightY);
        pad.axis[int(GamepadAxis::RightTrigger)] = static_cast<std::int16_t>(rightTrigger);
        ApplyGamepad(t.doc, mapping, pad, sync, state);
    };
    play(-32768, 0, 0);
    t.ExpectNotches(NOTCH_FULL_AHEAD, NOTCH_NEUTRAL);
    EXPECT_EQ(t.ui.LastConsoleNumber("engine 0"), 100);
    play(32767, 0, 0);  // flicked astern in one reading: neutral first
    t.ExpectNotches(NOTCH_NEUTRAL, NOTCH_NEUTRAL);
    play(32767, 0, 0);
    t.ExpectNotches(NOTCH_FULL_ASTERN, NOTCH_NEUTRAL);
    play(0, -32768, 0);
    t.ExpectNotches(NOTCH_NEUTRAL, NOTCH_FULL_AHEAD);
    HandleControlKey(t.doc, 'W');  // a key while the pad rests is not undone
    play(0, -32768, 0);
    t.ExpectNotches(NOTCH_IDLE_AHEAD, NOTCH_FULL_AHEAD);
    play(-32768, 0, 32767, true);  // SYNC: the left stick drives both
    t.ExpectNotches(NOTCH_FULL_AHEAD, NOTCH_FULL_AHEAD);
    EXPECT_EQ(t.ui.LastConsoleNumber("rudder"), 100);
    pad.button[int(GamepadButton::LeftShoulder)] = pad.button[int(GamepadButton::Start)] = true;
    play(-32768, 0, 0, true);
    EXPECT_EQ(t.ui.LastConsoleNumber("rudder"), 50);
    EXPECT_EQ(t.ui.LastConsoleNumber("thruster"), THRUSTER_PORT);
    EXPECT_EQ(t.doc.state.running, 1);
    pad.button[int(GamepadButton::LeftShoulder)] = false;
    play(-32768, 0, 0, true);  // Start held: no second toggle
    EXPECT_EQ(t.ui.LastConsoleNumber("thruster"), THRUSTER_OFF);
    EXPECT_EQ(t.doc.state.running, 1);
}

TEST(GamepadMapping, FileLinesOverrideTheDefaultsAndBadLinesAreNamed) {
    const char text[] =
        "# a pad with its sticks swapped\nport engine = RightY   # the right stick\n"
        "rudder = none\n03000000,Some Pad,a:b0,platform:Linux\ndead zone = 95\n";
    GamepadMapping mapping = DefaultGamepadMapping();
    char problem[120] = {};
    EXPECT_EQ(ParseGamepadMapping(text, std::strlen(text), mapping, problem, sizeof problem), 1);
    EXPECT_STREQ(problem, "Gamepad.txt line 5: \"dead zone = 95\" is not a gamepad setting");
    EXPECT_EQ(mapping.portEngine, GamepadAxis::RightY);
    EXPECT_EQ(mapping.rudder, GamepadAxis::None);
    EXPECT_EQ(mapping.deadZonePercent, 20);
}

}  // namespace
