#pragma once

#include "docks/dock_layout.h"

// The pieces LayoutDock is built from. Every builder works on the dock record
// alone, in feet, with S and L the width and length of the slip in use.

// Which of the three families a layout belongs to, and how many quarter turns
// carry the family's canonical build into the layout.
enum DockFamily { FAMILY_NONE = 0, FAMILY_A = 1, FAMILY_B = 2, FAMILY_C = 3 };
DockFamily FamilyOfLayout(int dockLayout);
int QuarterTurnsOfLayout(int dockLayout);

// The canonical build of each family: rectangles, pilings, contact cells and
// cell groups, entrance or pilings towards -y.
void BuildFamilyA(DockLayout& dock, double S, double L);
void BuildFamilyB(DockLayout& dock, double S, double L);
void BuildFamilyC(DockLayout& dock, double S, double L);

// Open water of the slips, zone lines and bounds for families A and B, built
// canonically and carried through the turns done so far. Family C keeps what
// an earlier layout left.
void BuildLocator(DockLayout& dock, double S, double L);

// A quarter turn counter-clockwise about the pivot value M: (x, y) -> (M - y, x).
void RotateLayout(DockLayout& dock, double M, double S, double L);
DockRect TurnRect(const DockRect& rect, double M);

// Whether a point lies in a contact cell (the tests of the cell kinds).
bool CellContains(const ContactCell& cell, double px, double py);

// One row of a family's cell table, in the order the tables are written.
struct CellRow {
    CellKind kind;
    int pushX, pushY;
    double x1, y1, x2, y2;
};
void SetContactCells(DockLayout& dock, const CellRow* rows, int count);
void SetCellGroup(DockLayout& dock, int group, const int* cells, int count);

// The slip chosen from the boat while Auto is on.
struct BoatRecord;
void ChooseAutoSlipSize(DockLayout& dock, BoatRecord& boat);
