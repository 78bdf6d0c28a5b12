#pragma once

#include "boat/boat_record.h"

struct CKLVNDoc;

// The hull-point tables as contact sees them, and the boat's pose for placing
// body-frame points in the world.

constexpr int HULL_BOW_TIP = 199;
constexpr int HULL_STARBOARD_STERN = 398;
constexpr int HULL_SENTINEL = 418;  // the copy of point 0 that closes the outline

// Body to world: phi is the hull angle, (posX, posY) the reference point.
struct BoatPose {
    double posX, posY;
    double cosPhi, sinPhi;
};
BoatPose CurrentBoatPose(const CKLVNDoc& doc);

struct WorldPoint {
    double x, y;
};
// A table record placed through its polar form (r, cosTheta, sinTheta).
WorldPoint PlaceTablePoint(const BoatPose& pose, const HullPoint& point);
// A body-frame direction turned into the world.
WorldPoint TurnToWorld(const BoatPose& pose, double bx, double by);

// The normal record of a hull point. The sentinel has none of its own (its
// lever arm bytes mean nothing): it is point 0.
const HullNormal& NormalOfHullPoint(const BoatRecord& boat, int k);
