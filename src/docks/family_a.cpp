#include "docks/dock_geometry.h"

// Family A, "Slip and pilings": a U-shaped dock with the slip's open end at
// the bottom, and two rows of pilings to its right with clear water S wide
// between the right finger pier and the first row and between the rows.

void BuildFamilyA(DockLayout& dock, double S, double L) {
    const double W = dock.dockWidth;
    const double P = dock.pilingRadius;

    dock.dockRects[0] = {0, 0, W, L + W};              // left finger pier
    dock.dockRects[1] = {W, L, S + W, L + W};          // head pier
    dock.dockRects[2] = {S + W, 0, S + 2 * W, L + W};  // right finger pier
    dock.dockRectCount = 3;

    const double rowX[2] = {2 * S + 2 * W + P, 3 * S + 2 * W + 3 * P};
    const double rowY[3] = {P, L / 2 + P, L + P};
    int p = 0;
    for (double x : rowX) {
        for (double y : rowY) dock.pilings[p++] = {x, y};
    }
    dock.pilingCount = p;

    // Corner squares are split along a diagonal so that a point near a corner
    // leaves through the nearer face.
    const CellRow cells[] = {
        {CELL_BELOW_DIAGONAL, 0, -1, 0, 0, W / 2, W / 2},
        {CELL_BELOW_ANTIDIAG, 0, -1, W / 2, W / 2, W, 0},
        {CELL_ABOVE_ANTIDIAG, 1, 0, W / 2, W / 2, W, 0},
        {CELL_BOX, 1, 0, W / 2, W / 2, W, L},
        {CELL_BOX, 0, -1, W, L, S + W, L + W / 2},
        {CELL_BOX, -1, 0, S + W, W / 2, S + 1.5 * W, L},
        {CELL_ABOVE_DIAGONAL, -1, 0, S + W, 0, S + 1.5 * W, W / 2},
        {CELL_BELOW_DIAGONAL, 0, -1, S + W, 0, S + 1.5 * W, W / 2},
        {CELL_BELOW_ANTIDIAG, 0, -1, S + 1.5 * W, W / 2, S + 2 * W, 0},
        {CELL_ABOVE_ANTIDIAG, 1, 0, S + 1.5 * W, W / 2, S + 2 * W, 0},
        {CELL_BOX, 1, 0, S + 1.5 * W, W / 2, S + 2 * W, L + W / 2},
        {CELL_BELOW_DIAGONAL, 1, 0, S + 1.5 * W, L + W / 2, S + 2 * W, L + W},
        {CELL_ABOVE_DIAGONAL, 0, 1, S + 1.5 * W, L + W / 2, S + 2 * W, L + W},
        {CELL_BOX, 0, 1, W / 2, L + W / 2, S + 1.5 * W, L + W},
        {CELL_ABOVE_ANTIDIAG, 0, 1, 0, L + W, W / 2, L + W / 2},
        {CELL_BELOW_ANTIDIAG, -1, 0, 0, L + W, W / 2, L + W / 2},
        {CELL_BOX, -1, 0, 0, W / 2, W / 2, L + W / 2},
        {CELL_ABOVE_DIAGONAL, -1, 0, 0, 0, W / 2, W / 2},
        {CELL_BOX, 1, -1, W / 2, L, W, L + W / 2},
        {CELL_BOX, -1, -1, S + W, L, S + 1.5 * W, L + W / 2},
    };
    SetContactCells(dock, cells, sizeof cells / sizeof cells[0]);

    const int headOfSlip[] = {3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 18, 19};
    const int leftFinger[] = {0, 1, 2, 3, 16, 17, 18};
    const int rightFinger[] = {5, 6, 7, 8, 9, 10, 19};
    SetCellGroup(dock, 0, headOfSlip, sizeof headOfSlip / sizeof(int));
    SetCellGroup(dock, 1, leftFinger, sizeof leftFinger / sizeof(int));
    SetCellGroup(dock, 2, rightFinger, sizeof rightFinger / sizeof(int));
}
