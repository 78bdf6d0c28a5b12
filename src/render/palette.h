#pragma once

// The eight colours the scene picks by number (RGB).
constexpr int PALETTE_CYAN = 0;
constexpr int PALETTE_MAGENTA = 1;
constexpr int PALETTE_YELLOW = 2;
constexpr int PALETTE_RED = 3;
constexpr int PALETTE_GREEN = 4;
constexpr int PALETTE_BLUE = 5;
constexpr int PALETTE_BLACK = 6;
constexpr int PALETTE_WHITE = 7;

constexpr double PALETTE[8][3] = {
    {0, 1, 1}, {1, 0, 1}, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 0}, {1, 1, 1},
};

// Fixed colours of the scenery.
constexpr double DOCK_TOP_GREY[3] = {0.5, 0.5, 0.5};
constexpr double DOCK_SIDE_GREY[3] = {0.2, 0.2, 0.2};
constexpr double SHAPE_LIST_GREY[3] = {0.65, 0.65, 0.65};
constexpr double EDGE_GREY[3] = {0.45, 0.45, 0.45};
