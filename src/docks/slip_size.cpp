#include "boat/boat_record.h"
#include "docks/dock_geometry.h"

// The first standard slip at least 1.4 boat lengths long (the length may equal
// its limit) and wider than twice the beam (the width must exceed it). A boat
// too big for all five gets a custom slip of exactly those proportions, which
// replaces any custom size the user had entered.
void ChooseAutoSlipSize(DockLayout& dock, BoatRecord& boat) {
    const double neededLength = 1.4 * boat.lengthOverall;
    const double neededWidth = 2.0 * boat.beam;
    for (int i = 0; i < CUSTOM_SLIP; ++i) {
        if (neededLength <= dock.slipSizes[i].length && neededWidth < dock.slipSizes[i].width) {
            dock.slipSizeIndex = i;
            boat.savedSlipSizeIndex = i;
            return;
        }
    }
    dock.slipSizeIndex = CUSTOM_SLIP;
    boat.savedSlipSizeIndex = CUSTOM_SLIP;
    dock.slipSizes[CUSTOM_SLIP] = {neededWidth, neededLength};
    boat.savedCustomSlip[0] = neededWidth;
    boat.savedCustomSlip[1] = neededLength;
}
