#include "simulation/contact_hull.h"

#include <cmath>

#include "common/constants.h"
#include "document/document.h"

BoatPose CurrentBoatPose(const CKLVNDoc& doc) {
    const double phi = DEG_TO_RAD * doc.state.hullAngleDeg;
    return {doc.state.posX, doc.state.posY, std::cos(phi), std::sin(phi)};
}

WorldPoint TurnToWorld(const BoatPose& pose, double bx, double by) {
    return {bx * pose.cosPhi - by * pose.sinPhi, bx * pose.sinPhi + by * pose.cosPhi};
}

WorldPoint PlaceTablePoint(const BoatPose& pose, const HullPoint& point) {
    const WorldPoint offset = TurnToWorld(pose, point.r * point.cosTheta, point.r * point.sinTheta);
    return {pose.posX + offset.x, pose.posY + offset.y};
}

const HullNormal& NormalOfHullPoint(const BoatRecord& boat, int k) {
    if (k < 0 || k >= HULL_OUTLINE_POINTS) k = 0;
    return boat.hullNormals[k];
}
