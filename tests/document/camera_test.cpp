#include "document/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "document/document.h"

namespace {

struct CameraDoc {
    std::unique_ptr<CKLVNDoc> owner = std::make_unique<CKLVNDoc>();
    CKLVNDoc& doc = *owner;
    Camera& camera = doc.camera;

    CameraDoc() {
        ClearDocument(doc);
        doc.boat.lengthOverall = 25.0;
        doc.boat.boatTopHeight = 7.5;
        InitCamera(doc);
        SetProjection(doc, 800, 600);
    }
};

TEST(Camera, StartsLookingDownFromEightyFeet) {
    CameraDoc c;
    EXPECT_EQ(c.camera.fieldOfViewDeg, 110.0);
    EXPECT_EQ(c.camera.fieldOfViewStep, 10.0);
    EXPECT_EQ(c.camera.viewDistance, 80.0);
    EXPECT_EQ(c.camera.viewDistanceStep, 0.5);
    EXPECT_EQ(c.camera.eyePos[2], 80.0);
    EXPECT_EQ(c.camera.viewUp[1], 1.0);
    EXPECT_EQ(c.camera.farPlane, 200.0);
}

TEST(Camera, FieldOfViewStaysWithinTwentyAndOneSeventy) {
    CameraDoc c;
    for (int press = 0; press < 6; ++press) WidenView(c.doc, 1);
    EXPECT_EQ(c.camera.fieldOfViewDeg, 170.0);
    WidenView(c.doc, 1);
    WidenView(c.doc, 5);
    EXPECT_EQ(c.camera.fieldOfViewDeg, 170.0);

    InitCamera(c.doc);
    for (int press = 0; press < 9; ++press) NarrowView(c.doc, 1);
    EXPECT_EQ(c.camera.fieldOfViewDeg, 20.0);
    NarrowView(c.doc, 1);
    EXPECT_EQ(c.camera.fieldOfViewDeg, 20.0);
}

TEST(Camera, HeightStaysBetweenBoatTopAndTwiceTheLength) {
    CameraDoc c;
    // The start height lies above twice a 25 ft boat: the first raise comes down to it.
    RaiseCamera(c.doc, 1);
    EXPECT_EQ(c.camera.viewDistance, 50.0);
    EXPECT_EQ(c.camera.eyePos[2], 50.0);
    RaiseCamera(c.doc, 8);
    EXPECT_EQ(c.camera.viewDistance, 50.0);
    LowerCamera(c.doc, 8);  // a wheel notch with Shift moves 4 ft
    EXPECT_EQ(c.camera.viewDistance, 46.0);
    EXPECT_EQ(c.camera.eyePos[2], 46.0);
    for (int press = 0; press < 200; ++press) LowerCamera(c.doc, 1);
    EXPECT_EQ(c.camera.viewDistance, 11.5);  // 4 ft above the top of the boat

    // Lowering from the start height is not limited by the length.
    InitCamera(c.doc);
    LowerCamera(c.doc, 1);
    EXPECT_EQ(c.camera.viewDistance, 79.5);
}

TEST(Camera, ProjectionScaleFollowsZoomAndSize) {
    CameraDoc c;
    // 800 px across 2 × 200 ft × tan(55°) at the far plane.
    EXPECT_NEAR(c.camera.pixelsPerFoot, 1.4004155, 1e-7);
    EXPECT_NEAR(c.camera.feetPerPixel * c.camera.pixelsPerFoot, 1.0, 1e-15);
    EXPECT_NEAR(c.camera.aspectRatio, 800.0 / 600.0, 1e-15);

    c.camera.projectionChanged = false;
    NarrowView(c.doc, 1);  // 100°: a narrower view magnifies
    EXPECT_TRUE(c.camera.projectionChanged);
    EXPECT_GT(c.camera.pixelsPerFoot, 1.41);
    c.camera.projectionChanged = false;
    RaiseCamera(c.doc, 1);
    EXPECT_TRUE(c.camera.projectionChanged);
    EXPECT_EQ(c.camera.clientSize[0], 800);
    EXPECT_EQ(c.camera.clientSize[1], 600);
}

TEST(Camera, MinimisedWindowKeepsAFiniteProjection) {
    CameraDoc c;
    SetProjection(c.doc, 640, 0);
    EXPECT_EQ(c.camera.clientSize[1], 0);
    EXPECT_TRUE(std::isfinite(c.camera.aspectRatio));
    EXPECT_GT(c.camera.aspectRatio, 0.0);
    SetProjection(c.doc, 0, 0);
    EXPECT_TRUE(std::isfinite(c.camera.aspectRatio));
    EXPECT_GT(c.camera.aspectRatio, 0.0);
    EXPECT_TRUE(std::isfinite(c.camera.pixelsPerFoot));
    EXPECT_TRUE(std::isfinite(c.camera.feetPerPixel));
    EXPECT_GT(c.camera.pixelsPerFoot, 0.0);
    WidenView(c.doc, 1);  // zooming while minimised is harmless too
    EXPECT_TRUE(std::isfinite(c.camera.feetPerPixel));
}

}  // namespace
