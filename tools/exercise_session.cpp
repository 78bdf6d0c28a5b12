#include "exercise_session.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

#include "document/document.h"
#include "practice/goal.h"
#include "practice/recording.h"
#include "script_reader.h"
#include "script_start.h"
#include "simulation/step.h"

namespace {

// Reads and starts the script on doc; an exercise must have a goal.
bool StartExercise(CKLVNDoc& doc, const std::string& path, std::string& error) {
    Script script;
    if (!ReadScript(path, script, error)) return false;
    std::string output;
    ScriptContext context = {doc, output};
    if (!StartScript(script, context, path, error)) return false;
    if (doc.practice.goal.kind == GOAL_NONE) {
        error = path + ": not an exercise (it has no goal)";
        return false;
    }
    return true;
}

}  // namespace

std::vector<ExerciseInfo> ListExercises(const std::string& folder) {
    std::vector<ExerciseInfo> list;
    std::error_code failure;
    auto scratch = std::make_unique<CKLVNDoc>();
    for (const auto& entry : std::filesystem::directory_iterator(folder, failure)) {
        if (entry.path().extension() != ".sim") continue;
        ExerciseInfo info;
        info.file = entry.path().filename().string();
        info.path = entry.path().string();
        if (StartExercise(*scratch, info.path, info.error)) {
            info.title = scratch->practice.title[0] ? scratch->practice.title : info.file;
            info.description = scratch->practice.description;
            info.goal = GoalText(scratch->practice.goal);
        } else {
            info.title = info.file;
        }
        list.push_back(info);
    }
    std::sort(list.begin(), list.end(),
              [](const ExerciseInfo& a, const ExerciseInfo& b) { return a.file < b.file; });
    return list;
}

bool BeginExercise(CKLVNDoc& doc, const std::string& path, CKLVNDoc& keep, std::string& error) {
    // Tried on a scratch document first: a failure halfway must not leave the
    // live one half set up.
    auto trial = std::make_unique<CKLVNDoc>();
    if (!StartExercise(*trial, path, error)) return false;
    std::memcpy(static_cast<void*>(&keep), &doc, sizeof doc);
    std::memcpy(static_cast<void*>(&doc), trial.get(), sizeof doc);
    doc.ui = keep.ui;
    doc.camera = keep.camera;
    // The exercise's drive is recorded from its start.
    doc.recorder = keep.recorder;
    EndRecordedDrive(doc);
    doc.ui->SetStatusText(
        (std::string("Exercise: ") + doc.practice.title + " - goal: " + GoalText(doc.practice.goal))
            .c_str());
    return true;
}

void EndExercise(CKLVNDoc& doc, const CKLVNDoc& keep) {
    UserInterface* ui = doc.ui;
    const Camera camera = doc.camera;
    std::memcpy(static_cast<void*>(&doc), &keep, sizeof doc);
    // Giving the document back is no input of the user's: the last drive
    // stays savable until the user drives again.
    RecordedOperation restoring(doc);
    doc.ui = ui;
    doc.camera = camera;
    doc.practice = PracticeRun{};
    SetRunState(doc, 1, 0);
    ResetBoat(doc);
}

std::string ExerciseRowText(const ExerciseInfo& info, int bestScore) {
    if (!info.error.empty()) return info.title + " - cannot be started: " + info.error;
    std::string row = info.title;
    if (!info.description.empty()) row += " - " + info.description;
    return row + (bestScore < 0 ? " - not yet done" : " - best score " + std::to_string(bestScore));
}
