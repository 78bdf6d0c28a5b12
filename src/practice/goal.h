#pragma once

#include <cstdint>

struct CKLVNDoc;

// What an exercise asks of the helmsman.
enum GoalKind : std::int32_t {
    GOAL_NONE = 0,
    GOAL_MOORED = 1,     // moored in a slip
    GOAL_ALONGSIDE = 2,  // lying alongside a pier face
    GOAL_GATE = 3,       // through a marked point at a heading
};

// The slip of a slip layout: A is the side berth of the slip layouts (and the
// one slip of "Slip and pilings"), B the main slip.
enum GoalSlip : std::int32_t {
    SLIP_A = 0,
    SLIP_B = 1,
};

// A moored or alongside boat must lie still this long to count.
constexpr double GOAL_DWELL_SECONDS = 5.0;
constexpr double GOAL_DWELL_KNOTS = 0.1;

struct Goal {
    std::int32_t kind;  // GoalKind
    std::int32_t slip;  // GoalSlip, moored only
    // Gate: the centre of gravity within gateRadius ft of (gateX, gateY), the
    // compass heading within gateTolerance degrees of gateHeading.
    double gateX, gateY, gateRadius;
    double gateHeading, gateTolerance;
    double timeLimit;  // s of running time; 0 means none
};

// The hull wholly inside the slip's water and two dock lines made fast, one
// forward and one aft of amidships.
bool MooredInSlip(const CKLVNDoc& doc, int slip);

// One side's hull points at the forward and aft quarters within a fender's
// width of the same pier face, and two dock lines made fast.
bool AlongsidePier(const CKLVNDoc& doc);

bool ThroughGate(const CKLVNDoc& doc, const Goal& goal);

// Whether the goal's pose holds now (the dwell is not part of it).
bool GoalPoseHolds(const CKLVNDoc& doc, const Goal& goal);
bool GoalNeedsDwell(const Goal& goal);

// "moored in slip A", "alongside the pier", "through the gate", "no goal".
const char* GoalText(const Goal& goal);
