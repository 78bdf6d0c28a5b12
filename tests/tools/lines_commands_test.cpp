// The runner's dock line and fender commands, through the kelvane-sim program.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct RunResult {
    int exitStatus = -1;
    std::string output;  // stdout and stderr
};

RunResult RunScript(const std::string& name, const std::string& script) {
    std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path) << script;
    std::string command = std::string(KELVANE_SIM_PATH) + " " + path.string() + " 2>&1";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer;
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.output.append(buffer.data(), n);
    }
    int status = pclose(pipe);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::filesystem::remove(path);
    return result;
}

// The value of a column in every row of the trace.
std::vector<std::string> Column(const std::string& trace, const std::string& name) {
    std::istringstream lines(trace);
    std::string line;
    std::getline(lines, line);
    std::vector<std::string> header;
    std::stringstream headerCells(line);
    for (std::string cell; std::getline(headerCells, cell, ',');) header.push_back(cell);
    std::size_t index = 0;
    while (index < header.size() && header[index] != name) ++index;
    std::vector<std::string> values;
    while (std::getline(lines, line)) {
        std::stringstream cells(line);
        std::string cell;
        for (std::size_t i = 0; i <= index && std::getline(cells, cell, ','); ++i) {
        }
        values.push_back(cell);
    }
    return values;
}

// The default motorboat at its start pose below the slip of layout 1.
const std::string HEADER =
    "type motorboat\n"
    "layout 1\n"
    "steps 4\n"
    "every 1\n";

}  // namespace

TEST(LinesCommands, MakeFastHardenStowAndRemove) {
    RunResult run = RunScript("kelvane_lines_ok.sim",
                              HEADER +
                                  "at 0 line 3 attach 3 0\n"     // the left finger pier
                                  "at 0 line 5 attach 30 -20\n"  // open water: stays in hand
                                  "at 1 line 3 harden\n"
                                  "at 1 line 4 attach 15 100\n"  // the anchor, to the bottom
                                  "at 2 line 3 stow\n"
                                  "at 3 lines remove\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(Column(run.output, "lineStates"),
              (std::vector<std::string>{"000201000", "000320000", "000020000", "000000000"}));
    EXPECT_EQ(Column(run.output, "attachedLineCount"),
              (std::vector<std::string>{"2", "2", "1", "0"}));
}

TEST(LinesCommands, FendersAndMalformedCommands) {
    RunResult fenders = RunScript("kelvane_fenders_ok.sim", HEADER +
                                                                "at 0 fender 6 0\n"
                                                                "at 1 unfender 6.4 0\n"
                                                                "at 2 fender -6 0\n"
                                                                "at 3 fenders remove\n");
    EXPECT_EQ(fenders.exitStatus, 0) << fenders.output;

    const char* bad[] = {"at 0 line 9 attach 1 2\n", "at 0 line 3 attach 1\n",
                         "at 0 line 3 tighten\n",    "at 0 lines tighten\n",
                         "at 0 fender 1\n",          "at 0 unfender x 2\n",
                         "at 0 fenders all\n",       "line 3 stow\n"};
    for (const char* line : bad) {
        RunResult run = RunScript("kelvane_lines_bad.sim", HEADER + line);
        EXPECT_EQ(run.exitStatus, 2) << line;
        EXPECT_NE(run.output.find("kelvane-sim:"), std::string::npos) << line;
    }

    // Making fast a line that is fast already is refused with a message.
    RunResult twice = RunScript("kelvane_lines_twice.sim", HEADER +
                                                               "at 0 line 3 attach 3 0\n"
                                                               "at 1 line 3 attach 3 1\n");
    EXPECT_EQ(twice.exitStatus, 2);
    EXPECT_NE(twice.output.find("line 3 is made fast already"), std::string::npos);
}
