#pragma once

// The fixed dimensions of every dock layout, ft.
constexpr double DOCK_WIDTH = 6.0;  // finger piers and head pier
constexpr double PILING_RADIUS = 1.5;
constexpr double PILING_HEIGHT = 6.0;  // top of a piling above the water
constexpr double DECK_HEIGHT = 1.5;    // dock deck above the water

constexpr int SLIP_SIZE_COUNT = 6;  // five standard sizes and the custom slip
constexpr int CUSTOM_SLIP = 5;
constexpr double STANDARD_SLIP_SIZES[5][2] = {  // width, length
    {10, 20},
    {13, 30},
    {16, 40},
    {19, 50},
    {22, 60}};
