#pragma once

#include <cstdint>

struct CKLVNDoc;

// What the helm has set: the power of one or two engines, the rudder angle and
// the bow thruster. Changed only through the operations below.
struct ControlState {
    double enginePower[2];          // -1 ... +1 of full power; 0 single/port, 1 starboard
    std::int32_t throttleNotch[2];  // 0 full astern, 8 neutral, 16 full ahead
    std::int32_t engineRpm[2];      // rounded to tens
    char engineRpmText[2][8];       // "%i" of engineRpm, each held whole on its own
    double rudderAngle;             // rad, negative to port
    std::int32_t rudderIndex;       // 0 hard port, 9 amidships, 18 hard starboard
    double thrusterThrust;          // lb, + pushes the bow to port, - to starboard
};

// (The operations are declared here by the control-state implementation.)
void ResetControls(CKLVNDoc& doc);
