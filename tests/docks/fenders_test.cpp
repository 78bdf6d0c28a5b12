#include "docks/fenders.h"

#include <cmath>

#include "mooring_fixture.h"

class FenderTest : public MooringTest {
protected:
    void SetAt(double x, double y) {
        doc.mooring.clickBoatPoint = {x, y};
        FenderClick(doc, FENDER_SET);
    }
    void RemoveAt(double x, double y) {
        doc.mooring.clickBoatPoint = {x, y};
        FenderClick(doc, FENDER_REMOVE);
    }
    const HullPoint& Point(int j) { return doc.boat.hullPoints[j]; }
};

TEST_F(FenderTest, SetAtTheNearestHullPointPushedOutByHalfItsDiameter) {
    SetAt(-5.6, -9.0);
    ASSERT_EQ(doc.mooring.fenderCount, 1);
    EXPECT_EQ(doc.mooring.fenderActive[0], 1);
    EXPECT_EQ(ui.statusTexts.back(), "Fender set");
    int j = doc.mooring.fenderHullPoint[0];
    EXPECT_EQ(j, 20);
    double chosen = std::hypot(-5.6 - Point(j).x, -9.0 - Point(j).y);
    for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
        EXPECT_GE(std::hypot(-5.6 - Point(k).x, -9.0 - Point(k).y), chosen) << k;
    }

    const FenderCentre& c = doc.mooring.fenderCentre[0];
    EXPECT_NEAR(std::hypot(c.x - Point(j).x, c.y - Point(j).y), 0.5, 1e-12);
    EXPECT_LT(c.x, Point(j).x);  // outboard, to port
    EXPECT_DOUBLE_EQ(c.z, TEST_FREEBOARD + 0.1);

    // Sixteen points round it, the first at 11.25 degrees on the port side.
    for (int m = 0; m < FENDER_OUTLINE_POINTS; ++m) {
        const HullPoint& q = doc.mooring.fenderOutline[0][m];
        EXPECT_NEAR(std::hypot(q.x - c.x, q.y - c.y), 0.5, 1e-12);
        EXPECT_NEAR(q.r, std::hypot(q.x, q.y), 1e-12);
        EXPECT_NEAR(q.theta, std::atan2(q.y, q.x), 1e-12);
        EXPECT_NEAR(q.sinTheta, q.y / q.r, 1e-12);
        EXPECT_NEAR(q.cosTheta, q.x / q.r, 1e-12);
    }
    const HullPoint& first = doc.mooring.fenderOutline[0][0];
    EXPECT_NEAR(std::atan2(first.y - c.y, first.x - c.x), 11.25 * DEG_TO_RAD, 1e-9);
    const HullPoint& second = doc.mooring.fenderOutline[0][1];
    EXPECT_NEAR(std::atan2(second.y - c.y, second.x - c.x), 33.75 * DEG_TO_RAD, 1e-9);
}

TEST_F(FenderTest, StarboardAndTransomFendersStartTheirOutlineOnTheirSide) {
    SetAt(5.6, -9.0);
    EXPECT_EQ(doc.mooring.fenderHullPoint[0], 378);
    EXPECT_GT(doc.mooring.fenderCentre[0].x, Point(378).x);
    const FenderCentre& c0 = doc.mooring.fenderCentre[0];
    const HullPoint& q0 = doc.mooring.fenderOutline[0][0];
    EXPECT_NEAR(q0.x - c0.x, 0.5 * std::cos(191.25 * DEG_TO_RAD), 1e-12);
    EXPECT_NEAR(q0.y - c0.y, 0.5 * std::sin(191.25 * DEG_TO_RAD), 1e-12);

    SetAt(0.0, -12.6);  // behind the stern centre, point 408 at (0, -12)
    EXPECT_EQ(doc.mooring.fenderHullPoint[1], 408);
    EXPECT_DOUBLE_EQ(doc.mooring.fenderCentre[1].x, 0.0);
    EXPECT_DOUBLE_EQ(doc.mooring.fenderCentre[1].y, -12.5);
    const FenderCentre& c1 = doc.mooring.fenderCentre[1];
    const HullPoint& q1 = doc.mooring.fenderOutline[1][0];
    EXPECT_NEAR(std::atan2(q1.y - c1.y, q1.x - c1.x), 101.25 * DEG_TO_RAD, 1e-9);
}

TEST_F(FenderTest, TheFirstRunInReachWinsOverANearerLaterOne) {
    // Near the port stern corner (point 0) and nearer still to the transom's
    // point 417: the walk stops at the end of the run that starts at point 0.
    SetAt(-4.6, -12.3);
    EXPECT_EQ(doc.mooring.fenderHullPoint[0], 0);
}

TEST_F(FenderTest, ClickExactlyOnAHullPointGivesAFiniteFender) {
    SetAt(Point(20).x, Point(20).y);
    ASSERT_EQ(doc.mooring.fenderCount, 1);
    const FenderCentre& c = doc.mooring.fenderCentre[0];
    ASSERT_TRUE(std::isfinite(c.x) && std::isfinite(c.y));
    EXPECT_LT(c.x, Point(20).x);
    EXPECT_NEAR(std::hypot(c.x - Point(20).x, c.y - Point(20).y), 0.5, 1e-9);
    for (const HullPoint& q : doc.mooring.fenderOutline[0]) {
        EXPECT_TRUE(std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.r));
    }
}

TEST_F(FenderTest, OutOfReachDoesNothing) {
    SetAt(-7.0, 0.0);
    RemoveAt(-7.0, 0.0);
    EXPECT_EQ(doc.mooring.fenderCount, 0);
    EXPECT_EQ(ui.statusTextCount, 0);
}

TEST_F(FenderTest, AtMostTenAndARemovedSlotIsReused) {
    for (int n = 0; n < FENDER_SLOTS; ++n) SetAt(Point(10 + 20 * n).x, Point(10 + 20 * n).y);
    ASSERT_EQ(doc.mooring.fenderCount, 10);
    int texts = ui.statusTextCount;
    SetAt(Point(300).x, Point(300).y);
    EXPECT_EQ(doc.mooring.fenderCount, 10);
    EXPECT_EQ(ui.statusTextCount, texts);  // shows nothing

    RemoveAt(doc.mooring.fenderCentre[3].x, doc.mooring.fenderCentre[3].y);
    EXPECT_EQ(doc.mooring.fenderCount, 9);
    EXPECT_EQ(doc.mooring.fenderActive[3], 0);
    EXPECT_EQ(ui.statusTexts.back(), "Fender reset");
    SetAt(Point(300).x, Point(300).y);
    EXPECT_EQ(doc.mooring.fenderActive[3], 1);
    EXPECT_EQ(doc.mooring.fenderHullPoint[3], 300);
    EXPECT_EQ(doc.mooring.fenderCount, 10);

    RemoveAllFenders(doc);
    EXPECT_EQ(doc.mooring.fenderCount, 0);
    for (int active : doc.mooring.fenderActive) EXPECT_EQ(active, 0);
}

TEST_F(FenderTest, RemoveTakesOnlyTheLowestSlotInRange) {
    SetAt(Point(24).x, Point(24).y);
    SetAt(Point(20).x, Point(20).y);
    ASSERT_EQ(doc.mooring.fenderCount, 2);
    // Both centres lie within a diameter of the click.
    RemoveAt(doc.mooring.fenderCentre[1].x, doc.mooring.fenderCentre[1].y);
    EXPECT_EQ(doc.mooring.fenderActive[0], 0);
    EXPECT_EQ(doc.mooring.fenderActive[1], 1);
    EXPECT_EQ(doc.mooring.fenderCount, 1);
}
