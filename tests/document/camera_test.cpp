#include "document/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "document/document.h"

namespace {

// A 25 ft boat whose top lies 7.5 ft above the water, seen in an 800 x 600 view.
std::unique_ptr<CKLVNDoc> CameraDocument() {
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    doc->boat.lengthOverall = 25.0;
    doc->boat.boatTopHeight = 7.5;
    InitCamera(*doc);
    SetProjection(*doc, 800, 600);
    return doc;
}

}  // namespace

TEST(Camera, StartsAtEightyFeetAndKeepsTheFieldOfViewWithinTwentyAndOneSeventy) {
    auto doc = CameraDocument();
    Camera& c = doc->camera;
    EXPECT_EQ(c.fieldOfViewDeg, 110.0);
    EXPECT_EQ(c.fieldOfViewStep, 10.0);
    EXPECT_EQ(c.viewDistance, 80.0);
    EXPECT_EQ(c.viewDistanceStep, 0.5);
    EXPECT_EQ(c.eyePos[2], 80.0);
    EXPECT_EQ(c.viewUp[1], 1.0);
    EXPECT_EQ(c.farPlane, 200.0);

    for (int press = 0; press < 6; ++press) WidenView(*doc, 1);
    EXPECT_EQ(c.fieldOfViewDeg, 170.0);
    WidenView(*doc, 5);
    EXPECT_EQ(c.fieldOfViewDeg, 170.0);
    InitCamera(*doc);
    for (int press = 0; press < 10; ++press) NarrowView(*doc, 1);
    EXPECT_EQ(c.fieldOfViewDeg, 20.0);
}

TEST(Camera, HeightStaysBetweenBoatTopAndTwiceTheLength) {
    auto doc = CameraDocument();
    Camera& c = doc->camera;
    // The start height lies above twice a 25 ft boat: the first raise comes down to it.
    RaiseCamera(*doc, 1);
    EXPECT_EQ(c.viewDistance, 50.0);
    EXPECT_EQ(c.eyePos[2], 50.0);
    RaiseCamera(*doc, 8);
    EXPECT_EQ(c.viewDistance, 50.0);
    LowerCamera(*doc, 8);  // a wheel notch with Shift moves 4 ft
    EXPECT_EQ(c.viewDistance, 46.0);
    for (int press = 0; press < 200; ++press) LowerCamera(*doc, 1);
    EXPECT_EQ(c.viewDistance, 11.5);  // 4 ft above the top of the boat

    // Lowering from the start height is not limited by the length.
    InitCamera(*doc);
    LowerCamera(*doc, 1);
    EXPECT_EQ(c.viewDistance, 79.5);
}

TEST(Camera, ProjectionFollowsZoomAndSizeAndStaysFiniteWhenMinimised) {
    auto doc = CameraDocument();
    Camera& c = doc->camera;
    // 800 px across 2 × 200 ft × tan(55°) at the far plane.
    EXPECT_NEAR(c.pixelsPerFoot, 1.4004155, 1e-7);
    EXPECT_NEAR(c.feetPerPixel * c.pixelsPerFoot, 1.0, 1e-15);
    EXPECT_NEAR(c.aspectRatio, 800.0 / 600.0, 1e-15);
    c.projectionChanged = false;
    NarrowView(*doc, 1);  // 100°: a narrower view magnifies
    EXPECT_TRUE(c.projectionChanged);
    EXPECT_GT(c.pixelsPerFoot, 1.41);
    c.projectionChanged = false;
    RaiseCamera(*doc, 1);
    EXPECT_TRUE(c.projectionChanged);

    const int minimised[2][2] = {{640, 0}, {0, 0}};
    for (const auto& size : minimised) {
        SetProjection(*doc, size[0], size[1]);
        EXPECT_TRUE(std::isfinite(c.aspectRatio) && c.aspectRatio > 0.0);
        EXPECT_TRUE(std::isfinite(c.pixelsPerFoot) && c.pixelsPerFoot > 0.0);
        EXPECT_TRUE(std::isfinite(c.feetPerPixel));
    }
    WidenView(*doc, 1);  // zooming while minimised is harmless too
    EXPECT_TRUE(std::isfinite(c.feetPerPixel));
}
