#include "document/document.h"
#include "render/boat_mesh.h"
#include "render/gl_api.h"
#include "render/palette.h"
#include "render/primitives.h"
#include "render/scene.h"

namespace {

constexpr double MARKER_SIZE = 0.5;
constexpr double MARKER_ABOVE_DECK = 2.5;  // ft

}  // namespace

void DrawDeckPiece(const CKLVNDoc& doc, int from, int to, double s1, int v1, double s2, int v2) {
    const BoatRecord& b = doc.boat;
    double deck = b.freeboardHeight;
    glBegin(GL_POLYGON);
    for (int k = from; k < to; ++k) HullVertex(b, k, deck);
    MeshVertex(b, v1, s1, deck);
    MeshVertex(b, v2, s2, deck);
    glEnd();
}

void DrawBoat(const CKLVNDoc& doc, unsigned listCapsule, unsigned listDisc) {
    switch (doc.boat.boatType) {
        case SAILBOAT:
            DrawSailboatBody(doc, listCapsule, listDisc);
            break;
        case HOUSEBOAT:
            DrawHouseboatBody(doc);
            break;
        default:  // a damaged type draws as the motorboat it is shaped as
            DrawMotorboatBody(doc);
            break;
    }
    glLineWidth(1.0f);
    SetColour(EDGE_GREY);
    DrawFenders(doc);
    DrawDisc(SHAPE_OCTAGON, 0.0, 0.0, doc.boat.freeboardHeight + MARKER_ABOVE_DECK, MARKER_SIZE);
    DrawControlIndicators(doc);
}

void DrawFenders(const CKLVNDoc& doc) {
    const Mooring& m = doc.mooring;
    if (m.fenderCount <= 0) return;
    glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT);
    SetColour(PALETTE[PALETTE_BLACK]);
    for (int k = 0; k < FENDER_SLOTS; ++k) {
        if (!m.fenderActive[k]) continue;
        const FenderCentre& c = m.fenderCentre[k];
        DrawDisc(SHAPE_16GON, c.x, c.y, c.z, doc.boat.fenderDiameter);
    }
    glPopAttrib();
}
