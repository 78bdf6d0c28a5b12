#pragma once

#include <QObject>

#include "document/command_table.h"

class QAction;
class CMainFrame;

// One QAction for every command of the table. A menu item and the toolbar
// button of the same command share it, so their check marks, pressed states
// and enabled states can never disagree.
class ShellCommands : public QObject {
    Q_OBJECT

public:
    explicit ShellCommands(CMainFrame& frame);

    // The action of a command (never null for an id of the table).
    QAction* Action(CommandId id) const;

    // A fresh, disabled action for one more blank button of a gap id: a
    // toolbar shows an action only once, and the gaps repeat.
    QAction* GapAction(CommandId id);

    // Brings every label, check mark and pressed state in line with the
    // document and the windows.
    void Refresh();

    // Only the check marks and pressed states: cheap enough for every tick,
    // so the toolbar follows keys and the console at once.
    void RefreshChecks();

private:
    void Trigger(CommandId id);

    CMainFrame& frame_;
    QAction* actions_[COMMAND_COUNT] = {};
};
