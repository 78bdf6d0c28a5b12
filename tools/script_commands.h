#pragma once

// The commands of a kelvane-sim script. Each subsystem lists its own commands
// in a table of its own (commands_<subsystem>.cpp) and the script reader looks
// a command up in every table listed in AllCommandTables (script_reader.cpp).
//
// A command is read once, when the script is read, and every error is found
// then; reading turns it into an action that is applied to the document later
// (before start-up, after start-up, or just before a Step call).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct CKLVNDoc;

using Words = std::vector<std::string>;

// What an action may reach: the document and the trace being written (an
// action that prints, such as a dump, appends its text to output).
struct ScriptContext {
    CKLVNDoc& doc;
    std::string& output;
    std::string folder = "";  // of the script, with its '/'; a boat file is looked for there
};

// Applies a command. Returns false with a message in error when it cannot be
// done (the run then stops with that message and prints nothing).
using ScriptAction = std::function<bool(ScriptContext& context, std::string& error)>;

// Where a command may stand. A header command acts either on the settings
// before the document's start-up (as a saved setting would) or, with
// afterStartUp, on the document once it is up (as the menu command would).
enum CommandPlace : unsigned {
    IN_HEADER = 1,
    IN_TIMELINE = 2,
};

// Reads the words after the command name. Returns false with a message in
// error when they are malformed.
using ReadCommand = bool (*)(const Words& args, ScriptAction& action, std::string& error);

struct ScriptCommand {
    const char* name;
    unsigned places;    // CommandPlace bits
    bool afterStartUp;  // header only
    ReadCommand read;
};

struct CommandTable {
    const ScriptCommand* commands;
    std::size_t count;
};

// The tables of the subsystems.
CommandTable SimCommands();
CommandTable LinesCommands();
CommandTable DocksCommands();
CommandTable PersistCommands();
CommandTable ConsoleCommands();
CommandTable PracticeCommands();
CommandTable RecordCommands();

// Helpers for reading words. Each returns false when the word is not what is
// asked for; the whole word must be the number.
bool ReadInteger(const std::string& word, long long min, long long max, long long& value);
bool ReadReal(const std::string& word, double& value);  // finite only

// Every table, in the order the script reader looks a command up.
std::vector<CommandTable> AllCommandTables();
