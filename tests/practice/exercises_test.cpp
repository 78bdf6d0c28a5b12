// The shipped exercises through kelvane-sim: each reads, names its goal and is
// not reached by drifting; with its drive from drives/ appended it is reached.

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
    const fs::path drives = fs::path(KELVANE_SOURCE_DIR) / "tests/practice/drives";
    int count = 0, driven = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(KELVANE_SOURCE_DIR) / "exercises")) {
        const std::string name = entry.path().filename().string(), text = ReadText(entry.path());
        TempFolder folder;
        SimRun idle = RunSim(folder, text + "steps 400\nat 0 run\n");
        ++count;
        ASSERT_EQ(idle.status, 0) << name << ": " << idle.err;
        EXPECT_NE(Line(idle.out, "Goal: "), "no goal") << name;
        EXPECT_EQ(Line(idle.out, "Result: "), "goal not reached") << name;
        if (!fs::exists(drives / name)) continue;
        ++driven;
        SimRun run = RunSim(folder, text + ReadText(drives / name));
        EXPECT_EQ(Line(run.out, "Result: "), "goal met") << name << ": " << run.err;
        EXPECT_GT(std::stoi(Line(run.out, "Score: ")), 0) << name;
    }
    EXPECT_GE(count, 8);
    EXPECT_GE(driven, 5);
}

}  // namespace
