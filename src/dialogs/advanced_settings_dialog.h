#pragma once

#include <QDialog>

#include "boat/advanced_settings_dialog.h"

struct CKLVNDoc;
class NumberEdit;

// Boat ▸ Adv Settings: the boat's nineteen force coefficients in seven
// groups. SAVE puts them into the boat and resets it; USE DEFAULTS refills
// every box from the boat's type; CANCEL (the default button, so also Enter),
// Escape and the close box change nothing.
class AdvancedSettingsDialog : public QDialog {
    Q_OBJECT

public:
    AdvancedSettingsDialog(QWidget* parent, CKLVNDoc& doc);

    void accept() override;

private:
    void ReadBox(int index);
    void ShowValues();
    void UseDefaults();

    CKLVNDoc& doc_;
    AdvancedSettingsValues values_;
    NumberEdit* edits_[ADVANCED_COEFFICIENT_COUNT] = {};
};

// Runs the dialog modally; true when the user pressed SAVE.
bool RunAdvancedSettingsDialog(QWidget* parent, CKLVNDoc& doc);
