// The runner's dock line and fender commands, through the kelvane-sim program.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/sim_runner.h"

// The default motorboat at its start pose below the slip of layout 1.
TEST(LinesCommands, MakeFastHardenStowRemoveAndFenders) {
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
