#include "dialogs/boat_selection_dialog.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/dialog_units.h"

namespace {

class BoatSelectionDialog : public QDialog {
public:
    BoatSelectionDialog(QWidget* parent, const char* title, const BoatSelectionList& list)
        : QDialog(parent) {
        setWindowTitle(QString::fromLatin1(title));
        setFont(DialogFont());
        const DialogUnits du(font());
        setFixedSize(du.Size(147, 146));

        names_ = new QListWidget(this);
        names_->setGeometry(du.Rect(7, 7, 70, 135));
        names_->setAccessibleName(QString::fromLatin1(title));
        names_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        const int count = qBound(0, list.count, BOAT_LIST_SLOTS);
        for (int i = 0; i < count; ++i) {
            char name[SELECTION_NAME_SIZE];
            qstrncpy(name, list.names[i], sizeof name);  // a name without its NUL stays in bounds
            names_->addItem(QString::fromLatin1(name));
        }
        if (list.initialSelection >= 0 && list.initialSelection < count) {
            names_->setCurrentRow(list.initialSelection);
        } else {
            names_->setCurrentRow(-1);
        }

        QPushButton* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setGeometry(du.Rect(90, 7, 50, 14));
        ok->setDefault(true);
        QPushButton* cancel = new QPushButton(QStringLiteral("CANCEL"), this);
        cancel->setGeometry(du.Rect(90, 24, 50, 14));
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        names_->setFocus();
    }

    int Chosen() const {
        const QList<QListWidgetItem*> selected = names_->selectedItems();
        return selected.isEmpty() ? -1 : names_->row(selected.first());
    }

private:
    QListWidget* names_;
};

}  // namespace

int RunBoatSelectionDialog(QWidget* parent, const char* title, const BoatSelectionList& list) {
    BoatSelectionDialog dialog(parent, title, list);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return dialog.Chosen();
}
