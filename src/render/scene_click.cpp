#include "render/scene_click.h"

#include "docks/click_points.h"
#include "docks/dock_lines_click.h"
#include "docks/fenders.h"
#include "document/document.h"
#include "render/gl_api.h"

namespace {

// The click pixel unprojected at depth 0 and 1 through the matrices the last
// frame saved: the ends of the click ray in the boat frame. False before the
// first frame (no viewport yet) or when the matrices cannot be inverted.
bool ClickRay(const Camera& camera, int x, int y, double nearPoint[3], double farPoint[3]) {
    if (camera.savedViewport[3] <= 0) return false;
    double wx = x;
    double wy = camera.savedViewport[3] - y - 1;
    const GLint* viewport = camera.savedViewport;
    return gluUnProject(wx, wy, 0.0, camera.savedBoatModelview, camera.savedProjection, viewport,
                        &nearPoint[0], &nearPoint[1], &nearPoint[2]) == GL_TRUE &&
           gluUnProject(wx, wy, 1.0, camera.savedBoatModelview, camera.savedProjection, viewport,
                        &farPoint[0], &farPoint[1], &farPoint[2]) == GL_TRUE;
}

}  // namespace

void SceneClick(CKLVNDoc& doc, int button, int flags, int x, int y) {
    if (!doc.state.mouseInputEnabled) return;
    double nearPoint[3], farPoint[3];
    if (!ClickRay(doc.camera, x, y, nearPoint, farPoint)) return;
    SetClickPoints(doc, nearPoint, farPoint);

    const bool left = button == MOUSE_BUTTON_LEFT;
    const int buttonFlag = left ? MOUSE_FLAG_LEFT_BUTTON : MOUSE_FLAG_RIGHT_BUTTON;
    if (flags == (buttonFlag | MOUSE_FLAG_CTRL)) {
        FenderClick(doc, left ? FENDER_SET : FENDER_REMOVE);
    } else if (flags == (buttonFlag | MOUSE_FLAG_SHIFT)) {
        LineClick(doc, left ? LINE_CLICK_SHIFT_LEFT : LINE_CLICK_SHIFT_RIGHT);
    } else {
        LineClick(doc, left ? LINE_CLICK_LEFT : LINE_CLICK_RIGHT);
    }
}
