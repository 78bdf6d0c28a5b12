#pragma once

#include <QDialog>

#include "simulation/environment_dialog.h"

struct CKLVNDoc;
class NumberEdit;
class QCheckBox;
class QRadioButton;

// Environment ▸ Settings ...: the average, variation, rate of change and
// varies switch of wind speed, wind direction, current speed and current
// direction. OK restarts each at its average and saves the settings; CANCEL
// (the default button, so also Enter), Escape and the close box change nothing.
class EnvironmentSettingsDialog : public QDialog {
    Q_OBJECT

public:
    EnvironmentSettingsDialog(QWidget* parent, CKLVNDoc& doc);

    void accept() override;

private:
    void BuildGroup(int quantity);
    void ReadBox(int quantity, EnvBox box);

    CKLVNDoc& doc_;
    EnvironmentDialogValues values_;
    NumberEdit* edits_[ENV_QUANTITIES][2] = {};  // average, variation
};

// Runs the dialog modally; true when the user pressed OK.
bool RunEnvironmentSettingsDialog(QWidget* parent, CKLVNDoc& doc);
