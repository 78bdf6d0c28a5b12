#include "boat/boat_dialog_rules.h"

#include <cstring>

#include "boat/boat_defaults.h"

namespace {

const BoatBoxInfo BOX_INFO[BOAT_BOX_COUNT] = {
    {BoatBox::LengthOverall, BoatBoxUnit::Length, "lengthOverall", "Length Overall",
     "Length Overall"},
    {BoatBox::Beam, BoatBoxUnit::Length, "beam", "Beam", "Beam"},
    {BoatBox::Draft, BoatBoxUnit::Length, "draft", "Draft", "Draft"},
    {BoatBox::Weight, BoatBoxUnit::Weight, "weight", "Weight", "Weight"},
    {BoatBox::PropDistFromCL, BoatBoxUnit::Length, "propDistFromCL", "Prop Dist from CL",
     "Prop Dist from CL"},
    {BoatBox::PropDistFromTransom, BoatBoxUnit::Length, "propDistFromTransom",
     "Prop Dist from Transom", "Prop Dist from Transom"},
    {BoatBox::MaxSpeedKnots, BoatBoxUnit::Plain, "maxSpeedKnots", "Max Speed - knots",
     "Max Speed - knots"},
    {BoatBox::ReversePowerFactor, BoatBoxUnit::Plain, "reversePowerFactor", "Reverse Power Factor",
     "Reverse Power Factor"},
    {BoatBox::PropWalkFactor, BoatBoxUnit::Plain, "propWalkFactor", "Prop Walk Factor",
     "Prop Walk Factor"},
    {BoatBox::MaxRpm, BoatBoxUnit::Plain, "maxRpm", "Max RPM", "Max RPM"},
    {BoatBox::IdlePowerFactor, BoatBoxUnit::Plain, "idlePowerFactor", "Idle Power Factor",
     "Idle Power Factor"},
    {BoatBox::IdleRpm, BoatBoxUnit::Plain, "idleRpm", "Idle RPM", "Idle RPM"},
    {BoatBox::RudderArea, BoatBoxUnit::Area, "rudderArea", "Area", "Area"},
    {BoatBox::RudderDistFromTransom, BoatBoxUnit::Length, "rudderDistFromTransom",
     "Dist from Transom", "Rudder Dist from Transom"},
    {BoatBox::PropWashFactor, BoatBoxUnit::Plain, "propWashFactor", "Prop Wash Factor",
     "Prop Wash Factor"},
    {BoatBox::BowThrusterForce, BoatBoxUnit::Weight, "bowThrusterForce", "Force", "Force"},
    {BoatBox::BowThrusterDistFromTransom, BoatBoxUnit::Length, "bowThrusterDistFromTransom",
     "Dist from Transom", "Bow Thruster Dist from Transom"},
    {BoatBox::DockLineLength, BoatBoxUnit::Length, "dockLineLength", "Dock Line Length",
     "Dock Line Length"},
    {BoatBox::LineSpringConstant, BoatBoxUnit::Weight, "lineSpringConstant", "Line Spring Constant",
     "Line Spring Constant"},
    {BoatBox::AnchorLineLength, BoatBoxUnit::Length, "anchorLineLength", "Anchor Line Length",
     "Anchor Line Length"},
    {BoatBox::FenderDiameter, BoatBoxUnit::Length, "fenderDiameter", "Fender Diameter",
     "Fender Diameter"},
};

// Limits stated in feet, pounds and square feet.
constexpr ValueRange LENGTH_FT{20, 100};
constexpr ValueRange HOUSEBOAT_BEAM_FT{10, 22};
constexpr ValueRange DRAFT_FT{0.5, 10};
constexpr ValueRange WEIGHT_LB{1000, 250000};
constexpr ValueRange INBOARD_RUDDER_FT2{0, 20};
constexpr ValueRange DRIVE_RUDDER_FT2{0, 0.5};
constexpr ValueRange THRUSTER_FORCE_LB{10, 500};
constexpr ValueRange ANCHOR_LINE_FT{100, 750};
constexpr ValueRange FENDER_FT{0.5, 2};
constexpr double DRIVE_PROP_DIST_MIN = -5.0;  // display units as they stand

// The dependent values, in feet and pounds.
constexpr double TWIN_PROP_SPACING = 0.236;  // of the beam, each side
constexpr double RUDDER_AFT_OF_PROP_FT = 1.0;
constexpr double ANCHOR_LINE_FT_ON_NEW_LENGTH = 250;
constexpr double THRUSTER_DIST_ON_NEW_LENGTH = 0.75;  // of the length

// A range in feet, pounds or ft² shown in display units. The factors each way
// are rounded and not exact inverses (0.3048 x 3.281 = 1.0000488), so each
// bound is the narrower of its two conversions: a value the box accepts at a
// bound converts back inside the same range, and the final checks on OK never
// report the dialog's own limit as out of range.
ValueRange ToDisplay(ValueRange range, double toDisplay, double toInternal) {
    const double minBack = range.min / toInternal, maxBack = range.max / toInternal;
    const double min = range.min * toDisplay, max = range.max * toDisplay;
    return {min > minBack ? min : minBack, max < maxBack ? max : maxBack};
}

ValueRange OfLength(const BoatDialogValues& v, double min, double max) {
    return {min * v.lengthOverall, max * v.lengthOverall};
}

bool IsDrive(const BoatDialogValues& v) {
    return v.engineType == OUTBOARD_OR_IO;
}

// A value replaced by the nearer bound counts one warning.
double HoldWithinRange(double value, ValueRange range, BoatDialogEffects& fx) {
    if (value < range.min) {
        ++fx.warnings;
        return range.min;
    }
    if (value > range.max) {
        ++fx.warnings;
        return range.max;
    }
    return value;
}

// The box's value from its text: the member itself when the text is what the
// box showed, else the typed number; either is then held within range.
double ReadBox(const BoatDialogValues& v, BoatBox box, ValueRange range, const char* typed,
               BoatDialogEffects& fx) {
    const double member = BoatBoxMember(v, box);
    char shown[NUMBER_FIELD_TEXT_SIZE];
    FormatNumberField(member, shown, sizeof shown);
    if (typed != nullptr && std::strcmp(typed, shown) == 0)
        return HoldWithinRange(member, range, fx);
    NumberFieldResult read = ReadNumberField(typed, range);
    if (read.clamp != FieldClamp::None) ++fx.warnings;
    return read.value;
}

// Sets a box to a value held within its current range (as though the user
// had typed it and left the box) and shows it.
void SetHeldWithinRange(BoatDialogValues& v, const BoatDialogLimits& lim, BoatBox box, double value,
                        BoatDialogEffects& fx) {
    BoatBoxMember(v, box) = HoldWithinRange(value, BoatBoxRange(v, lim, box), fx);
    fx.Show(box);
}

void SetShown(BoatDialogValues& v, BoatBox box, double value, BoatDialogEffects& fx) {
    BoatBoxMember(v, box) = value;
    fx.Show(box);
}

void BeamChanged(BoatDialogValues& v, BoatDialogEffects& fx) {
    if (v.engineCount == 2) SetShown(v, BoatBox::PropDistFromCL, TWIN_PROP_SPACING * v.beam, fx);
}

void WeightChanged(BoatDialogValues& v, const UnitFactors& u, BoatDialogEffects& fx) {
    const double pounds = v.weight * u.weightToInternal;
    SetShown(v, BoatBox::LineSpringConstant, (1.24 * pounds + 21000) * u.weightToDisplay, fx);
}

// A new length re-estimates the boat's other sizes from the fits for its type.
void LengthChanged(BoatDialogValues& v, const BoatDialogLimits& lim, BoatDialogEffects& fx) {
    const UnitFactors& u = lim.units;
    const double L = v.lengthOverall * u.lengthToInternal;
    const int type = v.boatType;
    SetShown(v, BoatBox::FenderDiameter, EstimateFenderDiameter(L) * u.lengthToDisplay, fx);
    SetHeldWithinRange(v, lim, BoatBox::Beam, EstimateBeam(L, type) * u.lengthToDisplay, fx);
    BeamChanged(v, fx);
    SetHeldWithinRange(v, lim, BoatBox::Weight, EstimateWeight(L, type) * u.weightToDisplay, fx);
    WeightChanged(v, u, fx);
    SetShown(v, BoatBox::BowThrusterDistFromTransom, THRUSTER_DIST_ON_NEW_LENGTH * v.lengthOverall,
             fx);
    SetShown(v, BoatBox::BowThrusterForce, (3.5 * L - 47.5) * u.weightToDisplay, fx);
    SetShown(v, BoatBox::AnchorLineLength, ANCHOR_LINE_FT_ON_NEW_LENGTH * u.lengthToDisplay, fx);
    SetShown(v, BoatBox::DockLineLength, 2 * v.lengthOverall, fx);
}

// An outboard's or I/O's rudder is the drive's fin, at the prop. An
// inboard's rudder stays aft of its prop.
void KeepRudderAftOfProp(BoatDialogValues& v, const BoatDialogLimits& lim, BoatDialogEffects& fx) {
    if (IsDrive(v)) {
        SetShown(v, BoatBox::RudderDistFromTransom, v.propDistFromTransom, fx);
        return;
    }
    if (v.propDistFromTransom > v.rudderDistFromTransom) return;
    double rudder = v.propDistFromTransom - RUDDER_AFT_OF_PROP_FT * lim.units.lengthToDisplay;
    if (rudder < 0) rudder = 0;
    SetHeldWithinRange(v, lim, BoatBox::RudderDistFromTransom, rudder, fx);
}

void BoxChanged(BoatDialogValues& v, const BoatDialogLimits& lim, BoatBox box,
                BoatDialogEffects& fx) {
    switch (box) {
        case BoatBox::LengthOverall:
            LengthChanged(v, lim, fx);
            break;
        case BoatBox::Beam:
            BeamChanged(v, fx);
            break;
        case BoatBox::Weight:
            WeightChanged(v, lim.units, fx);
            break;
        default:
            break;
    }
}

}  // namespace

const BoatBoxInfo& BoatBoxInfoOf(BoatBox box) {
    return BOX_INFO[static_cast<int>(box)];
}

double& BoatBoxMember(BoatDialogValues& v, BoatBox box) {
    switch (box) {
        case BoatBox::LengthOverall:
            return v.lengthOverall;
        case BoatBox::Beam:
            return v.beam;
        case BoatBox::Draft:
            return v.draft;
        case BoatBox::Weight:
            return v.weight;
        case BoatBox::PropDistFromCL:
            return v.propDistFromCL;
        case BoatBox::PropDistFromTransom:
            return v.propDistFromTransom;
        case BoatBox::MaxSpeedKnots:
            return v.maxSpeedKnots;
        case BoatBox::ReversePowerFactor:
            return v.reversePowerFactor;
        case BoatBox::PropWalkFactor:
            return v.propWalkFactor;
        case BoatBox::MaxRpm:
            return v.maxRpm;
        case BoatBox::IdlePowerFactor:
            return v.idlePowerFactor;
        case BoatBox::IdleRpm:
            return v.idleRpm;
        case BoatBox::RudderArea:
            return v.rudderArea;
        case BoatBox::RudderDistFromTransom:
            return v.rudderDistFromTransom;
        case BoatBox::PropWashFactor:
            return v.propWashFactor;
        case BoatBox::BowThrusterForce:
            return v.bowThrusterForce;
        case BoatBox::BowThrusterDistFromTransom:
            return v.bowThrusterDistFromTransom;
        case BoatBox::DockLineLength:
            return v.dockLineLength;
        case BoatBox::LineSpringConstant:
            return v.lineSpringConstant;
        case BoatBox::AnchorLineLength:
            return v.anchorLineLength;
        case BoatBox::FenderDiameter:
            return v.fenderDiameter;
    }
    return v.lengthOverall;
}

double BoatBoxMember(const BoatDialogValues& v, BoatBox box) {
    return BoatBoxMember(const_cast<BoatDialogValues&>(v), box);
}

void BoatBoxText(const BoatDialogValues& v, BoatBox box, char* text, std::size_t size) {
    FormatNumberField(BoatBoxMember(v, box), text, size);
}

BoatDialogLimits MakeBoatDialogLimits(const UnitFactors& u) {
    BoatDialogLimits lim{};
    lim.units = u;
    lim.lengthOverall = ToDisplay(LENGTH_FT, u.lengthToDisplay, u.lengthToInternal);
    lim.houseboatBeam = ToDisplay(HOUSEBOAT_BEAM_FT, u.lengthToDisplay, u.lengthToInternal);
    lim.draft = ToDisplay(DRAFT_FT, u.lengthToDisplay, u.lengthToInternal);
    lim.weight = ToDisplay(WEIGHT_LB, u.weightToDisplay, u.weightToInternal);
    lim.maxSpeedKnots = {5, 20};
    lim.factor = {0, 1};
    lim.maxRpm = {2000, 10000};
    lim.idlePowerFactor = {0.05, 0.5};
    lim.idleRpm = {100, 1500};
    lim.inboardRudderArea = ToDisplay(INBOARD_RUDDER_FT2, u.areaToDisplay, u.areaToInternal);
    lim.driveRudderArea = ToDisplay(DRIVE_RUDDER_FT2, u.areaToDisplay, u.areaToInternal);
    lim.bowThrusterForce = ToDisplay(THRUSTER_FORCE_LB, u.weightToDisplay, u.weightToInternal);
    lim.anchorLineLength = ToDisplay(ANCHOR_LINE_FT, u.lengthToDisplay, u.lengthToInternal);
    lim.fenderDiameter = ToDisplay(FENDER_FT, u.lengthToDisplay, u.lengthToInternal);
    lim.drivePropDistMin = DRIVE_PROP_DIST_MIN;
    return lim;
}

ValueRange BoatBoxRange(const BoatDialogValues& v, const BoatDialogLimits& lim, BoatBox box) {
    switch (box) {
        case BoatBox::LengthOverall:
            return lim.lengthOverall;
        case BoatBox::Beam:
            return v.boatType == HOUSEBOAT ? lim.houseboatBeam : OfLength(v, 0.2, 0.4);
        case BoatBox::Draft:
            return lim.draft;
        case BoatBox::Weight:
            return lim.weight;
        case BoatBox::PropDistFromCL:
            return {0, 0.5 * v.beam};
        case BoatBox::PropDistFromTransom:
            return {IsDrive(v) ? lim.drivePropDistMin : 0, 0.25 * v.lengthOverall};
        case BoatBox::MaxSpeedKnots:
            return lim.maxSpeedKnots;
        case BoatBox::ReversePowerFactor:
        case BoatBox::PropWalkFactor:
        case BoatBox::PropWashFactor:
            return lim.factor;
        case BoatBox::MaxRpm:
            return lim.maxRpm;
        case BoatBox::IdlePowerFactor:
            return lim.idlePowerFactor;
        case BoatBox::IdleRpm:
            return lim.idleRpm;
        case BoatBox::RudderArea:
            return IsDrive(v) ? lim.driveRudderArea : lim.inboardRudderArea;
        case BoatBox::RudderDistFromTransom:
            // A drive's rudder has no range of its own: it is the prop's distance.
            if (IsDrive(v)) return {v.propDistFromTransom, v.propDistFromTransom};
            return OfLength(v, 0, 0.25);
        case BoatBox::BowThrusterForce:
            return lim.bowThrusterForce;
        case BoatBox::BowThrusterDistFromTransom:
            return OfLength(v, 0.7, 0.9);
        case BoatBox::DockLineLength:
            return OfLength(v, 0.5, 2);
        case BoatBox::LineSpringConstant:
            return {0.5 * v.weight, 10 * v.weight};
        case BoatBox::AnchorLineLength:
            return lim.anchorLineLength;
        case BoatBox::FenderDiameter:
            return lim.fenderDiameter;
    }
    return lim.factor;
}

BoatDialogEffects LeaveBoatBox(BoatDialogValues& v, const BoatDialogLimits& lim, BoatBox box,
                               const char* typed) {
    BoatDialogEffects fx;
    fx.Show(box);
    if (box == BoatBox::RudderDistFromTransom && IsDrive(v)) {
        v.rudderDistFromTransom = v.propDistFromTransom;  // what was typed is ignored
        return fx;
    }
    const double value = ReadBox(v, box, BoatBoxRange(v, lim, box), typed, fx);
    double& member = BoatBoxMember(v, box);
    const bool changed = value != member;
    member = value;
    // The rudder is kept in its place against the prop each time; the
    // estimates are remade only from a value that changed, so that passing
    // through a box never overwrites what the user set in the others.
    if (box == BoatBox::PropDistFromTransom) {
        KeepRudderAftOfProp(v, lim, fx);
    } else if (changed) {
        BoxChanged(v, lim, box, fx);
    }
    return fx;
}

void SetBoatDialogName(BoatDialogValues& v, const char* typed) {
    std::memset(v.boatName, 0, sizeof v.boatName);
    if (typed == nullptr) return;
    std::size_t length = strnlen(typed, BOAT_NAME_MAX_CHARS);
    std::memcpy(v.boatName, typed, length);
}

BoatDialogEffects ChooseBoatDialogOption(BoatDialogValues& v, BoatDialogChoice choice) {
    BoatDialogEffects fx;
    switch (choice) {
        case BoatDialogChoice::Motorboat:
            v.boatType = MOTORBOAT;
            break;
        case BoatDialogChoice::Sailboat:
            v.boatType = SAILBOAT;
            break;
        case BoatDialogChoice::Houseboat:
            v.boatType = HOUSEBOAT;
            break;
        case BoatDialogChoice::Inboard:
            v.engineType = INBOARD;
            // An inboard boat with a thruster force gets its thruster back.
            if (v.bowThrusterForce > 0) {
                v.hasBowThruster = true;
                fx.bowThrusterCheckShown = true;
            }
            break;
        case BoatDialogChoice::OutboardOrIO:
            v.engineType = OUTBOARD_OR_IO;
            v.hasBowThruster = false;
            fx.bowThrusterCheckShown = true;
            SetShown(v, BoatBox::RudderDistFromTransom, v.propDistFromTransom, fx);
            break;
        case BoatDialogChoice::Single:
            v.engineCount = 1;
            SetShown(v, BoatBox::PropDistFromCL, 0, fx);
            break;
        case BoatDialogChoice::Twin:
            v.engineCount = 2;
            SetShown(v, BoatBox::PropDistFromCL, TWIN_PROP_SPACING * v.beam, fx);
            break;
        case BoatDialogChoice::RightHand:
            v.propRotation = 1;
            break;
        case BoatDialogChoice::LeftHand:
            v.propRotation = -1;
            break;
    }
    return fx;
}

bool BoatDialogChoiceSelected(const BoatDialogValues& v, BoatDialogChoice choice) {
    switch (choice) {
        case BoatDialogChoice::Motorboat:
            return v.boatType == MOTORBOAT;
        case BoatDialogChoice::Sailboat:
            return v.boatType == SAILBOAT;
        case BoatDialogChoice::Houseboat:
            return v.boatType == HOUSEBOAT;
        case BoatDialogChoice::Inboard:
            return v.engineType == INBOARD;
        case BoatDialogChoice::OutboardOrIO:
            return v.engineType == OUTBOARD_OR_IO;
        case BoatDialogChoice::Single:
            return v.engineCount == 1;
        case BoatDialogChoice::Twin:
            return v.engineCount == 2;
        case BoatDialogChoice::RightHand:
            return v.propRotation == 1;
        case BoatDialogChoice::LeftHand:
            return v.propRotation == -1;
    }
    return false;
}

void SetBoatDialogCheck(BoatDialogValues& v, BoatDialogCheck check, bool on) {
    if (check == BoatDialogCheck::CounterRotating) {
        v.counterRotating = on;
    } else {
        v.hasBowThruster = on;
    }
}

const char* BoatDialogUnitsLabel(const BoatDialogValues& v) {
    return v.metricUnits ? "UNITS: Metric" : "UNITS: English";
}
