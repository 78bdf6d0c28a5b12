#pragma once

#include <QLineEdit>

#include "common/number_field.h"

class UserInterface;

// An edit box holding one number. Its value is read when it loses the
// keyboard focus, never while the user types.
class NumberEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberEdit(QWidget* parent = nullptr);

    // Shows value with "%3.2f".
    void SetNumber(double value);

    // Reads the typed text held within range: the box shows the value as
    // kept, and a value replaced by a bound sounds the two warning tones.
    double ReadNumber(ValueRange range, UserInterface& ui);

    // Whether the box shows value as SetNumber writes it; when it does not,
    // its text was changed and has not been read yet.
    bool ShowsNumber(double value) const;

signals:
    void focusLost();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
