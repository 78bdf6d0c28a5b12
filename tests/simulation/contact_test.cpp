#include "simulation/contact.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "../support/test_document.h"
#include "common/angles.h"
#include "common/constants.h"
#include "contact_test_support.h"
#include "docks/custom_slip.h"
#include "docks/dock_commands.h"

namespace {

// The boat heading exactly north with its bow tip `depth` ft into the head
// pier of the slip-and-pilings layout (22 x 60), moving north at speed.
std::unique_ptr<CKLVNDoc> BowIntoHeadPier(double depth, double speed, double headingDeg = 90.0) {
    auto doc = MakeTestDocument(MOTORBOAT);
    SelectSlipSize(*doc, 4);
    SelectDockLayout(*doc, 1);
    const double L = doc->dock.slipSizes[4].length;
    const double bowAhead = doc->boat.hullPoints[HULL_BOW_TIP].r;
    PlaceBoat(*doc, doc->boat.startX, L + depth - bowAhead, headingDeg);
    doc->state.waterVelY = speed;
    doc->state.speedThroughWater = speed;
    doc->state.speedOverGround = speed;
    doc->state.courseThroughWater = PI_05;
    return doc;
}

// Replaces the layout by family-C style decks given as rectangles (no cells).
void UseDecks(CKLVNDoc& doc, const DockRect* rects, int count) {
    doc.dock.dockLayout = 6;
    doc.dock.dockRectCount = count;
    for (int i = 0; i < count; ++i) doc.dock.dockRects[i] = rects[i];
    doc.dock.pilingCount = 0;
    doc.dock.contactCellCount = 0;
    for (int& n : doc.dock.cellGroupCount) n = 0;
}

// Hangs a fender at hull point j, half its diameter outboard, with its
// sixteen outline points laid out like hull point records.
void HangFender(CKLVNDoc& doc, int slot, int j) {
    Mooring& m = doc.mooring;
    const HullPoint& h = doc.boat.hullPoints[j];
    const double radius = 0.5 * doc.boat.fenderDiameter;
    const double cx = h.x + (h.x >= 0 ? radius : -radius);
    m.fenderActive[slot] = 1;
    m.fenderHullPoint[slot] = j;
    m.fenderCentre[slot] = {cx, h.y, doc.boat.freeboardHeight + 0.1};
    for (int p = 0; p < FENDER_OUTLINE_POINTS; ++p) {
        const double a = (191.25 + 22.5 * p) * DEG_TO_RAD;
        HullPoint& o = m.fenderOutline[slot][p];
        o.x = cx + radius * std::cos(a);
        o.y = h.y + radius * std::sin(a);
        o.r = std::sqrt(o.x * o.x + o.y * o.y);
        o.theta = WrapAngle(std::atan2(o.y, o.x));
        o.sinTheta = o.y / o.r;
        o.cosTheta = o.x / o.r;
    }
    ++m.fenderCount;
}

DockRect BoxAround(WorldPoint p, double half) {
    return {p.x - half, p.y - half, p.x + half, p.y + half};
}

}  // namespace

// Lying still across a finger pier, the boat is found in contact but not
// moved: with no approach speed every pass ends at once.
TEST(Contact, ABoatAtRestOverlappingADockIsNotMoved) {
    auto doc = MakeTestDocument(MOTORBOAT);
    SelectDockLayout(*doc, 1);
    PlaceBoat(*doc, doc->dock.dockWidth / 2, 20.0, 90.0);
    const DynamicState before = doc->state;
    ResolveContacts(*doc);
    EXPECT_EQ(doc->contact.firstPassContactCount, 1);
    EXPECT_EQ(doc->state.posX, before.posX);
    EXPECT_EQ(doc->state.posY, before.posY);
    EXPECT_EQ(doc->state.headingDeg, before.headingDeg);
    EXPECT_EQ(doc->state.yawRate, before.yawRate);
    EXPECT_EQ(doc->forces.contactForceX, 0.0);
    EXPECT_EQ(doc->forces.contactForceY, 0.0);
    EXPECT_EQ(doc->forces.contactMoment, 0.0);

    // The same within a whole step: contact adds nothing to it.
    Step(*doc);
    EXPECT_EQ(doc->contact.firstPassContactCount, 1);
    EXPECT_EQ(doc->forces.contactForceX, 0.0);
    EXPECT_EQ(doc->forces.contactMoment, 0.0);
}

// The bow tip deep in the head pier, due north of the reference point: the
// push is the cell's depth, at most 1 ft per pass, so it takes three passes
// (and three impulses) to clear 2.5 ft; the turn angle of a push along the
// line through the reference point is 0, not the 0/0 of two infinite slopes.
TEST(Contact, BowTipPushIsLimitedPerPassAndStaysFiniteDueNorth) {
    auto doc = BowIntoHeadPier(2.5, 10.0);
    ASSERT_EQ(FindContacts(*doc), 1);
    EXPECT_EQ(doc->contact.contactPoint[0], HULL_BOW_TIP);
    EXPECT_EQ(doc->contact.contactSource[0], 0);
    EXPECT_EQ(doc->contact.contactCell[0], 4);
    EXPECT_NEAR(doc->contact.contactPushY[0], -2.5, 1e-9);
    EXPECT_EQ(doc->contact.contactPushX[0], 0.0);

    const double y0 = doc->state.posY;
    const double heading0 = doc->state.headingDeg;
    ResolveContacts(*doc);
    ASSERT_TRUE(StateIsFinite(*doc));
    EXPECT_NEAR(doc->state.posY - y0, -2.5, 1e-9);
    EXPECT_EQ(doc->state.headingDeg, heading0);
    const double impulse = 0.2 * 10.0 * doc->boat.mass / doc->state.timeStep;
    EXPECT_LE(doc->forces.contactForceY, -3 * impulse * (1 - 1e-12));
    EXPECT_GE(doc->forces.contactForceY, -4 * impulse * (1 + 1e-12));
    EXPECT_EQ(doc->contact.firstPassContactCount, 1);

    // And through whole steps at full speed, as the integration follows.
    for (int i = 0; i < 200; ++i) {
        Step(*doc);
        ASSERT_TRUE(StateIsFinite(*doc)) << i;
    }
}

// A hard knock on a piling far off the centre of gravity: unclipped, the
// moment of even one pass would pass the limit of all eleven; each contact's
// moment is held to a fifth of the boat's weight, which also cuts the rate
// of turn.
TEST(Contact, MomentsStayWithinTheirLimit) {
    auto doc = MakeTestDocument(MOTORBOAT);
    PlaceBoat(*doc, 0.0, 0.0, 90.0);
    DockRect farDeck = {1000, 1000, 1001, 1001};
    UseDecks(*doc, &farDeck, 1);

    // The hull point with the longest lever arm, and a piling 0.2 ft into it.
    int k = 1;
    for (int j = 1; j < HULL_OUTLINE_POINTS; ++j) {
        if (j == HULL_BOW_TIP || j == HULL_STARBOARD_STERN) continue;
        if (std::fabs(doc->boat.hullNormals[j].leverArm) >
            std::fabs(doc->boat.hullNormals[k].leverArm)) {
            k = j;
        }
    }
    const WorldPoint q = HullPointInWorld(*doc, k);
    const double r = doc->boat.hullPoints[k].r;
    const double reach = r + 0.5 * PILING_RADIUS - 0.2;
    doc->dock.pilings[0] = {q.x * reach / r, q.y * reach / r};
    doc->dock.pilingCount = 1;
    ASSERT_EQ(FindContacts(*doc), 1);
    const double arm = doc->contact.contactArm[0];

    const double speed = 12.0;
    const double course = std::atan2(q.y, q.x);
    doc->state.waterVelX = speed * std::cos(course);
    doc->state.waterVelY = speed * std::sin(course);
    doc->state.speedOverGround = speed;
    doc->state.courseThroughWater = WrapAngle(course);
    doc->state.yawRate = -0.05 * SignOf(arm);  // turning against the knock
    ResolveContacts(*doc);
    ASSERT_TRUE(StateIsFinite(*doc));

    const double limit = 0.2 * doc->boat.weight;
    const double impulse = 0.2 * speed * doc->boat.mass / doc->state.timeStep;
    ASSERT_GT(std::fabs(impulse * arm * 0.27), CONTACT_PASSES * limit);
    EXPECT_GT(std::fabs(doc->forces.contactMoment), 0.0);
    EXPECT_LE(std::fabs(doc->forces.contactMoment), CONTACT_PASSES * limit * (1 + 1e-12));
    const double clippedPasses = std::fabs(doc->forces.contactMoment) / limit;
    EXPECT_NEAR(clippedPasses, std::round(clippedPasses), 1e-9);  // every one held at the limit
    EXPECT_EQ(doc->state.yawRate, 0.0);  // cut, then stopped against the moment
}

// Forty separate runs of hull points in one pass: the list keeps twenty and
// nothing beyond it is touched.
TEST(Contact, TheContactListNeverOverflows) {
    auto doc = MakeTestDocument(MOTORBOAT);
    PlaceBoat(*doc, 0.0, 0.0, 90.0);
    DockRect strips[MAX_DOCK_RECTS];
    for (int i = 0; i < MAX_DOCK_RECTS; ++i) {
        const double y = -doc->boat.lengthOverall * 0.45 + 1.5 * i;
        strips[i] = {-50.0, y, 50.0, y + 0.3};
    }
    UseDecks(*doc, strips, MAX_DOCK_RECTS);
    doc->contact.firstPassContactCount = 12345;  // the field after the list
    EXPECT_EQ(FindContacts(*doc), CONTACT_LIST_SIZE);
    EXPECT_EQ(doc->contact.contactCount, CONTACT_LIST_SIZE);
    EXPECT_EQ(doc->contact.firstPassContactCount, 12345);
    for (int i = 0; i < CONTACT_LIST_SIZE; ++i) {
        EXPECT_GE(doc->contact.contactPoint[i], 0);
        EXPECT_LE(doc->contact.contactPoint[i], HULL_SENTINEL);
        EXPECT_EQ(doc->contact.contactSource[i], 0);
        EXPECT_EQ(doc->contact.contactCell[i], -1);
    }

    doc->state.waterVelX = 6.0;
    doc->state.speedOverGround = 6.0;
    for (int i = 0; i < 100; ++i) {
        Step(*doc);
        ASSERT_TRUE(StateIsFinite(*doc)) << i;
        ASSERT_LE(doc->contact.contactCount, CONTACT_LIST_SIZE);
    }
}

// A run wrapped round point 0 and centred on it is represented by the
// sentinel 418, whose normal record has no lever arm of its own: it is point
// 0's lever arm, whatever the bytes after the normal table hold.
TEST(Contact, TheSentinelTakesPointZerosLeverArm) {
    auto doc = MakeTestDocument(MOTORBOAT);
    PlaceBoat(*doc, 0.0, 0.0, 90.0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(doc->boat.gap41528, &nan, sizeof nan);

    // A deck that holds exactly points 417, 0 and 1, with a cell pushing it
    // out diagonally (so the tabled lever arm is used).
    const WorldPoint p417 = HullPointInWorld(*doc, 417);
    const WorldPoint p0 = HullPointInWorld(*doc, 0);
    const WorldPoint p1 = HullPointInWorld(*doc, 1);
    DockRect deck = {std::fmin(p0.x, std::fmin(p417.x, p1.x)) - 0.01,
                     std::fmin(p0.y, std::fmin(p417.y, p1.y)) - 0.01,
                     std::fmax(p0.x, std::fmax(p417.x, p1.x)) + 0.01,
                     std::fmax(p0.y, std::fmax(p417.y, p1.y)) + 0.01};
    UseDecks(*doc, &deck, 1);
    int inside = 0;
    for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
        const WorldPoint q = HullPointInWorld(*doc, k);
        if (q.x >= deck.xMin && q.x <= deck.xMax && q.y >= deck.yMin && q.y <= deck.yMax) ++inside;
    }
    ASSERT_EQ(inside, 3);
    doc->dock.contactCells[0] = {
        deck.xMin - 1, deck.yMin - 1, deck.xMax + 1, deck.yMax + 1, CELL_BOX, -1, -1};
    doc->dock.contactCellCount = 1;
    doc->dock.cellGroups[0][0] = 0;
    doc->dock.cellGroupCount[0] = 1;

    ASSERT_EQ(FindContacts(*doc), 1);
    EXPECT_EQ(doc->contact.contactPoint[0], HULL_SENTINEL);
    EXPECT_EQ(doc->contact.contactCell[0], 0);
    EXPECT_DOUBLE_EQ(doc->contact.contactArm[0], doc->boat.hullNormals[0].leverArm);

    // A push along one axis replaces the arm only at points 0, 199 and 398;
    // the sentinel keeps point 0's tabled arm there too.
    doc->dock.contactCells[0].pushX = 0;
    ASSERT_EQ(FindContacts(*doc), 1);
    EXPECT_EQ(doc->contact.contactPoint[0], HULL_SENTINEL);
    EXPECT_EQ(doc->contact.contactPushX[0], 0.0);
    EXPECT_DOUBLE_EQ(doc->contact.contactArm[0], doc->boat.hullNormals[0].leverArm);

    doc->state.waterVelY = -3.0;
    doc->state.speedOverGround = 3.0;
    doc->state.courseThroughWater = PI_15;
    ResolveContacts(*doc);
    EXPECT_TRUE(StateIsFinite(*doc));
}

TEST(Contact, FendersAgainstPilingsAndDocks) {
    auto doc = MakeTestDocument(MOTORBOAT);
    PlaceBoat(*doc, 0.0, 0.0, 90.0);
    const int j = 300;  // starboard side
    HangFender(*doc, 0, j);
    const FenderCentre c = doc->mooring.fenderCentre[0];
    const double reach = 0.5 * (doc->boat.fenderDiameter + PILING_RADIUS);

    // A piling just inside the fender's reach, outboard: the fender touches it,
    // the hull does not.
    DockRect farDeck = {1000, 1000, 1001, 1001};
    UseDecks(*doc, &farDeck, 1);
    doc->dock.pilingRadius = PILING_RADIUS;
    doc->dock.pilings[0] = {c.x + reach - 0.2, c.y};
    doc->dock.pilingCount = 1;
    EXPECT_EQ(PilingContact(*doc, 0).index, -1);
    const PilingHit hit = FenderPilingContact(*doc, 0);
    EXPECT_EQ(hit.index, 0);
    EXPECT_NEAR(std::hypot(hit.pushX, hit.pushY), 0.2, 1e-9);
    ASSERT_EQ(FindContacts(*doc), 1);
    EXPECT_EQ(doc->contact.contactPoint[0], j);
    EXPECT_EQ(doc->contact.contactSource[0], 1);
    doc->dock.pilingCount = 0;

    // A deck over the fender's first sample point only: a contact of fender 0.
    const BoatPose pose = CurrentBoatPose(*doc);
    DockRect first = BoxAround(PlaceTablePoint(pose, doc->mooring.fenderOutline[0][0]), 0.05);
    UseDecks(*doc, &first, 1);
    ASSERT_EQ(FindContacts(*doc), 1);
    EXPECT_EQ(doc->contact.contactSource[0], -1);
    EXPECT_EQ(doc->contact.contactPoint[0], j);

    // Over its last sample point: no contact for that fender in this pass.
    DockRect last = BoxAround(PlaceTablePoint(pose, doc->mooring.fenderOutline[0][15]), 0.05);
    UseDecks(*doc, &last, 1);
    EXPECT_EQ(FindContacts(*doc), 0);
}

TEST(Contact, NoDecksNoContactNotEvenWithPilings) {
    auto doc = MakeTestDocument(MOTORBOAT);
    SelectDockLayout(*doc, 6);
    PlaceBoat(*doc, doc->dock.pilings[0].x, doc->dock.pilings[0].y, 90.0);
    EXPECT_GT(FindContacts(*doc), 0);
    doc->dock.dockRectCount = 0;
    EXPECT_EQ(FindContacts(*doc), 0);
}

// A custom slip of length zero or below still lays out every layout, and a
// boat driven round it under full power stays finite.
TEST(Contact, CustomSlipLengthOfZeroOrBelowStaysFinite) {
    for (int length : {0, -6, -60, -100000}) {
        for (int layout = 1; layout <= 9; ++layout) {
            auto doc = MakeTestDocument(MOTORBOAT);
            SelectDockLayout(*doc, layout);
            ApplyCustomSlip(*doc, 20, length);
            ASSERT_EQ(doc->dock.slipSizeIndex, CUSTOM_SLIP);
            EXPECT_GT(doc->dock.dockRectCount, 0);
            SetRunState(*doc, 1, 1);
            FullAhead(*doc);
            ChangeRudder(*doc, RUDDER_STEP_PORT, -1);
            for (int i = 0; i < 400; ++i) {
                Step(*doc);
                ASSERT_TRUE(StateIsFinite(*doc)) << length << " layout " << layout << " " << i;
            }
        }
    }
}
