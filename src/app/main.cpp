#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <cstdio>

#include "app/display_check.h"
#include "app/gamepad_helm.h"
#include "app/main_frame.h"
#include "app/shell_ui.h"
#include "app/tone_player.h"
#include "dialogs/bridge_console_window.h"
#include "document/document.h"
#include "document/startup.h"
#include "render/klvn_view.h"

namespace {

// The document owns every record of the run; it is far too large for the stack.
CKLVNDoc document;

// Boats and the settings file live in the working directory.
void WorkingDirectory(char (&folder)[DATA_FOLDER_SIZE]) {
    if (getcwd(folder, sizeof folder) == nullptr) std::snprintf(folder, sizeof folder, ".");
}

}  // namespace

int main(int argc, char* argv[]) {
    ExitCleanlyOnFatalStartupErrors();
    // Before the window system's threads start: the player sets its stream
    // role in the environment. It outlives the user interface that uses it.
    TonePlayer tones;
    QApplication app(argc, argv);
    const QString problem = DisplayProblem();
    if (!problem.isEmpty()) {
        ReportDisplayProblem(problem);
        return 1;
    }

    ClearDocument(document);
    ShellUserInterface ui;
    ui.SetTonePlayer(&tones);
    document.ui = &ui;
    char folder[DATA_FOLDER_SIZE];
    WorkingDirectory(folder);
    StartUpDocument(document, folder);

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
    frame.show();
    RestoreDefaultMessageHandler();
    return app.exec();
}
