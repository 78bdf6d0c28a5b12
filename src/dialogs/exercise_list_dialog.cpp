#include "dialogs/exercise_list_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_units.h"

namespace {

// The list is sized for its rows in dialog units, as the other dialogs are.
constexpr int LIST_WIDTH_UNITS = 360;
constexpr int LIST_HEIGHT_UNITS = 120;

}  // namespace

int RunExerciseListDialog(QWidget* parent, const std::vector<std::string>& rows) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ExerciseListDialog"));
    dialog.setWindowTitle(QStringLiteral("Exercises"));
    dialog.setFont(DialogFont());
    const DialogUnits units(dialog.font());

    auto* label = new QLabel(QStringLiteral("&Exercises:"), &dialog);
    auto* list = new QListWidget(&dialog);
    list->setAccessibleName(QStringLiteral("Exercises"));
    label->setBuddy(list);
    for (const std::string& row : rows) list->addItem(QString::fromStdString(row));
    list->setMinimumSize(units.X(LIST_WIDTH_UNITS), units.Y(LIST_HEIGHT_UNITS));
    if (!rows.empty()) list->setCurrentRow(0);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* start = buttons->addButton(QStringLiteral("Start"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    start->setAccessibleName(QStringLiteral("Start"));
    start->setDefault(true);
    start->setEnabled(!rows.empty());
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return list->currentRow();
}
