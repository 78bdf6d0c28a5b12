#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button drawn by the program in a text and a background colour that
// can change at any time: the bridge console lights its buttons this way.
// It is drawn as a classic raised button filled with its background colour
// (the system button face while disabled), sunken while pressed and with a
// black outer ring and a focus rectangle while it has the focus; its caption
// sits one pixel up-left of centre, one pixel down-right while pressed, and
// is embossed while disabled.
class ColorButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit ColorButton(const QString& caption, QWidget* parent = nullptr);

    void SetColours(const QColor& text, const QColor& back);
    QColor TextColour() const { return text_; }
    QColor BackColour() const { return back_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor text_ = Qt::black;
    QColor back_ = QColor(250, 250, 250);
};
