#include <QApplication>
#include <QEvent>
#include <string>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/gamepad_helm.h"
#include "app/instance_doorbell.h"
#include "app/main_frame.h"
#include "app/shell_ui.h"
#include "app/single_instance.h"
#include "app/tone_player.h"
#include "dialogs/bridge_console_window.h"
#include "document/document.h"
#include "document/startup.h"
#include "render/klvn_view.h"

namespace {

// The document owns every record of the run; it is far too large for the stack.
CKLVNDoc document;

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before the window system starts, so they work without a display.
    const CommandLine line = ParseCommandLine(Arguments(argc, argv));
    if (line.action != CommandLineAction::Run) return PrintCommandLineAnswer(line);
    std::string folder;
    if (!ResolveDataFolder(line, folder)) return 1;
    ExitCleanlyOnFatalStartupErrors();
    // Before the window system's threads start: the player sets its stream
    // role in the environment. It outlives the user interface that uses it.
    TonePlayer tones;
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kelvane.Kelvane"));
    SingleInstance instance(QString::fromStdString(folder));
    if (!instance.Acquire()) {
        if (InstanceDoorbell::Ring(QString::fromStdString(folder))) {
            ReportHandedOver(instance);
            return 0;
        }
        ReportAlreadyRunning(instance);
        return 1;
    }
    // Listening from now on: a ring answered before the window shows is
    // still right, the window is about to come up anyway.
    InstanceDoorbell doorbell(QString::fromStdString(folder));
    doorbell.Listen();
    const QString problem = DisplayProblem();
    if (!problem.isEmpty()) {
        ReportDisplayProblem(problem);
        return 1;
    }

    ClearDocument(document);
    ShellUserInterface ui;
    ui.SetTonePlayer(&tones);
    document.ui = &ui;
    StartUpDocument(document, folder.c_str());

    CMainFrame frame(document);
    ui.Attach(&frame);
    QObject::connect(&frame, &CMainFrame::bridgeRequested, [&ui] { ui.ShowBridge(); });
    frame.Gamepad().SetSynchronizedQuery([&ui] {
        const BridgeConsoleWindow* console = ui.ConsoleWindow();
        return console && console->Console().Synchronized();
    });
    frame.Gamepad().SetEnabled(true, NoPadNotice::Quiet);
    // Escape ends the program at once, through a posted quit request.
    QObject::connect(frame.View(), &CKLVNView::quitRequested, &app,
                     [] { QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit)); });
    QObject::connect(&doorbell, &InstanceDoorbell::rung, &frame, [&frame] {
        frame.setWindowState(frame.windowState() & ~Qt::WindowMinimized);
        frame.show();
        frame.raise();
        frame.activateWindow();
    });
    frame.show();
    RestoreDefaultMessageHandler();
    return app.exec();
}
