#include <cmath>

#include "docks/dock_geometry.h"
#include "simulation/contact.h"

static bool InBox(const DockRect& box, double px, double py) {
    return box.xMin <= px && px <= box.xMax && box.yMin <= py && py <= box.yMax;
}

// A rectangle taken with its corners in whatever order they are stored.
static bool InRectAnyOrder(const DockRect& r, double px, double py) {
    return std::fmin(r.xMin, r.xMax) <= px && px <= std::fmax(r.xMin, r.xMax) &&
           std::fmin(r.yMin, r.yMax) <= py && py <= std::fmax(r.yMin, r.yMax);
}

// Slip and pilings: inside the dock's bounds but outside the slip's water.
// The head of the slip is group 0, the left finger pier 1, the right one 2.
static ZoneResult LocateSlipAndPilings(const DockLayout& dock, double px, double py) {
    ZoneResult result = {-1, 0};
    if (!InBox(dock.dockBounds, px, py) || InBox(dock.slipBoxA, px, py)) return result;
    result.zone = 0;
    if (py >= dock.slipSizes[dock.slipSizeIndex].length) {
        result.group = 0;
    } else {
        result.group = px > dock.dockWidth ? 2 : 1;
    }
    return result;
}

// The slip layouts: inside the bounds and outside both slips' water. The side
// lines split the dock into the side-berth side (group 0), the middle (1) and
// the far finger pier (2); line 1 wins over line 0.
static ZoneResult LocateSlips(const DockLayout& dock, double px, double py) {
    ZoneResult result = {-1, 0};
    if (!InBox(dock.dockBounds, px, py)) return result;
    if (InBox(dock.slipBoxA, px, py) || InBox(dock.slipBoxB, px, py)) return result;
    result.zone = 0;
    result.group = 1;
    const bool linesRunNorthSouth = dock.dockLayout == 2 || dock.dockLayout == 4;
    for (int s = 0; s < 2; ++s) {
        const SideLine& line = dock.slipSideLines[s];
        const double d = linesRunNorthSouth ? (line.x - px) * line.sign : (line.y - py) * line.sign;
        if (d >= 0) result.group = 2 * s;
    }
    return result;
}

static ZoneResult LocatePilingDock(const DockLayout& dock, double px, double py) {
    ZoneResult result = {-1, 0};
    const int count = dock.dockRectCount < MAX_DOCK_RECTS ? dock.dockRectCount : MAX_DOCK_RECTS;
    for (int i = 0; i < count; ++i) {
        if (InRectAnyOrder(dock.dockRects[i], px, py)) result.zone = 0;
    }
    return result;
}

ZoneResult LocateZone(const DockLayout& dock, double px, double py) {
    switch (FamilyOfLayout(dock.dockLayout)) {
        case FAMILY_A:
            return LocateSlipAndPilings(dock, px, py);
        case FAMILY_B:
            return LocateSlips(dock, px, py);
        case FAMILY_C:
            return LocatePilingDock(dock, px, py);
        default:
            return {-1, 0};
    }
}

// The depth is measured from the face the cell pushes through: the right face
// for a push to +x, the left one for -x, and likewise in y (for a half-square
// from its upper edge, with the sign of the push).
static CellDepthResult DepthInCell(const ContactCell& c, int index, double px, double py) {
    CellDepthResult result = {index, 0.0, 0.0};
    if (c.pushX == 1) result.depthX = std::fabs(px - c.x2);
    if (c.pushX == -1) result.depthX = -std::fabs(px - c.x1);
    if (c.kind == CELL_BOX) {
        if (c.pushY == 1) result.depthY = std::fabs(py - c.y2);
        if (c.pushY == -1) result.depthY = -std::fabs(py - c.y1);
    } else if (c.pushY != 0) {
        const double depth = std::fabs(py - std::fmax(c.y1, c.y2));
        result.depthY = c.pushY > 0 ? depth : -depth;
    }
    return result;
}

CellDepthResult CellDepth(const DockLayout& dock, double px, double py, int group) {
    if (group < 0 || group >= CELL_GROUPS) return {-1, 0.0, 0.0};
    const int count = dock.cellGroupCount[group];
    for (int i = 0; i < count && i < MAX_CONTACT_CELLS; ++i) {
        const int index = dock.cellGroups[group][i];
        if (index < 0 || index >= MAX_CONTACT_CELLS) continue;
        const ContactCell& cell = dock.contactCells[index];
        if (CellContains(cell, px, py)) return DepthInCell(cell, index, px, py);
    }
    return {-1, 0.0, 0.0};
}
