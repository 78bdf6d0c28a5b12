#include <cmath>

#include "boat/boat_defaults.h"
#include "boat/boat_mesh.h"
#include "boat/hull_model.h"
#include "common/angles.h"
#include "common/constants.h"
#include "docks/dock_lines.h"
#include "document/document.h"

// The hull in feet in the body frame (origin at the centre of gravity, x to
// starboard, y to the bow): the points that contact and the dock lines use,
// their inward normals, the scaled superstructure mesh and the points the
// drawing puts the control indicators at.

namespace {

constexpr int BOW_TIP = 199;
constexpr int STERN_CENTRE = 408;
constexpr int STERN_CORNER = 0;  // port

// Hull points of the cleats of dock lines 3 and 5 (the forward quarters,
// where the bow thruster sits between them), by boat type.
constexpr int FORWARD_QUARTER_CLEATS[3][2] = {{177, 221}, {177, 221}, {133, 265}};

// Top of the drawn boat above its highest mesh vertex, ft, by type.
constexpr double MOTORBOAT_TOP_ABOVE_MESH = 1.0;
constexpr double SAILBOAT_TOP_ABOVE_MESH = 1.7;
constexpr double HOUSEBOAT_TOP_ABOVE_DECK = 15.0;

constexpr double SAIL_RIG_SIZE_PER_LENGTH = 0.0143;

double AngleIn0To2Pi(double a) {
    while (a < 0) a += PI_2;
    return a;
}

HullPoint MakeHullPoint(double x, double y) {
    HullPoint p;
    p.x = x;
    p.y = y;
    p.r = std::sqrt(x * x + y * y);
    p.theta = AngleIn0To2Pi(std::atan2(y, x));
    // A point at the centre of gravity itself has no direction; call it abeam.
    p.sinTheta = p.r > 0 ? y / p.r : 0.0;
    p.cosTheta = p.r > 0 ? x / p.r : 1.0;
    return p;
}

void BuildPointTable(BoatRecord& r) {
    const double L = r.lengthOverall;
    const double B = r.beam;
    const double G = r.centerOfGravityFromTransom;
    const double cabinStartY = r.meshCabinStart * L - G;
    bool cabinStartFound = false;
    r.meshCabinStartPoint = 0;
    for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
        r.hullPoints[k] = MakeHullPoint(r.hullOutlineY[k] * B, r.hullOutlineX[k] * L - G);
        if (!cabinStartFound && r.hullPoints[k].y >= cabinStartY) {
            r.meshCabinStartPoint = k;
            cabinStartFound = true;
        }
    }
    r.hullPoints[HULL_OUTLINE_POINTS] = r.hullPoints[0];  // sentinel: the loop closes
}

// The normal at point k is perpendicular to the chord from its predecessor to
// its successor and is turned to point back towards the centre of gravity.
HullNormal MakeHullNormal(const HullPoint& before, const HullPoint& at, const HullPoint& after) {
    HullNormal n;
    n.alpha = AngleIn0To2Pi(std::atan2(before.x - after.x, after.y - before.y));
    const double sx = at.x > 0 ? -1.0 : 1.0;
    const double sy = at.y > 0 ? -1.0 : 1.0;
    n.nx = std::fabs(std::cos(n.alpha)) * sx;
    n.ny = std::fabs(std::sin(n.alpha)) * sy;

    // Distance from the centre of gravity to the line of action through the
    // point along the normal, signed by the quadrant the point lies in.
    const double slope = std::tan(n.alpha);
    double distance;
    if (std::isfinite(slope))
        distance = std::fabs(at.y - slope * at.x) / std::sqrt(1 + slope * slope);
    else
        distance = std::fabs(at.x);
    n.leverArm = distance * SignOf(at.x * at.y);
    return n;
}

void BuildNormalTable(BoatRecord& r) {
    const int n = HULL_OUTLINE_POINTS;
    for (int k = 0; k < n; ++k) {
        const HullPoint& before = r.hullPoints[(k + n - 1) % n];
        const HullPoint& after = r.hullPoints[(k + 1) % n];
        r.hullNormals[k] = MakeHullNormal(before, r.hullPoints[k], after);
    }
    // Bow tip and stern centre lie on the centreline: push straight aft and forward.
    r.hullNormals[BOW_TIP] = HullNormal{0, -1, PI_15, 0};
    r.hullNormals[STERN_CENTRE] = HullNormal{0, 1, PI_05, 0};
    r.hullNormal0Copy[0] = r.hullNormals[0].nx;
    r.hullNormal0Copy[1] = r.hullNormals[0].ny;
    r.hullNormal0Copy[2] = r.hullNormals[0].alpha;
}

void ScaleToFeet(const BoatRecord& r, double (&v)[3]) {
    v[MESH_LATERAL] *= r.beam;
    v[MESH_LONGITUDINAL] = v[MESH_LONGITUDINAL] * r.lengthOverall - r.centerOfGravityFromTransom;
    v[MESH_HEIGHT] *= r.freeboardHeight;
}

int MeshVertexCount(const BoatRecord& r) {
    int count = r.meshVertexCount;
    if (count < 0) count = 0;
    if (count > MESH_MAX_VERTICES) count = MESH_MAX_VERTICES;
    return count;
}

// The sail rig: its chainplate points in feet, the angle of the line they
// lie on (port side a, starboard side 180 - a, degrees) and a drawing size.
void ScaleSailRig(BoatRecord& r) {
    for (int p = 0; p < SAILBOAT_RIG_POINTS; ++p) ScaleToFeet(r, r.sailRigPoints[p]);
    const double* first = r.sailRigPoints[0];
    const double* last = r.sailRigPoints[SAILBOAT_RIG_POINTS - 1];
    const double a = std::atan2(last[MESH_LONGITUDINAL] - first[MESH_LONGITUDINAL],
                                last[MESH_LATERAL] - first[MESH_LATERAL]) *
                     RAD_TO_DEG;
    r.sailRigAngles[0] = a;
    r.sailRigAngles[1] = 180 - a;
    r.sailRigAngles[2] = SAIL_RIG_SIZE_PER_LENGTH * r.lengthOverall;
}

void ScaleMesh(BoatRecord& r) {
    const int count = MeshVertexCount(r);
    double top = r.freeboardHeight;  // an empty mesh is just the deck
    for (int v = 0; v < count; ++v) {
        ScaleToFeet(r, r.meshVertices[v]);
        if (v == 0 || r.meshVertices[v][MESH_HEIGHT] > top) top = r.meshVertices[v][MESH_HEIGHT];
    }
    switch (r.boatType) {
        case SAILBOAT:
            r.boatTopHeight = top + SAILBOAT_TOP_ABOVE_MESH;
            ScaleSailRig(r);
            break;
        case HOUSEBOAT:
            r.boatTopHeight = r.freeboardHeight + HOUSEBOAT_TOP_ABOVE_DECK;
            break;
        default:
            r.boatTopHeight = top + MOTORBOAT_TOP_ABOVE_MESH;
            break;
    }
}

// The aft end of the superstructure (its aftmost mesh vertex), ft.
double AftMeshY(const BoatRecord& r) {
    const int count = MeshVertexCount(r);
    double y = r.hullPoints[STERN_CORNER].y;
    for (int v = 0; v < count; ++v)
        if (v == 0 || r.meshVertices[v][MESH_LONGITUDINAL] < y)
            y = r.meshVertices[v][MESH_LONGITUDINAL];
    return y;
}

void SetDrawPoint(double (&point)[4], double x, double y, double z, double size) {
    point[0] = x;
    point[1] = y;
    point[2] = z;
    point[3] = size;
}

// Where the drawing shows the engines, the rudder and the thruster.
void SetDrawingPoints(BoatRecord& r) {
    const double deck = r.freeboardHeight;
    const double aftMesh = AftMeshY(r);
    const bool twin = r.engineCount == 2;
    const double engineBar = 0.1 * r.lengthOverall;  // full power
    SetDrawPoint(r.propDrawPoints[0], twin ? r.portPropOffset : 0, aftMesh, deck, engineBar);
    SetDrawPoint(r.propDrawPoints[1], twin ? r.propDistFromCL : 0, aftMesh, deck, engineBar);

    const double rudderY = 0.5 * (r.hullPoints[STERN_CORNER].y + aftMesh);
    SetDrawPoint(r.rudderDrawPoint, 0, rudderY, deck, 0.25 * r.beam);  // hard over

    const int* cleat = FORWARD_QUARTER_CLEATS[BoatTypeTableIndex(r.boatType)];
    const HullPoint& port = r.hullPoints[cleat[0]];
    const HullPoint& starboard = r.hullPoints[cleat[1]];
    SetDrawPoint(r.thrusterDrawPoint, 0, port.y, deck, 0.25 * std::fabs(starboard.x - port.x));
}

}  // namespace

void BuildHullPoints(CKLVNDoc& doc) {
    BoatRecord& r = doc.boat;
    BuildPointTable(r);
    BuildNormalTable(r);
    ScaleMesh(r);
    r.hullBuildZeros[0] = 0;
    r.hullBuildZeros[1] = 0;
    SetUpLines(doc);
    SetDrawingPoints(r);
}
