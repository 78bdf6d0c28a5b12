#pragma once

// The truncated constants every subsystem uses. They are deliberately not the
// exact values: traces and stored boats depend on these digits.

constexpr double PI = 3.14159265359;
constexpr double PI_025 = 0.25 * PI;
constexpr double PI_05 = 0.5 * PI;
constexpr double PI_075 = 0.75 * PI;
constexpr double PI_125 = 1.25 * PI;
constexpr double PI_15 = 1.5 * PI;
constexpr double PI_175 = 1.75 * PI;
constexpr double PI_2 = 2.0 * PI;

constexpr double G_FTS2 = 32.2;  // ft/s²; also weight (lb) / G_FTS2 = mass (slugs)
constexpr double DEG_TO_RAD = 0.01745329;
constexpr double RAD_TO_DEG = 57.297;

constexpr double KNOTS_TO_FPS = 1.688;
constexpr double FPS_TO_KNOTS = 0.5924170616113744;  // 1 / 1.688

constexpr int ANGLE_STEP_COUNT = 19;
constexpr int ANGLE_STEP_CENTRE = 9;  // index of 0 rad in ANGLE_STEPS

// Rudder angles in radians: -60 ... +60 degrees, index 9 amidships.
constexpr double ANGLE_STEPS[ANGLE_STEP_COUNT] = {
    -60 * DEG_TO_RAD, -45 * DEG_TO_RAD, -30 * DEG_TO_RAD, -20 * DEG_TO_RAD,  -10 * DEG_TO_RAD,
    -5 * DEG_TO_RAD,  -2 * DEG_TO_RAD,  -1 * DEG_TO_RAD,  -0.5 * DEG_TO_RAD, 0.0,
    0.5 * DEG_TO_RAD, 1 * DEG_TO_RAD,   2 * DEG_TO_RAD,   5 * DEG_TO_RAD,    10 * DEG_TO_RAD,
    20 * DEG_TO_RAD,  30 * DEG_TO_RAD,  45 * DEG_TO_RAD,  60 * DEG_TO_RAD,
};
