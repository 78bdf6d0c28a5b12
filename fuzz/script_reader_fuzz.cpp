// Any bytes as a kelvane-sim script: the reader either reports the first bad
// line or gives a script that starts up and runs, and never crashes.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "document/document.h"
#include "script_reader.h"
#include "script_start.h"
#include "simulation/step.h"

namespace {

constexpr long long MAX_FUZZ_STEPS = 300;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto doc = std::make_unique<CKLVNDoc>();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    Script script;
    std::string error;
    if (!ReadScriptFrom(in, "fuzz", script, error)) {
        if (error.rfind("fuzz:", 0) != 0) std::abort();  // every message names the line
        return 0;
    }
    // The file commands would read and write wherever the input says: such a
    // script is only read.
    if (text.find("boat") != std::string::npos || text.find("dump") != std::string::npos) {
        return 0;
    }
    std::string output;
    ScriptContext context = {*doc, output};
    if (!StartScript(script, context, "fuzz", error)) return 0;
    std::size_t next = 0;
    const long long steps = std::min(script.steps, MAX_FUZZ_STEPS);
    for (long long call = 0; call < steps; ++call) {
        for (; next < script.timeline.size() && script.timeline[next].step == call; ++next) {
            if (!script.timeline[next].action(context, error)) return 0;
        }
        Step(*doc);
    }
    return 0;
}
