#pragma once

#include "controls/mouse_wheel.h"  // the mouse flags and the wheel

struct CKLVNDoc;

constexpr int MOUSE_BUTTON_LEFT = 0;
constexpr int MOUSE_BUTTON_RIGHT = 1;

// A button pressed on the scene at client pixel (x, y), y counted down from
// the top: the click ray through the last frame's matrices, then the line or
// fender action the button and flags choose. A Shift or Ctrl form applies
// only when the flags are exactly that button plus that key. Ignored while
// mouse input is disabled.
void SceneClick(CKLVNDoc& doc, int button, int flags, int x, int y);
