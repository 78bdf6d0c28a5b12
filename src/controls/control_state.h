#pragma once

// Engines, rudder and bow thruster as the helm has set them.
// (Filled in with the control state.)
struct ControlState {
    double enginePower[2];
    double rudderAngle;
};
