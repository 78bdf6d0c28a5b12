#include "boat/boat_mesh.h"

#include "boat/hull_model.h"

// The superstructure of each boat type as a small mesh in normalised units:
// lateral as a fraction of the beam, longitudinal as a fraction of the length
// from the stern, height as a multiple of the freeboard (1.0 is the deck).

namespace {

constexpr double MOTORBOAT_VERTICES[MOTORBOAT_MESH_VERTICES][3] = {
    {0.0, 0.2385, 3.3162},     {0.3793, 0.2417, 3.0904},  {0.407, 0.5405, 3.0395},
    {0.217, 0.558, 3.1855},    {0.407, 0.5914, 1.6776},   {0.217, 0.6089, 1.8232},
    {0.3348, 0.7949, 1.6763},  {0.0, 0.8108, 1.7473},     {0.3196, 0.8124, 1.0},
    {0.0, 0.8331, 1.0},        {-0.3793, 0.2417, 3.0904}, {-0.407, 0.5405, 3.0395},
    {-0.217, 0.558, 3.1855},   {-0.407, 0.5914, 1.6776},  {-0.217, 0.6089, 1.8232},
    {-0.3348, 0.7949, 1.6763}, {-0.3196, 0.8124, 1.0},    {0.1628, 0.5654, 3.0152},
    {0.1628, 0.6035, 1.9935},  {0.0271, 0.6035, 1.9935},  {0.0271, 0.5654, 3.0152},
    {-0.0271, 0.5654, 3.0152}, {-0.0271, 0.6035, 1.9935}, {-0.1628, 0.6035, 1.9935},
    {-0.1628, 0.5654, 3.0152}, {0.3833, 0.55, 2.8693},    {0.3833, 0.5883, 1.8478},
    {0.2408, 0.6013, 1.9935},  {0.2408, 0.5632, 3.0152},  {-0.2408, 0.5632, 3.0152},
    {-0.2408, 0.6013, 1.9935}, {-0.3833, 0.5883, 1.8478}, {-0.3833, 0.55, 2.8693},
    {0.3793, 0.2417, 1.0},     {0.3793, 0.2385, 0.3},     {0.367, 0.0366, 0.3},
    {0.367, 0.0366, 1.0},      {-0.367, 0.0366, 1.0},     {-0.367, 0.0366, 0.3},
    {-0.3793, 0.2385, 0.3},    {-0.3793, 0.2417, 1.0},
};

// Face-list entries; KEEP marks entries this mesh does not use, which keep
// whatever the record held.
constexpr int KEEP = -1;
constexpr int MOTORBOAT_FACES[MESH_FACE_ENTRIES] = {
    11, 10, 12, 0,  3,  1,  2,  2,    1,    0,    10, 11, KEEP, KEEP, 2,  4,  3,  5,  12, 14, 11,
    13, 21, 22, 23, 24, 17, 18, 19,   20,   29,   30, 31, 32,   25,   26, 27, 28, 4,  6,  5,  7,
    14, 15, 13, 4,  6,  15, 13, KEEP, KEEP, KEEP, 6,  8,  7,    9,    15, 16, 33, 34, 35, 36, 37,
    38, 39, 40, 33, 40, 39, 34, 37,   36,   35,   38, 34, 39,   38,   35, 33, 40, 37, 36,
};
constexpr int MOTORBOAT_CABIN_START_VERTEX = 40;

constexpr int SAILBOAT_STATIONS[MESH_STATION_COUNT] = {408, 5, 28, 60, 144};
constexpr int SAILBOAT_EXTRA_STATION = 95;
constexpr int SAILBOAT_FIRST_FACE = 58;
constexpr int SAILBOAT_COCKPIT_FORWARD_VERTEX = 23;  // the cabin's aft block ends here
constexpr double SAILBOAT_MAST_STEP_HEIGHT = 1.71;   // ft above the deck
constexpr int HOUSEBOAT_STATIONS[MESH_STATION_COUNT] = {408, 23, 65, 120, 128};

void SetVertex(BoatRecord& r, int v, double lateral, double longitudinal, double height) {
    r.meshVertices[v][MESH_LATERAL] = lateral;
    r.meshVertices[v][MESH_LONGITUDINAL] = longitudinal;
    r.meshVertices[v][MESH_HEIGHT] = height;
}

void SetStations(BoatRecord& r, const int (&stations)[MESH_STATION_COUNT]) {
    for (int s = 0; s < MESH_STATION_COUNT; ++s)
        r.meshStations[MESH_STATION_FIRST + s] = stations[s];
}

void BuildMotorboatMesh(BoatRecord& r) {
    for (int v = 0; v < MOTORBOAT_MESH_VERTICES; ++v)
        SetVertex(r, v, MOTORBOAT_VERTICES[v][0], MOTORBOAT_VERTICES[v][1],
                  MOTORBOAT_VERTICES[v][2]);
    for (int f = 0; f < MESH_FACE_ENTRIES; ++f)
        if (MOTORBOAT_FACES[f] != KEEP) r.meshFaces[f] = MOTORBOAT_FACES[f];
    r.meshVertexCount = MOTORBOAT_MESH_VERTICES;
    r.meshCabinStart = MOTORBOAT_VERTICES[MOTORBOAT_CABIN_START_VERTEX][MESH_LONGITUDINAL];
}

// The cabin outline follows the hull at 0.66 of the local half-width; five of
// its points carry the rig (shrouds and chainplates) for the drawing.
int BuildSailboatCabinOutline(BoatRecord& r) {
    const int* st = SAILBOAT_STATIONS;
    const int w = (st[4] - (st[2] + 2)) / 5;  // spacing of the rig stations
    int rigStation[SAILBOAT_RIG_POINTS];
    for (int n = 0; n < SAILBOAT_RIG_POINTS; ++n) {
        rigStation[n] = w / 2 - 5 + 30 + n * w;
        r.meshStations[MESH_RIG_STATION_FIRST + n] = rigStation[n];
    }
    int rig = 0;
    int v = 0;
    for (int i = SAILBOAT_CABIN_FIRST_POINT; i <= SAILBOAT_CABIN_LAST_POINT; ++i, ++v) {
        const double lateral = 0.66 * r.hullOutlineY[i];
        SetVertex(r, v, lateral, r.hullOutlineX[i], 1.0);
        if (rig < SAILBOAT_RIG_POINTS && i == rigStation[rig] + SAILBOAT_CABIN_FIRST_POINT) {
            r.sailRigPoints[rig][MESH_LATERAL] = lateral;
            r.sailRigPoints[rig][MESH_LONGITUDINAL] = r.hullOutlineX[i];
            r.sailRigPoints[rig][MESH_HEIGHT] = 1.0;
            ++rig;
        }
    }
    return v;
}

void BuildSailboatMesh(BoatRecord& r) {
    SetStations(r, SAILBOAT_STATIONS);
    r.meshStations[MESH_SAIL_EXTRA_STATION] = SAILBOAT_EXTRA_STATION;

    const int c = BuildSailboatCabinOutline(r);  // 140 vertices
    r.meshStations[MESH_OUTLINE_LOOP_COUNT] = c;

    // The corners of the cabin's aft block (the cockpit well), from the
    // outline vertices 0 and 23 and their mirror images.
    const int f = SAILBOAT_COCKPIT_FORWARD_VERTEX;
    const double x0 = r.meshVertices[0][0], y0 = r.meshVertices[0][1];
    const double xf = r.meshVertices[f][0], yf = r.meshVertices[f][1];
    SetVertex(r, c, -xf, yf, 1.0);
    SetVertex(r, c + 1, -x0, y0, 1.0);
    SetVertex(r, c + 2, -xf, yf, 0.3);
    SetVertex(r, c + 3, -x0, y0, 0.3);
    SetVertex(r, c + 4, xf, yf, 0.3);
    SetVertex(r, c + 5, x0, y0, 0.3);
    const int blockFaces[24] = {c + 1, c + 3, c + 2, c,     f,     c + 4, c + 5, 0,
                                c + 2, c + 4, f,     c,     c + 5, c + 3, c + 1, 0,
                                c + 3, c + 5, c + 4, c + 2, c + 1, 0,     f,     c};
    for (int e = 0; e < 24; ++e) r.meshFaces[SAILBOAT_FIRST_FACE + e] = blockFaces[e];
    r.meshStations[MESH_CABIN_BLOCK_COUNT] = c + 6;

    // Mast step and coachroof hatch, 1.71 ft above the deck.
    const double freeboard = r.freeboardHeight > 0 ? r.freeboardHeight : 1.0;
    const double h = SAILBOAT_MAST_STEP_HEIGHT / freeboard + 1;
    const double y24 = r.meshVertices[24][1];
    const int m = c + 6;
    SetVertex(r, m, -0.1, 0.74, h);
    SetVertex(r, m + 1, 0.1, 0.74, h);
    SetVertex(r, m + 2, 0.1, 0.683, h);
    SetVertex(r, m + 3, -0.1, 0.683, h);
    SetVertex(r, m + 4, -0.15, y24 + 0.1001, h);
    SetVertex(r, m + 5, 0.15, y24 + 0.1001, h);
    SetVertex(r, m + 6, 0.15, y24, h);
    SetVertex(r, m + 7, -0.15, y24, h);
    r.meshVertexCount = m + 8;  // 154

    // The cabin proper starts at the forward end of the cockpit well.
    r.meshCabinStart = yf;
}

void BuildHouseboatMesh(BoatRecord& r) {
    SetStations(r, HOUSEBOAT_STATIONS);
    r.meshStations[MESH_OUTLINE_LOOP_COUNT] = 0;
    SetVertex(r, 0, -0.9 * r.hullOutlineY[2], r.hullOutlineX[2], 1.0);
    SetVertex(r, 1, -r.hullOutlineY[20], r.hullOutlineX[20], 1.0);
    r.meshVertexCount = 2;
    r.meshCabinStart = r.hullOutlineX[2];
}

}  // namespace

void BuildBoatMesh(BoatRecord& r) {
    for (int s = 0; s < MESH_STATION_ENTRIES; ++s) r.meshStations[s] = 0;
    switch (r.boatType) {
        case SAILBOAT:
            BuildSailboatMesh(r);
            break;
        case HOUSEBOAT:
            BuildHouseboatMesh(r);
            break;
        default:
            BuildMotorboatMesh(r);
            break;
    }
}
