#pragma once

#include "boat/boat_record.h"

// The boat's resistance curve read at v (speed as a fraction of maxSpeedFps):
// the resistance as a fraction of maxThrust. Below the first point and beyond
// the last the curve holds its end values.
double CurveLookup(const SpeedCurve& curve, double v);
