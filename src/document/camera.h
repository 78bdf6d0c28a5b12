#pragma once

#include <cstdint>

struct CKLVNDoc;

// The camera hanging above the boat, north up, and the matrices the view read
// back in the last frame (the mouse picking unprojects through them).
struct Camera {
    double fieldOfViewDeg;  // 20 ... 170
    double fieldOfViewStep;
    double viewDistance;  // ft above the water, relative to the boat
    double viewDistanceStep;
    double eyePos[3];
    double viewUp[3];
    double farPlane;
    std::int32_t clientSize[2];  // pixels
    double pixelsPerFoot, feetPerPixel;
    double savedProjection[16];
    double savedWorldModelview[16];
    double savedBoatModelview[16];
    std::int32_t savedViewport[4];
    bool projectionChanged;  // the view must rebuild its projection before the next frame
};

// (The camera operations are declared here by their implementation.)
void InitCamera(CKLVNDoc& doc);
