#pragma once

#include <QDialog>

#include "controls/bridge_console.h"

struct CKLVNDoc;
class QWidget;

// The bridge console's window: the widgets of its layout, placed from dialog
// units, showing what the console logic says and forwarding every click, bar
// action and key to it. Modeless and owned by the main window; closing it
// (CANCEL or the close box) destroys it.
class BridgeConsoleWindow : public QDialog {
    Q_OBJECT

public:
    BridgeConsoleWindow(CKLVNDoc& doc, QWidget* owner);

    // Places the window beside its owner, shows the document's state on it and
    // shows it.
    void Open();
    // False from the moment it is closed, while it waits to be destroyed.
    bool IsOpen() const { return open_; }

    void ShowEngine(int engine, int direction, int percent);
    void ShowRudder(int command, int percent);
    void ShowThruster(int command);
    void ShowRunState();

    const BridgeConsole& Console() const { return console_; }
    // The widget of a control id, or null when the layout has none.
    QWidget* Control(int id) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void Refresh();
    bool Locked();
    void Press(int id);
    void BarAction(int id, int action);
    void BarReleased(int id);
    void BarValueChanged(int id, int value);

    BridgeConsole console_;
    QWidget* widgets_[MAX_CONSOLE_CONTROLS] = {};
    bool open_ = true;
    bool refreshing_ = false;
};
