#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "boat/boat_mesh.h"
#include "common/constants.h"
#include "default_boat.h"

namespace {
constexpr double ROUNDING = 1e-9;
constexpr double OUTLINE_ROUNDING = 1e-12;  // the normalised outline
}  // namespace

// Points in feet about the centre of gravity, the sentinel closing the loop,
// unit inward normals with their lever arms.
TEST(HullPoints, FollowTheOutlineWithInwardNormals) {
    for (int type : BOAT_TYPES) {
        const BoatRecord& b = DocumentWithDefaultBoat(type).boat;
        const double G = b.centerOfGravityFromTransom;
        SCOPED_TRACE(type);
        for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
            const HullPoint& p = b.hullPoints[k];
            const HullNormal& n = b.hullNormals[k];
            EXPECT_DOUBLE_EQ(p.y, b.hullOutlineX[k] * b.lengthOverall - G) << k;
            EXPECT_TRUE(p.theta >= 0.0 && p.theta < PI_2) << k;
            EXPECT_NEAR(p.r * p.cosTheta, p.x, ROUNDING) << k;
            EXPECT_NEAR(n.nx * n.nx + n.ny * n.ny, 1.0, ROUNDING) << k;
            EXPECT_TRUE(n.nx * p.x <= 0.0 && n.ny * p.y <= 0.0) << k;
            if (k == 199 || k == 408) continue;
            // Square to the chord through the neighbours; the lever arm is the
            // distance of the line of action through the point from the centre.
            const HullPoint& before = b.hullPoints[(k + 417) % 418];
            const HullPoint& after = b.hullPoints[(k + 1) % 418];
            const double chord = std::hypot(after.x - before.x, after.y - before.y);
            EXPECT_NEAR(std::fabs(n.nx), std::fabs(after.y - before.y) / chord, ROUNDING) << k;
            EXPECT_NEAR(std::fabs(std::cos(n.alpha)), std::fabs(n.nx), ROUNDING) << k;
            const double arm = p.x * std::sin(n.alpha) - p.y * std::cos(n.alpha);
            EXPECT_NEAR(std::fabs(n.leverArm), std::fabs(arm), ROUNDING) << k;
            EXPECT_EQ(std::signbit(n.leverArm), p.x * p.y < 0) << k;
        }
        EXPECT_EQ(std::memcmp(&b.hullPoints[418], &b.hullPoints[0], sizeof(HullPoint)), 0);
        EXPECT_NEAR(b.hullPoints[199].y, b.lengthOverall - G, ROUNDING);
        const HullNormal& bow = b.hullNormals[199];
        const HullNormal& stern = b.hullNormals[408];
        EXPECT_TRUE(bow.nx == 0 && bow.ny == -1 && bow.alpha == PI_15 && bow.leverArm == 0);
        EXPECT_TRUE(stern.nx == 0 && stern.ny == 1 && stern.alpha == PI_05 && stern.leverArm == 0);

        const int cabin = b.meshCabinStartPoint;
        const double cabinY = b.meshCabinStart * b.lengthOverall - G;
        EXPECT_TRUE(cabin > 0 && b.hullPoints[cabin].y >= cabinY &&
                    b.hullPoints[cabin - 1].y < cabinY);
    }
}

// The height of each type's top (the camera stays clear of it) and where the
// control indicators are drawn.
TEST(HullPoints, TopHeightsAndIndicatorPlaces) {
    const CKLVNDoc& mDoc = DocumentWithDefaultBoat(MOTORBOAT);
    const BoatRecord& m = mDoc.boat;
    EXPECT_DOUBLE_EQ(m.boatTopHeight, 3.3162 * 3 + 1.0);
    EXPECT_DOUBLE_EQ(m.meshVertices[1][MESH_LATERAL], 0.3793 * 12.75);
    EXPECT_LT(m.rudderDrawPoint[1], m.propDrawPoints[0][1]);
    EXPECT_EQ(m.thrusterDrawPoint[1], mDoc.mooring.dockLines[3].cleatY);
    EXPECT_NEAR(DocumentWithDefaultBoat(SAILBOAT).boat.boatTopHeight, 1.71 + 3 + 1.7, ROUNDING);
    const BoatRecord& h = DocumentWithDefaultBoat(HOUSEBOAT).boat;
    EXPECT_EQ(h.boatTopHeight, 1.5 + 15.0);
    EXPECT_TRUE(h.propDrawPoints[0][0] == -2.8 && h.propDrawPoints[1][0] == 2.8);
}

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
        EXPECT_NEAR(Y[widest[type]], -0.5, OUTLINE_ROUNDING);
        EXPECT_TRUE(std::fabs(X[199] - 1) + std::fabs(Y[199]) + std::fabs(Y[408]) <
                    OUTLINE_ROUNDING);
        EXPECT_EQ(X[408], 0.0);
        for (int j = 0; j < 199; ++j) {
            EXPECT_EQ(X[398 - j], X[j]) << j;
            EXPECT_NEAR(Y[398 - j], -Y[j], OUTLINE_ROUNDING) << j;
            EXPECT_TRUE(X[j] >= 0 && X[j] <= 1 && std::fabs(Y[j]) <= 0.5 + OUTLINE_ROUNDING) << j;
        }
        for (int k = 0; k < 9; ++k) {  // transom arc 399 ... 417 about its centre 408
            EXPECT_NEAR(Y[399 + k], -Y[417 - k], OUTLINE_ROUNDING);
            EXPECT_TRUE(Y[399 + k] > Y[400 + k] && Y[399 + k] <= 0.5 &&
                        X[399 + k] >= -OUTLINE_ROUNDING);
        }
    }
    EXPECT_NEAR(DefaultRecord(MOTORBOAT, true).hullOutlineX[118], 0.6, 0.02);
    EXPECT_NEAR(DefaultRecord(SAILBOAT, true).hullOutlineX[62], 0.43, 0.01);
}

// Straight sides, then a blunt bow in the last 2 % of the plan.
TEST(HullOutline, HouseboatFixedPlan) {
    const BoatRecord& h = DefaultRecord(HOUSEBOAT, true);
    const double* X = h.hullOutlineX;
    const double* Y = h.hullOutlineY;
    for (int i = 1; i <= 133; ++i) EXPECT_NEAR(Y[i], -0.5, OUTLINE_ROUNDING) << i;
    EXPECT_NEAR((1 - X[133]) / (1 - X[134]), (1 - 0.986) / 0.011, 1e-9);
    const double halfWidths[4] = {0.001, 0.002, 0.004, 0.007};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(Y[134 + i], halfWidths[i] - 0.5, OUTLINE_ROUNDING);
    for (int i = 138; i <= 199; ++i) EXPECT_NEAR(Y[i] - Y[i - 1], 0.493 / 62, 1e-12) << i;
}

// A boat in place is kept; a boat command changes only the type and the shape.
TEST(BuildHullOutline, AppliesDefaultsOnlyWhenNoBoatIsPresent) {
    CKLVNDoc& doc = DocumentWithDefaultBoat(SAILBOAT);
    std::strcpy(doc.boat.boatName, "Kittiwake");
    doc.settings.currentBoatType = HOUSEBOAT;
    BuildHullOutline(doc, true);
    EXPECT_EQ(doc.boat.boatType, SAILBOAT);
    doc.boatPresent = false;
    BuildHullOutline(doc, false);
    EXPECT_STREQ(doc.boat.boatName, "Kittiwake");
    EXPECT_TRUE(doc.boat.boatType == HOUSEBOAT && doc.boat.beam == 11.2);
    EXPECT_EQ(doc.boat.meshVertexCount, 2);
}
