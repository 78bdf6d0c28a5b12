#include "boat/advanced_settings_dialog.h"

#include "boat/boat_defaults.h"
#include "common/constants.h"
#include "document/document.h"
#include "simulation/step.h"

using G = AdvancedGroup;

const AdvancedCoefficient ADVANCED_COEFFICIENTS[ADVANCED_COEFFICIENT_COUNT] = {
    {G::Wind, "Presented Area Drag", "Presented Area Drag", &BoatRecord::presentedAreaDrag, {0, 1}},
    {G::Wind, "CP Torque", "CP Torque", &BoatRecord::cpTorque, {0, 10}},
    {G::Drag, "Rotational", "Rotational", &BoatRecord::rotationalDrag, {0, 200}},
    {G::Drag, "Skid resistance", "Skid resistance", &BoatRecord::skidResistance, {1, 20}},
    {G::Drag, "Translational", "Translational", &BoatRecord::translationalDrag, {0, 10}},
    {G::PropWalk, "Speed Factor", "Speed Factor", &BoatRecord::propWalkSpeedFactor, {0, 5}},
    {G::PropWalk,
     "Lateral Force",
     "Prop Walk Lateral Force",
     &BoatRecord::propWalkLateralForce,
     {0, 2}},
    {G::PropWalk, "Torque", "Prop Walk Torque", &BoatRecord::propWalkTorque, {0, 10}},
    {G::PropWalk, "Forward Factor", "Forward Factor", &BoatRecord::propWalkForwardFactor, {0, 5}},
    {G::PropWalk, "Reverse Factor", "Reverse Factor", &BoatRecord::propWalkReverseFactor, {0, 5}},
    {G::Rudder,
     "Prop Wash Reverse",
     "Prop Wash Reverse",
     &BoatRecord::rudderPropWashReverse,
     {0, 10}},
    {G::Rudder, "Turning Torque", "Turning Torque", &BoatRecord::rudderTurningTorque, {0, 10}},
    {G::Rudder, "Lateral Force", "Rudder Lateral Force", &BoatRecord::rudderLateralForce, {0, 50}},
    {G::BowThruster,
     "Lateral Force",
     "Bow Thruster Lateral Force",
     &BoatRecord::thrusterLateralForce,
     {0, 10}},
    {G::BowThruster, "Torque", "Bow Thruster Torque", &BoatRecord::thrusterTorque, {0, 100}},
    // Up to a hundred g.
    {G::Accelerations,
     "Trans Max Accel",
     "Trans Max Accel",
     &BoatRecord::transMaxAccel,
     {0, G_FTS2 * 100}},
    {G::Accelerations,
     "Rotational Max Accel",
     "Rotational Max Accel",
     &BoatRecord::rotMaxAccel,
     {0, 50}},
    {G::DockLines,
     "Breaking Pt Factor",
     "Breaking Pt Factor",
     &BoatRecord::lineBreakingPtFactor,
     {5, 50}},
    {G::DockLines, "Slip Factor", "Slip Factor", &BoatRecord::lineSlipFactor, {2, 20}},
};

const char ADVANCED_SETTINGS_NOTICE[] =
    "These parameters control how various forces affect the motion of the boat.\n\n"
    "Please read the Advanced Settings section of the manual before making any "
    "modifications to these values.";

const char* AdvancedGroupTitle(AdvancedGroup group) {
    switch (group) {
        case G::Wind:
            return "Wind";
        case G::Drag:
            return "Drag";
        case G::PropWalk:
            return "Prop Walk";
        case G::Rudder:
            return "Rudder";
        case G::BowThruster:
            return "Bow Thruster";
        case G::Accelerations:
            return "Accelerations";
        case G::DockLines:
            return "Dock Lines";
    }
    return "";
}

AdvancedSettingsValues FillAdvancedSettings(const BoatRecord& boat) {
    AdvancedSettingsValues values{};
    for (int i = 0; i < ADVANCED_COEFFICIENT_COUNT; ++i)
        values.value[i] = boat.*ADVANCED_COEFFICIENTS[i].field;
    values.advancedCoefficientsSet = boat.advancedCoefficientsSet;
    return values;
}

void UseAdvancedDefaults(AdvancedSettingsValues& values, const BoatRecord& boat) {
    // The same tables a new boat's coefficient block is loaded from, so the
    // dialog's defaults can never drift from the boat's.
    BoatRecord defaults{};
    defaults.boatType = boat.boatType;
    defaults.engineType = boat.engineType;
    LoadDefaultCoefficients(defaults);
    for (int i = 0; i < ADVANCED_COEFFICIENT_COUNT; ++i)
        values.value[i] = defaults.*ADVANCED_COEFFICIENTS[i].field;
}

void SaveAdvancedSettings(CKLVNDoc& doc, const AdvancedSettingsValues& values) {
    for (int i = 0; i < ADVANCED_COEFFICIENT_COUNT; ++i)
        doc.boat.*ADVANCED_COEFFICIENTS[i].field = values.value[i];
    doc.boat.advancedCoefficientsSet = values.advancedCoefficientsSet;
    ResetBoat(doc);
}
