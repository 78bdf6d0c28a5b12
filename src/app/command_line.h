#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "document/data_folder.h"

// What the command line asks for.
enum class CommandLineAction {
    Run,      // start the program
    Help,     // print the usage on standard output, exit 0
    Version,  // print the program's version on standard output, exit 0
    Error,    // print the message and the usage on standard error, exit 2
};

struct CommandLine {
    CommandLineAction action = CommandLineAction::Run;
    DataFolderSource source = DataFolderSource::WorkingDirectory;
    QString dataDir;  // with DataFolderSource::Named
    QString text;     // what Help, Version or Error print
};

constexpr int EXIT_USAGE = 2;

// Reads the arguments (the program's name first). The window system's own
// options (-platform, -display, ...) are accepted and left to Qt. Needs no
// application object, so --help and --version work without a display.
CommandLine ParseCommandLine(const QStringList& arguments);

// Prints what Help, Version and Error ask for and returns the exit status.
int PrintCommandLineAnswer(const CommandLine& line);

// The data folder the command line names, made ready for use. On failure says
// why on standard error and returns false (the program then exits with 1).
bool ResolveDataFolder(const CommandLine& line, std::string& folder);
