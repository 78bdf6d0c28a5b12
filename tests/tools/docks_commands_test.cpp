// The runner's dock, line and boat-file commands, through the kelvane-sim
// program: layout, slip, pose and the dock dump on stderr; lines and fenders in
// the trace; a boat dumped and loaded back.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../support/sim_runner.h"
#include "boat/boat_file.h"

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

TEST(RunnerDockCommands, DumpsLayoutSlipAndPoseInTheTimeline) {
    TempFolder folder;
    SimRun run = RunSim(folder,
                        "layout 6\nslip custom 5 120\nsteps 40\nat 0 dump dock\nat 1 slip 2\n"
                        "at 1 dump dock\nat 1 layout 3\nat 1 slip 0\nat 1 dump dock\nat 2 run\n"
                        "at 2 engine both ahead\nat 30 pause\nat 30 pose capture\nat 30 dump dock\n"
                        "at 31 pose default\nat 31 dump dock\n");
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> dumps, messages;
    for (const std::string& line : Split(run.err))
        (line.front() == '{' && line.back() == '}' ? dumps : messages).push_back(line);
    ASSERT_EQ(dumps.size(), 5u) << run.err;
    // The header's custom slip, corrected as the dialog corrects it.
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("Slip width adjusted to fit boat"), std::string::npos);
    EXPECT_NE(messages[1].find("Slip length adjusted to maximum"), std::string::npos);
    EXPECT_EQ(Value(dumps[0], "slipSizeIndex"), "5");
    EXPECT_EQ(Value(dumps[0], "slipLength"), "100");
    // The dock's own values are its tests' concern; here that the dump follows the timeline.
    const char* values[][2] = {
        {"dockLayout", "6"},    {"pilings", "[[0,0],[0,20],[16,0],[16,20],[32,0],[32,20]]"},
        {"slipSizeIndex", "2"}, {"slipSizeAuto", "0"},
        {"slipWidth", "16"},    {"startX", "14"}};
    for (const auto& v : values) EXPECT_EQ(Value(dumps[1], v[0]), v[1]) << v[0];
    EXPECT_EQ(Value(dumps[2], "dockLayout"), "3");
    EXPECT_EQ(Value(dumps[2], "slipWidth"), "10");
    EXPECT_EQ(Value(dumps[2], "pilings"), "[]");
    // Captured where the boat had got to, then the default pose again.
    EXPECT_NE(Value(dumps[3], "startY"), Value(dumps[4], "startY"));
    EXPECT_EQ(Value(dumps[4], "startX"), "11");
}

// The default motorboat at its start pose below the slip of layout 1.
TEST(RunnerLineCommands, MakeFastHardenStowRemoveAndFenders) {
    TempFolder folder;
    SimRun run = RunSim(folder,
                        "type motorboat\nlayout 1\nsteps 4\nevery 1\n"
                        "at 0 line 3 attach 3 0\n"     // the left finger pier
                        "at 0 line 5 attach 30 -20\n"  // open water: stays in hand
                        "at 0 fender 6 0\n"
                        "at 1 line 3 harden\n"
                        "at 1 line 4 attach 15 100\n"  // the anchor, to the bottom
                        "at 1 unfender 6.4 0\n"
                        "at 2 line 3 stow\n"
                        "at 2 fender -6 0\n"
                        "at 3 lines remove\n"
                        "at 3 fenders remove\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Column(run.out, "lineStates"),
              (std::vector<std::string>{"000201000", "000320000", "000020000", "000000000"}));
    EXPECT_EQ(Column(run.out, "attachedLineCount"), (std::vector<std::string>{"2", "2", "1", "0"}));
}

// A dumped boat loaded over another type's setting is the one that runs, and is
// written back byte for byte; a short or missing file gives the default boat.
TEST(RunnerBoatCommands, DumpedBoatLoadsBackAndRunsTheSame) {
    TempFolder folder;
    const std::string first = folder.File("first.boat"), second = folder.File("second.boat");
    const std::string drive =
        "steps 40\nevery 10\nat 0 run\nat 0 engine both ahead\nat 0 dump boat ";
    SimRun dump = RunSim(folder, "type sailboat\n" + drive + first + "\n");
    ASSERT_EQ(dump.status, 0) << dump.err;
    SimRun load = RunSim(folder, "boat " + first + "\ntype motorboat\n" + drive + second + "\n");
    ASSERT_EQ(load.status, 0) << load.err;
    EXPECT_TRUE(load.err.empty()) << load.err;
    EXPECT_EQ(TempFolder::ReadBytes(second), TempFolder::ReadBytes(first));
    EXPECT_EQ(load.out, dump.out) << "the same boat gives the same trace";
    auto boat = std::make_unique<BoatRecord>();
    ASSERT_EQ(LoadBoatFile(second.c_str(), *boat), BOAT_FILE_LOADED);
    EXPECT_EQ(boat->boatType, SAILBOAT);

    const std::vector<unsigned char> hundred(100, 3);
    TempFolder::WriteBytes(first, hundred.data(), hundred.size());
    SimRun corrupted =
        RunSim(folder, "boat " + first + "\ntype houseboat\n" + drive + second + "\n");
    EXPECT_EQ(corrupted.status, 0);
    EXPECT_NE(corrupted.err.find("Boat file is corrupted:\n\nUsing default boat"),
              std::string::npos);
    ASSERT_EQ(LoadBoatFile(second.c_str(), *boat), BOAT_FILE_LOADED);
    EXPECT_STREQ(boat->boatName, "New_Houseboat");
    SimRun missing = RunSim(folder, "boat " + folder.File("none.boat") + "\nsteps 2\n");
    EXPECT_EQ(missing.status, 0);
    EXPECT_NE(missing.err.find("Cannot open the boat data file:\n\nUsing default boat"),
              std::string::npos);
}
