// The runner's dock commands, through the kelvane-sim program: layout, slip,
// pose and the dock dump on stderr.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/sim_runner.h"

namespace {

// The text of a key's value in a one-line JSON object (up to the next key).
std::string Value(const std::string& json, const std::string& key) {
    const std::string quoted = "\"" + key + "\":";
    const std::size_t at = json.find(quoted);
    if (at == std::string::npos) return "<missing>";
    std::size_t end = json.find(",\"", at + quoted.size());
    if (end == std::string::npos) end = json.size() - 1;
    return json.substr(at + quoted.size(), end - at - quoted.size());
}

}  // namespace

TEST(RunnerDockCommands, DumpDockHoldsEveryKeyForTheLiveEntries) {
    TempFolder folder;
    SimRun run = RunSim(folder, "layout 6\nslip 2\nsteps 2\nat 0 dump dock\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Split(run.err);
    ASSERT_EQ(lines.size(), 1u) << run.err;
    const std::string& json = lines[0];
    ASSERT_EQ(json.front(), '{');
    ASSERT_EQ(json.back(), '}');
    for (const char* key :
         {"dockLayout", "dockRects", "pilings", "contactCells", "cellGroups", "slipBoxA",
          "slipBoxB", "dockBounds", "slipSideLines", "slipSizeIndex", "slipSizeAuto", "slipWidth",
          "slipLength", "startX", "startY", "startHeading"}) {
        EXPECT_NE(Value(json, key), "<missing>") << key;
    }
    EXPECT_EQ(Value(json, "dockLayout"), "6");
    EXPECT_EQ(Value(json, "dockRects"), "[[0,40,32,46]]");
    EXPECT_EQ(Value(json, "pilings"), "[[0,0],[0,20],[16,0],[16,20],[32,0],[32,20]]");
    EXPECT_EQ(Value(json, "cellGroups"), "[[0,1,2,3,4,5,6,7,8,9],[],[]]");
    EXPECT_EQ(Value(json, "slipSizeIndex"), "2");
    EXPECT_EQ(Value(json, "slipSizeAuto"), "0");
    EXPECT_EQ(Value(json, "slipWidth"), "16");
    EXPECT_EQ(Value(json, "startX"), "14");
    EXPECT_EQ(Value(json, "startHeading"), "90");
    EXPECT_EQ(Value(json, "contactCells").substr(0, 18), "[[0,40,3,43,1,0,-1");
}

TEST(RunnerDockCommands, LayoutSlipAndPoseInTheTimeline) {
    TempFolder folder;
    SimRun run = RunSim(folder,
                        "slip custom 5 120\n"
                        "steps 40\n"
                        "at 0 dump dock\n"
                        "at 1 layout 3\n"
                        "at 1 slip 0\n"
                        "at 1 dump dock\n"
                        "at 2 run\n"
                        "at 2 engine both ahead\n"
                        "at 30 pause\n"
                        "at 30 pose capture\n"
                        "at 30 dump dock\n"
                        "at 31 pose default\n"
                        "at 31 dump dock\n");
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> dumps;
    std::vector<std::string> messages;
    for (const std::string& line : Split(run.err)) {
        (line.front() == '{' ? dumps : messages).push_back(line);
    }
    ASSERT_EQ(dumps.size(), 4u) << run.err;
    // The header's custom slip, corrected as the dialog corrects it.
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("Slip width adjusted to fit boat"), std::string::npos);
    EXPECT_NE(messages[1].find("Slip length adjusted to maximum"), std::string::npos);
    EXPECT_EQ(Value(dumps[0], "slipSizeIndex"), "5");
    EXPECT_EQ(Value(dumps[0], "slipLength"), "100");
    EXPECT_EQ(Value(dumps[1], "dockLayout"), "3");
    EXPECT_EQ(Value(dumps[1], "slipWidth"), "10");
    EXPECT_EQ(Value(dumps[1], "pilings"), "[]");
    // Captured where the boat had got to, then the default pose again.
    EXPECT_NE(Value(dumps[2], "startY"), Value(dumps[3], "startY"));
    EXPECT_EQ(Value(dumps[3], "startX"), "11");
}

TEST(RunnerDockCommands, MalformedDockCommandsAreErrors) {
    TempFolder folder;
    const char* scripts[] = {
        "at 0 layout 10\n", "at 0 layout\n",   "slip 5\n",          "slip custom 10\n",
        "at 0 slip big\n",  "at 0 pose now\n", "at 0 dump docks\n", "pose default\n",
    };
    for (const char* script : scripts) {
        SimRun run = RunSim(folder, std::string("steps 2\n") + script);
        EXPECT_EQ(run.status, 2) << script;
        EXPECT_TRUE(run.out.empty()) << script;
        EXPECT_NE(run.err.find("script.sim:2:"), std::string::npos) << script << run.err;
    }
}
