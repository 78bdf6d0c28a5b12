#include "dialogs/number_edit.h"

#include <QFocusEvent>

#include "common/user_interface.h"

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {}

void NumberEdit::SetNumber(double value) {
    char text[NUMBER_FIELD_TEXT_SIZE];
    FormatNumberField(value, text, sizeof text);
    setText(QString::fromLatin1(text));
}

double NumberEdit::ReadNumber(ValueRange range, UserInterface& ui) {
    const QByteArray typed = text().toLatin1();
    const NumberFieldResult result = ReadNumberField(typed.constData(), range);
    setText(QString::fromLatin1(result.text));
    if (result.clamp != FieldClamp::None) SoundRangeWarning(ui);
    return result.value;
}

bool NumberEdit::ShowsNumber(double value) const {
    char shown[NUMBER_FIELD_TEXT_SIZE];
    FormatNumberField(value, shown, sizeof shown);
    return text() == QLatin1String(shown);
}

void NumberEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A dialog that is closing, or another window taking the focus, is not the
    // user leaving the box.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    emit focusLost();
}
