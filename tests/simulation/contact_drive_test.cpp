#include <gtest/gtest.h>

#include "../support/test_document.h"
#include "contact_test_support.h"
#include "docks/dock_commands.h"
#include "simulation/contact.h"

// Full power into the head pier of the slip: stopped at its face, held there
// under power, never through; never more contacts than the list holds.
TEST(ContactDrive, FullAheadIntoTheHeadPierStopsAtItsFace) {
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        SCOPED_TRACE(type);
        auto doc = MakeTestDocument(type);
        SelectSlipSize(*doc, 4);  // 22 x 60
        SelectDockLayout(*doc, 1);
        const double L = doc->dock.slipSizes[4].length;
        PlaceBoat(*doc, doc->boat.startX, doc->boat.startY, 90.0);
        double impactSpeed = 0, furthest = -1e9;
        for (int i = 0; i < 2000; ++i) {
            impactSpeed = std::max(impactSpeed, doc->state.speedOverGround);
            furthest = std::max(furthest, DriveFullAhead(*doc, 1, false));
            ASSERT_LE(doc->contact.contactCount, CONTACT_LIST_SIZE);
        }
        EXPECT_GT(impactSpeed, 5.0);   // it did arrive at speed
        EXPECT_LT(furthest, L + 1.0);  // at most a little into the deck
        EXPECT_GT(HullPointInWorld(*doc, HULL_BOW_TIP).y, L - 1.0);  // and still there
        EXPECT_LT(doc->state.speedOverGround, 1.0);
    }
}

// Bow first into the outside of a finger pier, at full power and at speeds
// far beyond what the engines give; and into the north-south head pier of a
// slip layout turned three quarters: the bow never reaches the far side.
TEST(ContactDrive, NoTunnellingThroughAPier) {
    for (double speed : {0.0, 20.0, 34.0}) {
        SCOPED_TRACE(speed);
        auto doc = MakeTestDocument(MOTORBOAT);
        SelectSlipSize(*doc, 4);
        SelectDockLayout(*doc, 1);
        const double L = doc->dock.slipSizes[4].length;
        PlaceBoat(*doc, -0.8 * doc->boat.lengthOverall, L / 2, 0.0);  // bow east, at the pier
        doc->state.waterVelX = doc->state.speedThroughWater = doc->state.speedOverGround = speed;
        const double furthest = DriveFullAhead(*doc, 1200, true);
        EXPECT_GT(furthest, -1.0);  // it reached the pier
        EXPECT_LT(furthest, doc->dock.dockWidth);
        EXPECT_LT(doc->state.posX, 0.0);
    }

    auto doc = MakeTestDocument(SAILBOAT);
    SelectSlipSize(*doc, 3);
    SelectDockLayout(*doc, 5);
    const DockRect head = doc->dock.dockRects[2];
    const DockRect slip = doc->dock.slipBoxB;
    ASSERT_LT(slip.xMax, head.xMax);
    PlaceBoat(*doc, slip.xMin - 0.6 * doc->boat.lengthOverall, (slip.yMin + slip.yMax) / 2, 0.0);
    EXPECT_LT(DriveFullAhead(*doc, 1500, true), head.xMin + 1.0);
    EXPECT_GT(HullPointInWorld(*doc, HULL_BOW_TIP).x, head.xMin - 1.0);
}

// Into a piling of the piling layout: its centre never ends up inside the
// hull; the boat is turned aside or held, not run through.
TEST(ContactDrive, APilingIsNotRunThrough) {
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        SCOPED_TRACE(type);
        auto doc = MakeTestDocument(type);
        SelectSlipSize(*doc, 3);
        SelectDockLayout(*doc, 6);
        const Piling target = doc->dock.pilings[2];  // (S, 0)
        PlaceBoat(*doc, target.x + 0.3, target.y - 1.1 * doc->boat.lengthOverall, 90.0);
        int touching = 0;
        for (int i = 0; i < 1500; ++i) {
            DriveFullAhead(*doc, 1, false);
            ASSERT_FALSE(InsideHull(*doc, target.x, target.y)) << "step " << i;
            if (doc->contact.firstPassContactCount > 0) ++touching;
        }
        EXPECT_GT(touching, 0);
    }
}
