#include "document/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "document/document.h"

namespace {

std::string FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool Absolute(const std::string& path) {
    return !path.empty() && path[0] == '/';
}

}  // namespace

std::string ChooseDataFolder(DataFolderSource source, const std::string& named,
                             const DataFolderEnvironment& env, std::string& error) {
    switch (source) {
        case DataFolderSource::Named:
            if (named.empty()) error = "the data folder name is empty";
            if (named.empty() || Absolute(named) || env.workingDirectory.empty()) return named;
            // Kept absolute so that About and the lock name the same folder.
            return env.workingDirectory + "/" + named;
        case DataFolderSource::WorkingDirectory:
            if (env.workingDirectory.empty()) error = "the current folder cannot be read";
            return env.workingDirectory;
        case DataFolderSource::UserData:
            // A relative $XDG_DATA_HOME is invalid and must be ignored.
            if (Absolute(env.xdgDataHome)) return env.xdgDataHome + "/kelvane";
            if (Absolute(env.home)) return env.home + "/.local/share/kelvane";
            error = "neither XDG_DATA_HOME nor HOME names a folder";
            return std::string();
    }
    return std::string();
}

bool PrepareDataFolder(const std::string& folder, std::string& error) {
    namespace fs = std::filesystem;
    // The document keeps the folder in a fixed record, with room for a file name.
    if (folder.size() + 1 + 64 > static_cast<std::size_t>(DATA_FOLDER_SIZE)) {
        error = "the folder name '" + folder + "' is too long";
        return false;
    }
    std::error_code code;
    if (!fs::is_directory(folder, code)) {
        fs::create_directories(folder, code);
        if (code || !fs::is_directory(folder)) {
            error = "cannot create the data folder '" + folder + "'" +
                    (code ? ": " + code.message() : std::string(": not a folder"));
            return false;
        }
    }
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        error = "cannot write in the data folder '" + folder + "'";
        return false;
    }
    return true;
}

DataFolderEnvironment CurrentDataFolderEnvironment() {
    DataFolderEnvironment env;
    char folder[DATA_FOLDER_SIZE];
    if (getcwd(folder, sizeof folder) != nullptr) env.workingDirectory = folder;
    env.xdgDataHome = FromEnvironment("XDG_DATA_HOME");
    env.home = FromEnvironment("HOME");
    return env;
}
