#pragma once

#include "common/user_interface.h"

class CMainFrame;

// How the core reaches the person at the computer in the desktop program:
// the status line into the main window's message pane, modal message boxes,
// the Yes/No question, the Boat Selection dialog and the system bell. The
// bridge console is not part of this window yet.
class ShellUserInterface : public UserInterface {
public:
    // The main window, once it exists; status text sent before it is kept.
    void Attach(CMainFrame* frame);

    void SetStatusText(const char* text) override;
    void ShowMessage(const char* text) override;
    bool AskYesNo(const char* text) override;
    void Beep(int frequencyHz, int durationMs) override;

    bool ConsoleIsOpen() const override { return false; }
    void ShowEngine(int, int, int) override {}
    void ShowRudder(int, int) override {}
    void ShowThruster(int) override {}
    void ShowRunState() override {}
    void ReopenConsole() override {}

    int ChooseBoat(const char* title) override;

private:
    CMainFrame* frame_ = nullptr;
    char pendingStatus_[200] = "Stopped";
};
