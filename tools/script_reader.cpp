#include "script_reader.h"

#include <algorithm>
#include <fstream>
#include <sstream>

// The tables of every subsystem's commands.
std::vector<CommandTable> AllCommandTables() {
    return {SimCommands(),     LinesCommands(),    DocksCommands(), PersistCommands(),
            ConsoleCommands(), PracticeCommands(), RecordCommands()};
}

namespace {

constexpr long long MAX_STEPS = 1000000;  // about seven hours of simulated time

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

// Reads a command standing in place: words[0] names it, the rest are its
// arguments. Several subsystems may offer commands of the same name (the
// dumps): their readers are tried in table order and the first that reads the
// arguments wins; when none does, the first one's complaint is reported.
bool ReadCommandWords(const Words& words, CommandPlace place, const ScriptCommand*& chosen,
                      ScriptAction& action, std::string& error) {
    const std::string& name = words[0];
    Words args(words.begin() + 1, words.end());
    bool named = false;
    bool tried = false;
    for (const CommandTable& table : AllCommandTables()) {
        for (std::size_t i = 0; i < table.count; ++i) {
            const ScriptCommand& command = table.commands[i];
            if (name != command.name) continue;
            named = true;
            if (!(command.places & place)) continue;
            std::string complaint;
            if (command.read(args, action, complaint)) {
                chosen = &command;
                return true;
            }
            if (!tried) error = name + ": " + complaint;
            tried = true;
        }
    }
    if (tried) return false;
    if (named) {
        error = "'" + name + "' may not stand " +
                (place == IN_HEADER ? "in the header (before the first 'at' line)"
                                    : "in the timeline (after an 'at')");
    } else {
        error = "unknown command '" + name + "'";
    }
    return false;
}

// Reads one line into the script; false with error when it is wrong.
bool ReadLine(const Words& words, int line, bool& inTimeline, Script& script, std::string& error) {
    const ScriptCommand* command = nullptr;
    if (words[0] != "at") {
        if (inTimeline) {
            error = "'" + words[0] +
                    "' after the first 'at' line: header lines come first, timeline lines "
                    "begin with 'at'";
            return false;
        }
        if (ReadRunSetting(words, script, error)) return error.empty();
        HeaderAction header = {line, false, nullptr};
        if (!ReadCommandWords(words, IN_HEADER, command, header.action, error)) return false;
        header.afterStartUp = command->afterStartUp;
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
    TimedAction timed = {step, line, nullptr};
    Words commandWords(words.begin() + 2, words.end());
    if (!ReadCommandWords(commandWords, IN_TIMELINE, command, timed.action, error)) return false;
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
    return ReadScriptFrom(file, path, script, error);
}

bool ReadScriptFrom(std::istream& file, const std::string& path, Script& script,
                    std::string& error) {
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
