#include "docks/dock_geometry.h"

// A side line across the entrance axis turns like a point on it: a line held
// in x (running north-south) comes to lie in y unchanged; a line held in y
// comes to lie in x at M - y, and its sign flips so that it still selects the
// same side of the dock.
static SideLine TurnSideLine(const SideLine& line, bool heldInX, double M) {
    if (heldInX) return {0, line.x, line.sign};
    return {M - line.y, 0, -line.sign};
}

static void CarryLocatorThroughTurns(DockLayout& dock) {
    for (int t = 0; t < dock.quarterTurnsDone; ++t) {
        const double M = dock.turnPivots[t];
        dock.slipBoxA = TurnRect(dock.slipBoxA, M);
        dock.slipBoxB = TurnRect(dock.slipBoxB, M);
        dock.dockBounds = TurnRect(dock.dockBounds, M);
        const bool heldInX = t % 2 == 0;  // canonical lines run north-south
        for (SideLine& line : dock.slipSideLines) line = TurnSideLine(line, heldInX, M);
    }
}

void BuildLocator(DockLayout& dock, double S, double L) {
    const double W = dock.dockWidth;
    switch (FamilyOfLayout(dock.dockLayout)) {
        case FAMILY_A:
            dock.slipBoxA = {W, 0, S + W, L};
            dock.slipBoxB = dock.slipBoxA;
            dock.slipSideLines[0] = {0, 0, 0};
            dock.slipSideLines[1] = {0, 0, 0};
            dock.dockBounds = {0, 0, S + 2 * W, L + W};
            break;
        case FAMILY_B:
            dock.slipBoxA = {0, W / 2, S, L + W / 2};  // the side berth
            dock.slipBoxB = {S + W, 0, 2 * S + W, L};  // the main slip
            dock.slipSideLines[0] = {S + W / 2, 0, +1};
            dock.slipSideLines[1] = {2 * S + 1.5 * W, 0, -1};
            dock.dockBounds = {0, 0, 2 * S + 2 * W, L + W};
            break;
        default:
            return;
    }
    CarryLocatorThroughTurns(dock);
}
