#include <gtest/gtest.h>

#include <cstring>

#include "default_boat.h"

namespace {
constexpr double ROUNDING = 1e-12;
}  // namespace

// Bow tip at (1, 0), stern centre at (0, 0), the starboard side and the
// transom mirror the port side, and everything lies in the normalised box.
TEST(HullOutline, EveryTypeIsSymmetricWithinTheUnitBox) {
    for (int type : BOAT_TYPES) {
        const BoatRecord& b = DefaultRecord(type, true);
        const double* X = b.hullOutlineX;
        const double* Y = b.hullOutlineY;
        SCOPED_TRACE(type);
        EXPECT_NEAR(X[199], 1.0, ROUNDING);
        EXPECT_NEAR(Y[199], 0.0, ROUNDING);
        EXPECT_EQ(X[408], 0.0);
        EXPECT_NEAR(Y[408], 0.0, ROUNDING);
        for (int j = 0; j < 199; ++j) {
            EXPECT_EQ(X[398 - j], X[j]) << j;
            EXPECT_NEAR(Y[398 - j], -Y[j], ROUNDING) << j;
            EXPECT_LE(Y[j], 0.0) << "port side " << j;
        }
        for (int k = 0; k < 9; ++k) {  // transom arc 399 ... 417 about its centre 408
            EXPECT_NEAR(X[399 + k], X[417 - k], ROUNDING);
            EXPECT_NEAR(Y[399 + k], -Y[417 - k], ROUNDING);
            EXPECT_GT(Y[399 + k], Y[400 + k]);  // runs to port
        }
        for (int i = 0; i < HULL_OUTLINE_POINTS; ++i) {
            EXPECT_TRUE(X[i] >= -ROUNDING && X[i] <= 1 + ROUNDING) << i;
            EXPECT_TRUE(Y[i] >= -0.5 - ROUNDING && Y[i] <= 0.5 + ROUNDING) << i;
        }
    }
}

TEST(HullOutline, WidestPointByTypeAndOnlyTheTypeCounts) {
    static BoatRecord m;
    m = DefaultRecord(MOTORBOAT, true);
    EXPECT_EQ(m.hullOutlineWidestIndex, 118);
    EXPECT_NEAR(m.hullOutlineX[118], 0.6, 0.02);
    EXPECT_NEAR(m.hullOutlineY[118], -0.5, ROUNDING);

    // The outline depends only on the type, not on the dimensions.
    static BoatRecord large;
    large = m;
    large.lengthOverall = 60;
    large.beam = 18;
    BuildOutline(large);
    EXPECT_EQ(std::memcmp(m.hullOutlineX, large.hullOutlineX, sizeof m.hullOutlineX), 0);
    EXPECT_EQ(std::memcmp(m.hullOutlineY, large.hullOutlineY, sizeof m.hullOutlineY), 0);

    const BoatRecord& s = DefaultRecord(SAILBOAT, true);
    EXPECT_EQ(s.hullOutlineWidestIndex, 62);
    EXPECT_NEAR(s.hullOutlineX[62], 0.43, 0.01);
    EXPECT_NEAR(s.hullOutlineY[62], -0.5, ROUNDING);
    EXPECT_NEAR(s.hullOutlineY[0], -0.19, 0.01);  // the narrow stern

    EXPECT_EQ(DefaultRecord(HOUSEBOAT, true).hullOutlineWidestIndex, 0);
}

// The Houseboat's plan is fixed: straight sides, then a blunt bow in the last
// 2 % of the length. Normalising moves the stern centre to 0 and keeps the bow
// tip at 1, so distances from the bow keep their proportions.
TEST(HullOutline, HouseboatFixedPlan) {
    const BoatRecord& h = DefaultRecord(HOUSEBOAT, true);
    const double* X = h.hullOutlineX;
    const double* Y = h.hullOutlineY;
    for (int i = 0; i <= 133; ++i) EXPECT_NEAR(Y[i], -0.5, ROUNDING) << i;
    for (int i = 1; i <= 133; ++i) EXPECT_NEAR(X[i] - X[i - 1], X[1] - X[0], 1e-12) << i;
    EXPECT_GT(X[1], X[0]);
    EXPECT_GT(X[134], 0.98);
    const double bowRun = 1 - X[134];  // 0.011 of the plan
    EXPECT_NEAR((1 - X[133]) / bowRun, (1 - 0.986) / 0.011, 1e-9);
    EXPECT_NEAR((1 - X[135]) / bowRun, 0.009 / 0.011, 1e-12);
    EXPECT_NEAR((1 - X[137]) / bowRun, 0.007 / 0.011, 1e-12);
    EXPECT_NEAR((1 - X[198]) / bowRun, 0.007 / 62 / 0.011, 1e-12);
    const double halfWidths[4] = {0.001, 0.002, 0.004, 0.007};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(Y[134 + i], halfWidths[i] - 0.5, ROUNDING);
    for (int i = 138; i <= 199; ++i)  // equal steps round the bow
        EXPECT_NEAR(Y[i] - Y[i - 1], 0.493 / 62, 1e-12) << i;
}

TEST(BuildHullOutline, AppliesDefaultsOnlyWhenNoBoatIsPresent) {
    static CKLVNDoc doc;
    ClearDocument(doc);
    doc.settings.currentBoatType = SAILBOAT;
    BuildHullOutline(doc, true);
    EXPECT_TRUE(doc.boatPresent);
    EXPECT_STREQ(doc.boat.boatName, "New_Sailboat");
    EXPECT_EQ(doc.boat.startY, 0.0);  // the live boat had no length yet
    EXPECT_EQ(doc.boat.hullOutlineWidestIndex, 62);

    // A boat in place is kept, whatever the current type says.
    std::strcpy(doc.boat.boatName, "Kittiwake");
    doc.settings.currentBoatType = HOUSEBOAT;
    BuildHullOutline(doc, true);
    EXPECT_STREQ(doc.boat.boatName, "Kittiwake");
    EXPECT_EQ(doc.boat.boatType, SAILBOAT);

    // A boat command clears the flag: only the type and the shape follow.
    doc.boatPresent = false;
    BuildHullOutline(doc, false);
    EXPECT_TRUE(doc.boatPresent);
    EXPECT_STREQ(doc.boat.boatName, "Kittiwake");
    EXPECT_EQ(doc.boat.boatType, HOUSEBOAT);
    EXPECT_EQ(doc.boat.beam, 11.2);
    EXPECT_EQ(doc.boat.hullShapeCoefficients[5], 10.0);
    EXPECT_EQ(doc.boat.hullOutlineWidestIndex, 0);
    EXPECT_EQ(doc.boat.meshVertexCount, 2);  // the houseboat's mesh was built too
}
