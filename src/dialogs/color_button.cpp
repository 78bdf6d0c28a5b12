#include "dialogs/color_button.h"

#include <QPainter>
#include <QPen>

namespace {

// One ring of a 3-D edge, one pixel wide: top and left in one colour, bottom
// and right in the other.
void DrawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

}  // namespace

ColorButton::ColorButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
}

void ColorButton::SetColours(const QColor& text, const QColor& back) {
    if (text == text_ && back == back_) return;
    text_ = text;
    back_ = back;
    update();
}

QSize ColorButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 12, metrics.height() + 8);
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const bool pressed = isDown();
    const bool focused = hasFocus();
    QRect edge = rect();
    painter.fillRect(edge, isEnabled() ? back_ : pal.color(QPalette::Button));

    if (focused) {
        DrawRing(painter, edge, Qt::black, Qt::black);
        edge.adjust(1, 1, -1, -1);
    }
    if (pressed) {
        DrawRing(painter, edge, pal.color(QPalette::Shadow), pal.color(QPalette::Shadow));
        DrawRing(painter, edge.adjusted(1, 1, -1, -1), pal.color(QPalette::Dark),
                 pal.color(QPalette::Dark));
    } else {
        DrawRing(painter, edge, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
        DrawRing(painter, edge.adjusted(1, 1, -1, -1), pal.color(QPalette::Midlight),
                 pal.color(QPalette::Dark));
    }

    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    if (isEnabled()) {
        const int shift = pressed ? 1 : -1;
        painter.setPen(text_);
        painter.drawText(rect().translated(shift, shift), flags, text());
    } else {
        painter.setPen(Qt::white);
        painter.drawText(rect().translated(1, 1), flags, text());
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(rect().translated(-1, -1), flags, text());
    }

    if (focused) {
        painter.setPen(QPen(text_, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}
