#pragma once

// Exercises in the desktop program: the list of a folder's exercises, and an
// exercise taking over the live document while the user's own document waits
// aside, to come back whole when practice ends.

#include <string>
#include <vector>

struct CKLVNDoc;

struct ExerciseInfo {
    std::string file;  // name in the folder, the key of its results
    std::string path;
    std::string title, description, goal;
    std::string error;  // why it cannot be started; empty when it can
};

// The folder's *.sim files with a goal, by file name; none when the folder
// cannot be read. Each is read and started on a scratch document, so a broken
// one is listed with its error and never reaches the live document.
std::vector<ExerciseInfo> ListExercises(const std::string& folder);

// Keeps the whole document in keep and sets up the exercise in its place,
// paused at its start pose, with no data folder so that nothing is written
// while it runs. The user interface and the camera stay. When the exercise
// cannot be read or started, the document is left as it was and error says
// why.
bool BeginExercise(CKLVNDoc& doc, const std::string& path, CKLVNDoc& keep, std::string& error);

// Puts the kept document back (its settings, boat, dock, environment and data
// folder), the boat reset at its start pose and paused.
void EndExercise(CKLVNDoc& doc, const CKLVNDoc& keep);

// A row of the list of exercises: "Title - description - best score N" (or
// "not yet done"), or the reason it cannot be started.
std::string ExerciseRowText(const ExerciseInfo& info, int bestScore);
