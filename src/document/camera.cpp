#include "document/camera.h"

#include <cmath>

#include "document/document.h"

void InitCamera(CKLVNDoc& doc) {
    Camera& camera = doc.camera;
    camera.fieldOfViewDeg = 110.0;
    camera.fieldOfViewStep = 10.0;
    camera.viewDistance = 80.0;
    camera.viewDistanceStep = 0.5;
    camera.eyePos[0] = 0.0;
    camera.eyePos[1] = 0.0;
    camera.eyePos[2] = camera.viewDistance;
    camera.viewUp[0] = 0.0;
    camera.viewUp[1] = 1.0;
    camera.viewUp[2] = 0.0;
    camera.farPlane = 200.0;
    SetProjection(doc, camera.clientSize[0], camera.clientSize[1]);
}

void WidenView(CKLVNDoc& doc, int n) {
    Camera& camera = doc.camera;
    if (n > 0) camera.fieldOfViewDeg += n * camera.fieldOfViewStep;
    if (camera.fieldOfViewDeg > FIELD_OF_VIEW_MAX_DEG)
        camera.fieldOfViewDeg = FIELD_OF_VIEW_MAX_DEG;
    SetProjection(doc, camera.clientSize[0], camera.clientSize[1]);
}

void NarrowView(CKLVNDoc& doc, int n) {
    Camera& camera = doc.camera;
    if (n > 0) camera.fieldOfViewDeg -= n * camera.fieldOfViewStep;
    if (camera.fieldOfViewDeg < FIELD_OF_VIEW_MIN_DEG)
        camera.fieldOfViewDeg = FIELD_OF_VIEW_MIN_DEG;
    SetProjection(doc, camera.clientSize[0], camera.clientSize[1]);
}

// The camera never rises above twice the boat's length: higher up the boat is
// too small to handle. The start height may lie above that; the first raise
// brings it down to the limit.
void RaiseCamera(CKLVNDoc& doc, int n) {
    Camera& camera = doc.camera;
    const double highest = 2.0 * doc.boat.lengthOverall;
    if (n > 0) camera.viewDistance += n * camera.viewDistanceStep;
    if (camera.viewDistance > highest) camera.viewDistance = highest;
    camera.eyePos[2] = camera.viewDistance;
    SetProjection(doc, camera.clientSize[0], camera.clientSize[1]);
}

// The camera stays 4 ft clear of the highest point of the boat.
void LowerCamera(CKLVNDoc& doc, int n) {
    Camera& camera = doc.camera;
    const double lowest = doc.boat.boatTopHeight + 4.0;
    if (n > 0) camera.viewDistance -= n * camera.viewDistanceStep;
    if (camera.viewDistance < lowest) camera.viewDistance = lowest;
    camera.eyePos[2] = camera.viewDistance;
    SetProjection(doc, camera.clientSize[0], camera.clientSize[1]);
}

void SetProjection(CKLVNDoc& doc, int width, int height) {
    Camera& camera = doc.camera;
    camera.clientSize[0] = width;
    camera.clientSize[1] = height;
    // A minimised window has no height (or width); the projection keeps a
    // finite shape and scale by counting such a side as one pixel.
    const double w = width > 0 ? width : 1;
    const double h = height > 0 ? height : 1;
    camera.aspectRatio = w / h;
    const double halfAngle = 0.01745329 * camera.fieldOfViewDeg / 2.0;
    camera.pixelsPerFoot = w / (2.0 * camera.farPlane * std::tan(halfAngle));
    camera.feetPerPixel = 1.0 / camera.pixelsPerFoot;
    camera.projectionChanged = true;
}
