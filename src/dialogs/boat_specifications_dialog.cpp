#include "dialogs/boat_specifications_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/number_field.h"
#include "dialogs/dialog_units.h"
#include "dialogs/number_edit.h"
#include "document/document.h"

namespace {

// The layout, in dialog units of the dialog font.
constexpr int DIALOG_WIDTH = 282;
constexpr int DIALOG_HEIGHT = 377;
constexpr int EDIT_WIDTH = 44;
constexpr int EDIT_HEIGHT = 12;
constexpr int LABEL_HEIGHT = 8;
constexpr int RADIO_HEIGHT = 10;
// Two columns of label and box: the label's left edge and the box's.
constexpr int LEFT_LABEL = 15, LEFT_EDIT = 90, RIGHT_LABEL = 140, RIGHT_EDIT = 220;

enum Group {
    GROUP_TYPE,
    GROUP_SIZE,
    GROUP_PROPULSION,
    GROUP_ENGINE_TYPE,
    GROUP_ENGINE_INFO,
    GROUP_PROP_ROTATION,
    GROUP_RUDDER,
    GROUP_BOW_THRUSTER,
    GROUP_LINES,
    GROUP_COUNT
};

struct GroupPlace {
    const char* title;
    int x, y, width, height;
};

const GroupPlace GROUPS[GROUP_COUNT] = {
    {"Type", 7, 24, 268, 26},
    {"Size", 7, 54, 268, 40},
    {"Propulsion", 7, 98, 268, 114},
    {"Engine Type", 13, 108, 84, 38},
    {"Engine Info", 100, 108, 84, 38},
    {"Prop Rotation (port)", 187, 108, 82, 38},
    {"Rudder", 7, 216, 268, 42},
    {"Bow Thruster", 7, 262, 268, 42},
    {"Lines and Fenders", 7, 308, 268, 42},
};

struct RadioPlace {
    BoatDialogChoice choice;
    const char* caption;
    Group group;
    int x, y, width;
};

const RadioPlace RADIOS[BOAT_DIALOG_CHOICE_COUNT] = {
    {BoatDialogChoice::Motorboat, "Motorboat", GROUP_TYPE, 17, 35, 70},
    {BoatDialogChoice::Sailboat, "Sailboat", GROUP_TYPE, 100, 35, 70},
    {BoatDialogChoice::Houseboat, "Houseboat", GROUP_TYPE, 183, 35, 70},
    {BoatDialogChoice::Inboard, "Inboard", GROUP_ENGINE_TYPE, 19, 119, 74},
    {BoatDialogChoice::OutboardOrIO, "Outboard or I/O", GROUP_ENGINE_TYPE, 19, 131, 76},
    {BoatDialogChoice::Single, "Single", GROUP_ENGINE_INFO, 106, 119, 38},
    {BoatDialogChoice::Twin, "Twin", GROUP_ENGINE_INFO, 106, 131, 38},
    {BoatDialogChoice::RightHand, "Right Hand", GROUP_PROP_ROTATION, 193, 119, 72},
    {BoatDialogChoice::LeftHand, "Left Hand", GROUP_PROP_ROTATION, 193, 131, 72},
};

struct BoxPlace {
    BoatBox box;
    bool right;  // in the right-hand column
    int y;
};

// In the layout's reading order, which is also the order of the Tab chain.
const BoxPlace BOXES[BOAT_BOX_COUNT] = {
    {BoatBox::LengthOverall, false, 65},
    {BoatBox::Beam, true, 65},
    {BoatBox::Draft, false, 79},
    {BoatBox::Weight, true, 79},
    {BoatBox::PropDistFromCL, false, 152},
    {BoatBox::PropDistFromTransom, true, 152},
    {BoatBox::MaxSpeedKnots, false, 166},
    {BoatBox::ReversePowerFactor, true, 166},
    {BoatBox::PropWalkFactor, false, 180},
    {BoatBox::MaxRpm, true, 180},
    {BoatBox::IdlePowerFactor, false, 194},
    {BoatBox::IdleRpm, true, 194},
    {BoatBox::RudderArea, false, 228},
    {BoatBox::RudderDistFromTransom, true, 228},
    {BoatBox::PropWashFactor, false, 242},
    {BoatBox::BowThrusterForce, false, 288},
    {BoatBox::BowThrusterDistFromTransom, true, 288},
    {BoatBox::DockLineLength, false, 320},
    {BoatBox::LineSpringConstant, true, 320},
    {BoatBox::AnchorLineLength, false, 334},
    {BoatBox::FenderDiameter, true, 334},
};

const char DIALOG_TITLE[] = "Boat Specifications";
const char NAME_LABEL[] = "Name (16 char max)";

// Places a control given in dialog units of the whole dialog, whatever
// group box it sits in.
void Place(QWidget* widget, const DialogUnits& du, int x, int y, int width, int height) {
    QRect rect = du.Rect(x, y, width, height);
    QWidget* dialog = widget->window();
    QWidget* parent = widget->parentWidget();
    if (parent != dialog) rect.translate(-parent->mapTo(dialog, QPoint(0, 0)));
    widget->setGeometry(rect);
}

}  // namespace

bool RunBoatSpecificationsDialog(QWidget* parent, CKLVNDoc& doc, BoatDialogMode mode,
                                 BoatType boatType) {
    BoatDialogValues values;
    FillBoatDialog(doc, values, mode, boatType);
    CBoatSpecificationsDialog dialog(parent, doc, values);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (mode == BOAT_DIALOG_NEW) {
        AcceptNewBoat(doc, dialog.Values());
    } else {
        AcceptEditedBoat(doc, dialog.Values());
    }
    return true;
}

CBoatSpecificationsDialog::CBoatSpecificationsDialog(QWidget* parent, CKLVNDoc& doc,
                                                     const BoatDialogValues& values)
    : QDialog(parent), doc_(doc), values_(values), limits_(MakeBoatDialogLimits(doc.units)) {
    setWindowTitle(DIALOG_TITLE);
    setFont(DialogFont());
    BuildControls();
    SetTabChain();
    ShowValues();
}

void CBoatSpecificationsDialog::BuildControls() {
    const DialogUnits du(font());
    setFixedSize(du.Size(DIALOG_WIDTH, DIALOG_HEIGHT));

    auto* nameLabel = new QLabel(NAME_LABEL, this);
    Place(nameLabel, du, 7, 9, 70, LABEL_HEIGHT);
    name_ = new QLineEdit(this);
    name_->setObjectName("boatName");
    name_->setMaxLength(BOAT_NAME_MAX_CHARS);
    name_->setAccessibleName(NAME_LABEL);
    nameLabel->setBuddy(name_);
    Place(name_, du, 80, 7, 80, EDIT_HEIGHT);
    auto* units = new QLabel(BoatDialogUnitsLabel(values_), this);
    units->setObjectName("unitsLabel");
    Place(units, du, 182, 9, 90, LABEL_HEIGHT);

    QGroupBox* groups[GROUP_COUNT];
    for (int g = 0; g < GROUP_COUNT; ++g) {
        const GroupPlace& p = GROUPS[g];
        QWidget* parent = g >= GROUP_ENGINE_TYPE && g <= GROUP_PROP_ROTATION
                              ? static_cast<QWidget*>(groups[GROUP_PROPULSION])
                              : this;
        groups[g] = new QGroupBox(p.title, parent);
        Place(groups[g], du, p.x, p.y, p.width, p.height);
    }
    // Radio buttons sit in their group box: the buttons of one box exclude
    // each other, and the arrow keys move among them.
    for (const RadioPlace& p : RADIOS) {
        auto* radio = new QRadioButton(p.caption, groups[p.group]);
        Place(radio, du, p.x, p.y, p.width, RADIO_HEIGHT);
        choices_[static_cast<int>(p.choice)] = radio;
        const BoatDialogChoice choice = p.choice;
        connect(radio, &QRadioButton::clicked, this,
                [this, choice] { ShowEffects(ChooseBoatDialogOption(values_, choice)); });
    }
    counterRotating_ = new QCheckBox("Cntr Rot", groups[GROUP_ENGINE_INFO]);
    Place(counterRotating_, du, 144, 125, 38, RADIO_HEIGHT);
    connect(counterRotating_, &QCheckBox::clicked, this,
            [this](bool on) { SetBoatDialogCheck(values_, BoatDialogCheck::CounterRotating, on); });
    bowThruster_ = new QCheckBox("Boat has a Bow Thruster", groups[GROUP_BOW_THRUSTER]);
    Place(bowThruster_, du, LEFT_LABEL, 273, 120, RADIO_HEIGHT);
    connect(bowThruster_, &QCheckBox::clicked, this,
            [this](bool on) { SetBoatDialogCheck(values_, BoatDialogCheck::BowThruster, on); });

    for (const BoxPlace& p : BOXES) {
        const BoatBoxInfo& info = BoatBoxInfoOf(p.box);
        auto* label = new QLabel(info.label, this);
        Place(label, du, p.right ? RIGHT_LABEL : LEFT_LABEL, p.y + 2,
              (p.right ? RIGHT_EDIT : LEFT_EDIT) - (p.right ? RIGHT_LABEL : LEFT_LABEL) - 2,
              LABEL_HEIGHT);
        auto* edit = new NumberEdit(this);
        edit->setObjectName(info.field);
        edit->setAccessibleName(info.accessibleName);
        label->setBuddy(edit);
        Place(edit, du, p.right ? RIGHT_EDIT : LEFT_EDIT, p.y, EDIT_WIDTH, EDIT_HEIGHT);
        boxes_[static_cast<int>(p.box)] = edit;
        const BoatBox box = p.box;
        connect(edit, &NumberEdit::focusLost, this, [this, box] { OnBoxLeft(box); });
    }

    // CANCEL is the default button: Enter in a box cancels the dialog.
    auto* cancel = new QPushButton("CANCEL", this);
    cancel->setObjectName("cancel");
    cancel->setDefault(true);
    Place(cancel, du, 160, 357, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    Place(ok, du, 218, 357, 50, 14);
    connect(ok, &QPushButton::clicked, this, &CBoatSpecificationsDialog::OnOK);
}

void CBoatSpecificationsDialog::SetTabChain() {
    QWidget* chain[] = {name_,       choices_[0], choices_[1],      choices_[2], boxes_[0],
                        boxes_[1],   boxes_[2],   boxes_[3],        choices_[3], choices_[4],
                        choices_[5], choices_[6], counterRotating_, choices_[7], choices_[8]};
    QWidget* previous = nullptr;
    auto link = [&previous](QWidget* next) {
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (QWidget* w : chain) link(w);
    for (int b = 4; b < BOAT_BOX_COUNT; ++b) {
        if (static_cast<BoatBox>(b) == BoatBox::BowThrusterForce) link(bowThruster_);
        link(boxes_[b]);
    }
    link(findChild<QPushButton*>("cancel"));
    link(findChild<QPushButton*>("ok"));
}

void CBoatSpecificationsDialog::ShowValues() {
    name_->setText(QString::fromLatin1(values_.boatName));
    for (int b = 0; b < BOAT_BOX_COUNT; ++b)
        boxes_[b]->SetNumber(BoatBoxMember(values_, static_cast<BoatBox>(b)));
    for (int c = 0; c < BOAT_DIALOG_CHOICE_COUNT; ++c)
        choices_[c]->setChecked(
            BoatDialogChoiceSelected(values_, static_cast<BoatDialogChoice>(c)));
    counterRotating_->setChecked(values_.counterRotating);
    bowThruster_->setChecked(values_.hasBowThruster);
}

void CBoatSpecificationsDialog::ShowEffects(const BoatDialogEffects& effects) {
    for (int b = 0; b < BOAT_BOX_COUNT; ++b) {
        if (effects.shown[b]) boxes_[b]->SetNumber(BoatBoxMember(values_, static_cast<BoatBox>(b)));
    }
    if (effects.bowThrusterCheckShown) bowThruster_->setChecked(values_.hasBowThruster);
    for (int w = 0; w < effects.warnings; ++w) SoundRangeWarning(*doc_.ui);
}

void CBoatSpecificationsDialog::OnBoxLeft(BoatBox box) {
    const QByteArray typed = boxes_[static_cast<int>(box)]->text().toLatin1();
    ShowEffects(LeaveBoatBox(values_, limits_, box, typed.constData()));
}

void CBoatSpecificationsDialog::OnOK() {
    // OK pressed without the focus leaving a box (from the keyboard or an
    // assistive tool) still checks what was typed there.
    for (int b = 0; b < BOAT_BOX_COUNT; ++b) {
        if (boxes_[b]->hasFocus()) OnBoxLeft(static_cast<BoatBox>(b));
    }
    SetBoatDialogName(values_, name_->text().toLatin1().constData());
    accept();
}
