#pragma once

#include <QDialog>

#include "boat/boat_dialog_rules.h"
#include "boat/boat_editing.h"
#include "boat/boat_record.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class NumberEdit;
struct CKLVNDoc;

// Boat ▸ New ▸ Motorboat/Sailboat/Houseboat ... (mode new, with the type) and
// Boat ▸ Edit ... (mode edit, the type is not used): fills the Boat
// Specifications dialog, runs it, and on OK takes its values into the boat and
// rebuilds everything derived from it. True when the user pressed OK and the
// boat changed; Cancel, Escape and the close box leave the document as it was.
bool RunBoatSpecificationsDialog(QWidget* parent, CKLVNDoc& doc, BoatDialogMode mode,
                                 BoatType boatType);

// The window itself: it shows the values and forwards every edit to the
// dialog's rules, which decide what the boxes hold.
class CBoatSpecificationsDialog : public QDialog {
    Q_OBJECT

public:
    CBoatSpecificationsDialog(QWidget* parent, CKLVNDoc& doc, const BoatDialogValues& values);

    const BoatDialogValues& Values() const { return values_; }

private:
    void BuildControls();
    void SetTabChain();
    void ShowValues();
    void ShowEffects(const BoatDialogEffects& effects);
    void OnBoxLeft(BoatBox box);
    void OnOK();

    CKLVNDoc& doc_;
    BoatDialogValues values_;
    BoatDialogLimits limits_;
    QLineEdit* name_ = nullptr;
    NumberEdit* boxes_[BOAT_BOX_COUNT] = {};
    QRadioButton* choices_[BOAT_DIALOG_CHOICE_COUNT] = {};
    QCheckBox* counterRotating_ = nullptr;
    QCheckBox* bowThruster_ = nullptr;
};
