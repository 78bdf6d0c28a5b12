#include "app/shell_commands.h"

#include <QAction>
#include <QStatusBar>
#include <QToolBar>

#include "app/gamepad_helm.h"
#include "app/main_frame.h"
#include "app/toolbar_icons.h"
#include "document/document.h"

namespace {

int IndexOf(CommandId id) {
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        if (COMMANDS[i].id == id) return i;
    }
    return -1;
}

// What a toolbar button is called by a screen reader: its tip or, without
// one, its prompt.
QString ButtonName(const CommandRow& row) {
    if (row.tooltip[0] != '\0') return QString::fromLatin1(row.tooltip);
    if (row.prompt != nullptr && row.prompt[0] != '\0') return QString::fromLatin1(row.prompt);
    return QStringLiteral("Blank");
}

}  // namespace

ShellCommands::ShellCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        const CommandRow& row = COMMANDS[i];
        QAction* action = new QAction(&frame);
        action->setStatusTip(QString::fromLatin1(CommandPrompt(row.id)));
        action->setToolTip(ButtonName(row));
        action->setIcon(ToolbarIcon(row.id));
        action->setIconVisibleInMenu(false);
        action->setCheckable(row.check != CommandCheck::Never);
        action->setEnabled(row.handler != CommandHandler::None);
        if (row.shortcut[0] != '\0') {
            action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            // The view is a window of its own inside the main window: the
            // shortcut must work while it holds the keyboard focus.
            action->setShortcutContext(Qt::ApplicationShortcut);
        }
        const CommandId id = row.id;
        connect(action, &QAction::triggered, this, [this, id] { Trigger(id); });
        actions_[i] = action;
    }
    Refresh();
}

QAction* ShellCommands::Action(CommandId id) const {
    const int index = IndexOf(id);
    return index < 0 ? nullptr : actions_[index];
}

QAction* ShellCommands::GapAction(CommandId id) {
    QAction* gap = new QAction(ToolbarIcon(id), ButtonName(*FindCommand(id)), &frame_);
    gap->setEnabled(false);
    return gap;
}

void ShellCommands::Refresh() {
    const CKLVNDoc& doc = frame_.Document();
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        const QString label = QString::fromLatin1(CommandLabel(doc, COMMANDS[i].id));
        if (actions_[i]->text() != label) actions_[i]->setText(label);
    }
    RefreshChecks();
}

void ShellCommands::RefreshChecks() {
    const CKLVNDoc& doc = frame_.Document();
    const QToolBar* toolBar = frame_.ToolBar();
    for (int i = 0; i < COMMAND_COUNT; ++i) {
        const CommandRow& row = COMMANDS[i];
        bool checked = false;
        if (row.check == CommandCheck::Document) checked = CommandChecked(doc, row.id);
        if (row.id == CommandId::ViewToolbar) checked = toolBar && toolBar->isVisibleTo(&frame_);
        if (row.id == CommandId::ViewStatusBar) checked = frame_.statusBar()->isVisibleTo(&frame_);
        if (row.id == CommandId::Gamepad) checked = frame_.Gamepad().InUse();
        if (actions_[i]->isChecked() != checked) actions_[i]->setChecked(checked);
    }
}

namespace {

// While a replay drives, only what leaves the run alone.
bool AllowedDuringReplay(CommandId id) {
    switch (id) {
        case CommandId::Replay:  // stops it
        case CommandId::SaveRecording:
        case CommandId::ShowBridge:
        case CommandId::ViewToolbar:
        case CommandId::ViewStatusBar:
        case CommandId::About:
        case CommandId::Exit:
            return true;
        default:
            return false;
    }
}

}  // namespace

void ShellCommands::Trigger(CommandId id) {
    const CommandRow* row = FindCommand(id);
    if (row == nullptr) return;
    if (frame_.Document().inputLocked && !AllowedDuringReplay(id)) {
        Refresh();
        return;
    }
    if (row->handler == CommandHandler::Document) {
        DoCommand(frame_.Document(), id);
    } else if (row->handler == CommandHandler::Shell) {
        frame_.RunShellCommand(id);
    }
    // A checkable action flips its own mark when triggered; the document
    // decides what it really is.
    Refresh();
}
