#include <gtest/gtest.h>

#include "../support/test_document.h"
#include "contact_test_support.h"
#include "docks/dock_commands.h"
#include "simulation/contact.h"

namespace {

std::unique_ptr<CKLVNDoc> InSlip(int type, int slipSize, int layout) {
    auto doc = MakeTestDocument(type);
    SelectSlipSize(*doc, slipSize);
    SelectDockLayout(*doc, layout);
    return doc;
}

}  // namespace

TEST(ContactDrive, FullAheadIntoTheHeadPierStopsAtItsFace) {
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        SCOPED_TRACE(type);
        auto doc = InSlip(type, 4, 1);  // 22 x 60
        const double L = doc->dock.slipSizes[4].length;
        PlaceBoat(*doc, doc->boat.startX, doc->boat.startY, 90.0);
        double impactSpeed = 0, furthest = -1e9;
        for (int i = 0; i < 2000; ++i) {
            impactSpeed = std::max(impactSpeed, doc->state.speedOverGround);
            furthest = std::max(furthest, DriveFullAhead(*doc, 1, false));
            ASSERT_LE(doc->contact.contactCount, CONTACT_LIST_SIZE);
        }
        EXPECT_GT(impactSpeed, 5.0);
        EXPECT_LT(furthest, L + 1.0);
        EXPECT_GT(HullPointInWorld(*doc, HULL_BOW_TIP).y, L - 1.0);
        EXPECT_LT(doc->state.speedOverGround, 1.0);
    }
}

TEST(ContactDrive, NoTunnellingThroughAFingerPier) {
    for (double speed : {0.0, 34.0}) {
        SCOPED_TRACE(speed);
        auto doc = InSlip(MOTORBOAT, 4, 1);
        const double L = doc->dock.slipSizes[4].length;
        PlaceBoat(*doc, -0.8 * doc->boat.lengthOverall, L / 2, 0.0);  // bow east, at the pier
        doc->state.waterVelX = doc->state.speedThroughWater = doc->state.speedOverGround = speed;
        const double furthest = DriveFullAhead(*doc, 1200, true);
        EXPECT_GT(furthest, -1.0);
        EXPECT_LT(furthest, doc->dock.dockWidth);
        EXPECT_LT(doc->state.posX, 0.0);
    }
}

TEST(ContactDrive, APilingIsNotRunThrough) {
    auto doc = InSlip(SAILBOAT, 3, 6);
    const Piling target = doc->dock.pilings[2];
    PlaceBoat(*doc, target.x + 0.3, target.y - 1.1 * doc->boat.lengthOverall, 90.0);
    int touching = 0;
    for (int i = 0; i < 1500; ++i) {
        DriveFullAhead(*doc, 1, false);
        ASSERT_FALSE(InsideHull(*doc, target.x, target.y)) << "step " << i;
        if (doc->contact.firstPassContactCount > 0) ++touching;
    }
    EXPECT_GT(touching, 0);
}
