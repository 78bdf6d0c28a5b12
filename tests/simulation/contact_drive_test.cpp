#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../support/test_document.h"
#include "contact_test_support.h"
#include "docks/dock_commands.h"
#include "simulation/contact.h"

// A boat driven at full power into the head pier of the slip stops at its
// face, stays there under power, and never passes through.
TEST(ContactDrive, FullAheadIntoTheHeadPierStopsAtItsFace) {
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        auto doc = MakeTestDocument(type);
        SelectSlipSize(*doc, 4);  // 22 x 60
        SelectDockLayout(*doc, 1);
        const double L = doc->dock.slipSizes[4].length;
        PlaceBoat(*doc, doc->boat.startX, doc->boat.startY, 90.0);
        FullAhead(*doc);
        double furthest = -1e9;
        double impactSpeed = 0;
        for (int i = 0; i < 2000; ++i) {
            impactSpeed = std::max(impactSpeed, doc->state.speedOverGround);
            Step(*doc);
            ASSERT_TRUE(StateIsFinite(*doc)) << type << " step " << i;
            ASSERT_LE(doc->contact.contactCount, CONTACT_LIST_SIZE);
            furthest = std::max(furthest, HullPointInWorld(*doc, HULL_BOW_TIP).y);
        }
        EXPECT_GT(impactSpeed, 5.0) << type;   // it did arrive at speed
        EXPECT_LT(furthest, L + 1.0) << type;  // at most a little into the deck
        EXPECT_GT(HullPointInWorld(*doc, HULL_BOW_TIP).y, L - 1.0) << type;  // and still there
        EXPECT_LT(doc->state.speedOverGround, 1.0) << type;
    }
}

// Bow first into the outside of a finger pier, at full power and at a speed
// set far beyond what the engines give: the bow never reaches the far side.
TEST(ContactDrive, NoTunnellingThroughAFingerPier) {
    for (double speed : {0.0, 20.0, 34.0}) {
        auto doc = MakeTestDocument(MOTORBOAT);
        SelectSlipSize(*doc, 4);
        SelectDockLayout(*doc, 1);
        const double L = doc->dock.slipSizes[4].length;
        const double W = doc->dock.dockWidth;
        const double LOA = doc->boat.lengthOverall;
        PlaceBoat(*doc, -0.8 * LOA, L / 2, 0.0);  // bow to the east, at the pier
        doc->state.waterVelX = speed;
        doc->state.speedThroughWater = speed;
        doc->state.speedOverGround = speed;
        FullAhead(*doc);
        double furthest = -1e9;
        for (int i = 0; i < 1200; ++i) {
            Step(*doc);
            ASSERT_TRUE(StateIsFinite(*doc)) << speed << " step " << i;
            for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
                furthest = std::max(furthest, HullPointInWorld(*doc, k).x);
            }
        }
        EXPECT_GT(furthest, -1.0) << speed;  // it reached the pier
        EXPECT_LT(furthest, W) << speed;
        EXPECT_LT(doc->state.posX, 0.0) << speed;
    }
}

// Into a piling of the piling layout: the piling's centre never ends up
// inside the hull and the boat is turned aside or held, not run through.
TEST(ContactDrive, APilingIsNotRunThrough) {
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        auto doc = MakeTestDocument(type);
        SelectSlipSize(*doc, 3);
        SelectDockLayout(*doc, 6);
        const Piling target = doc->dock.pilings[2];  // (S, 0)
        PlaceBoat(*doc, target.x + 0.3, target.y - 1.1 * doc->boat.lengthOverall, 90.0);
        FullAhead(*doc);
        int touching = 0;
        for (int i = 0; i < 1500; ++i) {
            Step(*doc);
            ASSERT_TRUE(StateIsFinite(*doc)) << type << " step " << i;
            ASSERT_FALSE(InsideHull(*doc, target.x, target.y)) << type << " step " << i;
            if (doc->contact.firstPassContactCount > 0) ++touching;
        }
        EXPECT_GT(touching, 0) << type;
    }
}

// A slip layout turned three quarters (entrance on the left): full power
// into the slip, whose head pier now runs north-south.
TEST(ContactDrive, TurnedSlipLayoutHoldsTheBoat) {
    auto doc = MakeTestDocument(SAILBOAT);
    SelectSlipSize(*doc, 3);
    SelectDockLayout(*doc, 5);
    const DockRect head = doc->dock.dockRects[2];
    const DockRect slip = doc->dock.slipBoxB;
    ASSERT_LT(slip.xMax, head.xMax);
    PlaceBoat(*doc, slip.xMin - 0.6 * doc->boat.lengthOverall, (slip.yMin + slip.yMax) / 2, 0.0);
    FullAhead(*doc);
    double furthest = -1e9;
    for (int i = 0; i < 1500; ++i) {
        Step(*doc);
        ASSERT_TRUE(StateIsFinite(*doc)) << i;
        for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
            furthest = std::max(furthest, HullPointInWorld(*doc, k).x);
        }
    }
    EXPECT_LT(furthest, head.xMin + 1.0);
    EXPECT_GT(HullPointInWorld(*doc, HULL_BOW_TIP).x, head.xMin - 1.0);
}
