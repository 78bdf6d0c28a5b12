#include "app/shell_ui.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/main_frame.h"
#include "boat/boat_list.h"
#include "dialogs/boat_selection_dialog.h"

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

// The bell for now; tones of their own pitch and length come with the dialogs.
void ShellUserInterface::Beep(int, int) {
    QApplication::beep();
}

int ShellUserInterface::ChooseBoat(const char* title) {
    if (frame_ == nullptr) return -1;
    BoatSelectionList list;
    FillSelectionList(frame_->Document(), list);
    return RunBoatSelectionDialog(frame_, title, list);
}
