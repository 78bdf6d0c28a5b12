#pragma once

// The Windows virtual-key code of a Qt key, which is what the key bindings in
// the settings file hold. keypad is true when the key is on the numeric
// keypad. Returns 0 for a key that has no code.
int VirtualKeyFromQt(int qtKey, bool keypad);
