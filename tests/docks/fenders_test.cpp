#include "docks/fenders.h"

#include <cmath>

#include "mooring_fixture.h"

class FenderTest : public MooringTest {
protected:
    void Fender(double x, double y, int kind = FENDER_SET) {
        doc.mooring.clickBoatPoint = {x, y};
        FenderClick(doc, kind);
    }
    void FenderAtPoint(int j) { Fender(Point(j).x, Point(j).y); }
    const HullPoint& Point(int j) { return doc.boat.hullPoints[j]; }
    // Fender k's outline point m lies at deg degrees about its centre.
    void ExpectOutlineAt(int k, int m, double deg) {
        const FenderCentre& c = doc.mooring.fenderCentre[k];
        const HullPoint& q = doc.mooring.fenderOutline[k][m];
        EXPECT_NEAR(q.x - c.x, 0.5 * std::cos(deg * DEG_TO_RAD), 1e-12) << k;
        EXPECT_NEAR(q.y - c.y, 0.5 * std::sin(deg * DEG_TO_RAD), 1e-12) << k;
    }
};

TEST_F(FenderTest, SetAtTheNearestHullPointPushedOutByHalfItsDiameter) {
    Fender(-5.6, -9.0);
    ASSERT_EQ(doc.mooring.fenderCount, 1);
    EXPECT_EQ(ui.statusTexts.back(), "Fender set");
    const int j = doc.mooring.fenderHullPoint[0];
    EXPECT_EQ(j, 20);  // the hull point nearest the click
    const FenderCentre& c = doc.mooring.fenderCentre[0];
    EXPECT_NEAR(std::hypot(c.x - Point(j).x, c.y - Point(j).y), 0.5, 1e-12);
    EXPECT_LT(c.x, Point(j).x);  // outboard, to port
    EXPECT_DOUBLE_EQ(c.z, TEST_FREEBOARD + 0.1);
    // Sixteen points round it, from 11.25 degrees on the port side.
    ExpectOutlineAt(0, 0, 11.25);
    ExpectOutlineAt(0, 1, 33.75);

    // Starboard starts at 191.25 degrees, the transom at 101.25.
    Fender(5.6, -9.0);
    EXPECT_EQ(doc.mooring.fenderHullPoint[1], 378);
    EXPECT_GT(doc.mooring.fenderCentre[1].x, Point(378).x);
    ExpectOutlineAt(1, 0, 191.25);
    Fender(0.0, -12.6);  // behind the stern centre, point 408 at (0, -12)
    EXPECT_DOUBLE_EQ(doc.mooring.fenderCentre[2].y, -12.5);
    ExpectOutlineAt(2, 0, 101.25);

    Fender(-4.6, -12.3);
    EXPECT_EQ(doc.mooring.fenderHullPoint[3], 0);
}

TEST_F(FenderTest, ClickExactlyOnAHullPointGivesAFiniteFender) {
    FenderAtPoint(20);
    ASSERT_EQ(doc.mooring.fenderCount, 1);
    const FenderCentre& c = doc.mooring.fenderCentre[0];
    EXPECT_NEAR(std::hypot(c.x - Point(20).x, c.y - Point(20).y), 0.5, 1e-9);
    for (const HullPoint& q : doc.mooring.fenderOutline[0])
        EXPECT_NEAR(q.r, std::hypot(q.x, q.y), 1e-12);  // finite, and r is the distance
}

TEST_F(FenderTest, AtMostTenRemoveTakesTheLowestSlotInRange) {
    Fender(-7.0, 0.0);  // out of reach: nothing, not even a text
    Fender(-7.0, 0.0, FENDER_REMOVE);
    EXPECT_EQ(doc.mooring.fenderCount, 0);
    EXPECT_EQ(ui.statusTextCount, 0);

    for (int n = 0; n < FENDER_SLOTS; ++n) FenderAtPoint(10 + 20 * n);
    ASSERT_EQ(doc.mooring.fenderCount, 10);
    int texts = ui.statusTextCount;
    FenderAtPoint(300);
    EXPECT_EQ(doc.mooring.fenderCount, 10);
    EXPECT_EQ(ui.statusTextCount, texts);

    Fender(doc.mooring.fenderCentre[3].x, doc.mooring.fenderCentre[3].y, FENDER_REMOVE);
    EXPECT_EQ(doc.mooring.fenderActive[3], 0);
    EXPECT_EQ(ui.statusTexts.back(), "Fender reset");
    FenderAtPoint(300);  // reuses the free slot
    EXPECT_EQ(doc.mooring.fenderHullPoint[3], 300);
    EXPECT_EQ(doc.mooring.fenderCount, 10);

    RemoveAllFenders(doc);
    EXPECT_EQ(doc.mooring.fenderCount, 0);

    // Both centres lie within a diameter of the click: only the lowest slot goes.
    FenderAtPoint(24);
    FenderAtPoint(20);
    Fender(doc.mooring.fenderCentre[1].x, doc.mooring.fenderCentre[1].y, FENDER_REMOVE);
    EXPECT_EQ(doc.mooring.fenderActive[0], 0);
    EXPECT_EQ(doc.mooring.fenderActive[1], 1);
    EXPECT_EQ(doc.mooring.fenderCount, 1);
}
