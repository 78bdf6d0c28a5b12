#pragma once

#include <QPointer>

#include "common/user_interface.h"

class BridgeConsoleWindow;
class CMainFrame;
class TonePlayer;

// How the core reaches the person at the computer in the desktop program:
// the status line into the main window's message pane, modal message boxes,
// the Yes/No question, the Boat Selection dialog, the tones and the bridge
// console.
class ShellUserInterface : public UserInterface {
public:
    // The main window, once it exists; status text sent before it is kept.
    void Attach(CMainFrame* frame);

    void SetStatusText(const char* text) override;
    void ShowMessage(const char* text) override;
    bool AskYesNo(const char* text) override;
    void Beep(int frequencyHz, int durationMs) override;
    // Where the tones play; without one they are silent.
    void SetTonePlayer(TonePlayer* player) { tones_ = player; }

    // Show Bridge: opens the bridge console beside the main window, or brings
    // the open one up.
    void ShowBridge();
    BridgeConsoleWindow* ConsoleWindow() const;

    bool ConsoleIsOpen() const override;
    void ShowEngine(int engine, int direction, int percent) override;
    void ShowRudder(int command, int percent) override;
    void ShowThruster(int command) override;
    void ShowRunState() override;
    void ReopenConsole() override;

    int ChooseBoat(const char* title) override;

private:
    CMainFrame* frame_ = nullptr;
    TonePlayer* tones_ = nullptr;
    char pendingStatus_[200] = "Stopped";
    QPointer<BridgeConsoleWindow> console_;  // cleared when the window is destroyed
};
