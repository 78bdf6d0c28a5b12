#include "script_reader.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

constexpr long long MAX_STEPS = 1000000;  // about seven hours of simulated time

// The tables of every subsystem's commands.
std::vector<CommandTable> AllCommandTables() {
    return {SimCommands(), LinesCommands()};
}

Words SplitWords(const std::string& line) {
    std::string text = line.substr(0, line.find('#'));  // '#' starts a comment
    std::istringstream stream(text);
    Words words;
    std::string word;
    while (stream >> word) words.push_back(word);
    return words;
}

// The run's own header commands: seed, steps, every. Returns false when the
// command is not one of them; sets error when it is but is malformed.
bool ReadRunSetting(const Words& words, Script& script, std::string& error) {
    const std::string& name = words[0];
    if (name != "seed" && name != "steps" && name != "every") return false;
    long long value = 0;
    if (name == "seed") {
        if (words.size() != 2 || !ReadInteger(words[1], 0, 4294967295LL, value)) {
            error = "expected seed N with N in 0 ... 4294967295";
        } else {
            script.seed = static_cast<std::uint32_t>(value);
        }
    } else if (name == "steps") {
        if (words.size() != 2 || !ReadInteger(words[1], 0, MAX_STEPS, value)) {
            error = "expected steps N with N in 0 ... " + std::to_string(MAX_STEPS);
        } else {
            script.steps = value;
        }
    } else {
        if (words.size() != 2 || !ReadInteger(words[1], 1, MAX_STEPS, value)) {
            error = "expected every K with K in 1 ... " + std::to_string(MAX_STEPS);
        } else {
            script.every = value;
        }
    }
    return true;
}

// Finds the command for words[0] that may stand in place. Sets error when there
// is none.
const ScriptCommand* FindCommand(const std::string& name, CommandPlace place, std::string& error) {
    bool known = false;
    for (const CommandTable& table : AllCommandTables()) {
        for (std::size_t i = 0; i < table.count; ++i) {
            const ScriptCommand& command = table.commands[i];
            if (name != command.name) continue;
            if (command.places & place) return &command;
            known = true;
        }
    }
    if (known) {
        error = "'" + name + "' may not stand " +
                (place == IN_HEADER ? "in the header (before the first 'at' line)"
                                    : "in the timeline (after an 'at')");
    } else {
        error = "unknown command '" + name + "'";
    }
    return nullptr;
}

// Reads one line into the script; false with error when it is wrong.
bool ReadLine(const Words& words, int line, bool& inTimeline, Script& script, std::string& error) {
    if (words[0] != "at") {
        if (inTimeline) {
            error = "'" + words[0] +
                    "' after the first 'at' line: header lines come first, timeline lines "
                    "begin with 'at'";
            return false;
        }
        if (ReadRunSetting(words, script, error)) return error.empty();
        const ScriptCommand* command = FindCommand(words[0], IN_HEADER, error);
        if (command == nullptr) return false;
        HeaderAction header = {line, command->afterStartUp, nullptr};
        Words args(words.begin() + 1, words.end());
        if (!command->read(args, header.action, error)) {
            error = words[0] + ": " + error;
            return false;
        }
        script.header.push_back(header);
        return true;
    }

    inTimeline = true;
    long long step = 0;
    if (words.size() < 3 || !ReadInteger(words[1], 0, MAX_STEPS, step)) {
        error = "expected at STEP COMMAND ...";
        return false;
    }
    if (step >= script.steps) {
        error = "step " + words[1] + " is not within the run of " + std::to_string(script.steps) +
                " steps";
        return false;
    }
    const ScriptCommand* command = FindCommand(words[2], IN_TIMELINE, error);
    if (command == nullptr) return false;
    TimedAction timed = {step, line, nullptr};
    Words args(words.begin() + 3, words.end());
    if (!command->read(args, timed.action, error)) {
        error = words[2] + ": " + error;
        return false;
    }
    script.timeline.push_back(timed);
    return true;
}

}  // namespace

bool ReadScript(const std::string& path, Script& script, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot open the script";
        return false;
    }
    bool inTimeline = false;
    std::string text;
    int line = 0;
    while (std::getline(file, text)) {
        ++line;
        Words words = SplitWords(text);
        if (words.empty()) continue;
        std::string what;
        if (!ReadLine(words, line, inTimeline, script, what)) {
            error = path + ":" + std::to_string(line) + ": " + what;
            return false;
        }
    }
    if (file.bad()) {
        error = path + ": cannot read the script";
        return false;
    }
    std::stable_sort(script.timeline.begin(), script.timeline.end(),
                     [](const TimedAction& a, const TimedAction& b) { return a.step < b.step; });
    return true;
}
