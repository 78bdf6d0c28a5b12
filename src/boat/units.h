#pragma once

// The six display-unit factors of the dialogs. (Filled in with boat editing.)
struct UnitFactors {
    double length;
};
