#include "practice/goal.h"

#include <cmath>

#include "docks/mooring.h"
#include "document/document.h"
#include "simulation/contact_hull.h"

namespace {

constexpr double SIDES[2] = {-1.0, 1.0};  // port, starboard

// The slip layouts keep the water of their slips in the locator; the piling
// layouts have none.
bool HasSlips(const DockLayout& dock) {
    return dock.dockLayout >= 1 && dock.dockLayout <= 5;
}

// Amidships in the body frame: halfway between the hull's ends.
double AmidshipsY(const BoatRecord& boat) {
    double low = boat.hullPoints[0].y, high = boat.hullPoints[0].y;
    for (int k = 1; k < HULL_OUTLINE_POINTS; ++k) {
        low = std::fmin(low, boat.hullPoints[k].y);
        high = std::fmax(high, boat.hullPoints[k].y);
    }
    return 0.5 * (low + high);
}

// Dock lines (the anchor line is not one) made fast forward of and aft of
// amidships.
struct FastLines {
    int count, forward, aft;
};

FastLines CountFastLines(const CKLVNDoc& doc) {
    const double mid = AmidshipsY(doc.boat);
    FastLines fast = {0, 0, 0};
    for (int i = 0; i < DOCK_LINE_COUNT; ++i) {
        const DockLine& line = doc.mooring.dockLines[i];
        if (i == ANCHOR_LINE_INDEX || line.state < LINE_SLACK) continue;
        ++fast.count;
        if (line.cleatY > mid) ++fast.forward;
        if (line.cleatY < mid) ++fast.aft;
    }
    return fast;
}

bool Inside(const DockRect& box, WorldPoint p) {
    return p.x >= box.xMin && p.x <= box.xMax && p.y >= box.yMin && p.y <= box.yMax;
}

// The outline point of one side (sign +1 starboard, -1 port) nearest the
// station y of the body frame.
int SidePointNear(const BoatRecord& boat, double sign, double y) {
    int best = -1;
    for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
        const HullPoint& p = boat.hullPoints[k];
        if (p.x * sign <= 0.0) continue;
        if (best < 0 || std::fabs(p.y - y) < std::fabs(boat.hullPoints[best].y - y)) best = k;
    }
    return best;
}

// How far p lies outside face f of the box (0 west, 1 east, 2 south, 3
// north), or a huge value when it is not abreast of that face.
double OutsideFace(const DockRect& box, int f, WorldPoint p) {
    constexpr double FAR = 1e30;
    if (f < 2) {
        if (p.y < box.yMin || p.y > box.yMax) return FAR;
        return f == 0 ? box.xMin - p.x : p.x - box.xMax;
    }
    if (p.x < box.xMin || p.x > box.xMax) return FAR;
    return f == 2 ? box.yMin - p.y : p.y - box.yMax;
}

}  // namespace

bool MooredInSlip(const CKLVNDoc& doc, int slip) {
    if (!HasSlips(doc.dock)) return false;
    const DockRect& box = slip == SLIP_B ? doc.dock.slipBoxB : doc.dock.slipBoxA;
    const BoatPose pose = CurrentBoatPose(doc);
    for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
        if (!Inside(box, PlaceTablePoint(pose, doc.boat.hullPoints[k]))) return false;
    }
    const FastLines fast = CountFastLines(doc);
    return fast.forward >= 1 && fast.aft >= 1;
}

bool AlongsidePier(const CKLVNDoc& doc) {
    if (CountFastLines(doc).count < 2) return false;
    const BoatRecord& boat = doc.boat;
    const double mid = AmidshipsY(boat);
    const double quarter = 0.25 * boat.lengthOverall;
    const double reach = boat.fenderDiameter;
    const BoatPose pose = CurrentBoatPose(doc);
    const int rects =
        doc.dock.dockRectCount < MAX_DOCK_RECTS ? doc.dock.dockRectCount : MAX_DOCK_RECTS;
    for (const double sign : SIDES) {
        const int fore = SidePointNear(boat, sign, mid + quarter);
        const int aft = SidePointNear(boat, sign, mid - quarter);
        if (fore < 0 || aft < 0) continue;
        const WorldPoint a = PlaceTablePoint(pose, boat.hullPoints[fore]);
        const WorldPoint b = PlaceTablePoint(pose, boat.hullPoints[aft]);
        for (int r = 0; r < rects; ++r) {
            for (int f = 0; f < 4; ++f) {
                const DockRect& box = doc.dock.dockRects[r];
                if (std::fabs(OutsideFace(box, f, a)) <= reach &&
                    std::fabs(OutsideFace(box, f, b)) <= reach) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool ThroughGate(const CKLVNDoc& doc, const Goal& goal) {
    const double dx = doc.state.posX - goal.gateX, dy = doc.state.posY - goal.gateY;
    if (std::sqrt(dx * dx + dy * dy) > goal.gateRadius) return false;
    double off = std::fmod(std::fabs(doc.state.compassHeading - goal.gateHeading), 360.0);
    if (off > 180.0) off = 360.0 - off;
    return off <= goal.gateTolerance;
}

bool GoalPoseHolds(const CKLVNDoc& doc, const Goal& goal) {
    switch (goal.kind) {
        case GOAL_MOORED:
            return MooredInSlip(doc, goal.slip);
        case GOAL_ALONGSIDE:
            return AlongsidePier(doc);
        case GOAL_GATE:
            return ThroughGate(doc, goal);
        default:
            return false;
    }
}

bool GoalNeedsDwell(const Goal& goal) {
    return goal.kind == GOAL_MOORED || goal.kind == GOAL_ALONGSIDE;
}

const char* GoalText(const Goal& goal) {
    switch (goal.kind) {
        case GOAL_MOORED:
            return goal.slip == SLIP_B ? "moored in slip B" : "moored in slip A";
        case GOAL_ALONGSIDE:
            return "alongside the pier";
        case GOAL_GATE:
            return "through the gate";
        default:
            return "no goal";
    }
}
