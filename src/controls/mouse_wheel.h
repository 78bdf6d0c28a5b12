#pragma once

struct CKLVNDoc;

// Mouse-message modifier flags at the time of an event.
constexpr int MOUSE_FLAG_LEFT_BUTTON = 1;
constexpr int MOUSE_FLAG_RIGHT_BUTTON = 2;
constexpr int MOUSE_FLAG_SHIFT = 4;
constexpr int MOUSE_FLAG_CTRL = 8;
constexpr int MOUSE_FLAG_MIDDLE_BUTTON = 16;
constexpr int MOUSE_FLAG_X1_BUTTON = 32;  // the side buttons count as mouse buttons too
constexpr int MOUSE_FLAG_X2_BUTTON = 64;

// The wheel in the main view. Turned away from the user (delta > 0) it zooms
// in: with exactly Shift held the camera comes down 8 steps, otherwise the view
// narrows one step; toward the user the reverse. Exactly Ctrl does nothing.
void HandleMouseWheel(CKLVNDoc& doc, int flags, int delta);
