#pragma once

#include <cstdint>

// The bindable keyboard actions, by slot of the settings' key bindings.
constexpr int KEY_SLOT_THRUSTER_PORT = 0;
constexpr int KEY_SLOT_THRUSTER_STARBOARD = 1;
constexpr int KEY_SLOT_THRUSTER_OFF = 2;
constexpr int KEY_SLOT_PORT_AHEAD = 3;
constexpr int KEY_SLOT_PORT_ASTERN = 4;
constexpr int KEY_SLOT_PORT_NEUTRAL = 5;
constexpr int KEY_SLOT_STARBOARD_AHEAD = 6;
constexpr int KEY_SLOT_STARBOARD_ASTERN = 7;
constexpr int KEY_SLOT_STARBOARD_NEUTRAL = 8;
constexpr int KEY_SLOT_BOTH_AHEAD = 9;
constexpr int KEY_SLOT_BOTH_ASTERN = 10;
constexpr int KEY_SLOT_BOTH_NEUTRAL = 11;
constexpr int KEY_SLOT_RUDDER_PORT = 12;
constexpr int KEY_SLOT_RUDDER_STARBOARD = 13;
constexpr int KEY_SLOT_RUDDER_AMIDSHIPS = 14;
constexpr int KEY_SLOT_RUN = 15;    // stored only: the view handles F1 itself
constexpr int KEY_SLOT_RESET = 16;  // stored only: the view handles F2 itself
constexpr int KEY_SLOTS_CONSULTED = 15;

// Grouped by hand position: W/S/X port engine, E/D/C both, R/F/V starboard
// (top row ahead, home row neutral, bottom row astern); J/K/L rudder to port,
// amidships, to starboard; U/I/O thruster to port, off, to starboard.
constexpr std::int32_t DEFAULT_KEY_BINDINGS[17] = {
    'U', 'O', 'I', 'W', 'X', 'S', 'R', 'V', 'F', 'E', 'C', 'D', 'J', 'L', 'K', 0x70, 0x71,
};
