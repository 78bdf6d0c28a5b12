#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "script_commands.h"

// A script as read: the run's settings, the header's actions and the timeline.
struct HeaderAction {
    int line;
    bool afterStartUp;
    ScriptAction action;
};

struct TimedAction {
    long long step;  // applied just before the Step call with this 0-based index
    int line;
    ScriptAction action;
};

struct Script {
    std::uint32_t seed = 1;
    long long steps = 400;  // calls of Step
    long long every = 1;    // a trace row after every this many calls
    std::vector<HeaderAction> header;
    std::vector<TimedAction> timeline;  // by step, in file order within a step
};

// Reads and checks the whole script. On failure returns false with
// "PATH:LINE: what is wrong" in error.
bool ReadScript(const std::string& path, Script& script, std::string& error);

// The same for a script already open (a generated one, or a fuzzer's input);
// path names it in messages.
bool ReadScriptFrom(std::istream& file, const std::string& path, Script& script,
                    std::string& error);
