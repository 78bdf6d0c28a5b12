#include "docks/dock_geometry.h"

// Family B, the slip layouts: a U-shaped main slip entered from the bottom,
// plus a side berth along the outside of the left finger pier, closed by two
// half-width piers. No pilings.
void BuildFamilyB(DockLayout& dock, double S, double L) {
    const double W = dock.dockWidth;

    dock.dockRects[0] = {0, 0, S, W / 2};                      // half-width pier, foot
    dock.dockRects[1] = {S, 0, S + W, L + W};                  // left finger pier
    dock.dockRects[2] = {S + W, L, 2 * S + W, L + W};          // head pier
    dock.dockRects[3] = {2 * S + W, 0, 2 * S + 2 * W, L + W};  // right finger pier
    dock.dockRects[4] = {0, L + W / 2, S, L + W};              // half-width pier, head
    dock.dockRectCount = 5;
    dock.pilingCount = 0;

    const CellRow cells[] = {
        {CELL_BELOW_DIAGONAL, 0, -1, 0, 0, W / 4, W / 4},
        {CELL_BOX, 0, -1, W / 4, 0, S + W / 2, W / 4},
        {CELL_BELOW_ANTIDIAG, 0, -1, S + W / 2, W / 2, S + W, 0},
        {CELL_ABOVE_ANTIDIAG, 1, 0, S + W / 2, W / 2, S + W, 0},
        {CELL_BOX, 1, 0, S + W / 2, W / 2, S + W, L},
        {CELL_BOX, 0, -1, S + W, L, 2 * S + W, L + W / 2},
        {CELL_BOX, -1, 0, 2 * S + W, W / 2, 2 * S + 1.5 * W, L},
        {CELL_ABOVE_DIAGONAL, -1, 0, 2 * S + W, 0, 2 * S + 1.5 * W, W / 2},
        {CELL_BELOW_DIAGONAL, 0, -1, 2 * S + W, 0, 2 * S + 1.5 * W, W / 2},
        {CELL_BELOW_ANTIDIAG, 0, -1, 2 * S + 1.5 * W, W / 2, 2 * S + 2 * W, 0},
        {CELL_ABOVE_ANTIDIAG, 1, 0, 2 * S + 1.5 * W, W / 2, 2 * S + 2 * W, 0},
        {CELL_BOX, 1, 0, 2 * S + 1.5 * W, W / 2, 2 * S + 2 * W, L + W / 2},
        {CELL_BELOW_DIAGONAL, 1, 0, 2 * S + 1.5 * W, L + W / 2, 2 * S + 2 * W, L + W},
        {CELL_ABOVE_DIAGONAL, 0, 1, 2 * S + 1.5 * W, L + W / 2, 2 * S + 2 * W, L + W},
        {CELL_BOX, 0, 1, S + W / 2, L + W / 2, 2 * S + 1.5 * W, L + W},
        {CELL_BOX, 0, 1, W / 4, L + 0.75 * W, S + W / 2, L + W},
        {CELL_ABOVE_ANTIDIAG, 0, 1, 0, L + W, W / 4, L + 0.75 * W},
        {CELL_BELOW_ANTIDIAG, -1, 0, 0, L + W, W / 4, L + 0.75 * W},
        {CELL_ABOVE_DIAGONAL, -1, 0, 0, L + W / 2, W / 4, L + 0.75 * W},
        {CELL_BELOW_DIAGONAL, 0, -1, 0, L + W / 2, W / 4, L + 0.75 * W},
        {CELL_BOX, 0, -1, W / 4, L + W / 2, S + W / 2, L + 0.75 * W},
        {CELL_BOX, -1, 0, S, W / 2, S + W / 2, L + W / 2},
        {CELL_BOX, 0, 1, W / 4, W / 4, S + W / 2, W / 2},
        {CELL_ABOVE_ANTIDIAG, 0, 1, 0, W / 2, W / 4, W / 4},
        {CELL_BELOW_ANTIDIAG, -1, 0, 0, W / 2, W / 4, W / 4},
        {CELL_ABOVE_DIAGONAL, -1, 0, 0, 0, W / 4, W / 4},
        {CELL_BOX, -1, 1, S, W / 4, S + W / 2, W / 2},
        {CELL_BOX, -1, -1, S, L + W / 2, S + W / 2, L + 0.75 * W},
        {CELL_BOX, 1, -1, S + W / 2, L, S + W, L + W / 2},
        {CELL_BOX, -1, -1, 2 * S + W, L, 2 * S + 1.5 * W, L + W / 2},
    };
    SetContactCells(dock, cells, sizeof cells / sizeof cells[0]);

    // In group 0 the pier cells 22 and 20 come before the corner boxes 26 and
    // 27 that they overlap, so that a point in the shared square leaves
    // through the half-width pier's face.
    const int sideBerth[] = {0, 1, 22, 21, 20, 15, 16, 17, 18, 19, 23, 24, 25, 26, 27};
    const int mainSlip[] = {2, 3, 4, 5, 14, 6, 7, 8, 28, 29};
    const int farSide[] = {9, 10, 11, 12, 13};
    SetCellGroup(dock, 0, sideBerth, sizeof sideBerth / sizeof(int));
    SetCellGroup(dock, 1, mainSlip, sizeof mainSlip / sizeof(int));
    SetCellGroup(dock, 2, farSide, sizeof farSide / sizeof(int));
}
