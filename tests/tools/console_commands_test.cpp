// The runner's bridge console commands, through the kelvane-sim program.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/sim_runner.h"

namespace {

TEST(RunnerConsoleCommands, ConsoleDrivesTheHelmAndDumpsWhatItShows) {
    TempFolder folder;
    SimRun run = RunSim(folder,
                        "type houseboat\nsteps 4\nevery 4\n"
                        "at 0 console open\nat 0 console press 1133\nat 0 console bar 1130 lineup\n"
                        "at 1 console bar 1129 release 25\nat 1 dump console\n"
                        "at 2 console press 1132\nat 2 console key 82\nat 2 dump console\n"
                        "at 3 console press 2\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> dumps = Split(run.err);
    ASSERT_EQ(dumps.size(), 2u) << run.err;
    EXPECT_NE(dumps[0].find("\"layout\":140,\"magnitude\":[31,0],\"direction\":[1,0]"),
              std::string::npos);
    EXPECT_NE(dumps[0].find("[1133,\"ahead lit\"]"), std::string::npos);
    EXPECT_NE(dumps[0].find("[1130,69,\"green\"],[1131,100,\"grey\"],[1129,25,\"red\"]"),
              std::string::npos);
    // SYNC puts both engines in neutral; a starboard key then moves only that one.
    EXPECT_NE(dumps[1].find("\"synchronized\":1"), std::string::npos);
    EXPECT_NE(dumps[1].find("[1132,\"on\"]"), std::string::npos);
    EXPECT_EQ(Column(run.out, "throttleNotch0"), std::vector<std::string>{"8"});
    EXPECT_EQ(Column(run.out, "throttleNotch1"), std::vector<std::string>{"9"});
}

}  // namespace
