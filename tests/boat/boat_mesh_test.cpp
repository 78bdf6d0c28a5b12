#include "boat/boat_mesh.h"

#include <gtest/gtest.h>

#include "default_boat.h"

namespace {

constexpr int UNTOUCHED = 777;

// A default boat's mesh, built on a face list full of a marker.
BoatRecord& MeshOfDefaultBoat(int type) {
    BoatRecord& boat = DefaultRecord(type, true);
    for (int f = 0; f < MESH_FACE_ENTRIES; ++f) boat.meshFaces[f] = UNTOUCHED;
    BuildBoatMesh(boat);
    return boat;
}

void ExpectVertex(const BoatRecord& b, int v, double lateral, double longitudinal, double height) {
    EXPECT_DOUBLE_EQ(b.meshVertices[v][MESH_LATERAL], lateral) << "vertex " << v;
    EXPECT_DOUBLE_EQ(b.meshVertices[v][MESH_LONGITUDINAL], longitudinal) << "vertex " << v;
    EXPECT_DOUBLE_EQ(b.meshVertices[v][MESH_HEIGHT], height) << "vertex " << v;
}

}  // namespace

TEST(BoatMesh, MotorboatTableAndFaces) {
    const BoatRecord& b = MeshOfDefaultBoat(MOTORBOAT);
    EXPECT_EQ(b.meshVertexCount, 41);
    // A sample of the table: the bow, both sides, the cabin and the transom block.
    const struct {
        int v;
        double x, y, z;
    } table[] = {{0, 0.0, 0.2385, 3.3162},      {1, 0.3793, 0.2417, 3.0904},
                 {9, 0.0, 0.8331, 1.0},         {15, -0.3348, 0.7949, 1.6763},
                 {24, -0.1628, 0.5654, 3.0152}, {31, -0.3833, 0.5883, 1.8478},
                 {35, 0.367, 0.0366, 0.3},      {40, -0.3793, 0.2417, 1.0}};
    for (const auto& t : table) ExpectVertex(b, t.v, t.x, t.y, t.z);
    EXPECT_EQ(b.meshCabinStart, 0.2417);

    const int expected[MESH_FACE_ENTRIES] = {
        11, 10, 12, 0,  3,  1,  2,  2,  1,  0,  10, 11, -1, -1, 2,  4,  3,  5,  12, 14, 11,
        13, 21, 22, 23, 24, 17, 18, 19, 20, 29, 30, 31, 32, 25, 26, 27, 28, 4,  6,  5,  7,
        14, 15, 13, 4,  6,  15, 13, -1, -1, -1, 6,  8,  7,  9,  15, 16, 33, 34, 35, 36, 37,
        38, 39, 40, 33, 40, 39, 34, 37, 36, 35, 38, 34, 39, 38, 35, 33, 40, 37, 36};
    for (int f = 0; f < MESH_FACE_ENTRIES; ++f) {
        const int want = expected[f] < 0 ? UNTOUCHED : expected[f];
        EXPECT_EQ(b.meshFaces[f], want) << "face entry " << f;
    }
}

TEST(BoatMesh, SailboatCabinFollowsTheHull) {
    const BoatRecord& b = MeshOfDefaultBoat(SAILBOAT);
    const int stations[][2] = {{MESH_STATION_FIRST, 408},      {MESH_STATION_FIRST + 4, 144},
                               {MESH_SAIL_EXTRA_STATION, 95},  {MESH_RIG_STATION_FIRST + 4, 124},
                               {MESH_OUTLINE_LOOP_COUNT, 140}, {MESH_CABIN_BLOCK_COUNT, 146}};
    for (const auto& s : stations) EXPECT_EQ(b.meshStations[s[0]], s[1]) << s[0];
    EXPECT_EQ(b.sailRigPoints[4][1], b.hullOutlineX[124 + 5]);
    EXPECT_EQ(b.meshVertexCount, 154);

    for (int i = 5; i <= 144; ++i)
        ExpectVertex(b, i - 5, 0.66 * b.hullOutlineY[i], b.hullOutlineX[i], 1.0);
    // The aft block: corners from vertices 0 and 23 and their mirror images.
    const double x0 = b.meshVertices[0][0], y0 = b.meshVertices[0][1];
    const double x23 = b.meshVertices[23][0], y23 = b.meshVertices[23][1];
    ExpectVertex(b, 141, -x0, y0, 1.0);
    ExpectVertex(b, 144, x23, y23, 0.3);
    const int faces[24] = {141, 143, 142, 140, 23,  144, 145, 0,   142, 144, 23, 140,
                           145, 143, 141, 0,   143, 145, 144, 142, 141, 0,   23, 140};
    for (int e = 0; e < 24; ++e) EXPECT_EQ(b.meshFaces[58 + e], faces[e]) << 58 + e;
    for (int e = 0; e < 58; ++e) EXPECT_EQ(b.meshFaces[e], UNTOUCHED) << e;
    ExpectVertex(b, 146, -0.1, 0.74, 1.71 / 3 + 1);  // mast step 1.71 ft above a 3 ft deck
}

TEST(BoatMesh, HouseboatHasTwoDeckVertices) {
    const BoatRecord& b = MeshOfDefaultBoat(HOUSEBOAT);
    EXPECT_TRUE(b.meshStations[MESH_STATION_FIRST + 1] == 23 &&
                b.meshStations[MESH_STATION_FIRST + 4] == 128);
    EXPECT_TRUE(b.meshStations[MESH_OUTLINE_LOOP_COUNT] == 0 && b.meshVertexCount == 2);
    ExpectVertex(b, 0, -0.9 * b.hullOutlineY[2], b.hullOutlineX[2], 1.0);
    ExpectVertex(b, 1, -b.hullOutlineY[20], b.hullOutlineX[20], 1.0);
    for (int f = 0; f < MESH_FACE_ENTRIES; ++f) EXPECT_EQ(b.meshFaces[f], UNTOUCHED) << f;
}
