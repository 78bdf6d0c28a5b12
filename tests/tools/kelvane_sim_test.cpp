// The headless runner, run as the built program on scripts written here.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/sim_runner.h"

namespace {

class KelvaneSimTest : public ::testing::Test {
protected:
    TempFolder folder;

    SimRun Run(const std::string& script, const std::string& options = "") {
        return RunSim(folder, script, options);
    }
    SimRun RunArgs(const std::string& args) { return RunSimArgs(folder, args); }

    // Refused: exit 2, nothing on stdout, a message naming the file and line.
    void ExpectRejected(const std::string& script, int line, const std::string& what) {
        SimRun r = Run(script);
        EXPECT_EQ(r.status, 2) << script;
        EXPECT_EQ(r.out, "") << script;
        EXPECT_NE(r.err.find("script.sim:" + std::to_string(line) + ": "), std::string::npos)
            << r.err;
        EXPECT_NE(r.err.find(what), std::string::npos) << r.err;
    }
};

const char* const HEADER =
    "step,posX,posY,headingRad,headingDeg,compassHeading,waterVelX,waterVelY,speedThroughWater,"
    "courseThroughWater,groundVelX,groundVelY,speedOverGround,yawRate,surgeSpeed,swaySpeed,"
    "driftAngle,enginePower0,enginePower1,throttleNotch0,throttleNotch1,rudderAngle,"
    "thrusterThrust,tautLineCount,attachedLineCount,contactCount,lineStates,envValue0,envValue1,"
    "envValue2,envValue3";

const char* const DRIFTING_SCRIPT =
    "type houseboat\n"
    "wind 8 300 varies 3 fast\n"
    "current 1.5 45 varies 0.5 slow\n"
    "steps 300\n"
    "every 30\n"
    "at 0 run\n"
    "at 10 engine both ahead\n"
    "at 50 rudder percent 30\n";

TEST_F(KelvaneSimTest, SameScriptAndSeedGiveTheSameTrace) {
    std::string script = std::string("seed 42\n") + DRIFTING_SCRIPT;
    SimRun first = Run(script);
    SimRun second = Run(script);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.err, "");
    EXPECT_EQ(first.out, second.out);

    std::vector<std::string> rows = Split(first.out);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[0], HEADER);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        std::vector<std::string> fields = Split(rows[i], ',');
        ASSERT_EQ(fields.size(), 31u) << rows[i];
        EXPECT_EQ(fields[0], std::to_string(30 * i));
        EXPECT_EQ(fields[26].size(), 9u);  // nine line states
    }

    // Another seed, another wander.
    SimRun other = Run(std::string("seed 43\n") + DRIFTING_SCRIPT);
    ASSERT_EQ(other.status, 0);
    EXPECT_NE(other.out, first.out);
    // The default seed is 1.
    EXPECT_EQ(Run(std::string("seed 1\n") + DRIFTING_SCRIPT).out, Run(DRIFTING_SCRIPT).out);
}

TEST_F(KelvaneSimTest, TimelineActsJustBeforeItsStepInFileOrder) {
    SimRun r =
        Run("# comments and blank lines are ignored\n"
            "\n"
            "type motorboat   # the default boat\n"
            "steps 6\n"
            "at 2 engine both ahead\n"
            "at 1 run\n"
            "at 2 engine both ahead\n"
            "at 3 key F1\n"
            "at 4 key F1\n"
            "at 5 reset\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> rows = Split(r.out);
    ASSERT_EQ(rows.size(), 7u);
    std::vector<std::vector<std::string>> f;
    for (const std::string& row : rows) f.push_back(Split(row, ','));
    // Two notches up before the third call.
    EXPECT_EQ(f[2][19], "8");
    EXPECT_EQ(f[3][19], "10");
    // F1 pauses before the fourth call: nothing moves in it; F1 runs again.
    EXPECT_EQ(f[4][2], f[3][2]);
    EXPECT_NE(f[5][2], f[4][2]);
    // reset pauses and puts the boat back at rest in neutral.
    EXPECT_EQ(f[6][19], "8");
    EXPECT_EQ(f[6][8], "0");
    // The first call, paused, shows the start pose.
    EXPECT_NE(f[6][2], f[2][2]);
    EXPECT_EQ(f[6][1], f[1][1]);
    EXPECT_EQ(f[6][2], f[1][2]);
    EXPECT_EQ(f[6][3], f[1][3]);
}

TEST_F(KelvaneSimTest, StatusColumnAndTheDemo) {
    SimRun r = Run("steps 2\nat 0 run\n", "--status");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> rows = Split(r.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], std::string(HEADER) + ",status");
    EXPECT_NE(rows[1].find(",\"New_Motorboat   HEADING= 0.00   SPEED= 0.00    GS= 0.00    RPM= "
                           "600    RUD=  0.00    WIND= 0.00    CURRENT= 0.00\""),
              std::string::npos)
        << rows[1];

    SimRun demo = RunArgs(std::string("'") + KELVANE_SOURCE_DIR + "/scenarios/demo.sim'");
    EXPECT_EQ(demo.status, 0) << demo.err;
    EXPECT_GT(Split(demo.out).size(), 10u);
    EXPECT_EQ(demo.out.find("nan"), std::string::npos);
}

TEST_F(KelvaneSimTest, HeaderLinesActAsSavedSettings) {
    // Saved smoothing state 0 and no spread: the first running step moves each
    // varying value from 0 one period's share of the way to its average.
    SimRun r =
        Run("type houseboat\n"
            "layout 4\n"
            "wind 8 300 varies 0 fast\n"
            "current 1.5 45 varies 0 slow\n"
            "steps 2\n"
            "at 0 run\n"
            "at 0 dump dock\n",
            "--status");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("{\"dockLayout\":4,"), std::string::npos) << r.err;
    std::vector<std::string> rows = Split(r.out);
    ASSERT_EQ(rows.size(), 3u);
    std::vector<std::string> f = Split(rows[1], ',');
    ASSERT_EQ(f.size(), 32u);
    EXPECT_EQ(std::stod(f[27]), 8.0 / 20.0);
    EXPECT_EQ(std::stod(f[28]), 300.0 / 20.0);
    EXPECT_EQ(std::stod(f[29]), 1.5 / 200.0);
    EXPECT_EQ(std::stod(f[30]), 45.0 / 200.0);
    EXPECT_EQ(f[31].rfind("\"New_Houseboat   ", 0), 0u) << f[31];

    // A later line without "varies" leaves the quantity steady at its average.
    SimRun steady =
        Run("wind 8 300 varies 3 fast\n"
            "wind 6 280\n"
            "steps 20\n"
            "at 0 run\n");
    ASSERT_EQ(steady.status, 0) << steady.err;
    rows = Split(steady.out);
    ASSERT_EQ(rows.size(), 21u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        f = Split(rows[i], ',');
        EXPECT_EQ(f[27], "6") << rows[i];
        EXPECT_EQ(f[28], "280") << rows[i];
    }
}

TEST_F(KelvaneSimTest, BadScriptsAreRejected) {
    ExpectRejected("type motorboat\nfly away\n", 2, "unknown command 'fly'");
    ExpectRejected("type canoe\n", 1, "motorboat, sailboat or houseboat");
    ExpectRejected("steps 10\nat 0 run\ntype sailboat\n", 3, "after the first 'at' line");
    ExpectRejected("steps 10\nat 10 run\n", 2, "not within the run");
    ExpectRejected("at x run\n", 1, "expected at STEP COMMAND");
    ExpectRejected("at 0\n", 1, "expected at STEP COMMAND");
    ExpectRejected("run\n", 1, "may not stand in the header");
    ExpectRejected("at 0 type motorboat\n", 1, "may not stand in the timeline");
    ExpectRejected("steps -1\n", 1, "steps N");
    ExpectRejected("steps 12abc\n", 1, "steps N");
    ExpectRejected("every 0\n", 1, "every K");
    ExpectRejected("seed 4294967296\n", 1, "seed N");
    ExpectRejected("layout 10\n", 1, "1 ... 9");
    ExpectRejected("wind 40 90\n", 1, "speed must lie in 0 ... 30");
    ExpectRejected("current 1 90 varies 1 brisk\n", 1, "SPEED DIR");
    ExpectRejected("wind nan 90\n", 1, "SPEED DIR");
    ExpectRejected("\n\nat 0 key F3\n", 3, "key code");
    ExpectRejected("at 0 engine both value 2 50\n", 1, "engine");
    ExpectRejected("at 0 engine port value 1 101\n", 1, "engine");
    ExpectRejected("at 0 rudder percent -1\n", 1, "rudder");
    ExpectRejected("at 0 thruster up\n", 1, "thruster");
    ExpectRejected("at 0 run now\n", 1, "takes no arguments");

    SimRun missing = RunArgs("'" + folder.File("none.sim") + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("none.sim"), std::string::npos);

    SimRun usage = RunArgs("");
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("usage"), std::string::npos);
    EXPECT_EQ(Run("steps 1\n", "--fast").status, 2);
}

}  // namespace
