#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "default_boat.h"

namespace {
constexpr double ROUNDING = 1e-12;
}  // namespace

// Bow tip at (1, 0), stern centre at (0, 0), the starboard side and the
// transom mirror the port side, and everything lies in the normalised box.
TEST(HullOutline, EveryTypeIsSymmetricWithinTheUnitBox) {
    const int widest[3] = {118, 62, 0};
    for (int type : BOAT_TYPES) {
        const BoatRecord& b = DefaultRecord(type, true);
        const double* X = b.hullOutlineX;
        const double* Y = b.hullOutlineY;
        SCOPED_TRACE(type);
        EXPECT_EQ(b.hullOutlineWidestIndex, widest[type]);
        EXPECT_NEAR(Y[widest[type]], -0.5, ROUNDING);
        EXPECT_TRUE(std::fabs(X[199] - 1) + std::fabs(Y[199]) + std::fabs(Y[408]) < ROUNDING);
        EXPECT_EQ(X[408], 0.0);
        for (int j = 0; j < 199; ++j) {
            EXPECT_EQ(X[398 - j], X[j]) << j;
            EXPECT_NEAR(Y[398 - j], -Y[j], ROUNDING) << j;
        }
        for (int k = 0; k < 9; ++k) {  // transom arc 399 ... 417 about its centre 408
            EXPECT_NEAR(Y[399 + k], -Y[417 - k], ROUNDING);
            EXPECT_GT(Y[399 + k], Y[400 + k]);
        }
        for (int i = 0; i < HULL_OUTLINE_POINTS; ++i) {
            EXPECT_TRUE(X[i] >= -ROUNDING && X[i] <= 1 + ROUNDING &&
                        std::fabs(Y[i]) <= 0.5 + ROUNDING)
                << i;
        }
    }
    EXPECT_NEAR(DefaultRecord(MOTORBOAT, true).hullOutlineX[118], 0.6, 0.02);
    EXPECT_NEAR(DefaultRecord(SAILBOAT, true).hullOutlineX[62], 0.43, 0.01);

    // The outline depends only on the type, not on the dimensions.
    static BoatRecord m, large;
    m = DefaultRecord(MOTORBOAT, true);
    large = m;
    large.lengthOverall = 60;
    large.beam = 18;
    BuildOutline(large);
    EXPECT_EQ(std::memcmp(m.hullOutlineY, large.hullOutlineY, sizeof m.hullOutlineY), 0);
}

// Straight sides, then a blunt bow in the last 2 % of the plan.
TEST(HullOutline, HouseboatFixedPlan) {
    const BoatRecord& h = DefaultRecord(HOUSEBOAT, true);
    const double* X = h.hullOutlineX;
    const double* Y = h.hullOutlineY;
    for (int i = 1; i <= 133; ++i) EXPECT_NEAR(Y[i], -0.5, ROUNDING) << i;
    EXPECT_NEAR((1 - X[133]) / (1 - X[134]), (1 - 0.986) / 0.011, 1e-9);
    const double halfWidths[4] = {0.001, 0.002, 0.004, 0.007};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(Y[134 + i], halfWidths[i] - 0.5, ROUNDING);
    for (int i = 138; i <= 199; ++i) EXPECT_NEAR(Y[i] - Y[i - 1], 0.493 / 62, 1e-12) << i;
}

TEST(BuildHullOutline, AppliesDefaultsOnlyWhenNoBoatIsPresent) {
    static CKLVNDoc doc;
    ClearDocument(doc);
    doc.settings.currentBoatType = SAILBOAT;
    BuildHullOutline(doc, true);
    EXPECT_TRUE(doc.boatPresent);
    EXPECT_STREQ(doc.boat.boatName, "New_Sailboat");
    std::strcpy(doc.boat.boatName, "Kittiwake");
    doc.settings.currentBoatType = HOUSEBOAT;
    BuildHullOutline(doc, true);  // a boat in place is kept
    EXPECT_EQ(doc.boat.boatType, SAILBOAT);

    doc.boatPresent = false;  // a boat command: only the type and the shape follow
    BuildHullOutline(doc, false);
    EXPECT_STREQ(doc.boat.boatName, "Kittiwake");
    EXPECT_TRUE(doc.boat.boatType == HOUSEBOAT && doc.boat.beam == 11.2);
    EXPECT_EQ(doc.boat.meshVertexCount, 2);
}
