#pragma once

#include <cstdint>

struct CKLVNDoc;
struct DockLayout;

constexpr int CONTACT_LIST_SIZE = 20;
constexpr int CONTACT_PASSES = 11;

// The places where the boat has penetrated the docks, rebuilt by every
// FindContacts. One pass can find more than the list holds; the extra ones
// are dropped.
struct ContactState {
    std::int32_t contactCount;
    std::int32_t contactPoint[CONTACT_LIST_SIZE];  // hull point (a fender's hull point)
    // 0 hull against a dock cell; p + 1 against piling p; -(f + 1) fender f
    // against a dock cell (also -1 for a hull run whose chosen point lies in no zone)
    std::int32_t contactSource[CONTACT_LIST_SIZE];
    std::int32_t contactCell[CONTACT_LIST_SIZE];  // cell hit, or -1
    double contactPushX[CONTACT_LIST_SIZE];       // ft, world
    double contactPushY[CONTACT_LIST_SIZE];
    double contactArm[CONTACT_LIST_SIZE];  // ft, lever arm of the contact moment
    std::int32_t
        firstPassContactCount;  // found by the first search of the last step (runner trace)
    // The same first search, sorted for the practice score: contacts of the hull
    // with docks and pilings, contacts on fenders, and the fastest hull point
    // among the former (ft/s over ground, before any push).
    std::int32_t firstPassDockHits;
    std::int32_t firstPassFenderHits;
    double firstPassHardestSpeed;
};

// Whether a point lies in the part of the dock where contact is possible
// (zone 0) or not (-1), and which cell group to search there.
struct ZoneResult {
    int zone;
    int group;
};
ZoneResult LocateZone(const DockLayout& dock, double px, double py);

// The first cell of the group that holds the point, with the depth vector
// measured to the face the cell pushes through; cell -1 and depth 0 if none.
struct CellDepthResult {
    int cell;
    double depthX, depthY;
};
CellDepthResult CellDepth(const DockLayout& dock, double px, double py, int group);

// The hull point touching piling p, or the fender slot touching it; index -1
// when nothing touches. The push vector is in the world frame, ft.
struct PilingHit {
    int index;
    double pushX, pushY;
};
PilingHit PilingContact(const CKLVNDoc& doc, int p);
PilingHit FenderPilingContact(const CKLVNDoc& doc, int p);

// Rebuilds the contact list; returns the number of contacts (0 = free).
int FindContacts(CKLVNDoc& doc);

// Finds and resolves contact with docks, pilings and fenders: the contact
// stage of a step, up to eleven passes of push-out.
void ResolveContacts(CKLVNDoc& doc);
