#include "app/shell_ui.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/main_frame.h"
#include "app/tone_player.h"
#include "boat/boat_list.h"
#include "dialogs/boat_selection_dialog.h"
#include "dialogs/bridge_console_window.h"
#include "render/klvn_view.h"

namespace {

const char MESSAGE_CAPTION[] = "Kelvane V2";

}  // namespace

void ShellUserInterface::Attach(CMainFrame* frame) {
    frame_ = frame;
    if (frame_) frame_->SetStatusText(0, pendingStatus_);
}

void ShellUserInterface::SetStatusText(const char* text) {
    if (frame_) {
        frame_->SetStatusText(0, text);
    } else {
        std::snprintf(pendingStatus_, sizeof pendingStatus_, "%s", text);
    }
}

void ShellUserInterface::ShowMessage(const char* text) {
    QMessageBox::information(frame_, MESSAGE_CAPTION, QString::fromLatin1(text));
}

bool ShellUserInterface::AskYesNo(const char* text) {
    return QMessageBox::question(frame_, MESSAGE_CAPTION, QString::fromLatin1(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// Queued and played at the pitch and length asked for; the call returns at once.
void ShellUserInterface::Beep(int frequencyHz, int durationMs) {
    if (tones_) tones_->Play(frequencyHz, durationMs);
}

int ShellUserInterface::ChooseBoat(const char* title) {
    if (frame_ == nullptr) return -1;
    BoatSelectionList list;
    FillSelectionList(frame_->Document(), list);
    return RunBoatSelectionDialog(frame_, title, list);
}

void ShellUserInterface::ShowBridge() {
    if (BridgeConsoleWindow* open = ConsoleWindow()) {
        open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    if (!frame_) return;
    console_ = new BridgeConsoleWindow(frame_->View()->Document(), frame_);
    console_->Open();
}

// A closed console may wait a moment to be destroyed; it no longer counts.
BridgeConsoleWindow* ShellUserInterface::ConsoleWindow() const {
    return console_ && console_->IsOpen() ? console_.data() : nullptr;
}

bool ShellUserInterface::ConsoleIsOpen() const {
    return ConsoleWindow() != nullptr;
}

void ShellUserInterface::ShowEngine(int engine, int direction, int percent) {
    if (BridgeConsoleWindow* open = ConsoleWindow()) open->ShowEngine(engine, direction, percent);
}

void ShellUserInterface::ShowRudder(int command, int percent) {
    if (BridgeConsoleWindow* open = ConsoleWindow()) open->ShowRudder(command, percent);
}

void ShellUserInterface::ShowThruster(int command) {
    if (BridgeConsoleWindow* open = ConsoleWindow()) open->ShowThruster(command);
}

void ShellUserInterface::ShowRunState() {
    if (BridgeConsoleWindow* open = ConsoleWindow()) open->ShowRunState();
}

void ShellUserInterface::ReopenConsole() {
    BridgeConsoleWindow* open = ConsoleWindow();
    if (!open) return;
    open->close();
    console_ = nullptr;
    ShowBridge();
}
