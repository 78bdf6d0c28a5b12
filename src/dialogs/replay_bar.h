#pragma once

#include <QDialog>

class QPushButton;

// The small modeless bar of a replay: Pause (held down while paused), Step
// (one step while paused), 4x faster (held down while fast) and Stop.
// Closing it stops the replay as Stop does.
class ReplayBar : public QDialog {
    Q_OBJECT

public:
    explicit ReplayBar(QWidget* owner);

    bool Paused() const;
    bool Fast() const;

signals:
    void stepRequested();
    void stopRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape

private:
    QPushButton* AddButton(const char* text, bool checkable);

    QPushButton* pause_;
    QPushButton* fast_;
};
