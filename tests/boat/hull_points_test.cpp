#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "boat/boat_mesh.h"
#include "boat/boat_record_bytes.h"
#include "common/constants.h"
#include "default_boat.h"

namespace {
constexpr double ROUNDING = 1e-9;
}  // namespace

// Points in feet about the centre of gravity, the sentinel closing the loop,
// unit inward normals with their lever arms, and no non-finite number anywhere.
TEST(HullPoints, FollowTheOutlineWithInwardNormals) {
    for (int type : BOAT_TYPES) {
        const BoatRecord& b = DocumentWithDefaultBoat(type).boat;
        const double G = b.centerOfGravityFromTransom;
        SCOPED_TRACE(type);
        for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
            const HullPoint& p = b.hullPoints[k];
            const HullNormal& n = b.hullNormals[k];
            EXPECT_DOUBLE_EQ(p.x, b.hullOutlineY[k] * b.beam) << k;
            EXPECT_DOUBLE_EQ(p.y, b.hullOutlineX[k] * b.lengthOverall - G) << k;
            EXPECT_TRUE(p.theta >= 0.0 && p.theta < PI_2) << k;
            EXPECT_NEAR(p.r * p.cosTheta, p.x, ROUNDING) << k;
            EXPECT_NEAR(p.r * p.sinTheta, p.y, ROUNDING) << k;
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

        const auto* bytes = reinterpret_cast<const unsigned char*>(&b);
        for (std::size_t s = 0; s < BOAT_FIELD_SPAN_COUNT; ++s) {
            const FieldSpan& span = BOAT_FIELD_SPANS[s];
            for (std::uint32_t e = 0; span.width == 8 && e < span.count; ++e) {
                double value;  // every 8-byte field is a double
                std::memcpy(&value, bytes + span.offset + 8 * e, sizeof value);
                EXPECT_TRUE(std::isfinite(value)) << "offset " << span.offset + 8 * e;
            }
        }
    }
}

TEST(HullPoints, ScaleTheMeshSetTheTopHeightAndPlaceTheIndicators) {
    const CKLVNDoc& mDoc = DocumentWithDefaultBoat(MOTORBOAT);
    const BoatRecord& m = mDoc.boat;
    EXPECT_DOUBLE_EQ(m.meshVertices[0][MESH_LONGITUDINAL], 0.2385 * 35 - 23.45);
    EXPECT_DOUBLE_EQ(m.meshVertices[1][MESH_LATERAL], 0.3793 * 12.75);
    EXPECT_DOUBLE_EQ(m.boatTopHeight, 3.3162 * 3 + 1.0);
    EXPECT_LT(m.rudderDrawPoint[1], m.propDrawPoints[0][1]);
    EXPECT_EQ(m.thrusterDrawPoint[1], mDoc.mooring.dockLines[3].cleatY);
    EXPECT_DOUBLE_EQ(m.thrusterDrawPoint[3], 0.25 * (m.hullPoints[221].x - m.hullPoints[177].x));
    const BoatRecord& s = DocumentWithDefaultBoat(SAILBOAT).boat;
    EXPECT_NEAR(s.boatTopHeight, 1.71 + 3 + 1.7, ROUNDING);  // mast step + deck + rig
    EXPECT_DOUBLE_EQ(s.sailRigAngles[2], 0.0143 * 35);
    const BoatRecord& h = DocumentWithDefaultBoat(HOUSEBOAT).boat;
    EXPECT_EQ(h.boatTopHeight, 1.5 + 15.0);
    EXPECT_TRUE(h.propDrawPoints[0][0] == -2.8 && h.propDrawPoints[1][0] == 2.8);
}
