#include "document/document.h"
#include "render/boat_body.h"
#include "render/boat_mesh.h"
#include "render/gl_api.h"
#include "render/palette.h"
#include "render/primitives.h"
#include "render/scene.h"

// The motorboat: a deck around a cockpit well aft, and a hardtop cabin with a
// raked windscreen and a low foredeck cabin, all from the boat's mesh.

namespace {

// Mesh vertices of the cockpit well's corners at deck level (starboard side;
// the port corners are the same with the lateral position negated).
constexpr int COCKPIT_FRONT = 33;
constexpr int COCKPIT_AFT = 36;

constexpr double CABIN_WHITE[3] = {0.95, 0.95, 0.95};
constexpr double WELL_GREY[3] = {0.85, 0.85, 0.85};
constexpr double WINDOW_GREY[3] = {0.55, 0.55, 0.55};

// Entries of the face list: first entry and count of each part.
constexpr int ROOF = 0, ROOF_COUNT = 7;                 // triangle strip
constexpr int ROOF_EDGE = 7, ROOF_EDGE_COUNT = 5;       // line strip
constexpr int WINDSCREEN = 14, WINDSCREEN_COUNT = 8;    // quad strip
constexpr int WINDOWS = 22, WINDOWS_COUNT = 16;         // four quads
constexpr int FOREDECK = 38, FOREDECK_COUNT = 7;        // triangle strip
constexpr int SIDE_EDGES = 45, SIDE_EDGES_COUNT = 4;    // two lines
constexpr int FRONT_SLOPE = 52, FRONT_SLOPE_COUNT = 6;  // quad strip
constexpr int WELL = 58, WELL_COUNT = 20;               // five quads
constexpr int WELL_RIM = 78, WELL_RIM_COUNT = 4;        // one quad

void DrawDeck(const CKLVNDoc& doc) {
    const BoatRecord& b = doc.boat;
    SetColour(DECK_WHITE);
    int k = b.meshCabinStartPoint;  // first hull point beside the cockpit's front
    if (k < 1 || k > 198) {         // no usable mesh data: the whole deck in one piece
        DrawDeckPiece(doc, 0, HULL_OUTLINE_POINTS, 1.0, COCKPIT_AFT, -1.0, COCKPIT_AFT);
        return;
    }
    int mirror = 398 - k;  // the same place on the starboard side
    DrawDeckPiece(doc, k, mirror + 1, 1.0, COCKPIT_FRONT, -1.0, COCKPIT_FRONT);         // foredeck
    DrawDeckPiece(doc, 0, k + 1, -1.0, COCKPIT_FRONT, -1.0, COCKPIT_AFT);               // port side
    DrawDeckPiece(doc, mirror, 399, 1.0, COCKPIT_AFT, 1.0, COCKPIT_FRONT);              // starboard
    DrawDeckPiece(doc, 398, HULL_OUTLINE_POINTS, -1.0, COCKPIT_AFT, 1.0, COCKPIT_AFT);  // stern
}

void DrawSuperstructure(const BoatRecord& b) {
    glFrontFace(GL_CCW);
    SetColour(CABIN_WHITE);
    DrawMeshFaces(b, GL_TRIANGLE_STRIP, ROOF, ROOF_COUNT);
    DrawMeshFaces(b, GL_QUAD_STRIP, WINDSCREEN, WINDSCREEN_COUNT);
    DrawMeshFaces(b, GL_TRIANGLE_STRIP, FOREDECK, FOREDECK_COUNT);
    DrawMeshFaces(b, GL_QUAD_STRIP, FRONT_SLOPE, FRONT_SLOPE_COUNT);
    SetColour(WELL_GREY);
    DrawMeshFaces(b, GL_QUADS, WELL, WELL_COUNT);
    SetColour(WINDOW_GREY);
    DrawMeshFaces(b, GL_QUADS, WINDOWS, WINDOWS_COUNT);
}

void DrawEdges(const BoatRecord& b) {
    glPolygonMode(GL_FRONT, GL_LINE);
    SetColour(EDGE_GREY);
    DrawMeshFaces(b, GL_LINE_STRIP, ROOF_EDGE, ROOF_EDGE_COUNT);
    DrawMeshFaces(b, GL_QUAD_STRIP, WINDSCREEN, WINDSCREEN_COUNT);
    DrawMeshFaces(b, GL_LINES, SIDE_EDGES, SIDE_EDGES_COUNT);
    DrawMeshFaces(b, GL_QUAD_STRIP, FRONT_SLOPE, FRONT_SLOPE_COUNT);
    DrawMeshFaces(b, GL_QUADS, WELL_RIM, WELL_RIM_COUNT);
}

}  // namespace

void DrawMotorboatBody(const CKLVNDoc& doc) {
    const BoatRecord& b = doc.boat;
    BeginBody();
    DrawDeck(doc);
    DrawGunwale(b);
    BeginMesh(b);
    DrawSuperstructure(b);
    DrawEdges(b);
    EndMesh();
}
