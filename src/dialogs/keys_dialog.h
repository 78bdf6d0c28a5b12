#pragma once

#include <QDialog>

#include "controls/key_binding_rules.h"

struct CKLVNDoc;
class QLabel;
class QTableWidget;

// Control ▸ Keys ...: the driving keys, one row per action with the key bound
// to it. Select a row and press a key to bind it; the key binding rules refuse
// a key with a fixed meaning or one another row holds, and the dialog says
// why. Defaults brings back the keys the program starts with; OK writes them
// to the settings at once; Cancel, Escape and the close box change nothing.
class KeysDialog : public QDialog {
    Q_OBJECT

public:
    KeysDialog(QWidget* parent, CKLVNDoc& doc);

    void accept() override;

    QTableWidget* Table() const { return table_; }
    QString Message() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void ShowKeys();
    void Bind(int code);
    void RestoreDefaults();

    CKLVNDoc& doc_;
    KeyBindingDraft draft_;
    QTableWidget* table_ = nullptr;
    QLabel* message_ = nullptr;
};

// Runs the dialog modally; true when the user pressed OK.
bool RunKeysDialog(QWidget* parent, CKLVNDoc& doc);
