#include "document/document.h"
#include "render/boat_body.h"
#include "render/boat_mesh.h"
#include "render/gl_api.h"
#include "render/palette.h"
#include "render/primitives.h"
#include "render/scene.h"

// The houseboat: a flat deck, a long house with a pitched white roof, a
// skylight and a helm station on the roof, and a planked front porch.

namespace {

// The house's aft wall lies at mesh vertex 1 (hull point 20), its sides at
// the lateral position of mesh vertex 0 (0.9 of the half-beam).
constexpr int HOUSE_SIDE_VERTEX = 0;
constexpr int HOUSE_AFT_VERTEX = 1;
constexpr double HOUSE_LENGTH = 0.65;      // of the boat's length
constexpr double PORCH_TO_BOW = 0.08;      // of the length: deck left clear at the bow
constexpr double ROOF_ABOVE_DECK = 8.0;    // ft, eaves
constexpr double RIDGE_ABOVE_EAVES = 0.8;  // ft
constexpr double ABOVE = 0.02;             // ft

constexpr double HOUSE_DECK_GREY[3] = {0.8, 0.8, 0.8};
constexpr double WHITE[3] = {1, 1, 1};
constexpr double OUTLINE_GREY[3] = {0.45, 0.45, 0.45};
constexpr double HATCH_GREY[3] = {0.65, 0.65, 0.65};
constexpr double SKYLIGHT_BLUE[3] = {0.1, 0.9, 1.0};
constexpr double HELM_WHITE[3] = {0.95, 0.95, 0.95};

struct House {
    double halfWidth;  // ft
    double aftY, frontY, bowY;
    double eaves, ridge;  // heights
};

House HouseOf(const BoatRecord& b) {
    House h;
    h.halfWidth = b.meshVertices[HOUSE_SIDE_VERTEX][0];
    if (h.halfWidth < 0) h.halfWidth = -h.halfWidth;
    h.aftY = b.meshVertices[HOUSE_AFT_VERTEX][1];
    h.bowY = b.hullPoints[199].y - PORCH_TO_BOW * b.lengthOverall;
    h.frontY = h.aftY + HOUSE_LENGTH * b.lengthOverall;
    if (h.frontY > h.bowY) h.frontY = h.bowY;
    h.eaves = b.freeboardHeight + ROOF_ABOVE_DECK;
    h.ridge = h.eaves + RIDGE_ABOVE_EAVES;
    return h;
}

void DrawRoof(const House& h) {
    SetColour(WHITE);  // one pitched half on each side of the ridge
    for (int side = -1; side <= 1; side += 2) {
        glBegin(GL_POLYGON);
        glVertex3d(0, h.aftY, h.ridge);
        glVertex3d(side * h.halfWidth, h.aftY, h.eaves);
        glVertex3d(side * h.halfWidth, h.frontY, h.eaves);
        glVertex3d(0, h.frontY, h.ridge);
        glEnd();
    }
    SetColour(OUTLINE_GREY);
    DrawRect(GL_LINE_LOOP, -h.halfWidth, h.aftY, h.halfWidth, h.frontY, h.eaves + ABOVE);
    glBegin(GL_LINE_STRIP);  // the ridge
    glVertex3d(0, h.aftY, h.ridge + ABOVE);
    glVertex3d(0, h.frontY, h.ridge + ABOVE);
    glEnd();
    glBegin(GL_LINE_STRIP);  // the front gable
    glVertex3d(-h.halfWidth, h.frontY, h.eaves + ABOVE);
    glVertex3d(0, h.frontY, h.ridge + ABOVE);
    glVertex3d(h.halfWidth, h.frontY, h.eaves + ABOVE);
    glEnd();
}

// The roof hatch aft with the ladder rail leading to it.
void DrawRoofHatch(const House& h, double length) {
    double y0 = h.aftY + 0.05 * length, y1 = y0 + 0.06 * length;
    double x = 0.3 * h.halfWidth;
    SetColour(HATCH_GREY);
    DrawRect(GL_POLYGON, x, y0, x + 0.3 * h.halfWidth, y1, h.ridge + ABOVE);
    glBegin(GL_LINE_STRIP);
    glVertex3d(x, h.aftY, h.ridge + ABOVE);
    glVertex3d(x, y0, h.ridge + ABOVE);
    glVertex3d(x + 0.3 * h.halfWidth, y0, h.ridge + ABOVE);
    glEnd();
}

// The porch between the house and the bow: four boards and a hatch to the
// storage below.
void DrawPorch(const House& h, double deck) {
    SetColour(LIGHT_WOOD);
    double board = 2.0 * h.halfWidth / 4.0;
    for (int k = 0; k < 4; ++k) {
        double x0 = -h.halfWidth + k * board;
        DrawRect(GL_POLYGON, x0 + 0.05, h.frontY, x0 + board - 0.05, h.bowY, deck + ABOVE);
    }
    SetColour(WOOD);
    double mid = 0.5 * (h.frontY + h.bowY);
    DrawRect(GL_POLYGON, -0.25 * h.halfWidth, mid - 0.15 * (h.bowY - h.frontY), 0.25 * h.halfWidth,
             mid + 0.15 * (h.bowY - h.frontY), deck + 2 * ABOVE);
}

void DrawRoofTop(const House& h, double length) {
    SetColour(SKYLIGHT_BLUE);
    double mid = h.aftY + 0.45 * (h.frontY - h.aftY);
    DrawRect(GL_POLYGON, -0.3 * h.halfWidth, mid - 0.08 * length, 0.3 * h.halfWidth,
             mid + 0.08 * length, h.ridge + ABOVE);
    // The upper helm station near the front of the roof.
    double y0 = h.frontY - 0.12 * length, y1 = h.frontY - 0.04 * length;
    SetColour(HELM_WHITE);
    DrawRect(GL_POLYGON, -0.4 * h.halfWidth, y0, 0.4 * h.halfWidth, y1, h.ridge + 2 * ABOVE);
    SetColour(OUTLINE_GREY);
    DrawRect(GL_LINE_LOOP, -0.4 * h.halfWidth, y0, 0.4 * h.halfWidth, y1, h.ridge + 3 * ABOVE);
}

}  // namespace

void DrawHouseboatBody(const CKLVNDoc& doc) {
    const BoatRecord& b = doc.boat;
    BeginBody();
    SetColour(HOUSE_DECK_GREY);
    glBegin(GL_POLYGON);
    for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) HullVertex(b, k, b.freeboardHeight);
    glEnd();
    DrawGunwale(b);
    if (b.meshVertexCount < 2) return;  // no house data to draw
    House h = HouseOf(b);
    DrawRoof(h);
    DrawRoofHatch(h, b.lengthOverall);
    DrawPorch(h, b.freeboardHeight);
    DrawRoofTop(h, b.lengthOverall);
}
