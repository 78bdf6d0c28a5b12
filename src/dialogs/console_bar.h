#pragma once

#include <QColor>
#include <QScrollBar>

// A bridge console bar: a scroll bar whose trough is painted in the colour of
// what it shows (an engine's gear, the rudder's side). Only the program moves
// its thumb; the console's window turns the bar's actions into notifications.
class ConsoleBar : public QScrollBar {
    Q_OBJECT

public:
    explicit ConsoleBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    void SetTroughColour(const QColor& colour);
    QColor TroughColour() const { return trough_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor trough_ = QColor(150, 150, 150);
};
