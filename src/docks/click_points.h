#pragma once

#include "docks/mooring.h"

struct CKLVNDoc;

// Where the segment from near to far (boat frame, z up, ft) crosses the height
// z, in the boat frame. A segment lying flat gives its near end.
PlanePoint CutSegmentAtHeight(const double nearPoint[3], const double farPoint[3], double z);

// Turns the mouse ray of a scene click, given by its unprojected near and far
// points in the boat frame, into the three click points of the mooring: at
// freeboard height in the boat frame, at deck height and at the water in the
// world.
void SetClickPoints(CKLVNDoc& doc, const double nearPoint[3], const double farPoint[3]);

// A boat-frame point carried into the world at the boat's present pose, and
// back.
PlanePoint BoatToWorld(const CKLVNDoc& doc, PlanePoint boatPoint);
PlanePoint WorldToBoat(const CKLVNDoc& doc, PlanePoint worldPoint);
