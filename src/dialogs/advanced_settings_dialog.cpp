#include "dialogs/advanced_settings_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_units.h"
#include "dialogs/number_edit.h"
#include "document/document.h"

namespace {

// The template, in dialog units: the notice across the top, then two columns
// of groups, each box with its caption to its right.
constexpr int DIALOG_WIDTH = 282, DIALOG_HEIGHT = 281;
constexpr QRect NOTICE(7, 5, 268, 42);
constexpr int COLUMN_X[2] = {7, 144};
constexpr int COLUMN_WIDTH = 131;
constexpr int FIRST_GROUP_Y = 50, GROUP_GAP = 3;
constexpr int ROW_TOP = 12, ROW_PITCH = 15, GROUP_BOTTOM = 2;
constexpr int EDIT_X = 5, EDIT_WIDTH = 40, EDIT_HEIGHT = 12;
constexpr int LABEL_X = 49, LABEL_WIDTH = 80;

struct GroupPlace {
    AdvancedGroup group;
    int column;
};
// Top to bottom in each column.
constexpr GroupPlace GROUPS[] = {
    {AdvancedGroup::Wind, 0},          {AdvancedGroup::Drag, 0},
    {AdvancedGroup::PropWalk, 0},      {AdvancedGroup::Rudder, 1},
    {AdvancedGroup::BowThruster, 1},   {AdvancedGroup::DockLines, 1},
    {AdvancedGroup::Accelerations, 1},
};

constexpr QRect USE_DEFAULTS_BUTTON(7, 260, 60, 14);
constexpr QRect CANCEL_BUTTON(161, 260, 50, 14);
constexpr QRect SAVE_BUTTON(225, 260, 50, 14);

QRect Place(const DialogUnits& du, const QRect& units) {
    return du.Rect(units.x(), units.y(), units.width(), units.height());
}

// The coefficients of a group, top to bottom.
int GroupRows(AdvancedGroup group, int rows[ADVANCED_COEFFICIENT_COUNT]) {
    int count = 0;
    for (int i = 0; i < ADVANCED_COEFFICIENT_COUNT; ++i) {
        if (ADVANCED_COEFFICIENTS[i].group != group) continue;
        rows[ADVANCED_COEFFICIENTS[i].row] = i;
        ++count;
    }
    return count;
}

}  // namespace

AdvancedSettingsDialog::AdvancedSettingsDialog(QWidget* parent, CKLVNDoc& doc)
    : QDialog(parent), doc_(doc), values_(FillAdvancedSettings(doc.boat)) {
    setWindowTitle("Advanced Settings");
    setFont(DialogFont());
    const DialogUnits du(font());
    setFixedSize(du.Size(DIALOG_WIDTH, DIALOG_HEIGHT));

    auto* notice = new QLabel(QString::fromLatin1(ADVANCED_SETTINGS_NOTICE), this);
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notice->setGeometry(Place(du, NOTICE));

    int columnY[2] = {FIRST_GROUP_Y, FIRST_GROUP_Y};
    for (const GroupPlace& place : GROUPS) {
        int rows[ADVANCED_COEFFICIENT_COUNT];
        const int count = GroupRows(place.group, rows);
        const int height = ROW_TOP + count * ROW_PITCH + GROUP_BOTTOM;
        auto* group = new QGroupBox(QString::fromLatin1(AdvancedGroupTitle(place.group)), this);
        group->setGeometry(
            du.Rect(COLUMN_X[place.column], columnY[place.column], COLUMN_WIDTH, height));
        columnY[place.column] += height + GROUP_GAP;

        for (int r = 0; r < count; ++r) {
            const int i = rows[r];
            const int y = ROW_TOP + r * ROW_PITCH;
            auto* edit = new NumberEdit(group);
            auto* label = new QLabel(QString::fromLatin1(ADVANCED_COEFFICIENTS[i].label), group);
            label->setBuddy(edit);
            edit->setGeometry(du.Rect(EDIT_X, y, EDIT_WIDTH, EDIT_HEIGHT));
            label->setGeometry(du.Rect(LABEL_X, y + 2, LABEL_WIDTH, 8));
            edit->setAccessibleName(QString::fromLatin1(ADVANCED_COEFFICIENTS[i].accessibleName));
            connect(edit, &NumberEdit::focusLost, this, [this, i] { ReadBox(i); });
            edits_[i] = edit;
        }
    }
    ShowValues();

    auto* useDefaults = new QPushButton("USE DEFAULTS", this);
    auto* cancel = new QPushButton("CANCEL", this);
    auto* save = new QPushButton("SAVE", this);
    useDefaults->setGeometry(Place(du, USE_DEFAULTS_BUTTON));
    cancel->setGeometry(Place(du, CANCEL_BUTTON));
    save->setGeometry(Place(du, SAVE_BUTTON));
    cancel->setDefault(true);
    connect(useDefaults, &QPushButton::clicked, this, &AdvancedSettingsDialog::UseDefaults);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
}

void AdvancedSettingsDialog::ReadBox(int i) {
    values_.value[i] = edits_[i]->ReadNumber(ADVANCED_COEFFICIENTS[i].range, *doc_.ui);
}

void AdvancedSettingsDialog::ShowValues() {
    for (int i = 0; i < ADVANCED_COEFFICIENT_COUNT; ++i) edits_[i]->SetNumber(values_.value[i]);
}

void AdvancedSettingsDialog::UseDefaults() {
    UseAdvancedDefaults(values_, doc_.boat);
    ShowValues();
}

void AdvancedSettingsDialog::accept() {
    // A box still holding the focus, or changed without ever taking it (by
    // an assistive technology), is read as if the user had left it, so that
    // nothing typed is lost.
    for (int i = 0; i < ADVANCED_COEFFICIENT_COUNT; ++i)
        if (edits_[i]->hasFocus() || !edits_[i]->ShowsNumber(values_.value[i])) ReadBox(i);
    SaveAdvancedSettings(doc_, values_);
    QDialog::accept();
}

bool RunAdvancedSettingsDialog(QWidget* parent, CKLVNDoc& doc) {
    AdvancedSettingsDialog dialog(parent, doc);
    return dialog.exec() == QDialog::Accepted;
}
