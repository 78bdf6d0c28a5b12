#pragma once

// Runs the built kelvane-sim program on a script, in a temporary folder, and
// keeps its exit status, stdout and stderr. Include as "../support/sim_runner.h".

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../document/temp_folder.h"

struct SimRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// kelvane-sim with the arguments as given (already quoted).
inline SimRun RunSimArgs(const TempFolder& folder, const std::string& args) {
    const std::string out = folder.File("out.txt"), err = folder.File("err.txt");
    const std::string command =
        std::string("'") + KELVANE_SIM_PATH + "' " + args + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadText(out), ReadText(err)};
}

// The script written to folder/script.sim and run, with options before it.
inline SimRun RunSim(const TempFolder& folder, const std::string& script,
                     const std::string& options = "") {
    const std::string path = folder.File("script.sim");
    std::ofstream(path, std::ios::binary) << script;
    return RunSimArgs(folder, options + " '" + path + "'");
}

// The text cut at every separator (lines by default).
inline std::vector<std::string> Split(const std::string& text, char separator = '\n') {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
    return parts;
}

// The value of the named column in every row of a trace.
inline std::vector<std::string> Column(const std::string& trace, const std::string& name) {
    std::vector<std::string> rows = Split(trace), values;
    if (rows.empty()) return values;
    const std::vector<std::string> header = Split(rows[0], ',');
    const std::size_t index = std::find(header.begin(), header.end(), name) - header.begin();
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string> cells = Split(rows[r], ',');
        values.push_back(index < cells.size() ? cells[index] : "<missing>");
    }
    return values;
}
