#include "replay_session.h"

#include <cstring>

#include "document/document.h"
#include "exercise_session.h"
#include "practice/practice_run.h"
#include "script_start.h"
#include "simulation/step.h"

bool ReplaySession::Begin(CKLVNDoc& doc, const std::string& path, CKLVNDoc& keep,
                          std::string& error) {
    Script script;
    if (!ReadScript(path, script, error)) return false;
    auto trial = std::make_unique<CKLVNDoc>();
    ScriptContext context = {*trial, output_};
    if (!StartScript(script, context, path, error)) return false;
    script_ = std::move(script);
    path_ = path;
    next_ = 0;
    call_ = 0;
    std::memcpy(static_cast<void*>(&keep), &doc, sizeof doc);
    std::memcpy(static_cast<void*>(&doc), trial.get(), sizeof doc);
    doc.ui = keep.ui;
    doc.camera = keep.camera;
    doc.recorder = nullptr;
    doc.inputLocked = true;
    return true;
}

bool ReplaySession::StepOnce(CKLVNDoc& doc, std::string& error) {
    if (call_ >= script_.steps) return false;
    ScriptContext context = {doc, output_};
    for (; next_ < script_.timeline.size() && script_.timeline[next_].step == call_; ++next_) {
        std::string what;
        if (!script_.timeline[next_].action(context, what)) {
            error = path_ + ":" + std::to_string(script_.timeline[next_].line) + ": " + what;
            return false;
        }
    }
    Step(doc);
    ObservePracticeStep(doc);
    output_.clear();
    ++call_;
    return true;
}

void ReplaySession::End(CKLVNDoc& doc, const CKLVNDoc& keep) {
    EndExercise(doc, keep);
}
