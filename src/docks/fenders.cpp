#include "docks/fenders.h"

#include <cmath>

#include "common/angles.h"
#include "common/constants.h"
#include "document/document.h"
#include "practice/recording.h"

void RemoveAllFenders(CKLVNDoc& doc) {
    RecordedOperation record(doc);
    record.Write("fenders remove");
    for (int& active : doc.mooring.fenderActive) active = 0;
    doc.mooring.fenderCount = 0;
}

// Removes the fender in the lowest slot whose centre lies within reach of the
// click; at most one per click.
static void RemoveFenderAtClick(CKLVNDoc& doc) {
    Mooring& mooring = doc.mooring;
    if (mooring.fenderCount < 1) return;
    PlanePoint p = mooring.clickBoatPoint;
    for (int k = 0; k < FENDER_SLOTS; ++k) {
        if (mooring.fenderActive[k] != 1) continue;
        double d = std::hypot(p.x - mooring.fenderCentre[k].x, p.y - mooring.fenderCentre[k].y);
        if (d <= doc.boat.fenderDiameterCopy) {
            mooring.fenderActive[k] = 0;
            mooring.fenderCount -= 1;
            doc.ui->SetStatusText("Fender reset");
            return;
        }
    }
}

// The hull point a fender goes to: within the first run of outline points in
// reach of p, the nearest (the earlier on a tie). -1 when none is in reach.
static int NearestHullPointInReach(const CKLVNDoc& doc, PlanePoint p) {
    int best = -1;
    double bestDistance = 0.0;
    for (int j = 0; j < HULL_OUTLINE_POINTS; ++j) {
        const HullPoint& h = doc.boat.hullPoints[j];
        double d = std::hypot(p.x - h.x, p.y - h.y);
        if (d <= doc.boat.fenderReach) {
            if (best < 0 || d < bestDistance) {
                best = j;
                bestDistance = d;
            }
        } else if (best >= 0) {
            break;  // the run has ended
        }
    }
    return best;
}

// Sixteen points round the fender, starting on the side away from the hull's
// centre line and running counter-clockwise, each stored like a hull point.
static void BuildFenderOutline(CKLVNDoc& doc, int k, int hullPoint) {
    Mooring& mooring = doc.mooring;
    double radius = 0.5 * doc.boat.fenderDiameter;
    double startDeg = hullPoint <= 198 ? 11.25 : (hullPoint <= 398 ? 191.25 : 101.25);
    for (int m = 0; m < FENDER_OUTLINE_POINTS; ++m) {
        double a = DEG_TO_RAD * (startDeg + 22.5 * m);
        HullPoint& q = mooring.fenderOutline[k][m];
        q.x = mooring.fenderCentre[k].x + radius * std::cos(a);
        q.y = mooring.fenderCentre[k].y + radius * std::sin(a);
        q.r = std::hypot(q.x, q.y);
        q.theta = std::atan2(q.y, q.x);
        q.sinTheta = q.r > 0.0 ? q.y / q.r : 0.0;
        q.cosTheta = q.r > 0.0 ? q.x / q.r : 0.0;
    }
}

// Hangs a fender in the first free slot at the hull point nearest the click,
// pushed out from the hull by half its diameter towards the side of the click.
static void SetFenderAtClick(CKLVNDoc& doc) {
    Mooring& mooring = doc.mooring;
    if (mooring.fenderCount >= FENDER_SLOTS) return;
    PlanePoint p = mooring.clickBoatPoint;
    int j = NearestHullPointInReach(doc, p);
    if (j < 0) return;
    int k = 0;
    while (k < FENDER_SLOTS && mooring.fenderActive[k] == 1) ++k;
    if (k == FENDER_SLOTS) return;

    const HullPoint& h = doc.boat.hullPoints[j];
    double dist = std::hypot(p.x - h.x, p.y - h.y);
    // Direction of the push: from the hull point towards the click; a click
    // right on the hull point pushes along the hull's normal there instead.
    double ux = 0.0;
    double uy = 0.0;
    if (dist > 0.0) {
        ux = std::fabs(p.x - h.x) / dist;
        uy = std::fabs(p.y - h.y) / dist;
    } else {
        ux = std::fabs(doc.boat.hullNormals[j].nx);
        uy = std::fabs(doc.boat.hullNormals[j].ny);
    }
    double halfD = 0.5 * doc.boat.fenderDiameter;
    mooring.fenderHullPoint[k] = j;
    mooring.fenderCentre[k].x = h.x + SignOf(h.cosTheta) * ux * halfD;
    mooring.fenderCentre[k].y = h.y + SignOf(h.sinTheta) * uy * halfD;
    mooring.fenderCentre[k].z = doc.boat.freeboardHeight + 0.1;
    BuildFenderOutline(doc, k, j);
    mooring.fenderActive[k] = 1;
    mooring.fenderCount += 1;
    doc.ui->SetStatusText("Fender set");
}

void FenderClick(CKLVNDoc& doc, int action) {
    RecordedOperation record(doc);
    if (action == FENDER_SET || action == FENDER_REMOVE) {
        const Mooring& m = doc.mooring;
        record.Write("click fender %s %a %a %a %a %a %a", action == FENDER_SET ? "set" : "remove",
                     m.clickBoatPoint.x, m.clickBoatPoint.y, m.clickDeckPoint.x, m.clickDeckPoint.y,
                     m.clickWaterPoint.x, m.clickWaterPoint.y);
    }
    if (action == FENDER_REMOVE) {
        RemoveFenderAtClick(doc);
    } else if (action == FENDER_SET) {
        SetFenderAtClick(doc);
    }
}
