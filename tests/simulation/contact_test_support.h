#pragma once

// Helpers shared by the contact tests.

#include <algorithm>
#include <cmath>

#include "controls/control_state.h"
#include "document/document.h"
#include "simulation/contact_hull.h"
#include "simulation/step.h"

inline bool StateIsFinite(const CKLVNDoc& doc) {
    const DynamicState& s = doc.state;
    const double values[] = {s.posX,
                             s.posY,
                             s.headingRad,
                             s.waterVelX,
                             s.waterVelY,
                             s.yawRate,
                             doc.forces.contactForceX,
                             doc.forces.contactMoment};
    return std::all_of(std::begin(values), std::end(values),
                       [](double v) { return std::isfinite(v); });
}

inline WorldPoint HullPointInWorld(const CKLVNDoc& doc, int k) {
    return PlaceTablePoint(CurrentBoatPose(doc), doc.boat.hullPoints[k]);
}

// Whether a world point lies inside the hull outline (even-odd rule).
inline bool InsideHull(const CKLVNDoc& doc, double x, double y) {
    bool inside = false;
    for (int i = 0, j = HULL_OUTLINE_POINTS - 1; i < HULL_OUTLINE_POINTS; j = i++) {
        const WorldPoint a = HullPointInWorld(doc, i), b = HullPointInWorld(doc, j);
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

inline void FullAhead(CKLVNDoc& doc) {
    ChangeEngine(doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
}

// The boat at rest at a pose, running.
inline void PlaceBoat(CKLVNDoc& doc, double x, double y, double headingDeg) {
    doc.boat.startX = x;
    doc.boat.startY = y;
    doc.boat.startHeading = headingDeg;
    ResetBoat(doc);
    SetRunState(doc, 1, 1);
}

// Full ahead for `steps` steps with the state finite throughout; returns the
// largest world x (or y) any hull outline point reached.
inline double DriveFullAhead(CKLVNDoc& doc, int steps, bool alongX) {
    FullAhead(doc);
    double furthest = -1e9;
    for (int i = 0; i < steps; ++i) {
        Step(doc);
        EXPECT_TRUE(StateIsFinite(doc)) << "step " << i;
        if (!StateIsFinite(doc)) break;
        for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
            const WorldPoint p = HullPointInWorld(doc, k);
            furthest = std::max(furthest, alongX ? p.x : p.y);
        }
    }
    return furthest;
}
