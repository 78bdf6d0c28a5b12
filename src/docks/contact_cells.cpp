#include <cmath>

#include "docks/dock_geometry.h"

// Kind 0 is a box. Kinds 1 and 2 halve a square along its diagonal from the
// lower-left corner (x1, y1) to the upper-right (x2, y2); kinds 3 and 4 along
// its anti-diagonal from the upper-left corner (x1, y1) to the lower-right
// (x2, y2). The far edges of a half-square belong to its neighbours.
bool CellContains(const ContactCell& cell, double px, double py) {
    const double s = std::fabs(cell.x2 - cell.x1);
    const double dx = px - cell.x1;
    switch (cell.kind) {
        case CELL_BOX:
            return cell.x1 <= px && px <= cell.x2 && cell.y1 <= py && py <= cell.y2;
        case CELL_BELOW_DIAGONAL: {
            const double dy = py - cell.y1;
            return 0 <= dy && dy <= dx && dx < s;
        }
        case CELL_ABOVE_DIAGONAL: {
            const double dy = py - cell.y1;
            return 0 <= dx && dx <= dy && dy < s;
        }
        case CELL_BELOW_ANTIDIAG: {
            const double dy = py - cell.y2;
            return 0 <= dx && dx < s && 0 <= dy && dy < s && dy <= s - dx;
        }
        case CELL_ABOVE_ANTIDIAG: {
            const double dy = py - cell.y2;
            return 0 <= dx && dx < s && 0 <= dy && dy < s && dy >= s - dx;
        }
    }
    return false;
}

void SetContactCells(DockLayout& dock, const CellRow* rows, int count) {
    if (count > MAX_CONTACT_CELLS) count = MAX_CONTACT_CELLS;
    for (int i = 0; i < count; ++i) {
        const CellRow& c = rows[i];
        dock.contactCells[i] = {c.x1, c.y1, c.x2, c.y2, c.kind, c.pushX, c.pushY};
    }
    dock.contactCellCount = count;
}

void SetCellGroup(DockLayout& dock, int group, const int* cells, int count) {
    if (count > MAX_CONTACT_CELLS) count = MAX_CONTACT_CELLS;
    for (int i = 0; i < count; ++i) dock.cellGroups[group][i] = cells[i];
    dock.cellGroupCount[group] = count;
}
