#pragma once

#include <cstdint>

struct CKLVNDoc;

// What the helm has set: the power of one or two engines, the rudder angle and
// the bow thruster. Changed only through the operations below, which also keep
// the RPM readouts and an open bridge console in step with the state.
struct ControlState {
    double enginePower[2];          // -1 ... +1 of full power; 0 single/port, 1 starboard
    std::int32_t throttleNotch[2];  // 0 full astern, 8 neutral, 16 full ahead
    std::int32_t engineRpm[2];      // rounded to tens
    char engineRpmText[2][8];       // "%i" of engineRpm, each held whole on its own
    double rudderAngle;             // rad, negative to port
    std::int32_t rudderIndex;       // 0 hard port, 9 amidships, 18 hard starboard
    double thrusterThrust;          // lb, + pushes the bow to port, - to starboard
};

// Which engine an engine command acts on. On a single-engine boat the step and
// neutral commands act on the one engine whatever the selector.
constexpr int ENGINE_PORT = 0;
constexpr int ENGINE_STARBOARD = 1;
constexpr int ENGINE_BOTH = 2;

// Engine commands.
constexpr int ENGINE_SET_BY_VALUE = -1;
constexpr int ENGINE_STEP_AHEAD = 0;
constexpr int ENGINE_NEUTRAL = 1;
constexpr int ENGINE_STEP_ASTERN = 2;

// Throttle notches into the boat's throttle power table.
constexpr int NOTCH_FULL_ASTERN = 0;
constexpr int NOTCH_IDLE_ASTERN = 7;
constexpr int NOTCH_NEUTRAL = 8;
constexpr int NOTCH_IDLE_AHEAD = 9;
constexpr int NOTCH_FULL_AHEAD = 16;

// Rudder commands; any negative command sets the rudder from a bar percentage.
constexpr int RUDDER_SET_BY_PERCENT = -1;
constexpr int RUDDER_STEP_PORT = 0;
constexpr int RUDDER_STEP_STARBOARD = 1;
constexpr int RUDDER_AMIDSHIPS = 4;

// Thruster commands.
constexpr int THRUSTER_PORT = 0;
constexpr int THRUSTER_STARBOARD = 1;
constexpr int THRUSTER_OFF = 4;

// The one entry for every engine change. direction (-1, 0, +1) and percent
// (0 ... 100) matter only for ENGINE_SET_BY_VALUE; other callers pass 1 and 0.
void ChangeEngine(CKLVNDoc& doc, int selector, int command, int direction, int percent);

// Moves the rudder and returns its position on the console's rudder bar,
// 0 (hard port) ... 100 (hard starboard), 50 amidships. For the step commands a
// negative percent goes hard over at once.
int ChangeRudder(CKLVNDoc& doc, int command, int percent);

// Bow thruster on to one side or off. Callers check the boat has a thruster.
void SetThruster(CKLVNDoc& doc, int command);

// Engine RPM and its text for both engines, from the present power.
void UpdateEngineReadouts(CKLVNDoc& doc);

// Both engines neutral, rudder amidships, thruster off (part of the boat reset).
void ResetControls(CKLVNDoc& doc);

// Reopens an open bridge console in the layout that now applies (the engine
// count or the combined shift and throttle may have changed); nothing if closed.
void ReopenBridgeConsole(CKLVNDoc& doc);
