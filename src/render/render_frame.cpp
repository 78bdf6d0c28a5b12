#include "render/render_frame.h"

#include "document/document.h"
#include "practice/practice_run.h"
#include "render/gl_api.h"
#include "render/north_arrow.h"
#include "render/primitives.h"
#include "render/projection.h"
#include "render/scene.h"
#include "simulation/step.h"

void RenderFrame(CKLVNDoc& doc, FrameState& frame) {
    Camera& camera = doc.camera;
    if (!frame.shapeListsBuilt) {
        frame.capsuleList = BuildShapeList(0.5);
        frame.discList = BuildShapeList(0.0);
        frame.shapeListsBuilt = true;
    }
    if (camera.projectionChanged) {  // a zoom since the last frame
        LoadProjection(camera);
        camera.projectionChanged = false;
    }

    if (!frame.stepsHeld) {
        Step(doc);
        ObservePracticeStep(doc);  // nothing unless an exercise runs
    }

    camera.viewUp[0] = 0.0;
    camera.viewUp[1] = 1.0;
    camera.viewUp[2] = 0.0;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    DrawNorthArrow(doc);

    // The camera hangs above the boat's reference point, north up.
    gluLookAt(camera.eyePos[0], camera.eyePos[1], camera.eyePos[2], 0.0, 0.0, 0.0, camera.viewUp[0],
              camera.viewUp[1], camera.viewUp[2]);
    glGetDoublev(GL_PROJECTION_MATRIX, camera.savedProjection);
    glGetIntegerv(GL_VIEWPORT, camera.savedViewport);

    const DynamicState& s = doc.state;
    glTranslated(-s.posX, -s.posY, 0.0);  // world coordinates
    DrawDocks(doc);
    if (doc.settings.windOn && frame.pastFirstFrame) DrawWindIndicator(doc);
    glGetDoublev(GL_MODELVIEW_MATRIX, camera.savedWorldModelview);

    glTranslated(s.posX, s.posY, 0.0);  // origin at the boat, north up
    if (doc.settings.currentOn && frame.pastFirstFrame) DrawCurrentIndicator(doc);

    glRotated(s.hullAngleDeg, 0.0, 0.0, 1.0);  // the boat frame
    DrawBoat(doc, frame.capsuleList, frame.discList);
    glGetDoublev(GL_MODELVIEW_MATRIX, camera.savedBoatModelview);
}

void FinishFrame(FrameState& frame) {
    frame.pastFirstFrame = true;
}
