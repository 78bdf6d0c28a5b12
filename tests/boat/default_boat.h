#pragma once

#include "boat/boat_record.h"
#include "boat/hull_model.h"
#include "document/document.h"

// A document holding the complete default boat of one type, built the way
// start-up builds it: outline with full defaults, then the hull points.
inline CKLVNDoc& DocumentWithDefaultBoat(int boatType) {
    static CKLVNDoc doc;
    ClearDocument(doc);
    doc.settings.currentBoatType = boatType;
    BuildHullOutline(doc, true);
    BuildHullPoints(doc);
    return doc;
}

constexpr int BOAT_TYPES[3] = {MOTORBOAT, SAILBOAT, HOUSEBOAT};
