#include "controls/mouse_wheel.h"

#include "document/camera.h"
#include "document/document.h"

namespace {

constexpr int SHIFT_WHEEL_STEPS = 8;  // 4 ft of camera height per notch

}  // namespace

void HandleMouseWheel(CKLVNDoc& doc, int flags, int delta) {
    // Only the modifier alone counts: Shift with a button held, or Shift and
    // Ctrl together, zoom the view angle like no modifier at all.
    if (flags == MOUSE_FLAG_CTRL) return;
    const bool towardScene = delta > 0;
    if (flags == MOUSE_FLAG_SHIFT) {
        if (towardScene) {
            LowerCamera(doc, SHIFT_WHEEL_STEPS);
        } else {
            RaiseCamera(doc, SHIFT_WHEEL_STEPS);
        }
    } else if (towardScene) {
        NarrowView(doc, 1);
    } else {
        WidenView(doc, 1);
    }
}
