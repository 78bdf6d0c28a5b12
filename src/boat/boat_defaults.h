#pragma once

#include "boat/boat_record.h"

// Writes the defaults of a boat type into a record. With full set: every
// default (name, dimensions, coefficients, speed curve, fender diameter, start
// pose) followed by the derive step with line defaults; otherwise only the type
// and the hull shape coefficients. liveLengthOverall is the live boat's length,
// from which the default start pose is placed.
void ApplyBoatDefaults(BoatRecord& record, int boatType, bool full, double liveLengthOverall);

// Loads the whole force-coefficient block (the Advanced Settings values) with
// the defaults of the record's boat type and engine type.
void LoadDefaultCoefficients(BoatRecord& record);

double EstimateWeight(double lengthOverall, int boatType);  // lb
double EstimateBeam(double lengthOverall, int boatType);    // ft
double EstimateFenderDiameter(double lengthOverall);        // ft

// Slopes and intercepts of the resistance curve's segments.
void PrepareSpeedCurve(SpeedCurve& curve);

// A boat type outside Motorboat, Sailboat and Houseboat (a damaged file) is
// shaped and defaulted like a Motorboat, so that tables are never indexed
// out of range.
int BoatTypeTableIndex(int boatType);
