#include "simulation/contact.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <tuple>

#include "../support/test_document.h"
#include "common/angles.h"
#include "common/constants.h"
#include "controls/control_state.h"
#include "docks/custom_slip.h"
#include "docks/dock_commands.h"
#include "docks/fenders.h"
#include "simulation/contact_hull.h"
#include "simulation/step.h"

namespace {

bool StateIsFinite(const CKLVNDoc& doc) {
    const DynamicState& s = doc.state;
    for (double v : {s.posX, s.posY, s.headingRad, s.waterVelX, s.waterVelY, s.yawRate,
                     doc.forces.contactForceX, doc.forces.contactMoment})
        if (!std::isfinite(v)) return false;
    return true;
}

WorldPoint HullPointInWorld(const CKLVNDoc& doc, int k) {
    return PlaceTablePoint(CurrentBoatPose(doc), doc.boat.hullPoints[k]);
}

// Whether a world point lies inside the hull outline (even-odd rule).
bool InsideHull(const CKLVNDoc& doc, double x, double y) {
    bool inside = false;
    for (int i = 0, j = HULL_OUTLINE_POINTS - 1; i < HULL_OUTLINE_POINTS; j = i++) {
        const WorldPoint a = HullPointInWorld(doc, i), b = HullPointInWorld(doc, j);
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

// The boat at rest at a pose, running.
void PlaceBoat(CKLVNDoc& doc, double x, double y, double headingDeg) {
    doc.boat.startX = x;
    doc.boat.startY = y;
    doc.boat.startHeading = headingDeg;
    ResetBoat(doc);
    SetRunState(doc, 1, 1);
}

// A motorboat at rest, bow north at the origin, running, among the given
// decks (no cells, no pilings).
std::unique_ptr<CKLVNDoc> AmongDecks(const DockRect* rects, int count) {
    auto doc = MakeTestDocument(MOTORBOAT);
    PlaceBoat(*doc, 0.0, 0.0, 90.0);
    doc->dock.dockLayout = 6;
    doc->dock.dockRectCount = count;
    for (int i = 0; i < count; ++i) doc->dock.dockRects[i] = rects[i];
    doc->dock.pilingCount = 0;
    doc->dock.contactCellCount = 0;
    for (int& n : doc->dock.cellGroupCount) n = 0;
    return doc;
}

const DockRect FAR_DECK = {1000, 1000, 1001, 1001};

void SetMoving(CKLVNDoc& doc, double speed, double course) {
    doc.state.waterVelX = speed * std::cos(course);
    doc.state.waterVelY = speed * std::sin(course);
    doc.state.speedThroughWater = doc.state.speedOverGround = speed;
    doc.state.courseThroughWater = WrapAngle(course);
}

std::unique_ptr<CKLVNDoc> InSlip(int type, int slipSize, int layout) {
    auto doc = MakeTestDocument(type);
    SelectSlipSize(*doc, slipSize);
    SelectDockLayout(*doc, layout);
    return doc;
}

}  // namespace

TEST(Contact, ABoatAtRestOverlappingADockIsNotMoved) {
    auto doc = MakeTestDocument(MOTORBOAT);
    SelectDockLayout(*doc, 1);
    PlaceBoat(*doc, doc->dock.dockWidth / 2, 20.0, 90.0);
    const DynamicState before = doc->state;
    ResolveContacts(*doc);
    EXPECT_EQ(doc->contact.firstPassContactCount, 1);
    EXPECT_EQ(doc->state.posX, before.posX);
    EXPECT_EQ(doc->forces.contactMoment, 0.0);
}

// The bow tip 2.5 ft into the head pier, due north of the reference point:
// pushed out at most 1 ft per pass, and the turn angle stays finite.
TEST(Contact, BowTipPushIsLimitedPerPassAndStaysFiniteDueNorth) {
    auto doc = MakeTestDocument(MOTORBOAT);
    SelectSlipSize(*doc, 4);
    SelectDockLayout(*doc, 1);
    const double L = doc->dock.slipSizes[4].length;
    PlaceBoat(*doc, doc->boat.startX, L + 2.5 - doc->boat.hullPoints[HULL_BOW_TIP].r, 90.0);
    SetMoving(*doc, 10.0, PI_05);
    ASSERT_EQ(FindContacts(*doc), 1);
    EXPECT_EQ(doc->contact.contactPoint[0], HULL_BOW_TIP);
    EXPECT_NEAR(doc->contact.contactPushY[0], -2.5, 1e-9);

    const double y0 = doc->state.posY, heading0 = doc->state.headingDeg;
    ResolveContacts(*doc);
    ASSERT_TRUE(StateIsFinite(*doc));
    EXPECT_NEAR(doc->state.posY - y0, -2.5, 1e-9);
    EXPECT_EQ(doc->state.headingDeg, heading0);
    const double impulse = 0.2 * 10.0 * doc->boat.mass / doc->state.timeStep;
    EXPECT_LE(doc->forces.contactForceY, -3 * impulse * (1 - 1e-12));  // three passes
    EXPECT_GE(doc->forces.contactForceY, -4 * impulse * (1 + 1e-12));
}

TEST(Contact, MomentsStayWithinTheirLimit) {
    auto doc = AmongDecks(&FAR_DECK, 1);
    int k = 1;  // the hull point with the longest lever arm
    for (int j = 1; j < HULL_OUTLINE_POINTS; ++j) {
        if (j == HULL_BOW_TIP || j == HULL_STARBOARD_STERN) continue;
        if (std::fabs(doc->boat.hullNormals[j].leverArm) >
            std::fabs(doc->boat.hullNormals[k].leverArm))
            k = j;
    }
    const WorldPoint q = HullPointInWorld(*doc, k);
    const double r = doc->boat.hullPoints[k].r, clear = r + 0.5 * PILING_RADIUS + 0.05;
    doc->dock.pilings[0] = {q.x * clear / r, q.y * clear / r};  // just clear of the hull
    doc->dock.pilingCount = 1;
    EXPECT_EQ(FindContacts(*doc), 0);
    const double reach = clear - 0.25;
    doc->dock.pilings[0] = {q.x * reach / r, q.y * reach / r};
    ASSERT_EQ(FindContacts(*doc), 1);
    const double arm = doc->contact.contactArm[0], speed = 12.0;
    SetMoving(*doc, speed, std::atan2(q.y, q.x));
    doc->state.yawRate = -0.05 * SignOf(arm);
    ResolveContacts(*doc);
    ASSERT_TRUE(StateIsFinite(*doc));

    const double limit = 0.2 * doc->boat.weight;
    const double impulse = 0.2 * speed * doc->boat.mass / doc->state.timeStep;
    ASSERT_GT(std::fabs(impulse * arm * 0.27), CONTACT_PASSES * limit);  // unclipped would pass it
    EXPECT_GT(std::fabs(doc->forces.contactMoment), 0.0);
    EXPECT_LE(std::fabs(doc->forces.contactMoment), CONTACT_PASSES * limit * (1 + 1e-12));
    EXPECT_EQ(doc->state.yawRate, 0.0);
}

TEST(Contact, TheContactListNeverOverflows) {
    DockRect strips[MAX_DOCK_RECTS];
    auto doc = MakeTestDocument(MOTORBOAT);
    for (int i = 0; i < MAX_DOCK_RECTS; ++i) {
        const double y = -doc->boat.lengthOverall * 0.45 + 1.5 * i;
        strips[i] = {-50.0, y, 50.0, y + 0.3};
    }
    doc = AmongDecks(strips, MAX_DOCK_RECTS);
    doc->contact.firstPassContactCount = 12345;  // the field after the list
    EXPECT_EQ(FindContacts(*doc), CONTACT_LIST_SIZE);
    EXPECT_EQ(doc->contact.firstPassContactCount, 12345);
    SetMoving(*doc, 6.0, 0.0);
    for (int i = 0; i < 100; ++i) {
        Step(*doc);
        ASSERT_TRUE(StateIsFinite(*doc)) << i;
        ASSERT_LE(doc->contact.contactCount, CONTACT_LIST_SIZE);
    }
}

// A run wrapped round point 0 is represented by the sentinel 418, which has
// point 0's lever arm whatever the bytes after the normal table hold.
TEST(Contact, TheSentinelTakesPointZerosLeverArm) {
    auto probe = MakeTestDocument(MOTORBOAT);
    PlaceBoat(*probe, 0.0, 0.0, 90.0);
    DockRect deck = {1e9, 1e9, -1e9, -1e9};
    for (int k : {417, 0, 1}) {
        const WorldPoint p = HullPointInWorld(*probe, k);
        deck = {std::fmin(deck.xMin, p.x - 0.01), std::fmin(deck.yMin, p.y - 0.01),
                std::fmax(deck.xMax, p.x + 0.01), std::fmax(deck.yMax, p.y + 0.01)};
    }
    auto doc = AmongDecks(&deck, 1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(doc->boat.gap41528, &nan, sizeof nan);
    doc->dock.contactCells[0] = {
        deck.xMin - 1, deck.yMin - 1, deck.xMax + 1, deck.yMax + 1, CELL_BOX, -1, -1};
    doc->dock.contactCellCount = 1;
    doc->dock.cellGroups[0][0] = 0;
    doc->dock.cellGroupCount[0] = 1;
    for (int pushX : {-1, 0}) {
        doc->dock.contactCells[0].pushX = pushX;
        ASSERT_EQ(FindContacts(*doc), 1);
        EXPECT_EQ(doc->contact.contactPoint[0], HULL_SENTINEL);
        EXPECT_DOUBLE_EQ(doc->contact.contactArm[0], doc->boat.hullNormals[0].leverArm);
    }
    SetMoving(*doc, 3.0, PI_15);
    ResolveContacts(*doc);
    EXPECT_TRUE(StateIsFinite(*doc));
}

TEST(Contact, AFenderAgainstAPilingMakesAContact) {
    auto doc = AmongDecks(&FAR_DECK, 1);
    const HullPoint& h = doc->boat.hullPoints[300];  // starboard side
    doc->mooring.clickBoatPoint = {h.x + 0.3, h.y};
    FenderClick(*doc, FENDER_SET);
    ASSERT_EQ(doc->mooring.fenderCount, 1);
    const int j = doc->mooring.fenderHullPoint[0];
    const FenderCentre c = doc->mooring.fenderCentre[0];
    const double out = std::hypot(c.x - h.x, c.y - h.y);
    const double reach = 0.5 * (doc->boat.fenderDiameter + PILING_RADIUS) - 0.2;
    doc->dock.pilingRadius = PILING_RADIUS;
    doc->dock.pilings[0] = {c.x + (c.x - h.x) / out * reach, c.y + (c.y - h.y) / out * reach};
    doc->dock.pilingCount = 1;
    EXPECT_EQ(PilingContact(*doc, 0).index, -1);  // the hull does not reach it
    ASSERT_EQ(FindContacts(*doc), 1);
    EXPECT_EQ(doc->contact.contactPoint[0], j);
    EXPECT_EQ(doc->contact.contactSource[0], 1);
}

TEST(Contact, CustomSlipLengthOfZeroOrBelowStaysFinite) {
    for (int length : {0, -60}) {
        for (int layout = 1; layout <= 9; ++layout) {
            auto doc = MakeTestDocument(MOTORBOAT);
            SelectDockLayout(*doc, layout);
            ApplyCustomSlip(*doc, 20, length);
            ASSERT_EQ(doc->dock.slipSizeIndex, CUSTOM_SLIP);
            SetRunState(*doc, 1, 1);
            ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
            ChangeRudder(*doc, RUDDER_STEP_PORT, -1);
            for (int i = 0; i < 400; ++i) {
                Step(*doc);
                ASSERT_TRUE(StateIsFinite(*doc)) << length << " layout " << layout << " " << i;
            }
        }
    }
}

// Full ahead from rest (or already at 34 ft/s) into the head pier, across a finger
// pier and at a piling: the hull reaches each and never passes through; the head
// pier stops the bow at its face.
TEST(ContactDrive, FullAheadIsStoppedAtPiersAndPilings) {
    enum Target { HEAD_PIER, FINGER_PIER, PILING };
    const std::tuple<int, Target, double, int> drives[] = {
        {MOTORBOAT, HEAD_PIER, 0, 2000},    {SAILBOAT, HEAD_PIER, 0, 2000},
        {HOUSEBOAT, HEAD_PIER, 0, 2000},    {MOTORBOAT, FINGER_PIER, 0, 1200},
        {MOTORBOAT, FINGER_PIER, 34, 1200}, {SAILBOAT, PILING, 0, 1500}};
    for (const auto& [type, target, speed, steps] : drives) {
        SCOPED_TRACE(testing::Message() << type << " " << target << " " << speed);
        auto doc = target == PILING ? InSlip(type, 3, 6) : InSlip(type, 4, 1);  // 22 x 60
        const double L = doc->dock.slipSizes[4].length, loa = doc->boat.lengthOverall;
        const Piling pile = doc->dock.pilings[2];
        if (target == HEAD_PIER) PlaceBoat(*doc, doc->boat.startX, doc->boat.startY, 90.0);
        if (target == FINGER_PIER) PlaceBoat(*doc, -0.8 * loa, L / 2, 0.0);  // bow east
        if (target == PILING) PlaceBoat(*doc, pile.x + 0.3, pile.y - 1.1 * loa, 90.0);
        doc->state.waterVelX = doc->state.speedThroughWater = doc->state.speedOverGround = speed;
        ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
        double impactSpeed = 0, furthestX = -1e9, furthestY = -1e9;
        int touching = 0;
        for (int i = 0; i < steps; ++i) {
            impactSpeed = std::max(impactSpeed, doc->state.speedOverGround);
            Step(*doc);
            ASSERT_TRUE(StateIsFinite(*doc)) << "step " << i;
            ASSERT_LE(doc->contact.contactCount, CONTACT_LIST_SIZE);
            ASSERT_FALSE(target == PILING && InsideHull(*doc, pile.x, pile.y)) << "step " << i;
            touching += doc->contact.firstPassContactCount > 0;
            for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
                furthestX = std::max(furthestX, HullPointInWorld(*doc, k).x);
                furthestY = std::max(furthestY, HullPointInWorld(*doc, k).y);
            }
        }
        EXPECT_GT(touching, 0);
        if (target == HEAD_PIER) {
            EXPECT_GT(impactSpeed, 5.0);
            EXPECT_LT(furthestY, L + 1.0);
            EXPECT_GT(HullPointInWorld(*doc, HULL_BOW_TIP).y, L - 1.0);
            EXPECT_LT(doc->state.speedOverGround, 1.0);
        } else if (target == FINGER_PIER) {
            EXPECT_TRUE(furthestX > -1.0 && furthestX < doc->dock.dockWidth) << furthestX;
            EXPECT_LT(doc->state.posX, 0.0);
        }
    }
}
