#pragma once

#include <cstdint>

#include "boat/boat_record.h"
#include "common/number_field.h"

struct CKLVNDoc;

// The rules of the Advanced Settings dialog: the nineteen force coefficients
// of the boat it shows, the range each box holds, the type defaults it can
// refill, and what SAVE writes back. The boat file itself is written only by
// the Save command.

constexpr int ADVANCED_COEFFICIENT_COUNT = 19;

enum class AdvancedGroup { Wind, Drag, PropWalk, Rudder, BowThruster, Accelerations, DockLines };

struct AdvancedCoefficient {
    AdvancedGroup group;
    int row;                     // top to bottom within its group
    const char* label;           // the caption beside the box
    const char* accessibleName;  // the caption, led by the group's name where it repeats
    double BoatRecord::*field;
    ValueRange range;
};

// In the order of the boat record's coefficient block (rudderLateralForceScaled,
// which no dialog shows, left out).
extern const AdvancedCoefficient ADVANCED_COEFFICIENTS[ADVANCED_COEFFICIENT_COUNT];

const char* AdvancedGroupTitle(AdvancedGroup group);  // "Wind", "Prop Walk", ...
extern const char ADVANCED_SETTINGS_NOTICE[];         // the text at the top of the dialog

// A box the user has left is read within its coefficient's range and the
// value kept at the full precision typed, though the box shows two decimals.
struct AdvancedSettingsValues {
    double value[ADVANCED_COEFFICIENT_COUNT];  // in the order of ADVANCED_COEFFICIENTS
    std::int32_t advancedCoefficientsSet;      // carried through unchanged
};

// What the dialog shows on opening: the boat's coefficients.
AdvancedSettingsValues FillAdvancedSettings(const BoatRecord& boat);

// USE DEFAULTS: every value from the tables of the boat's type and, for the
// prop-walk factors, its engine type.
void UseAdvancedDefaults(AdvancedSettingsValues& values, const BoatRecord& boat);

// SAVE: the values and the flag go into the live boat, which is put back at
// its start pose so that they act from a clean start.
void SaveAdvancedSettings(CKLVNDoc& doc, const AdvancedSettingsValues& values);
