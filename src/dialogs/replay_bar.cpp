#include "dialogs/replay_bar.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

#include "dialogs/dialog_units.h"

ReplayBar::ReplayBar(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Replay"));
    setObjectName(QStringLiteral("ReplayBar"));
    setFont(DialogFont());
    setModal(false);
    auto* row = new QHBoxLayout(this);
    pause_ = AddButton("Pause", true);
    QPushButton* step = AddButton("Step", false);
    fast_ = AddButton("4x faster", true);
    QPushButton* stop = AddButton("Stop", false);
    // A single step only means something while paused.
    step->setEnabled(false);
    connect(pause_, &QPushButton::toggled, step, &QWidget::setEnabled);
    connect(step, &QPushButton::clicked, this, &ReplayBar::stepRequested);
    connect(stop, &QPushButton::clicked, this, &ReplayBar::stopRequested);
    for (QPushButton* b : {pause_, step, fast_, stop}) row->addWidget(b);
}

QPushButton* ReplayBar::AddButton(const char* text, bool checkable) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setAccessibleName(QString::fromLatin1(text));
    button->setCheckable(checkable);
    button->setAutoDefault(false);
    return button;
}

bool ReplayBar::Paused() const {
    return pause_->isChecked();
}

bool ReplayBar::Fast() const {
    return fast_->isChecked();
}

void ReplayBar::reject() {
    emit stopRequested();
}

void ReplayBar::closeEvent(QCloseEvent* event) {
    event->ignore();  // the replay decides when the bar goes
    emit stopRequested();
}
