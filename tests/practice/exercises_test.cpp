// The shipped exercises through kelvane-sim: every one reads and runs, names
// its goal and starts short of it; with the drive kept for it here (the
// timeline appended to the exercise) it reaches the goal.

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/sim_runner.h"

namespace {

namespace fs = std::filesystem;

std::string Line(const std::string& out, const std::string& key) {
    for (const std::string& line : Split(out)) {
        if (line.rfind(key, 0) == 0) return line.substr(key.size());
    }
    return "(none)";
}

TEST(ExercisesTest, EveryExerciseRunsAndEveryDriveReachesItsGoal) {
    const fs::path exercises = fs::path(KELVANE_SOURCE_DIR) / "exercises";
    const fs::path drives = fs::path(KELVANE_SOURCE_DIR) / "tests/practice/drives";
    int count = 0, driven = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(exercises)) {
        if (entry.path().extension() != ".sim") continue;
        ++count;
        const std::string name = entry.path().filename().string();
        const std::string exercise = ReadText(entry.path().string());
        TempFolder folder;
        // Left to drift for ten seconds, the boat reaches nothing.
        SimRun idle = RunSim(folder, exercise + "steps 400\nat 0 run\n");
        ASSERT_EQ(idle.status, 0) << name << ": " << idle.err;
        EXPECT_NE(Line(idle.out, "Exercise: "), "") << name;
        EXPECT_NE(Line(idle.out, "Goal: "), "no goal") << name;
        EXPECT_EQ(Line(idle.out, "Result: "), "goal not reached") << name;

        const fs::path drive = drives / name;
        if (!fs::exists(drive)) continue;
        ++driven;
        SimRun run = RunSim(folder, exercise + ReadText(drive.string()));
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(Line(run.out, "Result: "), "goal met") << name << "\n" << Line(run.out, "Time: ");
        EXPECT_GT(std::stoi(Line(run.out, "Score: ")), 0) << name;
    }
    EXPECT_GE(count, 8);
    EXPECT_GE(driven, 1);
}

}  // namespace
