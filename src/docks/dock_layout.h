#pragma once

#include <cstdint>

#include "docks/dock_dimensions.h"

struct CKLVNDoc;

constexpr int MAX_DOCK_RECTS = 20;
constexpr int MAX_PILINGS = 20;
constexpr int MAX_CONTACT_CELLS = 40;
constexpr int CELL_GROUPS = 3;
constexpr int MAX_QUARTER_TURNS = 3;

// One deck surface, ft, world frame.
struct DockRect {
    double xMin, yMin, xMax, yMax;
};

// The centre of a piling, ft, world frame.
struct Piling {
    double x, y;
};

// The shape of a contact cell.
enum CellKind : std::int32_t {
    CELL_BOX = 0,             // x1 <= x <= x2, y1 <= y <= y2
    CELL_BELOW_DIAGONAL = 1,  // square with lower-left (x1, y1), upper-right (x2, y2)
    CELL_ABOVE_DIAGONAL = 2,  //   the half below / above that diagonal
    CELL_BELOW_ANTIDIAG = 3,  // square with upper-left (x1, y1), lower-right (x2, y2)
    CELL_ABOVE_ANTIDIAG = 4,  //   the half below / above that anti-diagonal
};

// A piece of deck that tells which way a point found inside it leaves the dock
// (towards the nearest open water) and so from which face its depth counts.
struct ContactCell {
    double x1, y1, x2, y2;
    std::int32_t kind;          // CellKind
    std::int32_t pushX, pushY;  // each -1, 0 or +1
};

struct SlipSize {
    double width, length;  // ft
};

// A line across the entrance axis that splits a slip layout into zones. The
// position is held in x (y is 0) when the line runs north-south, in y (x is
// 0) when it runs east-west; sign picks the side.
struct SideLine {
    double x, y, sign;
};

// The docks, slips, pilings and contact cells of the chosen layout. Rebuilt
// from the selections by LayoutDock; entries beyond a count are stale.
struct DockLayout {
    // Fixed dimensions, set at start-up.
    double dockWidth;     // W, finger and head piers
    double pilingRadius;  // P
    double pilingHeight;
    double deckHeight;

    // Selections.
    SlipSize slipSizes[SLIP_SIZE_COUNT];
    std::int32_t slipSizeIndex;  // 0 ... 5, 5 the custom slip
    std::uint8_t slipSizeAuto;   // 1: chosen from the boat at every layout
    std::int32_t dockLayout;     // 1 ... 9

    // Geometry.
    DockRect dockRects[MAX_DOCK_RECTS];
    std::int32_t dockRectCount;
    Piling pilings[MAX_PILINGS];
    std::int32_t pilingCount;
    ContactCell contactCells[MAX_CONTACT_CELLS];
    std::int32_t contactCellCount;
    std::int32_t cellGroups[CELL_GROUPS][MAX_CONTACT_CELLS];
    std::int32_t cellGroupCount[CELL_GROUPS];

    // Locator of the slip layouts: open water of the slips, the zone lines and
    // the bounds of the whole dock.
    DockRect slipBoxA;
    DockRect slipBoxB;
    SideLine slipSideLines[2];
    DockRect dockBounds;

    // The quarter turns applied since the canonical build and their pivots, so
    // that the locator can be carried through the same turns.
    std::int32_t quarterTurnsDone;
    double turnPivots[MAX_QUARTER_TURNS];
};

void InitDockTables(CKLVNDoc& doc);  // fixed dimensions and slip sizes, at start-up
void LayoutDock(CKLVNDoc& doc);      // rebuilds everything, sets the start pose, saves settings
void SetStartPose(CKLVNDoc& doc, bool capture);
