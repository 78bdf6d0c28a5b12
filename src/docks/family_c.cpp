#include "docks/dock_geometry.h"

// Family C, the piling layouts: one straight dock with two berths in front of
// it, each marked by pilings at its outer corners and half way along.
void BuildFamilyC(DockLayout& dock, double S, double L) {
    const double W = dock.dockWidth;

    dock.dockRects[0] = {0, L, 2 * S, L + W};
    dock.dockRectCount = 1;

    const double rowX[3] = {0, S, 2 * S};
    int p = 0;
    for (double x : rowX) {
        dock.pilings[p++] = {x, 0};
        dock.pilings[p++] = {x, L / 2};
    }
    dock.pilingCount = p;

    const CellRow cells[] = {
        {CELL_BELOW_DIAGONAL, 0, -1, 0, L, W / 2, L + W / 2},
        {CELL_BOX, 0, -1, W / 2, L, 2 * S - W / 2, L + W / 2},
        {CELL_BELOW_ANTIDIAG, 0, -1, 2 * S - W / 2, L + W / 2, 2 * S, L},
        {CELL_ABOVE_ANTIDIAG, 1, 0, 2 * S - W / 2, L + W / 2, 2 * S, L},
        {CELL_BELOW_DIAGONAL, 1, 0, 2 * S - W / 2, L + W / 2, 2 * S, L + W},
        {CELL_ABOVE_DIAGONAL, 0, 1, 2 * S - W / 2, L + W / 2, 2 * S, L + W},
        {CELL_BOX, 0, 1, W / 2, L + W / 2, 2 * S - W / 2, L + W},
        {CELL_ABOVE_ANTIDIAG, 0, 1, 0, L + W, W / 2, L + W / 2},
        {CELL_BELOW_ANTIDIAG, -1, 0, 0, L + W, W / 2, L + W / 2},
        {CELL_ABOVE_DIAGONAL, -1, 0, 0, L, W / 2, L + W / 2},
    };
    SetContactCells(dock, cells, sizeof cells / sizeof cells[0]);

    const int all[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    SetCellGroup(dock, 0, all, sizeof all / sizeof(int));
    SetCellGroup(dock, 1, all, 0);
    SetCellGroup(dock, 2, all, 0);
}
