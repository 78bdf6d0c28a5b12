#pragma once

// Display units exist only at the dialog boundary: inside the program lengths
// are feet, weights pounds and areas square feet. These six factors turn a
// dialog's values into internal units and back.
struct UnitFactors {
    double lengthToInternal;  // metres -> feet
    double weightToInternal;  // kilograms -> pounds
    double areaToInternal;    // m^2 -> ft^2
    double lengthToDisplay;   // feet -> metres
    double weightToDisplay;   // pounds -> kilograms
    double areaToDisplay;     // ft^2 -> m^2
};

// All six 1.0 for English units, the metric factors otherwise.
UnitFactors UnitFactorsFor(bool metricUnits);

struct CKLVNDoc;

// The "English Units" / "Metric Units" commands: remembers the choice, sets the
// six factors and writes the settings file.
void SetDisplayUnits(CKLVNDoc& doc, bool metricUnits);
