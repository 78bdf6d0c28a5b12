#include "dialogs/custom_slip_dialog.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/dialog_units.h"
#include "docks/custom_slip.h"
#include "document/document.h"

namespace {

const char TITLE[] = "Custom Slip Size";
const char NOT_A_WHOLE_NUMBER[] = "Please enter a whole number.";

class CustomSlipDialog : public QDialog {
public:
    CustomSlipDialog(QWidget* parent, const CustomSlipProposal& proposal) : QDialog(parent) {
        setWindowTitle(TITLE);
        setFont(DialogFont());
        const DialogUnits du(font());
        setFixedSize(du.Size(150, 68));
        width_ = AddBox(du, "Width", 8, proposal.width);
        length_ = AddBox(du, "Length", 28, proposal.length);
        QLabel* units = new QLabel(QString::fromLatin1(proposal.unitsLabel), this);
        units->setGeometry(du.Rect(7, 50, 80, 10));

        QPushButton* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setGeometry(du.Rect(95, 7, 48, 14));
        ok->setDefault(true);
        QPushButton* cancel = new QPushButton(QStringLiteral("CANCEL"), this);
        cancel->setGeometry(du.Rect(95, 25, 48, 14));
        connect(ok, &QPushButton::clicked, this, &CustomSlipDialog::Confirm);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        width_->setFocus();
        width_->selectAll();
    }

    int Width() const { return widthValue_; }
    int Length() const { return lengthValue_; }

private:
    QLineEdit* AddBox(const DialogUnits& du, const char* label, int y, int value) {
        QLabel* caption = new QLabel(QString::fromLatin1(label), this);
        caption->setGeometry(du.Rect(7, y + 2, 30, 10));
        QLineEdit* box = new QLineEdit(QString::number(value), this);
        box->setGeometry(du.Rect(40, y, 45, 14));
        box->setMaxLength(12);
        caption->setBuddy(box);
        box->setAccessibleName(QString::fromLatin1(label));
        return box;
    }

    // Both boxes must hold whole numbers before the dialog closes.
    void Confirm() {
        for (auto [box, value] : {std::pair{width_, &widthValue_}, {length_, &lengthValue_}}) {
            if (!ReadSlipDimension(box->text().toLatin1().constData(), *value)) {
                QMessageBox::warning(this, TITLE, NOT_A_WHOLE_NUMBER);
                box->setFocus();
                box->selectAll();
                return;
            }
        }
        accept();
    }

    QLineEdit* width_;
    QLineEdit* length_;
    int widthValue_ = 0;
    int lengthValue_ = 0;
};

}  // namespace

bool RunCustomSlipDialog(QWidget* parent, CKLVNDoc& doc) {
    CustomSlipDialog dialog(parent, ProposeCustomSlip(doc));
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyCustomSlip(doc, dialog.Width(), dialog.Length());
    return true;
}
