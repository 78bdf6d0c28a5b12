#pragma once

#include "common/number_field.h"
#include "simulation/environment_record.h"

struct CKLVNDoc;

// The rules of the Environment Settings dialog: what it shows of the
// environment record, how each box is read and what OK writes back. Speeds are
// knots and directions degrees whatever display units are chosen.

// The rate of change a quantity's three radio buttons show. None: the record's
// averaging period is not one of the three the dialog offers, and OK keeps it.
enum class EnvRate { None, Slow, Medium, Fast };

struct EnvironmentQuantityValues {
    double average;
    double variation;
    EnvRate rate;
    bool varies;
};

struct EnvironmentDialogValues {
    EnvironmentQuantityValues quantity[ENV_QUANTITIES];  // indexed by ENV_WIND_SPEED ...
};

enum class EnvBox { Average, Variation };

// The captions of one quantity's group. The accessible name of each control is
// the quantity's name and the control's caption joined by a space, since every
// caption repeats across the four groups.
struct EnvironmentGroupText {
    const char* title;      // "Wind Speed - knots"
    const char* name;       // "Wind Speed"
    const char* varies;     // "Speed Varies"
    const char* average;    // "Avg Speed"
    const char* variation;  // "Variation"
};

extern const EnvironmentGroupText ENVIRONMENT_GROUP_TEXT[ENV_QUANTITIES];
extern const char ENVIRONMENT_RATE_TITLE[];  // "Rate of Change"
const char* EnvRateCaption(EnvRate rate);    // "Fast", "Medium", "Slow"

// The values an average or variation box accepts.
ValueRange EnvironmentBoxRange(int quantity, EnvBox box);

// The radio a stored averaging period shows: 20 Fast, 100 Medium, 200 Slow.
EnvRate EnvRateFromPeriod(int period);

// What the dialog shows on opening.
EnvironmentDialogValues FillEnvironmentDialog(const EnvironmentRecord& env);

// The dialog's value behind an average or variation box. A box the user has
// left is read within EnvironmentBoxRange and the result kept here.
double& EnvironmentBoxValue(EnvironmentDialogValues& values, int quantity, EnvBox box);

// OK: every quantity restarts at its new average with the variation, rate and
// switch chosen; the record goes into the settings record and the settings
// file is written. Returns SaveSettings' result.
int AcceptEnvironmentDialog(CKLVNDoc& doc, const EnvironmentDialogValues& values);
