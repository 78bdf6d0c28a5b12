#include "docks/dock_geometry.h"

// A quarter turn counter-clockwise maps (x, y) to (M - y, x). Each record
// keeps its own convention afterwards: rectangles stay min <= max, and a
// half-square keeps its corners where its kind expects them.

DockRect TurnRect(const DockRect& r, double M) {
    return {M - r.yMax, r.xMin, M - r.yMin, r.xMax};
}

static ContactCell TurnCell(const ContactCell& c, double M) {
    ContactCell t = c;
    switch (c.kind) {
        case CELL_BOX:
            t.x1 = M - c.y2, t.y1 = c.x1, t.x2 = M - c.y1, t.y2 = c.x2;
            break;
        case CELL_BELOW_DIAGONAL:
        case CELL_ABOVE_DIAGONAL:
            // The diagonal turns into an anti-diagonal: the old lower-left
            // corner becomes the lower-right one.
            t.x1 = M - c.y2, t.y1 = c.x2, t.x2 = M - c.y1, t.y2 = c.x1;
            t.kind = c.kind == CELL_BELOW_DIAGONAL ? CELL_ABOVE_ANTIDIAG : CELL_BELOW_ANTIDIAG;
            break;
        case CELL_BELOW_ANTIDIAG:
        case CELL_ABOVE_ANTIDIAG:
            // The anti-diagonal turns into a diagonal: the old upper-left
            // corner becomes the lower-left one.
            t.x1 = M - c.y1, t.y1 = c.x1, t.x2 = M - c.y2, t.y2 = c.x2;
            t.kind = c.kind == CELL_BELOW_ANTIDIAG ? CELL_BELOW_DIAGONAL : CELL_ABOVE_DIAGONAL;
            break;
    }
    t.pushX = -c.pushY;
    t.pushY = c.pushX;
    return t;
}

void RotateLayout(DockLayout& dock, double M, double S, double L) {
    for (int i = 0; i < dock.dockRectCount; ++i) {
        dock.dockRects[i] = TurnRect(dock.dockRects[i], M);
    }
    for (int i = 0; i < dock.pilingCount; ++i) {
        const Piling p = dock.pilings[i];
        dock.pilings[i] = {M - p.y, p.x};
    }
    for (int i = 0; i < dock.contactCellCount; ++i) {
        dock.contactCells[i] = TurnCell(dock.contactCells[i], M);
    }
    if (dock.quarterTurnsDone < MAX_QUARTER_TURNS) {
        dock.turnPivots[dock.quarterTurnsDone++] = M;
    }
    BuildLocator(dock, S, L);
}
