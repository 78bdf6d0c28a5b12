#include "render/boat_body.h"

#include "render/boat_mesh.h"
#include "render/gl_api.h"
#include "render/primitives.h"

void BeginBody() {
    glFrontFace(GL_CW);
    glPolygonMode(GL_FRONT, GL_FILL);
}

void DrawGunwale(const BoatRecord& b) {
    glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT);
    glLineWidth(2.0f);
    SetColour(GUNWALE_BROWN);
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
        HullVertex(b, k, b.freeboardHeight + GUNWALE_ABOVE_DECK);
    }
    glEnd();
    glPopAttrib();
}

void DrawRect(unsigned kind, double x0, double y0, double x1, double y1, double z) {
    glBegin(kind);
    glVertex3d(x0, y0, z);
    glVertex3d(x1, y0, z);
    glVertex3d(x1, y1, z);
    glVertex3d(x0, y1, z);
    glEnd();
}
