#pragma once

#include <string>

#include "script_reader.h"

// Start-up as the program runs it with a settings file saying what the
// script's header says: the camera, defaults, the header's settings, the
// working copy of the environment, then the in-memory bring-up; no file is
// read. On a header action that fails, false with "PATH:LINE: what" in error.
bool StartScriptDocument(const Script& script, ScriptContext& context, const std::string& path,
                         std::string& error);
