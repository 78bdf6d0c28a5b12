#include "document/document.h"
#include "render/boat_body.h"
#include "render/boat_mesh.h"
#include "render/gl_api.h"
#include "render/palette.h"
#include "render/primitives.h"
#include "render/scene.h"

// The sailboat: a deck round a cockpit well aft, a wooden coachroof that
// follows the hull at two thirds of its half-width, hatches on the roof, the
// mast with its shrouds and stays, and two winches.

namespace {

// The port half of the cabin outline: mesh vertices 0 (beside the cockpit's
// aft end, at hull point 5) to 139 (hull point 144); the cockpit well's
// forward end and the cabin's aft face are at vertex 23 (hull point 28).
constexpr int COCKPIT_AFT = 0;
constexpr int CABIN_AFT = 23;
constexpr int CABIN_FRONT = 139;
constexpr int CABIN_AFT_POINT = 28;  // hull point beside the cabin's aft face
constexpr int FORWARD_HATCH = 146;   // four corners each, on the roof
constexpr int COMPANIONWAY = 150;
constexpr int MESH_VERTICES_NEEDED = 154;
constexpr int COCKPIT_WELL = 58, COCKPIT_WELL_COUNT = 20;  // five quads
constexpr int RIG_MIDDLE = 2;                              // the rig point abreast of the mast

constexpr double OUTLINE_GREY[3] = {0.45, 0.45, 0.45};
constexpr double WHITE[3] = {1, 1, 1};
constexpr double HATCH_GREY[3] = {0.75, 0.75, 0.75};
constexpr double WELL_GREY[3] = {0.85, 0.85, 0.85};
constexpr double ABOVE = 0.02;  // ft: keeps a face drawn on another in front of it

void DrawDeck(const CKLVNDoc& doc) {
    SetColour(DECK_WHITE);
    const int k = CABIN_AFT_POINT, mirror = 398 - CABIN_AFT_POINT;
    DrawDeckPiece(doc, k, mirror + 1, -1.0, CABIN_AFT, 1.0, CABIN_AFT);                 // foredeck
    DrawDeckPiece(doc, 0, k + 1, 1.0, CABIN_AFT, 1.0, COCKPIT_AFT);                     // port side
    DrawDeckPiece(doc, mirror, 399, -1.0, COCKPIT_AFT, -1.0, CABIN_AFT);                // starboard
    DrawDeckPiece(doc, 398, HULL_OUTLINE_POINTS, 1.0, COCKPIT_AFT, -1.0, COCKPIT_AFT);  // stern
}

// The cabin outline at height z: up the port side, back down the starboard side.
void CabinLoop(const BoatRecord& b, double z) {
    for (int v = CABIN_AFT; v <= CABIN_FRONT; ++v) MeshVertex(b, v, 1.0, z);
    for (int v = CABIN_FRONT; v >= CABIN_AFT; --v) MeshVertex(b, v, -1.0, z);
}

// One cabin side as a wall from the deck to the roof; s picks the side.
void CabinSide(const BoatRecord& b, double s, double deck, double roof) {
    glBegin(GL_QUAD_STRIP);
    for (int v = CABIN_AFT; v <= CABIN_FRONT; ++v) {
        MeshVertex(b, v, s, deck);
        MeshVertex(b, v, s, roof);
    }
    glEnd();
}

// The flat face across the cabin at mesh vertex v (its aft or front end).
void CabinEnd(const BoatRecord& b, unsigned kind, int v, double deck, double roof) {
    glBegin(kind);
    MeshVertex(b, v, 1.0, deck);
    MeshVertex(b, v, -1.0, deck);
    MeshVertex(b, v, -1.0, roof);
    MeshVertex(b, v, 1.0, roof);
    glEnd();
}

void Quad(const BoatRecord& b, int first, double z) {
    glBegin(GL_POLYGON);
    for (int v = first; v < first + 4; ++v) MeshVertex(b, v, 1.0, z);
    glEnd();
}

void DrawCabin(const BoatRecord& b, double deck, double roof) {
    SetColour(OUTLINE_GREY);
    glBegin(GL_LINE_LOOP);
    CabinLoop(b, deck + ABOVE);
    glEnd();

    SetColour(WOOD);
    CabinSide(b, 1.0, deck, roof);
    glBegin(GL_POLYGON);
    CabinLoop(b, roof);
    glEnd();
    CabinEnd(b, GL_POLYGON, CABIN_AFT, deck, roof);
    CabinEnd(b, GL_POLYGON, CABIN_FRONT, deck, roof);
    CabinSide(b, -1.0, deck, roof);
    glBegin(GL_LINE_LOOP);
    CabinLoop(b, roof + ABOVE);
    glEnd();

    SetColour(WHITE);
    Quad(b, FORWARD_HATCH, roof + ABOVE);
    SetColour(HATCH_GREY);
    Quad(b, COMPANIONWAY, roof + ABOVE);
    // The companionway's washboards in the cabin's aft face.
    const double* hatch = b.meshVertices[COMPANIONWAY];
    const double aftFace = b.meshVertices[CABIN_AFT][1] - ABOVE;
    glBegin(GL_POLYGON);
    glVertex3d(hatch[0], aftFace, deck);
    glVertex3d(-hatch[0], aftFace, deck);
    glVertex3d(-hatch[0], aftFace, roof);
    glVertex3d(hatch[0], aftFace, roof);
    glEnd();
    // The helmsman's seat across the stern end of the cockpit.
    SetColour(WHITE);
    const double* aft = b.meshVertices[COCKPIT_AFT];
    const double seatDepth = 0.25 * (b.meshVertices[CABIN_AFT][1] - aft[1]);
    DrawRect(GL_POLYGON, aft[0], aft[1], -aft[0], aft[1] + seatDepth, deck + ABOVE);

    glFrontFace(GL_CCW);
    SetColour(WELL_GREY);
    DrawMeshFaces(b, GL_QUADS, COCKPIT_WELL, COCKPIT_WELL_COUNT);
}

void DrawRig(const BoatRecord& b, unsigned listCapsule, unsigned listDisc, double roof) {
    glPolygonMode(GL_FRONT, GL_LINE);
    const double* chainplate = b.sailRigPoints[RIG_MIDDLE];
    const double mastY = chainplate[1];
    const double z = roof + 2 * ABOVE;

    SetColour(PALETTE[PALETTE_BLACK]);  // shrouds, forestay, backstay
    glBegin(GL_LINES);
    glVertex3d(0, mastY, z);
    glVertex3d(chainplate[0], mastY, z);
    glVertex3d(0, mastY, z);
    glVertex3d(-chainplate[0], mastY, z);
    glVertex3d(0, mastY, z);
    HullVertex(b, 199, b.freeboardHeight + ABOVE);
    glVertex3d(0, mastY, z);
    HullVertex(b, 408, b.freeboardHeight + ABOVE);
    glEnd();

    SetColour(WOOD);  // the coachroof's edges
    CabinEnd(b, GL_LINE_LOOP, CABIN_AFT, b.freeboardHeight, roof + ABOVE);
    CabinEnd(b, GL_LINE_LOOP, CABIN_FRONT, b.freeboardHeight, roof + ABOVE);
    glBegin(GL_LINE_LOOP);
    CabinLoop(b, roof + ABOVE);
    glEnd();

    // The mast, and a winch on each cabin side lying along the rig line.
    glPushMatrix();
    glTranslated(0, mastY, z);
    glScaled(1.55, 1.4, 1);
    glCallList(listDisc);
    glPopMatrix();
    const double sideAngle = b.sailRigAngles[0] - 90.0;
    const double* winch = b.sailRigPoints[RIG_MIDDLE - 1];
    for (int side = 0; side < 2; ++side) {
        glPushMatrix();
        glTranslated(side == 0 ? winch[0] : -winch[0], winch[1], z);
        glRotated(side == 0 ? sideAngle : -sideAngle, 0, 0, 1);
        glRotated(side == 0 ? 0.0 : 180.0, 0, 1, 0);
        glScaled(1.3, 0.7, 1);
        glCallList(listCapsule);
        glPopMatrix();
    }
}

}  // namespace

void DrawSailboatBody(const CKLVNDoc& doc, unsigned listCapsule, unsigned listDisc) {
    const BoatRecord& b = doc.boat;
    BeginBody();
    DrawDeck(doc);
    DrawGunwale(b);
    if (b.meshVertexCount < MESH_VERTICES_NEEDED) return;  // no cabin data to draw
    const double deck = b.freeboardHeight;
    const double roof = b.meshVertices[FORWARD_HATCH][2];
    BeginMesh(b);
    DrawCabin(b, deck, roof);
    EndMesh();
    DrawRig(b, listCapsule, listDisc, roof);
}
