#include "boat/advanced_settings_dialog.h"

#include "boat/boat_defaults.h"
#include "common/constants.h"
#include "document/document.h"
#include "simulation/step.h"

using G = AdvancedGroup;
using B = BoatRecord;

// clang-format off
const AdvancedCoefficient ADVANCED_COEFFICIENTS[ADVANCED_COEFFICIENT_COUNT] = {
    {G::Wind,          0, "Presented Area Drag",  "Presented Area Drag",        &B::presentedAreaDrag,     {0, 1}},
    {G::Wind,          1, "CP Torque",            "CP Torque",                  &B::cpTorque,              {0, 10}},
    {G::Drag,          0, "Rotational",           "Rotational",                 &B::rotationalDrag,        {0, 200}},
    {G::Drag,          2, "Skid resistance",      "Skid resistance",            &B::skidResistance,        {1, 20}},
    {G::Drag,          1, "Translational",        "Translational",              &B::translationalDrag,     {0, 10}},
    {G::PropWalk,      0, "Speed Factor",         "Speed Factor",               &B::propWalkSpeedFactor,   {0, 5}},
    {G::PropWalk,      1, "Lateral Force",        "Prop Walk Lateral Force",    &B::propWalkLateralForce,  {0, 2}},
    {G::PropWalk,      2, "Torque",               "Prop Walk Torque",           &B::propWalkTorque,        {0, 10}},
    {G::PropWalk,      3, "Forward Factor",       "Forward Factor",             &B::propWalkForwardFactor, {0, 5}},
    {G::PropWalk,      4, "Reverse Factor",       "Reverse Factor",             &B::propWalkReverseFactor, {0, 5}},
    {G::Rudder,        0, "Prop Wash Reverse",    "Prop Wash Reverse",          &B::rudderPropWashReverse, {0, 10}},
    {G::Rudder,        1, "Turning Torque",       "Turning Torque",             &B::rudderTurningTorque,   {0, 10}},
    {G::Rudder,        2, "Lateral Force",        "Rudder Lateral Force",       &B::rudderLateralForce,    {0, 50}},
    {G::BowThruster,   0, "Lateral Force",        "Bow Thruster Lateral Force", &B::thrusterLateralForce,  {0, 10}},
    {G::BowThruster,   1, "Torque",               "Bow Thruster Torque",        &B::thrusterTorque,        {0, 100}},
    {G::Accelerations, 0, "Trans Max Accel",      "Trans Max Accel",            &B::transMaxAccel,         {0, 100 * G_FTS2}},
    {G::Accelerations, 1, "Rotational Max Accel", "Rotational Max Accel",       &B::rotMaxAccel,           {0, 50}},
    {G::DockLines,     0, "Breaking Pt Factor",   "Breaking Pt Factor",         &B::lineBreakingPtFactor,  {5, 50}},
    {G::DockLines,     1, "Slip Factor",          "Slip Factor",                &B::lineSlipFactor,        {2, 20}},
};
// clang-format on

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
