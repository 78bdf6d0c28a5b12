#pragma once

#include "boat/boat_record.h"

struct CKLVNDoc;

// Recomputes every derived scalar of the record; with lineDefaults also the
// dock line length, anchor line length and line spring constant.
void DeriveBoatQuantities(BoatRecord& record, bool lineDefaults);

// Centre of gravity from the transom as a fraction of lengthOverall.
double CenterOfGravityFraction(int boatType);

// Builds the normalised outline of the live boat and then its mesh. When the
// document has no boat yet, the defaults of the current type are applied first
// (full: a complete default boat; otherwise the shape coefficients only).
void BuildHullOutline(CKLVNDoc& doc, bool full);

// The outline and the mesh of one record, from its type and shape coefficients.
void BuildOutline(BoatRecord& record);
void BuildBoatMesh(BoatRecord& record);

// Builds the hull point and normal tables from the outline and the present
// dimensions, scales the mesh, then sets up the dock lines.
void BuildHullPoints(CKLVNDoc& doc);
