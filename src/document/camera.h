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
    double aspectRatio;          // width / height of the client area, never from a zero height
    double pixelsPerFoot, feetPerPixel;  // scale at the far-plane distance
    double savedProjection[16];
    double savedWorldModelview[16];
    double savedBoatModelview[16];
    std::int32_t savedViewport[4];
    bool projectionChanged;  // the view must rebuild its projection before the next frame
};

constexpr double FIELD_OF_VIEW_MIN_DEG = 20.0;
constexpr double FIELD_OF_VIEW_MAX_DEG = 170.0;
constexpr double NEAR_PLANE = 1.0;  // ft

// The start values of the zoom; kept for the whole run of the program.
void InitCamera(CKLVNDoc& doc);

// Zoom by n units of the field of view (wider shows more) or of the camera
// height. Each ends by setting the projection for the present client size.
void WidenView(CKLVNDoc& doc, int n);
void NarrowView(CKLVNDoc& doc, int n);
void RaiseCamera(CKLVNDoc& doc, int n);
void LowerCamera(CKLVNDoc& doc, int n);

// The size-dependent part of the projection: aspect ratio and the scale at the
// far plane. Marks the projection changed so that the view rebuilds its own.
void SetProjection(CKLVNDoc& doc, int width, int height);
