#pragma once

#include "boat/boat_record.h"

struct CKLVNDoc;

// The values of the Boat Specifications dialog, in display units (metres,
// kilograms and square metres when metric units are chosen). The boat
// commands fill them before the dialog opens and take them back after OK.
struct BoatDialogValues {
    char boatName[BOAT_NAME_MAX_CHARS + 1];
    int boatType;     // MOTORBOAT, SAILBOAT, HOUSEBOAT
    int engineType;   // INBOARD, OUTBOARD_OR_IO
    int engineCount;  // 1 or 2
    bool counterRotating;
    int propRotation;  // +1 right hand, -1 left hand

    // Length class.
    double lengthOverall;
    double beam;
    double draft;
    double propDistFromCL;
    double propDistFromTransom;
    double rudderDistFromTransom;
    double bowThrusterDistFromTransom;
    double dockLineLength;
    double anchorLineLength;
    double fenderDiameter;
    // Weight class.
    double weight;
    double bowThrusterForce;
    double lineSpringConstant;
    // Area class.
    double rudderArea;
    // Taken as they stand.
    double maxSpeedKnots;
    double reversePowerFactor;
    double propWalkFactor;
    double idlePowerFactor;
    double maxRpm;
    double idleRpm;
    double propWashFactor;
    double hiddenFactor1;  // carried through the dialog without a control
    double hiddenFactor2;
    bool hasBowThruster;

    bool metricUnits;  // the dialog shows "UNITS: Metric" instead of "UNITS: English"
};

enum BoatDialogMode { BOAT_DIALOG_NEW, BOAT_DIALOG_EDIT };

// New: the scratch boat gets the complete defaults of boatType and the name
// "New_Motorboat", "New_Sailboat" or "New_Houseboat". Edit: the live boat.
// Every field is then copied from that boat into values in display units.
void FillBoatDialog(CKLVNDoc& doc, BoatDialogValues& values, BoatDialogMode mode, int boatType);

// Copies the dialog's values into record in internal units, corrects the
// values out of range with one message each, remembers the type as the
// current boat type and derives the boat's quantities (with lineDefaults, the
// dock line, anchor line and spring constant are reset). Never rejects.
void ValidateBoatDialog(CKLVNDoc& doc, BoatRecord& record, const BoatDialogValues& values,
                        bool lineDefaults);

// After OK on a new boat: the values become the scratch boat, which replaces
// the live one, and everything derived from the boat is rebuilt.
void AcceptNewBoat(CKLVNDoc& doc, const BoatDialogValues& values);

// After OK on "Edit ...": the values go into the live boat, which is rebuilt.
void AcceptEditedBoat(CKLVNDoc& doc, const BoatDialogValues& values);

// Hull outline and points, dock layout, boat reset and bridge console for a
// boat that has just been (re)defined.
void RebuildBoat(CKLVNDoc& doc);
