#pragma once

#include "docks/mooring.h"

struct CKLVNDoc;

// The bulk commands over all nine lines ("Loosen All Lines", "Harden All
// Lines", "Remove All Lines").
enum AllLinesMode {
    ALL_LINES_REMOVE = 0,
    ALL_LINES_LOOSEN = 2,
    ALL_LINES_HARDEN = 3,
};

// Puts the nine cleats on the hull, detaches every line and zeroes the
// attached-line count.
void SetUpLines(CKLVNDoc& doc);

// Full length of line i: the anchor line's or a dock line's, from the boat.
double NominalLineLength(const CKLVNDoc& doc, int i);

// Carries line i's cleat from the boat frame into the world at the boat's
// present pose.
void RefreshCleatWorld(CKLVNDoc& doc, int i);

// Moves line i to newState (a LineState). point, when given, is the world
// point the line is to be made fast to. Returns whether the line changed; a
// line is refused when it cannot reach the point.
bool SetLineState(CKLVNDoc& doc, int i, const PlanePoint* point, int newState);

// Loosens, hardens or removes all lines at once (AllLinesMode); other modes do
// nothing.
void SetAllLines(CKLVNDoc& doc, int mode);

// Recounts attachedLineCount: lines in hand or made fast.
void CountAttachedLines(CKLVNDoc& doc);
