#include "boat/units.h"

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
