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
    EXPECT_TRUE(c.fieldOfViewDeg == 110 && c.fieldOfViewStep == 10 && c.farPlane == 200);
    EXPECT_TRUE(c.viewDistance == 80 && c.viewDistanceStep == 0.5 && c.eyePos[2] == 80);
    WidenView(*doc, 5);
    WidenView(*doc, 5);
    EXPECT_EQ(c.fieldOfViewDeg, 170.0);
    for (int press = 0; press < 16; ++press) NarrowView(*doc, 1);
    EXPECT_EQ(c.fieldOfViewDeg, 20.0);
}

TEST(Camera, HeightStaysBetweenBoatTopAndTwiceTheLength) {
    auto doc = CameraDocument();
    Camera& c = doc->camera;
    LowerCamera(*doc, 1);  // from the start height lowering is not limited by the length
    EXPECT_EQ(c.viewDistance, 79.5);
    RaiseCamera(*doc, 1);  // but raising comes down to twice the length
    EXPECT_EQ(c.viewDistance, 50.0);
    LowerCamera(*doc, 8);  // a wheel notch with Shift moves 4 ft
    EXPECT_EQ(c.viewDistance, 46.0);
    for (int press = 0; press < 200; ++press) LowerCamera(*doc, 1);
    EXPECT_EQ(c.viewDistance, 11.5);  // 4 ft above the top of the boat
}

TEST(Camera, ProjectionFollowsZoomAndSizeAndStaysFiniteWhenMinimised) {
    auto doc = CameraDocument();
    Camera& c = doc->camera;
    EXPECT_NEAR(c.pixelsPerFoot, 1.4004155, 1e-7);  // 800 px across 2 x 200 ft x tan(55)
    EXPECT_NEAR(c.feetPerPixel * c.pixelsPerFoot, 1.0, 1e-15);
    c.projectionChanged = false;
    NarrowView(*doc, 1);
    EXPECT_TRUE(c.projectionChanged && c.pixelsPerFoot > 1.41);
    for (int width : {640, 0}) {
        SetProjection(*doc, width, 0);
        WidenView(*doc, 1);
        EXPECT_TRUE(std::isfinite(c.aspectRatio) && c.aspectRatio > 0.0);
        EXPECT_TRUE(std::isfinite(c.pixelsPerFoot) && c.pixelsPerFoot > 0.0);
        EXPECT_TRUE(std::isfinite(c.feetPerPixel));
    }
}
