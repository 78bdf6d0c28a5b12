// The goal rules on hand-made poses: the default motorboat in the slip of
// "Slip and pilings" (water 6 ... 31.5 by 0 ... 49 ft; hull 23.45 ft aft and
// 11.55 ft forward of its centre, cleat 3 forward and 8 aft of amidships), the
// houseboat against the dock face y = 63 of "Pilings - Bottom" (straight sides
// 6 ft off its centre line, fenders 1.25 ft), and a gate.

#include "practice/goal.h"

#include <gtest/gtest.h>

#include "../support/test_document.h"
#include "docks/dock_layout.h"

namespace {

// North: body x to starboard lies east. East: the port side faces north.
void Place(CKLVNDoc& doc, double x, double y, double headingDeg) {
    doc.state.posX = x;
    doc.state.posY = y;
    doc.state.headingDeg = headingDeg;
    doc.state.hullAngleDeg = headingDeg - 90.0;
    double compass = 450.0 - headingDeg;
    doc.state.compassHeading = compass >= 360.0 ? compass - 360.0 : compass;
}

void MakeFast(CKLVNDoc& doc, std::initializer_list<int> lines) {
    for (int i : lines) doc.mooring.dockLines[i].state = LINE_SLACK;
}

struct PoseCase {
    const char* what;
    int boatType, layout;
    double x, y, headingDeg;
    std::initializer_list<int> lines;
    Goal goal;
    bool holds;
};

constexpr Goal MOORED_A = {GOAL_MOORED, SLIP_A, 0, 0, 0, 0, 0, 0};
constexpr Goal ALONGSIDE = {GOAL_ALONGSIDE, 0, 0, 0, 0, 0, 0, 0};
constexpr Goal GATE = {GOAL_GATE, 0, 10.0, 20.0, 5.0, 355.0, 10.0, 0};

TEST(GoalTest, PosesThatHoldAndPosesThatDoNot) {
    const PoseCase cases[] = {
        {"stern just inside the slip", MOTORBOAT, 1, 18.75, 23.5, 90, {3, 8}, MOORED_A, true},
        {"stern just outside", MOTORBOAT, 1, 18.75, 23.4, 90, {3, 8}, MOORED_A, false},
        {"bow line only", MOTORBOAT, 1, 18.75, 30, 90, {3}, MOORED_A, false},
        {"two lines, both forward", MOTORBOAT, 1, 18.75, 30, 90, {3, 5}, MOORED_A, false},
        {"beam over the finger pier", MOTORBOAT, 1, 6.0, 30, 90, {3, 8}, MOORED_A, false},
        {"a layout without slips", MOTORBOAT, 6, 18.75, 30, 90, {3, 8}, MOORED_A, false},
        {"half a foot off the face", HOUSEBOAT, 6, 24, 56.5, 0, {2, 1}, ALONGSIDE, true},
        {"two feet off", HOUSEBOAT, 6, 24, 55.0, 0, {2, 1}, ALONGSIDE, false},
        {"one line only", HOUSEBOAT, 6, 24, 56.5, 0, {2}, ALONGSIDE, false},
        {"bow in, stern out", HOUSEBOAT, 6, 24, 55.0, 5, {2, 1}, ALONGSIDE, false},
        {"on the mark, heading across north", MOTORBOAT, 1, 12, 22, 87, {}, GATE, true},
        {"just outside the radius", MOTORBOAT, 1, 15.1, 20, 95, {}, GATE, false},
        {"heading off by 11 degrees", MOTORBOAT, 1, 10, 20, 106, {}, GATE, false},
    };
    for (const PoseCase& c : cases) {
        auto doc = MakeTestDocument(c.boatType);
        doc->dock.dockLayout = c.layout;
        LayoutDock(*doc);
        Place(*doc, c.x, c.y, c.headingDeg);
        MakeFast(*doc, c.lines);
        EXPECT_EQ(GoalPoseHolds(*doc, c.goal), c.holds) << c.what;
    }
}

}  // namespace
