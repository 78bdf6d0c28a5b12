#pragma once

#include <string>

// Where the program keeps "Persist.kvn" and the boat files.
enum class DataFolderSource {
    WorkingDirectory,  // started from a terminal: the folder it was started in
    UserData,          // started from the desktop menu: $XDG_DATA_HOME/kelvane
    Named,             // --data-dir DIR
};

// The parts of the environment the choice depends on, passed in so the rule
// can be checked without touching the real environment.
struct DataFolderEnvironment {
    std::string workingDirectory;
    std::string xdgDataHome;  // empty when unset
    std::string home;         // empty when unset
};

// The folder for a source. Named takes the given folder as it is; UserData
// follows the XDG rule: $XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share, then "kelvane" below it. Returns an empty string with a
// sentence in error when no folder can be named.
std::string ChooseDataFolder(DataFolderSource source, const std::string& named,
                             const DataFolderEnvironment& env, std::string& error);

// Makes sure the folder exists as a writable directory that fits the
// document's folder record, creating it and its parents when missing.
// Returns false with a sentence in error when it cannot.
bool PrepareDataFolder(const std::string& folder, std::string& error);

// The environment of this process.
DataFolderEnvironment CurrentDataFolderEnvironment();
