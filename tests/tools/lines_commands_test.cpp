// The runner's dock line and fender commands, through the kelvane-sim program.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/sim_runner.h"

namespace {

// The default motorboat at its start pose below the slip of layout 1.
const std::string HEADER =
    "type motorboat\n"
    "layout 1\n"
    "steps 4\n"
    "every 1\n";

}  // namespace

TEST(LinesCommands, MakeFastHardenStowAndRemove) {
    TempFolder folder;
    SimRun run = RunSim(folder, HEADER +
                                    "at 0 line 3 attach 3 0\n"     // the left finger pier
                                    "at 0 line 5 attach 30 -20\n"  // open water: stays in hand
                                    "at 1 line 3 harden\n"
                                    "at 1 line 4 attach 15 100\n"  // the anchor, to the bottom
                                    "at 2 line 3 stow\n"
                                    "at 3 lines remove\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Column(run.out, "lineStates"),
              (std::vector<std::string>{"000201000", "000320000", "000020000", "000000000"}));
    EXPECT_EQ(Column(run.out, "attachedLineCount"), (std::vector<std::string>{"2", "2", "1", "0"}));
}

TEST(LinesCommands, FendersAndMalformedCommands) {
    TempFolder folder;
    SimRun fenders = RunSim(folder, HEADER +
                                        "at 0 fender 6 0\n"
                                        "at 1 unfender 6.4 0\n"
                                        "at 2 fender -6 0\n"
                                        "at 3 fenders remove\n");
    EXPECT_EQ(fenders.status, 0) << fenders.err;

    const char* bad[] = {"at 0 line 9 attach 1 2\n", "at 0 line 3 attach 1\n",
                         "at 0 line 3 tighten\n",    "at 0 lines tighten\n",
                         "at 0 fender 1\n",          "at 0 unfender x 2\n",
                         "at 0 fenders all\n",       "line 3 stow\n"};
    for (const char* line : bad) {
        SimRun run = RunSim(folder, HEADER + line);
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_NE(run.err.find("kelvane-sim:"), std::string::npos) << line;
    }

    // Making fast a line that is fast already is refused with a message.
    SimRun twice = RunSim(folder, HEADER +
                                      "at 0 line 3 attach 3 0\n"
                                      "at 1 line 3 attach 3 1\n");
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("line 3 is made fast already"), std::string::npos);
}
