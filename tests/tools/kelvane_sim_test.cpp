// The headless runner, run as the built program on scripts written here.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/sim_runner.h"

namespace {

const char* const HEADER =
    "step,posX,posY,headingRad,headingDeg,compassHeading,waterVelX,waterVelY,speedThroughWater,"
    "courseThroughWater,groundVelX,groundVelY,speedOverGround,yawRate,surgeSpeed,swaySpeed,"
    "driftAngle,enginePower0,enginePower1,throttleNotch0,throttleNotch1,rudderAngle,"
    "thrusterThrust,tautLineCount,attachedLineCount,contactCount,lineStates,envValue0,envValue1,"
    "envValue2,envValue3";

const char* const DRIFTING_SCRIPT =
    "type houseboat\nwind 8 300 varies 3 fast\ncurrent 1.5 45 varies 0.5 slow\nsteps 300\n"
    "every 30\nat 0 run\nat 10 engine both ahead\nat 50 rudder percent 30\n";

std::vector<std::vector<std::string>> Cells(const std::string& trace) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& row : Split(trace)) rows.push_back(Split(row, ','));
    return rows;
}

TEST(KelvaneSimTest, SameScriptAndSeedGiveTheSameTrace) {
    TempFolder folder;
    const std::string script = std::string("seed 42\n") + DRIFTING_SCRIPT;
    SimRun first = RunSim(folder, script);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, RunSim(folder, script).out);
    const auto rows = Cells(first.out);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_TRUE(rows[10][0] == "300" && rows[10][26].size() == 9u);  // nine line states
    EXPECT_NE(RunSim(folder, std::string("seed 43\n") + DRIFTING_SCRIPT).out, first.out);
    EXPECT_EQ(RunSim(folder, std::string("seed 1\n") + DRIFTING_SCRIPT).out,
              RunSim(folder, DRIFTING_SCRIPT).out);  // the default seed is 1
}

TEST(KelvaneSimTest, TimelineActsJustBeforeItsStepInFileOrder) {
    TempFolder folder;
    SimRun r = RunSim(folder,
                      "# comments and blank lines are ignored\n\ntype motorboat   # default\n"
                      "steps 6\nat 2 engine both ahead\nat 1 run\nat 2 engine both ahead\n"
                      "at 3 key F1\nat 4 key F1\nat 5 reset\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto f = Cells(r.out);
    ASSERT_EQ(f.size(), 7u);
    EXPECT_EQ(f[2][19], "8");  // two notches up before the third call
    EXPECT_EQ(f[3][19], "10");
    EXPECT_EQ(f[4][2], f[3][2]);  // F1 pauses: nothing moves; F1 runs again
    EXPECT_NE(f[5][2], f[4][2]);
    EXPECT_EQ(f[6][19], "8");  // reset: at rest in neutral at the start pose
    EXPECT_EQ(f[6][8], "0");
    EXPECT_NE(f[6][2], f[2][2]);
    EXPECT_EQ((std::vector<std::string>{f[6][1], f[6][2], f[6][3]}),
              (std::vector<std::string>{f[1][1], f[1][2], f[1][3]}));
}

TEST(KelvaneSimTest, HeaderLinesActAsSavedSettings) {
    // With --status the status line is the last column. Saved smoothing state 0 and no spread: the
    // first running step moves each varying value from 0 one period's share of the way to its
    // average.
    TempFolder folder;
    SimRun r = RunSim(folder,
                      "type houseboat\nlayout 4\nwind 8 300 varies 0 fast\n"
                      "current 1.5 45 varies 0 slow\nsteps 2\nat 0 run\nat 0 dump dock\n",
                      "--status");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("{\"dockLayout\":4,"), std::string::npos) << r.err;
    const auto f = Cells(r.out);
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(Split(r.out)[0], std::string(HEADER) + ",status");
    ASSERT_EQ(f[1].size(), 32u);
    EXPECT_EQ(std::stod(f[1][27]), 8.0 / 20.0);
    EXPECT_EQ(std::stod(f[1][28]), 300.0 / 20.0);
    EXPECT_EQ(std::stod(f[1][29]), 1.5 / 200.0);
    EXPECT_EQ(std::stod(f[1][30]), 45.0 / 200.0);
    EXPECT_EQ(f[1][31].rfind("\"New_Houseboat   ", 0), 0u) << f[1][31];

    // A later line without "varies" leaves the quantity steady at its average.
    SimRun steady = RunSim(folder, "wind 8 300 varies 3 fast\nwind 6 280\nsteps 20\nat 0 run\n");
    ASSERT_EQ(steady.status, 0) << steady.err;
    const auto rows = Cells(steady.out);
    ASSERT_EQ(rows.size(), 21u);
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_TRUE(rows[i][27] == "6" && rows[i][28] == "280") << i;
}

// Every malformed script: exit 2, nothing on stdout, the file, line and fault on stderr.
TEST(KelvaneSimTest, BadScriptsAreRejected) {
    const struct {
        const char* script;
        int line;
        const char* what;
    } bad[] = {
        {"type motorboat\nfly away\n", 2, "unknown command 'fly'"},
        {"type canoe\n", 1, "motorboat, sailboat or houseboat"},
        {"steps 10\nat 0 run\ntype sailboat\n", 3, "after the first 'at' line"},
        {"steps 10\nat 10 run\n", 2, "not within the run"},
        {"at x run\n", 1, "expected at STEP COMMAND"},
        {"run\n", 1, "may not stand in the header"},
        {"steps -1\n", 1, "steps N"},
        {"every 0\n", 1, "every K"},
        {"seed 4294967296\n", 1, "seed N"},
        {"layout 10\n", 1, "1 ... 9"},
        {"wind 40 90\n", 1, "speed must lie in 0 ... 30"},
        {"current 1 90 varies 1 brisk\n", 1, "SPEED DIR"},
        {"\n\nat 0 key F3\n", 3, "key code"},
        {"at 0 engine both value 2 50\n", 1, "engine"},
        {"at 0 rudder percent -1\n", 1, "rudder"},
        {"at 0 thruster up\n", 1, "thruster"},
        {"at 0 run now\n", 1, "takes no arguments"},
        {"at 0 layout 10\n", 1, "layout"},
        {"slip 5\n", 1, "slip"},
        {"at 0 pose now\n", 1, "pose"},
        {"at 0 dump docks\n", 1, "dump"},
        {"at 0 line 9 attach 1 2\n", 1, "line"},
        {"at 0 fender 1\n", 1, "fender"},
        {"at 0 fenders all\n", 1, "fenders"},
        {"steps 2\nat 0 line 3 attach 3 0\nat 1 line 3 attach 3 1\n", 3, "made fast already"},
        {"steps 2\nat 0 console open\nat 1 console press 1132\n", 3, "not on console layout 139"},
        {"steps 2\nat 0 console bar 1129 release 101\n", 2, "release P(0...100)"},
    };
    TempFolder folder;
    for (const auto& b : bad) {
        SimRun r = RunSim(folder, b.script);
        EXPECT_EQ(r.status, 2) << b.script;
        EXPECT_EQ(r.out, "") << b.script;
        EXPECT_NE(r.err.find("script.sim:" + std::to_string(b.line) + ": "), std::string::npos)
            << b.script << r.err;
        EXPECT_NE(r.err.find(b.what), std::string::npos) << b.script << r.err;
    }
    SimRun missing = RunSimArgs(folder, "'" + folder.File("none.sim") + "'");
    EXPECT_TRUE(missing.status == 2 && missing.out.empty());
    EXPECT_NE(missing.err.find("none.sim"), std::string::npos);
    SimRun usage = RunSimArgs(folder, "");
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("usage"), std::string::npos);
    EXPECT_EQ(RunSim(folder, "steps 1\n", "--fast").status, 2);
    SimRun unwritable =
        RunSim(folder, "steps 2\nat 0 dump boat " + folder.File("no/x.boat") + "\n");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("cannot write the boat file"), std::string::npos);
}

}  // namespace
