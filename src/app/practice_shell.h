#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>

#include "dialogs/replay_bar.h"
#include "simulation/dynamic_state.h"

class CMainFrame;
class ReplaySession;
struct CKLVNDoc;
struct Recorder;

// Practice ▸ Exercises: picks an exercise, lets it take over the document,
// watches the run at every tick and, when it ends, keeps the result, shows it
// and gives the user's own document back.
class PracticeShell : public QObject {
    Q_OBJECT

public:
    explicit PracticeShell(CMainFrame& frame);
    ~PracticeShell() override;

    // The list of exercises; while one runs, first the offer to stop it.
    void OpenExercises();
    // Starts the exercise in the file; false (with a message shown) if it cannot.
    bool StartExercise(const std::string& path, const std::string& file);
    // Called before every tick's frame: ends a run whose goal held or whose time ran out.
    void CheckRun();
    // Ends the run now, as the user stopping it does.
    void StopExercise();

    bool Running() const { return keep_ != nullptr; }
    // Where the exercises are: beside the program, installed, or in the source tree.
    static QString ExercisesFolder();
    // The text of the last result dialog.
    const QString& LastResult() const { return lastResult_; }

    // Every drive, practice or free, is recorded from its last reset.
    Recorder& Recording() const { return *recorder_; }
    // Practice ▸ Save Recording ...: the file dialog, then SaveRecordingTo.
    void SaveRecordingAs();
    // False (with a message box saying what failed) when it cannot be written.
    bool SaveRecordingTo(const QString& path);

    // Practice ▸ Replay ...: the file dialog, then StartReplay; while a replay
    // runs, stops it.
    void OpenReplay();
    bool StartReplay(const QString& path);
    // Before every tick's frame: the replay's steps for this tick (two, as the
    // view steps live; eight at 4x; none while paused but a single step).
    void ReplayTick();
    void StopReplay();
    bool Replaying() const { return replay_ != nullptr; }
    ReplayBar* Bar() const { return bar_; }
    // The state the last replay ended in, and how many steps it ran.
    const DynamicState& ReplayFinalState() const { return replayFinal_; }
    long long ReplaySteps() const { return replaySteps_; }

private:
    void Finish();
    void FinishReplay(const std::string& error);

    CMainFrame& frame_;
    CKLVNDoc& doc_;
    std::unique_ptr<CKLVNDoc> keep_;  // the user's document while an exercise runs
    std::string file_;
    QString lastResult_;

    std::unique_ptr<Recorder> recorder_;
    std::unique_ptr<ReplaySession> replay_;
    std::unique_ptr<CKLVNDoc> replayKeep_;  // the user's document while a replay runs
    QPointer<ReplayBar> bar_;
    int singleSteps_ = 0;
    DynamicState replayFinal_ = {};
    long long replaySteps_ = 0;
};
