#include "docks/custom_slip.h"

#include <cmath>

#include "docks/dock_layout.h"
#include "document/document.h"

constexpr double SLIP_CLEARANCE = 2.0;     // ft beyond the beam and the length
constexpr double MAX_SLIP_LENGTH = 100.0;  // ft

// A damaged boat record must not turn into an undefined conversion.
static int WholeDisplayValue(double feet, const CKLVNDoc& doc) {
    const double shown = doc.settings.metricUnits ? feet * doc.units.lengthToDisplay : feet;
    if (!std::isfinite(shown) || std::fabs(shown) > 1e9) return 0;
    return static_cast<int>(shown + 0.5);
}

CustomSlipProposal ProposeCustomSlip(const CKLVNDoc& doc) {
    const BoatRecord& boat = doc.boat;
    return {WholeDisplayValue(boat.beam + SLIP_CLEARANCE, doc),
            WholeDisplayValue(boat.lengthOverall + SLIP_CLEARANCE, doc),
            doc.settings.metricUnits ? "UNITS: Metric" : "UNITS: English"};
}

// No lower limit applies to the length: a slip of length zero or below still
// lays out (its piers come out as thin or inverted blocks) and every contact
// test stays bounded and finite.
void ApplyCustomSlip(CKLVNDoc& doc, int enteredWidth, int enteredLength) {
    BoatRecord& boat = doc.boat;
    double width = enteredWidth * doc.units.lengthToInternal;
    if (width < boat.beam + SLIP_CLEARANCE) {
        width = boat.beam + SLIP_CLEARANCE;
        doc.ui->ShowMessage("Slip width adjusted to fit boat");
    }
    double length = enteredLength * doc.units.lengthToInternal;
    if (length > MAX_SLIP_LENGTH) {
        length = MAX_SLIP_LENGTH;
        doc.ui->ShowMessage("Slip length adjusted to maximum");
    }

    DockLayout& dock = doc.dock;
    dock.slipSizes[CUSTOM_SLIP] = {width, length};
    boat.savedCustomSlip[0] = width;
    boat.savedCustomSlip[1] = length;
    dock.slipSizeIndex = CUSTOM_SLIP;
    boat.savedSlipSizeIndex = CUSTOM_SLIP;
    dock.slipSizeAuto = 0;
    boat.savedSlipSizeAuto = 0;
    LayoutDock(doc);
}

bool ReadSlipDimension(const char* text, int& value) {
    constexpr int MAX_DIGITS = 6;
    const char* c = text;
    while (*c == ' ' || *c == '\t') ++c;
    int sign = 1;
    if (*c == '-' || *c == '+') sign = *c++ == '-' ? -1 : 1;
    int digits = 0;
    int number = 0;
    for (; *c >= '0' && *c <= '9'; ++c) {
        if (++digits > MAX_DIGITS) return false;
        number = number * 10 + (*c - '0');
    }
    while (*c == ' ' || *c == '\t') ++c;
    if (digits == 0 || *c != '\0') return false;
    value = sign * number;
    return true;
}
