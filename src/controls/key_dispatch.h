#pragma once

struct CKLVNDoc;

// Virtual-key codes with a fixed meaning (letters are their upper-case ASCII).
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_PAGE_UP = 33;
constexpr int KEY_PAGE_DOWN = 34;
constexpr int KEY_F1 = 112;
constexpr int KEY_F2 = 113;
constexpr int KEY_F11 = 122;
constexpr int KEY_F12 = 123;
constexpr int KEY_EQUALS = 187;
constexpr int KEY_COMMA = 188;
constexpr int KEY_MINUS = 189;
constexpr int KEY_PERIOD = 190;
constexpr int KEY_SLASH = 191;

// A key pressed in the main view. Escape is not handled here: the function
// returns true and the caller ends the program at once. F1 toggles running,
// F2 pauses and resets the boat, every other key goes to HandleControlKey.
bool HandleViewKey(CKLVNDoc& doc, int code);

// A control key from the main view or the bridge console: the camera and
// start-pose keys first, then the first of the bindable slots holding the code.
void HandleControlKey(CKLVNDoc& doc, int code);

// Whether HandleControlKey does anything with the code: a key with a fixed
// meaning or one a consulted slot holds. The console leaves the other keys
// their usual meaning in a window (Tab moves the focus, Space presses).
bool ControlKeyActs(const CKLVNDoc& doc, int code);
