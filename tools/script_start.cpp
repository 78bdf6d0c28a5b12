#include "script_start.h"

#include "document/camera.h"
#include "document/document.h"
#include "document/startup.h"
#include "practice/practice_run.h"
#include "simulation/gaussian_random.h"
#include "simulation/step.h"

namespace {

bool ApplyHeader(const Script& script, bool afterStartUp, ScriptContext& context,
                 const std::string& path, std::string& error) {
    for (const HeaderAction& header : script.header) {
        if (header.afterStartUp != afterStartUp) continue;
        std::string what;
        if (!header.action(context, what)) {
            error = path + ":" + std::to_string(header.line) + ": " + what;
            return false;
        }
    }
    return true;
}

}  // namespace

bool StartScript(const Script& script, ScriptContext& context, const std::string& path,
                 std::string& error) {
    CKLVNDoc& doc = context.doc;
    const std::size_t slash = path.find_last_of('/');
    context.folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    ClearDocument(doc);
    InitCamera(doc);
    ApplySettingsDefaults(doc);
    doc.boatPresent = false;
    doc.dataFolder[0] = '\0';
    if (!ApplyHeader(script, false, context, path, error)) return false;
    doc.env = doc.settings.envSettingsPersisted;
    SeedSimulationRandom(doc, script.seed);
    BringUpDocument(doc);
    SetRunState(doc, 0, 1);
    if (!ApplyHeader(script, true, context, path, error)) return false;
    StartPractice(doc);
    return true;
}
