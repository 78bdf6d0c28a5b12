#pragma once

#include <cstddef>
#include <cstdint>

struct BoatRecord;
struct CKLVNDoc;

// The axes and buttons of a standard game controller, in the order (and with
// the names) of SDL's game-controller interface.
enum class GamepadAxis : int { None = -1, LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger };
constexpr int GAMEPAD_AXES = 6;
enum class GamepadButton : int {
    None = -1,
    A,
    B,
    X,
    Y,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
};
constexpr int GAMEPAD_BUTTONS = 15;

// Which control of the pad works which part of the helm. A stick axis reads
// -32768 pushed away (up, or left) to 32767; a trigger 0 released to 32767.
struct GamepadMapping {
    GamepadAxis portEngine;         // the port or single engine; ahead when pushed away
    GamepadAxis starboardEngine;    // ignored on a single-engine boat and with SYNC on
    GamepadAxis rudder;             // left of centre to port
    GamepadAxis rudderToPort;       // a trigger
    GamepadAxis rudderToStarboard;  // a trigger
    GamepadButton thrusterPort;     // held: bow thruster to port
    GamepadButton thrusterStarboard;
    GamepadButton runPause;
    GamepadButton stopReset;
    int deadZonePercent;  // of full travel around a stick's centre (or a trigger's rest)
};
GamepadMapping DefaultGamepadMapping();

extern const char GAMEPAD_MAPPING_FILE_NAME[];  // "Gamepad.txt", in the data folder

// Reads "setting = name" lines into mapping over its present values. '#'
// starts a comment; lines holding a comma (controller definitions for the
// gamepad library) are skipped. Returns the number of lines it could not use;
// the first is described in problem.
int ParseGamepadMapping(const char* text, std::size_t size, GamepadMapping& mapping, char* problem,
                        std::size_t problemSize);

// One reading of the pad.
struct GamepadInput {
    std::int16_t axis[GAMEPAD_AXES];
    bool button[GAMEPAD_BUTTONS];
};

// What an engine is asked for: direction -1, 0 (neutral) or +1, and the
// throttle percent in gear.
struct EngineCommand {
    int direction;
    int percent;
};
inline bool operator==(EngineCommand a, EngineCommand b) {
    return a.direction == b.direction && a.percent == b.percent;
}

// The throttle's lower limit in gear, as the console's throttle bar has it:
// the idle power in whole percent.
int ThrottleIdlePercent(const BoatRecord& boat);

// A stick axis as a throttle: neutral inside the dead zone, else idle at its
// edge rising evenly to 100 % at full travel.
EngineCommand StickThrottle(std::int16_t value, int deadZonePercent, int idlePercent);

// The step toward what is wanted from the gear an engine is in: a change of
// gear stops at neutral first, as a shift lever does.
EngineCommand NeutralStop(int gear, EngineCommand wanted);

// The rudder bar position (0 hard port, 50 amidships, 100 hard starboard) of
// the rudder axis and the two triggers together.
int PadRudderPercent(const GamepadInput& input, const GamepadMapping& mapping);

// What the helm last read from the pad. Only a change of a reading acts, so the
// keys and the console keep working while the pad rests.
struct GamepadHelmState {
    EngineCommand reading[2];
    bool pending[2];  // a gear change waiting behind its neutral stop
    int rudderPercent;
    bool button[GAMEPAD_BUTTONS];
};

// Takes the pad's present reading as the state, acting on nothing: a pad
// plugged in leaves the engines as they are.
void TakeGamepadBaseline(const CKLVNDoc& doc, const GamepadMapping& mapping,
                         const GamepadInput& input, GamepadHelmState& state);

// Works the helm from a new reading through the same control operations as the
// console's bars and the keys. With synchronized (the console's SYNC) the port
// axis drives both engines.
void ApplyGamepad(CKLVNDoc& doc, const GamepadMapping& mapping, const GamepadInput& input,
                  bool synchronized, GamepadHelmState& state);
