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

TEST(RunnerDockCommands, DumpDockHoldsTheLiveEntries) {
    TempFolder folder;
    SimRun run = RunSim(folder, "layout 6\nslip 2\nsteps 2\nat 0 dump dock\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Split(run.err);
    ASSERT_EQ(lines.size(), 1u) << run.err;
    const std::string& json = lines[0];
    EXPECT_TRUE(json.front() == '{' && json.back() == '}');
    for (const char* key : {"slipBoxA", "slipBoxB", "dockBounds", "slipSideLines", "startY"})
        EXPECT_NE(Value(json, key), "<missing>") << key;
    const char* values[][2] = {{"dockLayout", "6"},
                               {"dockRects", "[[0,40,32,46]]"},
                               {"pilings", "[[0,0],[0,20],[16,0],[16,20],[32,0],[32,20]]"},
                               {"cellGroups", "[[0,1,2,3,4,5,6,7,8,9],[],[]]"},
                               {"slipSizeIndex", "2"},
                               {"slipSizeAuto", "0"},
                               {"slipWidth", "16"},
                               {"slipLength", "40"},
                               {"startX", "14"},
                               {"startHeading", "90"}};
    for (const auto& v : values) EXPECT_EQ(Value(json, v[0]), v[1]) << v[0];
    EXPECT_EQ(Value(json, "contactCells").substr(0, 18), "[[0,40,3,43,1,0,-1");
}

TEST(RunnerDockCommands, LayoutSlipAndPoseInTheTimeline) {
    TempFolder folder;
    SimRun run = RunSim(folder,
                        "slip custom 5 120\nsteps 40\nat 0 dump dock\nat 1 layout 3\nat 1 slip 0\n"
                        "at 1 dump dock\nat 2 run\nat 2 engine both ahead\nat 30 pause\n"
                        "at 30 pose capture\nat 30 dump dock\nat 31 pose default\n"
                        "at 31 dump dock\n");
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> dumps, messages;
    for (const std::string& line : Split(run.err))
        (line.front() == '{' ? dumps : messages).push_back(line);
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
