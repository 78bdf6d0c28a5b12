#include "boat/boat_defaults.h"

void ApplyBoatDefaults(BoatRecord&, int, bool, double) {}
double EstimateWeight(double, int) {
    return 0;
}
double EstimateBeam(double, int) {
    return 0;
}
double EstimateFenderDiameter(double) {
    return 0;
}
void PrepareSpeedCurve(SpeedCurve&) {}
