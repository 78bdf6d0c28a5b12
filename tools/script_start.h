#pragma once

#include <string>

#include "script_reader.h"

// Start-up as the program runs it with a settings file saying what the
// script's header says: the camera, defaults, the header's settings, the
// working copy of the environment, the seed, then the in-memory bring-up with
// mouse input on (as the view's creation turns it on) and the header's
// commands that act on the document once it is up; last, an exercise's goal
// starts being counted. The document is cleared first; no file is read or
// written unless a command asks. On failure returns false with
// "PATH:LINE: what is wrong" in error.
bool StartScript(const Script& script, ScriptContext& context, const std::string& path,
                 std::string& error);
