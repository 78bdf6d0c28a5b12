// Script commands of the boat files: a boat loaded from a .boat file in the
// header, and the live boat written to a .boat file in the timeline. Both go
// through the loader and the writer the program itself uses.

#include <cstdio>
#include <string>

#include "boat/boat_file.h"
#include "document/document.h"
#include "script_commands.h"

namespace {

// "boat PATH": the boat start-up finds as the current boat. A file that cannot
// be opened or is corrupted is reported on stderr as the program reports it,
// and start-up builds the default boat of the current type instead.
bool ReadBoat(const Words& args, ScriptAction& action, std::string& error) {
    if (args.size() != 1) {
        error = "expected boat PATH";
        return false;
    }
    const std::string given = args[0];
    action = [given](ScriptContext& context, std::string&) {
        CKLVNDoc& doc = context.doc;
        // A relative path is looked for beside the script first (a recording
        // keeps its boat there), then where the runner stands.
        std::string path = given;
        if (!given.empty() && given[0] != '/' && !context.folder.empty()) {
            const std::string beside = context.folder + given;
            if (std::FILE* file = std::fopen(beside.c_str(), "rb")) {
                std::fclose(file);
                path = beside;
            }
        }
        BoatFileStatus status = LoadBoatFile(path.c_str(), doc.boat);
        doc.boatPresent = status == BOAT_FILE_LOADED;
        if (status == BOAT_FILE_CANNOT_OPEN) {
            std::fprintf(stderr, "kelvane-sim: %s: %s\n", path.c_str(),
                         "Cannot open the boat data file:\n\nUsing default boat");
        } else if (status == BOAT_FILE_CORRUPTED) {
            std::fprintf(stderr, "kelvane-sim: %s: %s\n", path.c_str(),
                         "Boat file is corrupted:\n\nUsing default boat");
        }
        return true;
    };
    return true;
}

// "dump boat PATH": the live record as "Save" writes it.
bool ReadDump(const Words& args, ScriptAction& action, std::string& error) {
    if (args.size() != 2 || args[0] != "boat") {
        error = "expected boat PATH";
        return false;
    }
    std::string path = args[1];
    action = [path](ScriptContext& context, std::string& failure) {
        if (WriteBoatFile(path.c_str(), context.doc.boat) == RECORD_FILE_WHOLE) return true;
        failure = "cannot write the boat file " + path;
        return false;
    };
    return true;
}

const ScriptCommand PERSIST_COMMANDS[] = {
    {"boat", IN_HEADER, false, ReadBoat},
    {"dump", IN_TIMELINE, false, ReadDump},
};

}  // namespace

CommandTable PersistCommands() {
    return {PERSIST_COMMANDS, sizeof PERSIST_COMMANDS / sizeof PERSIST_COMMANDS[0]};
}
