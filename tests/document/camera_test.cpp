#include "document/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "document/document.h"

// A 25 ft boat whose top lies 7.5 ft above the water, seen in an 800 x 600 view:
// the camera starts 80 ft up with a 110 degree view, keeps the view within 20 ...
// 170 degrees and its height between 4 ft above the boat and twice its length.
TEST(Camera, LimitsAndAProjectionThatStaysFiniteWhenMinimised) {
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    doc->boat.lengthOverall = 25.0;
    doc->boat.boatTopHeight = 7.5;
    InitCamera(*doc);
    SetProjection(*doc, 800, 600);
    Camera& c = doc->camera;
    EXPECT_TRUE(c.fieldOfViewDeg == 110 && c.viewDistance == 80 && c.eyePos[2] == 80);
    EXPECT_NEAR(c.pixelsPerFoot, 1.4004155, 1e-7);  // 800 px across 2 x 200 ft x tan(55)
    EXPECT_NEAR(c.feetPerPixel * c.pixelsPerFoot, 1.0, 1e-15);
    WidenView(*doc, 5);
    WidenView(*doc, 5);
    EXPECT_EQ(c.fieldOfViewDeg, 170.0);
    for (int press = 0; press < 16; ++press) NarrowView(*doc, 1);
    EXPECT_EQ(c.fieldOfViewDeg, 20.0);
    LowerCamera(*doc, 1);  // from the start height lowering is not limited by the length
    EXPECT_EQ(c.viewDistance, 79.5);
    RaiseCamera(*doc, 1);  // but raising comes down to twice the length
    EXPECT_EQ(c.viewDistance, 50.0);
    for (int press = 0; press < 200; ++press) LowerCamera(*doc, 1);
    EXPECT_EQ(c.viewDistance, 11.5);
    for (int width : {640, 0}) {
        SetProjection(*doc, width, 0);
        EXPECT_TRUE(std::isfinite(c.aspectRatio) && c.aspectRatio > 0.0);
        EXPECT_TRUE(std::isfinite(c.pixelsPerFoot) && c.pixelsPerFoot > 0.0);
    }
}
