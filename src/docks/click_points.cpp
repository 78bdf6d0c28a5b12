#include "docks/click_points.h"

#include <cmath>

#include "common/constants.h"
#include "document/document.h"

PlanePoint CutSegmentAtHeight(const double nearPoint[3], const double farPoint[3], double z) {
    double dz = farPoint[2] - nearPoint[2];
    if (!(std::fabs(dz) > 1e-12)) return {nearPoint[0], nearPoint[1]};
    double t = (z - nearPoint[2]) / dz;
    return {nearPoint[0] + t * (farPoint[0] - nearPoint[0]),
            nearPoint[1] + t * (farPoint[1] - nearPoint[1])};
}

PlanePoint BoatToWorld(const CKLVNDoc& doc, PlanePoint p) {
    double phi = DEG_TO_RAD * doc.state.hullAngleDeg;
    return {doc.state.posX + p.x * std::cos(phi) - p.y * std::sin(phi),
            doc.state.posY + p.x * std::sin(phi) + p.y * std::cos(phi)};
}

PlanePoint WorldToBoat(const CKLVNDoc& doc, PlanePoint w) {
    double phi = DEG_TO_RAD * doc.state.hullAngleDeg;
    double dx = w.x - doc.state.posX;
    double dy = w.y - doc.state.posY;
    return {dx * std::cos(phi) + dy * std::sin(phi), -dx * std::sin(phi) + dy * std::cos(phi)};
}

void SetClickPoints(CKLVNDoc& doc, const double nearPoint[3], const double farPoint[3]) {
    Mooring& mooring = doc.mooring;
    mooring.clickBoatPoint = CutSegmentAtHeight(nearPoint, farPoint, doc.boat.freeboardHeight);
    mooring.clickDeckPoint =
        BoatToWorld(doc, CutSegmentAtHeight(nearPoint, farPoint, doc.dock.deckHeight));
    mooring.clickWaterPoint = BoatToWorld(doc, CutSegmentAtHeight(nearPoint, farPoint, 0.0));
}
