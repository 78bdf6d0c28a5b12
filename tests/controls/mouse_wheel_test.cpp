#include "controls/mouse_wheel.h"

#include <gtest/gtest.h>

#include "control_test_doc.h"

namespace {

TEST(HandleMouseWheel, ShiftMovesTheCameraCtrlDoesNothingElseZooms) {
    ControlTestDoc t;
    Camera& camera = t.doc.camera;
    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT, 120);
    EXPECT_EQ(camera.viewDistance, 76.0);
    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT, -120);
    EXPECT_EQ(camera.viewDistance, 50.0);  // the raise meets twice the 25 ft length
    HandleMouseWheel(t.doc, MOUSE_FLAG_CTRL, 120);
    HandleMouseWheel(t.doc, MOUSE_FLAG_CTRL, -120);
    EXPECT_EQ(camera.viewDistance, 50.0);
    EXPECT_EQ(camera.fieldOfViewDeg, 110.0);

    HandleMouseWheel(t.doc, 0, 120);
    EXPECT_EQ(camera.fieldOfViewDeg, 100.0);
    HandleMouseWheel(t.doc, 0, 0);  // no turn counts as toward the user
    EXPECT_EQ(camera.fieldOfViewDeg, 110.0);
    // Shift with a button, or with Ctrl, is not exactly Shift.
    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT | MOUSE_FLAG_LEFT_BUTTON, 120);
    HandleMouseWheel(t.doc, MOUSE_FLAG_SHIFT | MOUSE_FLAG_CTRL, 120);
    EXPECT_EQ(camera.fieldOfViewDeg, 90.0);
    EXPECT_EQ(camera.viewDistance, 50.0);
}

}  // namespace
