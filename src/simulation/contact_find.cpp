#include "common/angles.h"
#include "document/document.h"
#include "simulation/contact.h"
#include "simulation/contact_hull.h"

namespace {

struct NewContact {
    int point;
    int source;
    int cell;
    double pushX, pushY;
    double arm;
};

// The list has fixed room; contacts beyond it are dropped for this pass.
void AddContact(ContactState& list, const NewContact& c) {
    if (list.contactCount >= CONTACT_LIST_SIZE) return;
    const int i = list.contactCount++;
    list.contactPoint[i] = c.point;
    list.contactSource[i] = c.source;
    list.contactCell[i] = c.cell;
    list.contactPushX[i] = c.pushX;
    list.contactPushY[i] = c.pushY;
    list.contactArm[i] = c.arm;
}

int Clamped(int count, int limit) {
    if (count < 0) return 0;
    return count < limit ? count : limit;
}

void FindPilingContacts(CKLVNDoc& doc) {
    const int pilingCount = Clamped(doc.dock.pilingCount, MAX_PILINGS);
    for (int p = 0; p < pilingCount; ++p) {
        const PilingHit hull = PilingContact(doc, p);
        if (hull.index >= 0) {
            const double arm = NormalOfHullPoint(doc.boat, hull.index).leverArm;
            AddContact(doc.contact, {hull.index, p + 1, 0, hull.pushX, hull.pushY, arm});
        }
        if (doc.mooring.fenderCount <= 0) continue;
        const PilingHit fender = FenderPilingContact(doc, p);
        if (fender.index >= 0) {
            const int point = doc.mooring.fenderHullPoint[fender.index];
            const double arm = NormalOfHullPoint(doc.boat, point).leverArm;
            AddContact(doc.contact, {point, p + 1, 0, fender.pushX, fender.pushY, arm});
        }
    }
}

// A fender counts against a dock only while its last sample point is still
// outside; it is then measured at its first sample point inside.
void FindFenderDockContacts(CKLVNDoc& doc, const BoatPose& pose) {
    const Mooring& m = doc.mooring;
    for (int f = 0; f < FENDER_SLOTS; ++f) {
        if (!m.fenderActive[f]) continue;
        int inside = 0;
        bool lastInside = false;
        WorldPoint first = {0, 0};
        ZoneResult firstZone = {-1, 0};
        for (int j = 0; j < FENDER_OUTLINE_POINTS; ++j) {
            const WorldPoint q = PlaceTablePoint(pose, m.fenderOutline[f][j]);
            const ZoneResult zone = LocateZone(doc.dock, q.x, q.y);
            if (zone.zone != 0) continue;
            if (inside == 0) first = q, firstZone = zone;
            ++inside;
            if (j == FENDER_OUTLINE_POINTS - 1) lastInside = true;
        }
        if (inside == 0 || lastInside) continue;
        const CellDepthResult depth = CellDepth(doc.dock, first.x, first.y, firstZone.group);
        const int point = m.fenderHullPoint[f];
        const double arm = NormalOfHullPoint(doc.boat, point).leverArm;
        AddContact(doc.contact, {point, -(f + 1), depth.cell, depth.depthX, depth.depthY, arm});
    }
}

bool HullPointInZone(const CKLVNDoc& doc, const BoatPose& pose, int k) {
    const WorldPoint q = PlaceTablePoint(pose, doc.boat.hullPoints[k]);
    return LocateZone(doc.dock, q.x, q.y).zone == 0;
}

struct HullRun {
    int first, last, count;
    bool hasBowTip;
};

// The point that stands for a run: its middle (counted round the wrap for a
// run through point 0, where 418 is the sentinel copy of point 0), except that
// a two-point run is represented by the bow tip or the starboard stern corner
// when it holds one.
int RepresentativePoint(const HullRun& run) {
    if (run.count == 1) return run.first;
    int m = (run.first + run.last) / 2;
    if (run.last < run.first) {
        m = (run.first + run.last + HULL_OUTLINE_POINTS) / 2;
        if (m > HULL_OUTLINE_POINTS) m -= HULL_OUTLINE_POINTS;
    }
    if (run.count == 2 && run.hasBowTip) return HULL_BOW_TIP;
    if (run.count == 2 && run.first <= HULL_STARBOARD_STERN && HULL_STARBOARD_STERN <= run.last) {
        return HULL_STARBOARD_STERN;
    }
    return m;
}

// The sentinel is not one of them: it keeps point 0's tabled lever arm.
bool IsEndPoint(int m) {
    return m == 0 || m == HULL_BOW_TIP || m == HULL_STARBOARD_STERN;
}

void AddHullRunContact(CKLVNDoc& doc, const BoatPose& pose, const HullRun& run) {
    const int m = RepresentativePoint(run);
    const WorldPoint q = PlaceTablePoint(pose, doc.boat.hullPoints[m]);
    const ZoneResult zone = LocateZone(doc.dock, q.x, q.y);
    CellDepthResult depth = CellDepth(doc.dock, q.x, q.y, zone.group);

    // A bow tip caught on a corner box of a finger pier's head decides the cell.
    if (m != HULL_BOW_TIP && run.hasBowTip) {
        const WorldPoint bow = PlaceTablePoint(pose, doc.boat.hullPoints[HULL_BOW_TIP]);
        const ZoneResult bowZone = LocateZone(doc.dock, bow.x, bow.y);
        const CellDepthResult bowDepth = CellDepth(doc.dock, bow.x, bow.y, bowZone.group);
        if (bowDepth.cell == 18 || bowDepth.cell == 19) depth = bowDepth;
    }

    double arm = NormalOfHullPoint(doc.boat, m).leverArm;
    // At the bow tip and the stern corners the tabled lever arm is
    // unreliable; with a push along one axis the arm is the offset across it.
    if (IsEndPoint(m) && (depth.depthX == 0.0 || depth.depthY == 0.0)) {
        if (depth.depthX != 0.0) {
            arm = -SignOf(depth.depthX) * (q.y - pose.posY);
        } else {
            arm = SignOf(depth.depthY) * (q.x - pose.posX);
        }
    }
    AddContact(doc.contact, {m, zone.zone, depth.cell, depth.depthX, depth.depthY, arm});
}

// Runs of consecutive hull points inside the dock. A run through point 0 is
// extended backwards over 417, 416, ... so that it is found once.
void FindHullRunContacts(CKLVNDoc& doc, const BoatPose& pose) {
    int end = HULL_OUTLINE_POINTS;
    int k = 0;
    while (k < end) {
        if (!HullPointInZone(doc, pose, k)) {
            ++k;
            continue;
        }
        HullRun run = {k, k, 1, k == HULL_BOW_TIP};
        if (k == 0) {
            while (end - 1 > 0 && HullPointInZone(doc, pose, end - 1)) {
                --end;
                run.first = end;
                ++run.count;
                if (end == HULL_BOW_TIP) run.hasBowTip = true;
            }
        }
        ++k;
        while (k < end && HullPointInZone(doc, pose, k)) {
            run.last = k;
            ++run.count;
            if (k == HULL_BOW_TIP) run.hasBowTip = true;
            ++k;
        }
        AddHullRunContact(doc, pose, run);
    }
}

}  // namespace

int FindContacts(CKLVNDoc& doc) {
    doc.contact.contactCount = 0;
    if (doc.dock.dockRectCount <= 0) return 0;  // no docks: not even the pilings are tested
    const BoatPose pose = CurrentBoatPose(doc);
    FindPilingContacts(doc);
    FindFenderDockContacts(doc, pose);
    FindHullRunContacts(doc, pose);
    return doc.contact.contactCount;
}
