#include "docks/dock_layout.h"

#include "docks/dock_geometry.h"
#include "document/document.h"
#include "document/settings_file.h"
#include "simulation/step.h"

void InitDockTables(CKLVNDoc& doc) {
    DockLayout& dock = doc.dock;
    dock.dockWidth = DOCK_WIDTH;
    dock.pilingRadius = PILING_RADIUS;
    dock.pilingHeight = PILING_HEIGHT;
    dock.deckHeight = DECK_HEIGHT;
    for (int i = 0; i < CUSTOM_SLIP; ++i) {
        dock.slipSizes[i] = {STANDARD_SLIP_SIZES[i][0], STANDARD_SLIP_SIZES[i][1]};
    }
    dock.slipSizes[CUSTOM_SLIP] = {0, 0};
    dock.dockLayout = doc.settings.dockLayoutSaved;

    // Only a custom slip is taken from the boat; anything else starts at
    // 19 x 50 with the size chosen from the boat.
    const BoatRecord& boat = doc.boat;
    if (boat.savedSlipSizeIndex == CUSTOM_SLIP) {
        dock.slipSizeIndex = CUSTOM_SLIP;
        dock.slipSizeAuto = boat.savedSlipSizeAuto;
        dock.slipSizes[CUSTOM_SLIP] = {boat.savedCustomSlip[0], boat.savedCustomSlip[1]};
    } else {
        dock.slipSizeIndex = 3;
        dock.slipSizeAuto = 1;
    }
}

// The pivot of each quarter turn, read from the geometry the previous turn
// left. Family B keeps its lower-left corner at the origin for two turns and
// ends spanning x from -W/2 after the third; family C starts at x = 0.
static double TurnPivot(const DockLayout& dock, DockFamily family, int turn) {
    if (family == FAMILY_B) {
        if (turn == 0) return dock.dockRects[4].yMax;  // L + W
        if (turn == 1) return dock.dockRects[3].yMax;  // 2S + 2W
        return dock.dockRects[0].yMin;                 // L + W/2
    }
    if (turn < 2) return dock.dockRects[0].yMax;  // L + W, then 2S
    return dock.pilings[4].y;                     // L + W
}

static void BuildLayoutGeometry(DockLayout& dock, double S, double L) {
    const DockFamily family = FamilyOfLayout(dock.dockLayout);
    dock.quarterTurnsDone = 0;
    if (family == FAMILY_A) BuildFamilyA(dock, S, L);
    if (family == FAMILY_B) BuildFamilyB(dock, S, L);
    if (family == FAMILY_C) BuildFamilyC(dock, S, L);
    BuildLocator(dock, S, L);
    const int turns = QuarterTurnsOfLayout(dock.dockLayout);
    for (int turn = 0; turn < turns; ++turn) {
        RotateLayout(dock, TurnPivot(dock, family, turn), S, L);
    }
}

void LayoutDock(CKLVNDoc& doc) {
    DockLayout& dock = doc.dock;
    if (dock.slipSizeAuto == 1) ChooseAutoSlipSize(dock, doc.boat);
    if (dock.slipSizeIndex < 0 || dock.slipSizeIndex >= SLIP_SIZE_COUNT) dock.slipSizeIndex = 3;

    const double S = dock.slipSizes[dock.slipSizeIndex].width;
    const double L = dock.slipSizes[dock.slipSizeIndex].length;
    // A layout number from a damaged settings file builds nothing and keeps
    // the previous geometry.
    if (FamilyOfLayout(dock.dockLayout) != FAMILY_NONE) BuildLayoutGeometry(dock, S, L);

    SetStartPose(doc, doc.boat.startPoseCaptured != 0);
    doc.settings.dockLayoutSaved = dock.dockLayout;
    SaveSettings(doc);
}

void SetStartPose(CKLVNDoc& doc, bool capture) {
    BoatRecord& boat = doc.boat;
    if (capture) {
        boat.startX = doc.state.posX;
        boat.startY = doc.state.posY;
        boat.startHeading = doc.state.headingDeg;
        boat.startPoseCaptured = 1;
    } else {
        // On the centre line of the slip-and-pilings slip, 1.1 boat lengths
        // below its entrance, bow to the north, whatever the layout.
        boat.startHeading = 90.0;
        boat.startX = doc.dock.slipSizes[doc.dock.slipSizeIndex].width * 0.5 + doc.dock.dockWidth;
        boat.startY = -(boat.lengthOverall * 1.1);
        boat.startPoseCaptured = 0;
    }
    ResetBoat(doc);
}
