#include <gtest/gtest.h>

#include <cstring>

#include "boat/boat_defaults.h"
#include "boat/hull_model.h"
#include "default_boat.h"

namespace {

constexpr double ROUNDING = 1e-12;

BoatRecord& OutlineOfDefaultBoat(int type) {
    static BoatRecord boat;
    std::memset(&boat, 0, sizeof boat);
    ApplyBoatDefaults(boat, type, true, 35);
    BuildOutline(boat);
    return boat;
}

}  // namespace

TEST(HullOutline, BowTipAndSternCentreSitOnTheCentrelineForEveryType) {
    for (int type : BOAT_TYPES) {
        const BoatRecord& b = OutlineOfDefaultBoat(type);
        EXPECT_NEAR(b.hullOutlineX[199], 1.0, ROUNDING) << type;
        EXPECT_NEAR(b.hullOutlineY[199], 0.0, ROUNDING) << type;
        EXPECT_EQ(b.hullOutlineX[408], 0.0) << type;
        EXPECT_NEAR(b.hullOutlineY[408], 0.0, ROUNDING) << type;
    }
}

TEST(HullOutline, StarboardSideAndTransomMirrorThePortSide) {
    for (int type : BOAT_TYPES) {
        const BoatRecord& b = OutlineOfDefaultBoat(type);
        for (int j = 0; j < 199; ++j) {
            EXPECT_EQ(b.hullOutlineX[398 - j], b.hullOutlineX[j]) << type << " point " << j;
            EXPECT_NEAR(b.hullOutlineY[398 - j], -b.hullOutlineY[j], ROUNDING) << type << " " << j;
            EXPECT_LE(b.hullOutlineY[j], 0.0) << "port side, type " << type << " point " << j;
        }
        for (int k = 0; k < 9; ++k) {  // transom arc 399 ... 417 about its centre 408
            EXPECT_NEAR(b.hullOutlineX[399 + k], b.hullOutlineX[417 - k], ROUNDING) << type;
            EXPECT_NEAR(b.hullOutlineY[399 + k], -b.hullOutlineY[417 - k], ROUNDING) << type;
            EXPECT_GT(b.hullOutlineY[399 + k], b.hullOutlineY[400 + k]) << type;  // runs to port
        }
    }
}

TEST(HullOutline, StaysWithinTheNormalisedBox) {
    for (int type : BOAT_TYPES) {
        const BoatRecord& b = OutlineOfDefaultBoat(type);
        for (int i = 0; i < HULL_OUTLINE_POINTS; ++i) {
            EXPECT_GE(b.hullOutlineX[i], -ROUNDING) << type << " " << i;
            EXPECT_LE(b.hullOutlineX[i], 1.0 + ROUNDING) << type << " " << i;
            EXPECT_GE(b.hullOutlineY[i], -0.5 - ROUNDING) << type << " " << i;
            EXPECT_LE(b.hullOutlineY[i], 0.5 + ROUNDING) << type << " " << i;
        }
    }
}

TEST(HullOutline, WidestPointByType) {
    const BoatRecord& m = OutlineOfDefaultBoat(MOTORBOAT);
    EXPECT_EQ(m.hullOutlineWidestIndex, 118);
    EXPECT_NEAR(m.hullOutlineX[118], 0.6, 0.02);
    EXPECT_NEAR(m.hullOutlineY[118], -0.5, ROUNDING);

    const BoatRecord& s = OutlineOfDefaultBoat(SAILBOAT);
    EXPECT_EQ(s.hullOutlineWidestIndex, 62);
    EXPECT_NEAR(s.hullOutlineX[62], 0.43, 0.01);
    EXPECT_NEAR(s.hullOutlineY[62], -0.5, ROUNDING);
    EXPECT_NEAR(s.hullOutlineY[0], -0.19, 0.01);  // the narrow stern
    EXPECT_NEAR(s.hullOutlineY[398], 0.19, 0.01);

    const BoatRecord& h = OutlineOfDefaultBoat(HOUSEBOAT);
    EXPECT_EQ(h.hullOutlineWidestIndex, 0);
}

TEST(HullOutline, HouseboatIsStraightSidedWithABluntBow) {
    const BoatRecord& h = OutlineOfDefaultBoat(HOUSEBOAT);
    for (int i = 0; i <= 133; ++i) EXPECT_NEAR(h.hullOutlineY[i], -0.5, ROUNDING) << i;
    for (int i = 1; i <= 133; ++i) EXPECT_GT(h.hullOutlineX[i], h.hullOutlineX[i - 1]) << i;
    EXPECT_GT(h.hullOutlineX[134], 0.98);  // the bow starts within the last 2 % of length
    for (int i = 134; i < 199; ++i) EXPECT_GT(h.hullOutlineY[i + 1], h.hullOutlineY[i]) << i;
}

// The Houseboat's plan is fixed. Normalising moves the stern centre to 0 and
// keeps the bow tip at 1, so distances from the bow keep their proportions
// and the half-widths (a full width of 1) keep their values.
TEST(HullOutline, HouseboatFixedPlanPoints) {
    const BoatRecord& h = OutlineOfDefaultBoat(HOUSEBOAT);
    const double* X = h.hullOutlineX;
    const double* Y = h.hullOutlineY;
    const double bowRun = 1 - X[134];  // 0.011 of the plan
    EXPECT_NEAR((1 - X[133]) / bowRun, (1 - 0.986) / 0.011, 1e-9);
    EXPECT_NEAR((1 - X[135]) / bowRun, 0.009 / 0.011, 1e-12);
    EXPECT_NEAR((1 - X[136]) / bowRun, 0.008 / 0.011, 1e-12);
    EXPECT_NEAR((1 - X[137]) / bowRun, 0.007 / 0.011, 1e-12);
    EXPECT_NEAR((1 - X[198]) / bowRun, 0.007 / 62 / 0.011, 1e-12);
    EXPECT_NEAR(Y[134], 0.001 - 0.5, ROUNDING);
    EXPECT_NEAR(Y[135], 0.002 - 0.5, ROUNDING);
    EXPECT_NEAR(Y[136], 0.004 - 0.5, ROUNDING);
    EXPECT_NEAR(Y[137], 0.007 - 0.5, ROUNDING);
    EXPECT_NEAR(Y[198], -0.493 / 62, ROUNDING);
    for (int i = 1; i <= 133; ++i)  // equal steps along the straight side
        EXPECT_NEAR(X[i] - X[i - 1], X[1] - X[0], 1e-12) << i;
    for (int i = 138; i <= 199; ++i)  // equal steps round the bow
        EXPECT_NEAR(Y[i] - Y[i - 1], 0.493 / 62, 1e-12) << i;
}

TEST(HullOutline, DependsOnlyOnTheTypeNotOnTheDimensions) {
    static BoatRecord small;
    static BoatRecord large;
    small = OutlineOfDefaultBoat(MOTORBOAT);
    large = small;
    large.lengthOverall = 60;
    large.beam = 18;
    BuildOutline(large);
    EXPECT_EQ(std::memcmp(small.hullOutlineX, large.hullOutlineX, sizeof small.hullOutlineX), 0);
    EXPECT_EQ(std::memcmp(small.hullOutlineY, large.hullOutlineY, sizeof small.hullOutlineY), 0);
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
