#include "dialogs/console_bar.h"

#include <QPainter>
#include <QStyleOptionSlider>

ConsoleBar::ConsoleBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

void ConsoleBar::SetTroughColour(const QColor& colour) {
    if (colour == trough_) return;
    trough_ = colour;
    update();
}

// The trough in the bar's colour, then the style's arrows and thumb over it.
void ConsoleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    painter.fillRect(rect(), trough_);
    option.subControls =
        QStyle::SC_ScrollBarAddLine | QStyle::SC_ScrollBarSubLine | QStyle::SC_ScrollBarSlider;
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
}
