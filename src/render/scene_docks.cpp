#include "docks/dock_lines.h"
#include "document/document.h"
#include "render/boat_body.h"
#include "render/gl_api.h"
#include "render/palette.h"
#include "render/primitives.h"
#include "render/scene.h"

namespace {

void DrawCleatDisc(const DockLine& line, double size, const double colour[3]) {
    SetColour(colour);
    DrawDisc(SHAPE_16GON, line.cleatWorldX, line.cleatWorldY, line.cleatWorldZ, size);
}

// A made-fast line: disc at the attach point and the line itself.
void DrawFastLine(const DockLine& line, double size, const double colour[3]) {
    SetColour(colour);
    DrawDisc(SHAPE_16GON, line.attachX, line.attachY, line.attachZ, size);
    glBegin(GL_LINES);
    glVertex3d(line.cleatWorldX, line.cleatWorldY, line.cleatWorldZ);
    glVertex3d(line.attachX, line.attachY, line.attachZ);
    glEnd();
}

// A deck rectangle as a solid block from the water up to the deck.
void DrawDockBlock(const DockRect& r, double deck) {
    glPushAttrib(GL_CURRENT_BIT);
    SetColour(DOCK_TOP_GREY);
    DrawRect(GL_POLYGON, r.xMin, r.yMin, r.xMax, r.yMax, deck);
    SetColour(DOCK_SIDE_GREY);
    const double corners[5][2] = {
        {r.xMin, r.yMin}, {r.xMax, r.yMin}, {r.xMax, r.yMax}, {r.xMin, r.yMax}, {r.xMin, r.yMin}};
    for (int k = 0; k < 4; ++k) {
        glBegin(GL_POLYGON);
        glVertex3d(corners[k][0], corners[k][1], 0.0);
        glVertex3d(corners[k + 1][0], corners[k + 1][1], 0.0);
        glVertex3d(corners[k + 1][0], corners[k + 1][1], deck);
        glVertex3d(corners[k][0], corners[k][1], deck);
        glEnd();
    }
    glPopAttrib();
}

}  // namespace

void DrawDocks(CKLVNDoc& doc) {
    const DockLayout& dock = doc.dock;
    glFrontFace(GL_CW);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    int rects = dock.dockRectCount < MAX_DOCK_RECTS ? dock.dockRectCount : MAX_DOCK_RECTS;
    for (int r = 0; r < rects; ++r) DrawDockBlock(dock.dockRects[r], dock.deckHeight);
    int pilings = dock.pilingCount < MAX_PILINGS ? dock.pilingCount : MAX_PILINGS;
    for (int p = 0; p < pilings; ++p) {
        DrawPost(SHAPE_16GON, dock.pilingRadius, dock.pilingHeight, dock.pilings[p].x,
                 dock.pilings[p].y, DOCK_TOP_GREY, DOCK_SIDE_GREY);
    }
    DrawDockLines(doc);
}

void DrawDockLines(CKLVNDoc& doc) {
    const double m = doc.mooring.cleatMarkSize;
    glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT);
    glLineWidth(2.0f);
    for (int i = 0; i < DOCK_LINE_COUNT; ++i) {
        DockLine& line = doc.mooring.dockLines[i];
        RefreshCleatWorld(doc, i);
        switch (line.state) {
            case LINE_STOWED:
                DrawCleatDisc(line, m, PALETTE[PALETTE_CYAN]);
                break;
            case LINE_IN_HAND:
                DrawCleatDisc(line, m, PALETTE[PALETTE_YELLOW]);
                break;
            case LINE_SLACK: {
                bool shortened = line.lineLength < NominalLineLength(doc, i);
                DrawCleatDisc(line, m, PALETTE[shortened ? PALETTE_RED : PALETTE_GREEN]);
                DrawFastLine(line, m, PALETTE[PALETTE_GREEN]);
                break;
            }
            case LINE_TAUT:
                DrawCleatDisc(line, m, PALETTE[PALETTE_RED]);
                DrawFastLine(line, m, PALETTE[PALETTE_RED]);
                break;
            default:
                break;
        }
    }
    glPopAttrib();
}
