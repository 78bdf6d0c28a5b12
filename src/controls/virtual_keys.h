#pragma once

#include <cstddef>

// The key bindings hold the virtual-key codes of the platform the settings file
// was first written on: letters and digits are their upper-case ASCII, the
// other keys have codes of their own. These are the names the program shows
// for them.

// The name of a key a user can press ("W", "F5", "Page Up", "Num 7", ";"), or
// null for a code no key produces.
const char* VirtualKeyName(int code);

// The name of a key, or "code N" for a code no key produces (a settings file
// edited by hand may hold one: its slot simply never fires).
void DescribeVirtualKey(int code, char* out, std::size_t size);
