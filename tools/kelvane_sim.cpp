// kelvane-sim: runs the real document headless from a script and prints an
// exact CSV trace of the boat's motion.
//
//   kelvane-sim [--status] SCRIPT
//
// The document is built as the program's start-up builds it, from settings
// made by the script's header instead of a settings file; no file is read or
// written unless a command asks. Errors go to stderr with exit status 2, and
// then nothing is printed on stdout. A script with a goal is an exercise: its
// result and score follow the trace after a blank line.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "controls/headless_console.h"
#include "document/document.h"
#include "practice/practice_run.h"
#include "script_commands.h"
#include "script_reader.h"
#include "script_start.h"
#include "simulation/step.h"
#include "trace.h"

namespace {

constexpr int EXIT_SCRIPT_ERROR = 2;

int Fail(const std::string& message) {
    std::fprintf(stderr, "kelvane-sim: %s\n", message.c_str());
    return EXIT_SCRIPT_ERROR;
}

bool Run(const Script& script, ScriptContext& context, const std::string& path, bool withStatus,
         std::string& error) {
    CKLVNDoc& doc = context.doc;
    AppendTraceHeader(context.output, withStatus);
    std::size_t next = 0;
    for (long long call = 0; call < script.steps; ++call) {
        for (; next < script.timeline.size() && script.timeline[next].step == call; ++next) {
            std::string what;
            if (!script.timeline[next].action(context, what)) {
                error = path + ":" + std::to_string(script.timeline[next].line) + ": " + what;
                return false;
            }
        }
        bool ranContacts = doc.state.running != 0;
        doc.contact.firstPassContactCount = 0;
        Step(doc);
        ObservePracticeStep(doc);
        if ((call + 1) % script.every == 0) {
            int contacts = ranContacts ? doc.contact.firstPassContactCount : 0;
            AppendTraceRow(context.output, doc, call + 1, contacts, withStatus);
        }
    }
    return true;
}

// The usage and every script command, by where it may stand.
void PrintHelp() {
    std::printf(
        "usage: kelvane-sim [--status] SCRIPT\n"
        "Runs SCRIPT headless and prints the boat's motion as a CSV trace.\n"
        "  --status   add the status line's fields to each row\n"
        "  --help     show this help\n");
    const char* places[] = {"header", "timeline (after 'at STEP')"};
    for (unsigned place : {unsigned(IN_HEADER), unsigned(IN_TIMELINE)}) {
        std::printf("\nScript commands in the %s:\n", places[place == IN_TIMELINE]);
        std::vector<std::string> names;
        if (place == IN_HEADER) names = {"seed", "steps", "every"};
        for (const CommandTable& table : AllCommandTables())
            for (std::size_t i = 0; i < table.count; ++i)
                if (table.commands[i].places & place) names.push_back(table.commands[i].name);
        std::sort(names.begin() + (place == IN_HEADER ? 3 : 0), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        for (const std::string& name : names) std::printf("  %s\n", name.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    bool withStatus = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            PrintHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--status") == 0) {
            withStatus = true;
        } else if (argv[i][0] == '-' || !path.empty()) {
            return Fail(std::string("unexpected argument '") + argv[i] +
                        "'\nusage: kelvane-sim [--status] SCRIPT");
        } else {
            path = argv[i];
        }
    }
    if (path.empty()) return Fail("usage: kelvane-sim [--status] SCRIPT");

    Script script;
    std::string error;
    if (!ReadScript(path, script, error)) return Fail(error);

    auto doc = std::make_unique<CKLVNDoc>();
    std::string output;
    ScriptContext context = {*doc, output};
    if (!StartScript(script, context, path, error)) return Fail(error);
    // The bridge console opens without a window; the document's display calls
    // reach it as they would reach the window.
    HeadlessConsole console;
    doc->ui = &console;
    if (!Run(script, context, path, withStatus, error)) return Fail(error);

    // An exercise ends its output with the result, after a blank line.
    if (doc->practice.outcome != PRACTICE_OFF) {
        char result[512];
        FormatPracticeResult(doc->practice, result, sizeof result);
        output += '\n';
        output += result;
    }
    std::fwrite(output.data(), 1, output.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
