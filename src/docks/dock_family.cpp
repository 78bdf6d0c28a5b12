#include "docks/dock_geometry.h"

// Layout 1 is the slip with pilings, 2 to 5 the slips entered from the bottom,
// right, top and left, 6 to 9 the pilings at the bottom, right, top and left.
DockFamily FamilyOfLayout(int dockLayout) {
    if (dockLayout == 1) return FAMILY_A;
    if (dockLayout >= 2 && dockLayout <= 5) return FAMILY_B;
    if (dockLayout >= 6 && dockLayout <= 9) return FAMILY_C;
    return FAMILY_NONE;
}

int QuarterTurnsOfLayout(int dockLayout) {
    if (dockLayout >= 2 && dockLayout <= 5) return dockLayout - 2;
    if (dockLayout >= 6 && dockLayout <= 9) return dockLayout - 6;
    return 0;
}
