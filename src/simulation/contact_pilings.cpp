#include <cmath>

#include "common/angles.h"
#include "common/constants.h"
#include "document/document.h"
#include "simulation/contact.h"
#include "simulation/contact_hull.h"

// The index where the hull points' bearing wraps from 0 to 2·PI on the
// starboard side, by boat type.
static int SectorIndex(int boatType) {
    if (boatType == SAILBOAT) return 299;
    if (boatType == HOUSEBOAT) return 324;
    return 264;
}

// The hull point that lies in the direction beta (boat frame) from the
// centre of gravity. The bearings fall with the point index from the port
// stern corner round the bow to the starboard stern corner, wrapping once at
// the sector index; the transom between the stern corners is not searched.
static int HullPointInDirection(const BoatRecord& boat, double beta) {
    const HullPoint* h = boat.hullPoints;
    const int s = SectorIndex(boat.boatType);
    int lo = 0, hi = HULL_BOW_TIP;  // the port side
    if (beta <= h[HULL_BOW_TIP].theta) {
        if (beta >= h[s].theta) {
            lo = HULL_BOW_TIP, hi = s;
        } else {
            lo = s, hi = s;
        }
    }
    if (beta >= h[HULL_STARBOARD_STERN].theta) {
        if (beta >= h[s + 1].theta) {
            lo = s + 1, hi = s + 1;
        } else {
            lo = s + 1, hi = HULL_STARBOARD_STERN;
        }
    }
    if (beta >= h[0].theta && beta < h[HULL_STARBOARD_STERN].theta) {
        lo = HULL_STARBOARD_STERN, hi = 0;  // the transom: one of the stern corners
    }
    while (hi - lo + 1 > 3) {
        const int mid = (lo + hi) / 2;
        if (beta >= h[mid].theta) {
            hi = mid;
        } else {
            lo = mid;
        }
    }
    if (hi - lo + 1 == 3) return lo + 1;
    return h[lo].r > h[hi].r ? lo : hi;
}

PilingHit PilingContact(const CKLVNDoc& doc, int p) {
    const PilingHit none = {-1, 0.0, 0.0};
    const BoatRecord& boat = doc.boat;
    const Piling& piling = doc.dock.pilings[p];
    const double dx = piling.x - doc.state.posX;
    const double dy = piling.y - doc.state.posY;
    const double d = std::sqrt(dx * dx + dy * dy) - 0.5 * doc.dock.pilingRadius;
    if (!(d <= boat.centerOfGravityFromTransom)) return none;

    const double phi = DEG_TO_RAD * doc.state.hullAngleDeg;
    const double beta = WrapAngle(WrapAngle(std::atan2(dy, dx)) - phi);
    const int k = HullPointInDirection(boat, beta);
    const double penetration = d - boat.hullPoints[k].r;
    if (penetration >= 0) return none;

    const HullNormal& n = NormalOfHullPoint(boat, k);
    const WorldPoint push = TurnToWorld(CurrentBoatPose(doc), n.nx, n.ny);
    const double depth = std::fabs(penetration);
    return {k, depth * push.x, depth * push.y};
}

PilingHit FenderPilingContact(const CKLVNDoc& doc, int p) {
    const Mooring& m = doc.mooring;
    const Piling& piling = doc.dock.pilings[p];
    const double threshold = 0.5 * (doc.boat.fenderDiameter + doc.dock.pilingRadius);
    const BoatPose pose = CurrentBoatPose(doc);
    for (int f = 0; f < FENDER_SLOTS; ++f) {
        if (!m.fenderActive[f]) continue;
        const WorldPoint offset = TurnToWorld(pose, m.fenderCentre[f].x, m.fenderCentre[f].y);
        const double dx = piling.x - (pose.posX + offset.x);
        const double dy = piling.y - (pose.posY + offset.y);
        const double gap = std::sqrt(dx * dx + dy * dy) - threshold;
        if (gap < 0) {
            const HullNormal& n = NormalOfHullPoint(doc.boat, m.fenderHullPoint[f]);
            const WorldPoint push = TurnToWorld(pose, n.nx, n.ny);
            return {f, std::fabs(gap) * push.x, std::fabs(gap) * push.y};
        }
    }
    return {-1, 0.0, 0.0};
}
