#include "boat/boat_editing.h"

#include <cstdio>
#include <cstring>

#include "boat/boat_defaults.h"
#include "boat/hull_model.h"
#include "controls/control_state.h"
#include "docks/dock_layout.h"
#include "document/document.h"
#include "simulation/step.h"

namespace {

const char* const NEW_BOAT_NAMES[] = {"New_Motorboat", "New_Sailboat", "New_Houseboat"};

// Limits of the final checks, in feet whatever the display units, so that a
// metric user meets the same physical limits.
constexpr double FENDER_DIAMETER_MAX = 2.0;
constexpr double FENDER_DIAMETER_MIN = 0.5;
constexpr double TWIN_PROP_DIST_MIN = 1.0;
constexpr double DRIVE_RUDDER_AREA_LIMIT = 0.5;  // ft²: a drive's small fin, an inboard's least

void CopyName(char* to, std::size_t toSize, const char* from) {
    std::memset(to, 0, toSize);
    std::size_t length = strnlen(from, BOAT_NAME_MAX_CHARS);
    if (length > toSize - 1) length = toSize - 1;
    std::memcpy(to, from, length);
}

void CopyRecordToDialog(const BoatRecord& r, const UnitFactors& u, BoatDialogValues& v) {
    v.boatType = r.boatType;
    v.engineType = r.engineType;
    v.engineCount = r.engineCount;
    v.counterRotating = r.counterRotating != 0;
    v.propRotation = r.propRotation;

    v.lengthOverall = r.lengthOverall * u.lengthToDisplay;
    v.beam = r.beam * u.lengthToDisplay;
    v.draft = r.draft * u.lengthToDisplay;
    v.propDistFromCL = r.propDistFromCL * u.lengthToDisplay;  // the starboard offset
    v.propDistFromTransom = r.propDistFromTransom * u.lengthToDisplay;
    v.rudderDistFromTransom = r.rudderDistFromTransom * u.lengthToDisplay;
    v.bowThrusterDistFromTransom = r.bowThrusterDistFromTransom * u.lengthToDisplay;
    v.dockLineLength = r.dockLineLength * u.lengthToDisplay;
    v.anchorLineLength = r.anchorLineLength * u.lengthToDisplay;
    v.fenderDiameter = r.fenderDiameter * u.lengthToDisplay;

    v.weight = r.weight * u.weightToDisplay;
    v.bowThrusterForce = r.bowThrusterForce * u.weightToDisplay;
    v.lineSpringConstant = r.lineSpringConstant * u.weightToDisplay;

    v.rudderArea = r.rudderArea * u.areaToDisplay;

    v.maxSpeedKnots = r.maxSpeedKnots;
    v.reversePowerFactor = r.reversePowerFactor;
    v.propWalkFactor = r.propWalkFactor;
    v.idlePowerFactor = r.idlePowerFactor;
    v.maxRpm = r.maxRpm;
    v.idleRpm = r.idleRpm;
    v.propWashFactor = r.propWashFactor;
    v.hiddenFactor1 = r.hiddenFactor1;
    v.hiddenFactor2 = r.hiddenFactor2;
    v.hasBowThruster = r.hasBowThruster != 0;
}

void CopyDialogToRecord(const BoatDialogValues& v, const UnitFactors& u, BoatRecord& r) {
    CopyName(r.boatName, sizeof r.boatName, v.boatName);
    r.boatType = v.boatType;
    r.engineType = v.engineType;
    r.engineCount = v.engineCount;
    r.counterRotating = v.counterRotating ? 1 : 0;
    r.propRotation = v.propRotation;

    r.lengthOverall = v.lengthOverall * u.lengthToInternal;
    r.beam = v.beam * u.lengthToInternal;
    r.draft = v.draft * u.lengthToInternal;
    r.propDistFromCL = v.propDistFromCL * u.lengthToInternal;
    r.propDistFromTransom = v.propDistFromTransom * u.lengthToInternal;
    r.rudderDistFromTransom = v.rudderDistFromTransom * u.lengthToInternal;
    r.bowThrusterDistFromTransom = v.bowThrusterDistFromTransom * u.lengthToInternal;
    r.dockLineLength = v.dockLineLength * u.lengthToInternal;
    r.anchorLineLength = v.anchorLineLength * u.lengthToInternal;
    r.fenderDiameter = v.fenderDiameter * u.lengthToInternal;

    r.weight = v.weight * u.weightToInternal;
    r.bowThrusterForce = v.bowThrusterForce * u.weightToInternal;
    r.lineSpringConstant = v.lineSpringConstant * u.weightToInternal;

    r.rudderArea = v.rudderArea * u.areaToInternal;

    r.maxSpeedKnots = v.maxSpeedKnots;
    r.reversePowerFactor = v.reversePowerFactor;
    r.propWalkFactor = v.propWalkFactor;
    r.idlePowerFactor = v.idlePowerFactor;
    r.maxRpm = v.maxRpm;
    r.idleRpm = v.idleRpm;
    r.propWashFactor = v.propWashFactor;
    r.hiddenFactor1 = v.hiddenFactor1;
    r.hiddenFactor2 = v.hiddenFactor2;
    r.hasBowThruster = v.hasBowThruster ? 1 : 0;
}

void ReportOutOfRange(CKLVNDoc& doc, const char* what) {
    char text[96];
    std::snprintf(text, sizeof text, "Out of Range error\n\n%s", what);
    doc.ui->ShowMessage(text);
}

// The port (or single) prop sits on the other side of the centreline from the
// starboard prop of a twin.
void SetPortPropOffset(BoatRecord& r) {
    r.portPropOffset = r.engineCount > 1 ? -r.propDistFromCL : r.propDistFromCL;
}

void CheckPropellers(CKLVNDoc& doc, BoatRecord& r) {
    double L = r.lengthOverall;
    SetPortPropOffset(r);
    if (r.propDistFromCL > 0.5 * L) {
        ReportOutOfRange(doc, "Prop dist from CL set to max");
        r.propDistFromCL = 0.5 * L;
        SetPortPropOffset(r);
    }
    if (r.engineCount == 2) {
        r.propRotationStarboard = r.counterRotating ? -r.propRotation : r.propRotation;
        if (r.propDistFromCL <= 0.0) {
            ReportOutOfRange(doc, "Prop dist from CL set to min");
            r.propDistFromCL = TWIN_PROP_DIST_MIN;
            r.portPropOffset = -TWIN_PROP_DIST_MIN;
        }
    }
    if (r.engineCount == 1 && r.propDistFromCL != 0.0) {
        ReportOutOfRange(doc, "Prop dist from CL set to 0.0");
        r.propDistFromCL = 0.0;
        r.portPropOffset = 0.0;
    }
    if (r.propDistFromTransom > 0.5 * L) {
        ReportOutOfRange(doc, "Prop dist from transom set to max");
        r.propDistFromTransom = 0.5 * L;
    }
}

void CheckRudder(CKLVNDoc& doc, BoatRecord& r) {
    if (r.rudderDistFromTransom > r.propDistFromTransom) {
        ReportOutOfRange(doc, "Rudder dist from transom set to max");
        r.rudderDistFromTransom = r.propDistFromTransom;
    }
    // An outboard or I/O steers with its drive: the rudder is the drive's fin,
    // at the prop. An inboard's rudder is a real blade.
    if (r.engineType == OUTBOARD_OR_IO) {
        r.rudderDistFromTransom = r.propDistFromTransom;
        if (r.rudderArea > DRIVE_RUDDER_AREA_LIMIT) r.rudderArea = DRIVE_RUDDER_AREA_LIMIT;
    } else if (r.engineType == INBOARD) {
        if (r.rudderArea < DRIVE_RUDDER_AREA_LIMIT) r.rudderArea = DRIVE_RUDDER_AREA_LIMIT;
    }
}

// The thruster must sit ahead of the centre of gravity and on the hull.
void CheckBowThruster(CKLVNDoc& doc, BoatRecord& r) {
    if (!r.hasBowThruster) return;
    double L = r.lengthOverall;
    double G = CenterOfGravityFraction(r.boatType) * L;
    if (r.bowThrusterDistFromTransom > L) {
        ReportOutOfRange(doc, "Bow Thruster dist from transom set to max");
        r.bowThrusterDistFromTransom = G + 0.5 * (L - G);
    }
    if (r.bowThrusterDistFromTransom < G) {
        ReportOutOfRange(doc, "Bow Thruster dist from transom set to min");
        r.bowThrusterDistFromTransom = G + 0.2 * (L - G);
    }
}

void CheckLinesAndFenders(CKLVNDoc& doc, BoatRecord& r) {
    double L = r.lengthOverall;
    if (r.dockLineLength > 2.0 * L) {
        ReportOutOfRange(doc, "Dock line length set to max");
        r.dockLineLength = 2.0 * L;
    }
    if (r.anchorLineLength > 10.0 * L) {
        ReportOutOfRange(doc, "Anchor line length set to max");
        r.anchorLineLength = 10.0 * L;
    }
    if (r.fenderDiameter > FENDER_DIAMETER_MAX) {
        ReportOutOfRange(doc, "Fender diameter set to max");
        r.fenderDiameter = FENDER_DIAMETER_MAX;
    }
    if (r.fenderDiameter < FENDER_DIAMETER_MIN) {
        ReportOutOfRange(doc, "Fender diameter set to min");
        r.fenderDiameter = FENDER_DIAMETER_MIN;
    }
}

}  // namespace

void FillBoatDialog(CKLVNDoc& doc, BoatDialogValues& values, BoatDialogMode mode, int boatType) {
    std::memset(&values, 0, sizeof values);
    const BoatRecord* source = &doc.boat;
    if (mode == BOAT_DIALOG_NEW) {
        int type = boatType >= MOTORBOAT && boatType <= HOUSEBOAT ? boatType : MOTORBOAT;
        doc.scratchBoat.advancedCoefficientsSet = 0;
        ApplyBoatDefaults(doc.scratchBoat, type, true, doc.boat.lengthOverall);
        CopyName(values.boatName, sizeof values.boatName, NEW_BOAT_NAMES[type]);
        source = &doc.scratchBoat;
    } else {
        CopyName(values.boatName, sizeof values.boatName, doc.boat.boatName);
    }
    CopyRecordToDialog(*source, doc.units, values);
    values.metricUnits = doc.settings.metricUnits != 0;
}

void ValidateBoatDialog(CKLVNDoc& doc, BoatRecord& record, const BoatDialogValues& values,
                        bool lineDefaults) {
    CopyDialogToRecord(values, doc.units, record);
    CheckPropellers(doc, record);
    CheckRudder(doc, record);
    CheckBowThruster(doc, record);
    CheckLinesAndFenders(doc, record);
    doc.settings.currentBoatType = record.boatType;
    DeriveBoatQuantities(record, lineDefaults);
}

void AcceptNewBoat(CKLVNDoc& doc, const BoatDialogValues& values) {
    ValidateBoatDialog(doc, doc.scratchBoat, values, true);
    doc.boat = doc.scratchBoat;
    RebuildBoat(doc);
}

void AcceptEditedBoat(CKLVNDoc& doc, const BoatDialogValues& values) {
    ValidateBoatDialog(doc, doc.boat, values, false);
    RebuildBoat(doc);
}

void RebuildBoat(CKLVNDoc& doc) {
    // With boatPresent clear the outline build first reapplies the shape
    // coefficients of the (possibly changed) boat type.
    doc.boatPresent = false;
    BuildHullOutline(doc, false);
    BuildHullPoints(doc);
    LayoutDock(doc);
    ResetBoat(doc);
    ReopenBridgeConsole(doc);
}
