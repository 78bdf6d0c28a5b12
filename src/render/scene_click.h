#pragma once

struct CKLVNDoc;

// The key-state bits of a mouse message: what was held when the event came.
constexpr int MOUSE_FLAG_LEFT = 1;
constexpr int MOUSE_FLAG_RIGHT = 2;
constexpr int MOUSE_FLAG_SHIFT = 4;
constexpr int MOUSE_FLAG_CTRL = 8;
constexpr int MOUSE_FLAG_MIDDLE = 16;
constexpr int MOUSE_FLAG_X1 = 32;  // the side buttons count as mouse buttons too
constexpr int MOUSE_FLAG_X2 = 64;

constexpr int MOUSE_BUTTON_LEFT = 0;
constexpr int MOUSE_BUTTON_RIGHT = 1;

// A button pressed on the scene at client pixel (x, y), y counted down from
// the top: the click ray through the last frame's matrices, then the line or
// fender action the button and flags choose. A Shift or Ctrl form applies
// only when the flags are exactly that button plus that key. Ignored while
// mouse input is disabled.
void SceneClick(CKLVNDoc& doc, int button, int flags, int x, int y);

// The wheel: forward (delta >= 1) zooms in, backward out; with exactly Shift
// held it moves the camera 8 steps instead; with exactly Ctrl it does nothing.
void SceneWheel(CKLVNDoc& doc, int flags, int delta);
