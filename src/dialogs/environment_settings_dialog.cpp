#include "dialogs/environment_settings_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dialog_units.h"
#include "dialogs/number_edit.h"
#include "document/document.h"

namespace {

// The template, in dialog units: wind on the top row, current below, speed
// on the left and direction on the right.
constexpr int DIALOG_WIDTH = 327, DIALOG_HEIGHT = 177;
constexpr int GROUP_X[ENV_QUANTITIES] = {6, 166, 6, 166};
constexpr int GROUP_Y[ENV_QUANTITIES] = {2, 2, 81, 81};
constexpr int GROUP_WIDTH = 155, GROUP_HEIGHT = 77;

// Inside a quantity's group.
constexpr QRect VARIES_BOX(8, 11, 100, 10);
constexpr int LABEL_X = 8, LABEL_WIDTH = 58, EDIT_X = 68, EDIT_WIDTH = 40, EDIT_HEIGHT = 12;
constexpr int BOX_Y[2] = {23, 37};  // average, variation
constexpr QRect RATE_GROUP(6, 50, 143, 24);
struct RadioPlace {
    EnvRate rate;
    int x, width;
};
constexpr RadioPlace RADIOS[] = {
    {EnvRate::Fast, 8, 40}, {EnvRate::Medium, 50, 46}, {EnvRate::Slow, 100, 40}};
constexpr int RADIO_Y = 11, RADIO_HEIGHT = 10;

constexpr QRect CANCEL_BUTTON(106, 161, 50, 14);
constexpr QRect OK_BUTTON(171, 161, 50, 14);

QRect Place(const DialogUnits& du, const QRect& units) {
    return du.Rect(units.x(), units.y(), units.width(), units.height());
}

QString Joined(const char* group, const char* caption) {
    return QString::fromLatin1(group) + ' ' + QString::fromLatin1(caption);
}

}  // namespace

EnvironmentSettingsDialog::EnvironmentSettingsDialog(QWidget* parent, CKLVNDoc& doc)
    : QDialog(parent), doc_(doc), values_(FillEnvironmentDialog(doc.env)) {
    setWindowTitle("Environment Settings");
    setFont(DialogFont());
    const DialogUnits du(font());
    setFixedSize(du.Size(DIALOG_WIDTH, DIALOG_HEIGHT));

    for (int k = 0; k < ENV_QUANTITIES; ++k) BuildGroup(k);

    auto* cancel = new QPushButton("CANCEL", this);
    auto* ok = new QPushButton("OK", this);
    cancel->setGeometry(Place(du, CANCEL_BUTTON));
    ok->setGeometry(Place(du, OK_BUTTON));
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void EnvironmentSettingsDialog::BuildGroup(int k) {
    const DialogUnits du(font());
    const EnvironmentGroupText& text = ENVIRONMENT_GROUP_TEXT[k];
    EnvironmentQuantityValues& q = values_.quantity[k];

    auto* group = new QGroupBox(QString::fromLatin1(text.title), this);
    group->setGeometry(du.Rect(GROUP_X[k], GROUP_Y[k], GROUP_WIDTH, GROUP_HEIGHT));

    auto* varies = new QCheckBox(QString::fromLatin1(text.varies), group);
    varies->setAccessibleName(Joined(text.name, text.varies));
    varies->setGeometry(Place(du, VARIES_BOX));
    varies->setChecked(q.varies);
    connect(varies, &QCheckBox::toggled, this, [&q](bool on) { q.varies = on; });

    const char* captions[2] = {text.average, text.variation};
    for (int b = 0; b < 2; ++b) {
        const EnvBox box = b == 0 ? EnvBox::Average : EnvBox::Variation;
        auto* label = new QLabel(QString::fromLatin1(captions[b]), group);
        auto* edit = new NumberEdit(group);
        label->setBuddy(edit);
        label->setGeometry(du.Rect(LABEL_X, BOX_Y[b] + 2, LABEL_WIDTH, 8));
        edit->setGeometry(du.Rect(EDIT_X, BOX_Y[b], EDIT_WIDTH, EDIT_HEIGHT));
        edit->setAccessibleName(Joined(text.name, captions[b]));
        edit->SetNumber(EnvironmentBoxValue(values_, k, box));
        connect(edit, &NumberEdit::focusLost, this, [this, k, box] { ReadBox(k, box); });
        edits_[k][b] = edit;
    }

    // The three radios of a group exclude each other; none is checked when
    // the stored period is not one of theirs.
    auto* rates = new QGroupBox(QString::fromLatin1(ENVIRONMENT_RATE_TITLE), group);
    rates->setGeometry(Place(du, RATE_GROUP));
    for (const RadioPlace& place : RADIOS) {
        const char* caption = EnvRateCaption(place.rate);
        auto* radio = new QRadioButton(QString::fromLatin1(caption), rates);
        radio->setAccessibleName(Joined(text.name, caption));
        radio->setGeometry(du.Rect(place.x, RADIO_Y, place.width, RADIO_HEIGHT));
        radio->setChecked(q.rate == place.rate);
        const EnvRate rate = place.rate;
        connect(radio, &QRadioButton::toggled, this, [&q, rate](bool on) {
            if (on) q.rate = rate;
        });
    }
}

void EnvironmentSettingsDialog::ReadBox(int k, EnvBox box) {
    NumberEdit* edit = edits_[k][box == EnvBox::Average ? 0 : 1];
    EnvironmentBoxValue(values_, k, box) = edit->ReadNumber(EnvironmentBoxRange(k, box), *doc_.ui);
}

void EnvironmentSettingsDialog::accept() {
    // A box still holding the focus, or changed without ever taking it (by
    // an assistive technology), is read as if the user had left it, so that
    // nothing typed is lost.
    for (int k = 0; k < ENV_QUANTITIES; ++k) {
        for (const EnvBox box : {EnvBox::Average, EnvBox::Variation}) {
            NumberEdit* edit = edits_[k][box == EnvBox::Average ? 0 : 1];
            if (edit->hasFocus() || !edit->ShowsNumber(EnvironmentBoxValue(values_, k, box)))
                ReadBox(k, box);
        }
    }
    AcceptEnvironmentDialog(doc_, values_);
    QDialog::accept();
}

bool RunEnvironmentSettingsDialog(QWidget* parent, CKLVNDoc& doc) {
    EnvironmentSettingsDialog dialog(parent, doc);
    return dialog.exec() == QDialog::Accepted;
}
