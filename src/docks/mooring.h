#pragma once

#include <cstdint>

#include "boat/boat_record.h"
#include "simulation/dynamic_state.h"

struct CKLVNDoc;

constexpr int ANCHOR_LINE_INDEX = 4;
constexpr int FENDER_SLOTS = 10;
constexpr int FENDER_OUTLINE_POINTS = 16;

// What a dock line is doing.
enum LineState : std::int32_t {
    LINE_STOWED = 0,   // on the boat, free
    LINE_IN_HAND = 1,  // picked up, not yet made fast
    LINE_SLACK = 2,    // made fast and slack
    LINE_TAUT = 3,     // made fast and taut
};

// One dock line, belayed to a cleat on the hull. Lengths ft, forces lb.
struct DockLine {
    std::int32_t cleatPointIndex;      // record of the hull point table the cleat sits at
    std::int32_t state;                // LineState
    double attachX, attachY, attachZ;  // world point it is made fast to
    double cleatX, cleatY, cleatZ;     // cleat, boat frame
    double cleatWorldX, cleatWorldY, cleatWorldZ;
    double lineLength;  // working length: nominal when made fast loose, span when hardened
    double span;        // horizontal cleat to attach point at the last update
    // Force state, kept by the line force step.
    double prevSpan;
    double stretchRate;  // ft/s
    double stretch;
    double forceX, forceY;
    double lineAngle;  // direction of the pull, radians
    double lineTorque;
};

// A point in a horizontal plane, ft.
struct PlanePoint {
    double x, y;
};

// A fender's centre: x, y in the boat frame, z above the water.
struct FenderCentre {
    double x, y, z;
};

// The nine dock lines, the ten fender slots and the last scene click.
struct Mooring {
    DockLine dockLines[DOCK_LINE_COUNT];

    // Line constants, set with the lines.
    double linePickRadius;    // how near a click must be to a cleat, attach point or line
    double cleatMarkSize;     // drawing
    double lineAttachHeight;  // deck height + 0.01
    double cleatHeight;       // freeboard + 0.01
    std::int32_t anchorLineIndex;
    std::int32_t linesParted;  // lines that parted under load since start-up

    std::int32_t fenderCount;  // 0 ... 10
    std::int32_t fenderActive[FENDER_SLOTS];
    std::int32_t fenderHullPoint[FENDER_SLOTS];
    FenderCentre fenderCentre[FENDER_SLOTS];
    // Sixteen points round each fender, laid out like a hull point record and
    // measured from the boat's reference point.
    HullPoint fenderOutline[FENDER_SLOTS][FENDER_OUTLINE_POINTS];

    // The last scene click: the mouse ray cut at freeboard height (boat frame),
    // at deck height and at the water (both world).
    PlanePoint clickBoatPoint;
    PlanePoint clickDeckPoint;
    PlanePoint clickWaterPoint;
};
