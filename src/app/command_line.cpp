#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

namespace {

// Options Qt's application object takes for itself; with a value when the
// flag says so.
struct QtOption {
    const char* name;
    bool withValue;
};

constexpr QtOption QT_OPTIONS[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"display", true},
    {"geometry", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"title", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"session", true},
    {"fontengine", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"qmljsdebugger", true},
};

QString Usage(const QString& program) {
    return QStringLiteral(
               "Usage: %1 [--data-dir DIR | --user-data] [Qt options]\n"
               "A simulator of close-quarters boat handling.\n\n"
               "Options:\n"
               "  -h, --help        Show this help and exit.\n"
               "  -v, --version     Show the program's version and exit.\n"
               "  --data-dir DIR    Keep the settings and boats in DIR (created if missing).\n"
               "  --user-data       Keep them in the user's data folder\n"
               "                    ($XDG_DATA_HOME/kelvane, by default "
               "~/.local/share/kelvane).\n\n"
               "Without a data folder option the settings and boats are kept in the\n"
               "current folder. Qt's own options, such as -platform and -display, are\n"
               "passed to Qt.\n")
        .arg(program);
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-platform xcb" is one option with a value, as Qt reads it.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption userData(QStringLiteral("user-data"));
    parser.addOptions({help, version, dataDir, userData});
    for (const QtOption& qt : QT_OPTIONS) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.withValue) option.setValueName(QStringLiteral("VALUE"));
        parser.addOption(option);
    }

    CommandLine line;
    const QString program =
        arguments.isEmpty() ? QStringLiteral("kelvane") : QFileInfo(arguments[0]).fileName();
    if (!parser.parse(arguments)) {
        line.action = CommandLineAction::Error;
        line.text = program + QStringLiteral(": ") + parser.errorText() + QStringLiteral("\n\n") +
                    Usage(program);
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.action = CommandLineAction::Error;
        line.text = QStringLiteral("%1: unexpected argument '%2'\n\n")
                        .arg(program, parser.positionalArguments().first()) +
                    Usage(program);
        return line;
    }
    if (parser.isSet(dataDir) && parser.isSet(userData)) {
        line.action = CommandLineAction::Error;
        line.text = program + QStringLiteral(": --data-dir and --user-data name two folders\n\n") +
                    Usage(program);
        return line;
    }
    if (parser.isSet(help)) {
        line.action = CommandLineAction::Help;
        line.text = Usage(program);
    } else if (parser.isSet(version)) {
        line.action = CommandLineAction::Version;
        line.text = QStringLiteral("Kelvane " KELVANE_VERSION "\n");
    }
    if (parser.isSet(dataDir)) {
        line.source = DataFolderSource::Named;
        line.dataDir = parser.value(dataDir);
    } else if (parser.isSet(userData)) {
        line.source = DataFolderSource::UserData;
    }
    return line;
}

int PrintCommandLineAnswer(const CommandLine& line) {
    const QByteArray text = line.text.toLocal8Bit();
    const bool error = line.action == CommandLineAction::Error;
    std::fputs(text.constData(), error ? stderr : stdout);
    return error ? EXIT_USAGE : 0;
}

bool ResolveDataFolder(const CommandLine& line, std::string& folder) {
    std::string error;
    folder = ChooseDataFolder(line.source, line.dataDir.toStdString(),
                              CurrentDataFolderEnvironment(), error);
    if (error.empty()) PrepareDataFolder(folder, error);
    if (error.empty()) return true;
    std::fprintf(stderr, "kelvane: %s\n", error.c_str());
    return false;
}
