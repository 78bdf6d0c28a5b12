#include "render/projection.h"

#include "document/camera.h"
#include "render/gl_api.h"

void InitGL() {
    glClearColor(0.1f, 0.5f, 1.0f, 1.0f);  // the water
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

void LoadProjection(const Camera& camera) {
    int width = camera.clientSize[0];
    int height = camera.clientSize[1];
    // The camera never takes the aspect ratio from a zero height (a
    // minimised window); a camera that has none yet uses 1.
    double aspect = camera.aspectRatio > 0.0 ? camera.aspectRatio : 1.0;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(camera.fieldOfViewDeg, aspect, NEAR_PLANE, camera.farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
