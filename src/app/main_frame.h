#pragma once

#include <QMainWindow>
#include <memory>

#include "document/command_table.h"

class QLabel;
class QMenu;
class QToolBar;
class CKLVNView;
class GamepadHelm;
class PracticeShell;
class ShellCommands;
struct CKLVNDoc;

// The main window: the menu bar, the toolbar, the OpenGL view of the document
// and a status bar whose message pane shows the simulation's status line,
// beside the lock-key panes "CAP", "NUM" and "SCRL".
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CKLVNDoc& doc);
    ~CMainFrame() override;

    // Replaces the text of a status bar pane (0 is the message pane).
    void SetStatusText(int pane, const char* text);
    QString StatusText(int pane) const;

    CKLVNView* View() const { return view_; }
    QWidget* ViewContainer() const { return container_; }
    CKLVNDoc& Document() const { return doc_; }
    ShellCommands& Commands() const { return *commands_; }
    QToolBar* ToolBar() const { return toolBar_; }
    // The game-controller helm, polled before every tick's frame; off until
    // turned on (the program turns it on at start-up).
    GamepadHelm& Gamepad() const { return *gamepad_; }
    // Practice ▸ Exercises and the run of an exercise.
    PracticeShell& Practice() const { return *practice_; }

    // Carries out a command that needs the windows (dialogs, the console,
    // the toolbar and status bar, Exit).
    void RunShellCommand(CommandId id);

    // Reads the lock keys into the CAP, NUM and SCRL panes.
    void RefreshLockPanes();

signals:
    // Show Bridge: whoever owns the console opens it or brings it up.
    void bridgeRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    QMenu* AddMenu(QMenu* parent, const char* title);
    void OpenCustomSlipDialog();

    CKLVNDoc& doc_;
    CKLVNView* view_;
    QWidget* container_;
    ShellCommands* commands_;
    std::unique_ptr<GamepadHelm> gamepad_;
    PracticeShell* practice_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    QLabel* lockPanes_[3] = {};
    QString statusLine_;  // the last status line, shown again when a prompt ends
};
