#pragma once

#include <cstddef>

#include "boat/boat_editing.h"
#include "boat/units.h"
#include "common/number_field.h"

// What the Boat Specifications dialog does by itself while the user works in
// it: each numeric box is held within its range when it is left, and some
// boxes fill in the values that depend on them (a new length re-estimates most
// other sizes). The window only shows the values these rules leave and sounds
// the warnings they ask for.

// The numeric boxes, in the order of the dialog's layout (and of its Tab chain).
enum class BoatBox : int {
    LengthOverall,
    Beam,
    Draft,
    Weight,
    PropDistFromCL,
    PropDistFromTransom,
    MaxSpeedKnots,
    ReversePowerFactor,
    PropWalkFactor,
    MaxRpm,
    IdlePowerFactor,
    IdleRpm,
    RudderArea,
    RudderDistFromTransom,
    PropWashFactor,
    BowThrusterForce,
    BowThrusterDistFromTransom,
    DockLineLength,
    LineSpringConstant,
    AnchorLineLength,
    FenderDiameter,
};
constexpr int BOAT_BOX_COUNT = 21;

// How a box's value is shown: the dialog's unit factors convert lengths,
// weights and forces, and areas; speeds, RPMs and factors stand as they are.
enum class BoatBoxUnit { Length, Weight, Area, Plain };

struct BoatBoxInfo {
    BoatBox box;
    BoatBoxUnit unit;
    const char* field;           // the member's name, also the box's object name
    const char* label;           // the text beside the box
    const char* accessibleName;  // the label, told apart where two boxes share it
};

const BoatBoxInfo& BoatBoxInfoOf(BoatBox box);
double& BoatBoxMember(BoatDialogValues& values, BoatBox box);
double BoatBoxMember(const BoatDialogValues& values, BoatBox box);

// The member as its box shows it ("%3.2f").
void BoatBoxText(const BoatDialogValues& values, BoatBox box, char* text, std::size_t size);

// The limits that do not depend on other boxes, in display units, fixed when
// the dialog opens. The dialog's unit factors travel with them for the
// estimates, which are made in feet and pounds.
struct BoatDialogLimits {
    UnitFactors units;
    ValueRange lengthOverall;
    ValueRange houseboatBeam;
    ValueRange draft;
    ValueRange weight;
    ValueRange maxSpeedKnots;
    ValueRange factor;  // reverse power, prop walk and prop wash
    ValueRange maxRpm;
    ValueRange idlePowerFactor;
    ValueRange idleRpm;
    ValueRange inboardRudderArea;
    ValueRange driveRudderArea;  // outboard or I/O
    ValueRange bowThrusterForce;
    ValueRange anchorLineLength;
    ValueRange fenderDiameter;
    double drivePropDistMin;  // a drive may sit behind the transom
};

BoatDialogLimits MakeBoatDialogLimits(const UnitFactors& units);

// A box's range now: limits given as ratios follow the length, beam and
// weight the dialog shows at this moment.
ValueRange BoatBoxRange(const BoatDialogValues& values, const BoatDialogLimits& limits,
                        BoatBox box);

// What the window must do after a rule ran.
struct BoatDialogEffects {
    int warnings = 0;                    // range warnings to sound, one after the other
    bool shown[BOAT_BOX_COUNT] = {};     // boxes to rewrite from their members
    bool bowThrusterCheckShown = false;  // the thruster's check box to set from its member

    void Show(BoatBox box) { shown[static_cast<int>(box)] = true; }
    bool Shows(BoatBox box) const { return shown[static_cast<int>(box)]; }
};

// A numeric box left with the text typed into it. Text that still reads as
// what the box showed stands for the member itself, so leaving a box without
// editing it never loses precision. The value is held within the box's range;
// the estimates made from it are remade only when it changed, while the
// rudder is kept against the prop whenever the prop's box is left.
BoatDialogEffects LeaveBoatBox(BoatDialogValues& values, const BoatDialogLimits& limits,
                               BoatBox box, const char* typed);

// The name box: at most 16 characters kept, otherwise as typed.
void SetBoatDialogName(BoatDialogValues& values, const char* typed);

// The radio buttons.
enum class BoatDialogChoice {
    Motorboat,
    Sailboat,
    Houseboat,
    Inboard,
    OutboardOrIO,
    Single,
    Twin,
    RightHand,
    LeftHand,
};
constexpr int BOAT_DIALOG_CHOICE_COUNT = 9;

BoatDialogEffects ChooseBoatDialogOption(BoatDialogValues& values, BoatDialogChoice choice);

// Whether a radio button shows as selected; a member outside the listed
// values leaves its whole group unselected.
bool BoatDialogChoiceSelected(const BoatDialogValues& values, BoatDialogChoice choice);

// The two check boxes: "Cntr Rot" and "Boat has a Bow Thruster".
enum class BoatDialogCheck { CounterRotating, BowThruster };
void SetBoatDialogCheck(BoatDialogValues& values, BoatDialogCheck check, bool on);

// "UNITS: English" or "UNITS: Metric".
const char* BoatDialogUnitsLabel(const BoatDialogValues& values);
