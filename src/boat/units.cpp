#include "boat/units.h"

#include "document/document.h"
#include "document/settings_file.h"

UnitFactors UnitFactorsFor(bool metricUnits) {
    if (!metricUnits) {
        return UnitFactors{1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    }
    UnitFactors f;
    f.lengthToInternal = 3.281;
    f.weightToInternal = 2.205;
    f.areaToInternal = 10.764961;  // 3.281^2
    f.lengthToDisplay = 0.3048;
    f.weightToDisplay = 0.4536;
    f.areaToDisplay = 0.09290304;  // 0.3048^2
    return f;
}

void SetDisplayUnits(CKLVNDoc& doc, bool metricUnits) {
    doc.settings.metricUnits = metricUnits ? 1 : 0;
    doc.units = UnitFactorsFor(metricUnits);
    SaveSettings(doc);
}
