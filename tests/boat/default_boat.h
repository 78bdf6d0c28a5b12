#pragma once

#include <cstring>

#include "boat/boat_defaults.h"
#include "boat/boat_record.h"
#include "boat/hull_model.h"
#include "document/document.h"

constexpr int BOAT_TYPES[3] = {MOTORBOAT, SAILBOAT, HOUSEBOAT};

// A record holding only the full defaults of a type for a 35 ft live boat and,
// when asked, its normalised outline. The record is shared: copy it to keep it.
inline BoatRecord& DefaultRecord(int boatType, bool withOutline = false) {
    static BoatRecord boat;
    std::memset(&boat, 0, sizeof boat);
    ApplyBoatDefaults(boat, boatType, true, 35.0);
    if (withOutline) BuildOutline(boat);
    return boat;
}

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
