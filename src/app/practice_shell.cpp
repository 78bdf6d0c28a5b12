#include "app/practice_shell.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <vector>

#include "app/main_frame.h"
#include "dialogs/exercise_list_dialog.h"
#include "dialogs/replay_bar.h"
#include "document/document.h"
#include "exercise_session.h"
#include "practice/practice_results.h"
#include "practice/recording.h"
#include "render/klvn_view.h"
#include "replay_session.h"
#include "simulation/step.h"

namespace {

const char RESULT_TITLE[] = "Exercise Result";
const char STOP_QUESTION[] = "An exercise is running.\n\nStop it and see its result?";
const char RECORDING_FILTER[] = "Recordings (*.sim)";
constexpr int REPLAY_STEPS_PER_TICK = 2;  // a tick's frame and its repaint each step once live
constexpr int REPLAY_FAST_FACTOR = 4;

}  // namespace

PracticeShell::PracticeShell(CMainFrame& frame)
    : QObject(&frame),
      frame_(frame),
      doc_(frame.Document()),
      recorder_(std::make_unique<Recorder>()) {
    StartRecording(doc_, recorder_.get());
}

PracticeShell::~PracticeShell() {
    if (Replaying()) FinishReplay(std::string());
    StartRecording(doc_, nullptr);
}

QString PracticeShell::ExercisesFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString candidates[] = {program + "/exercises", program + "/../share/kelvane/exercises",
                                  QStringLiteral(KELVANE_EXERCISES_DIR)};
    for (const QString& folder : candidates) {
        if (QDir(folder).exists()) return QDir(folder).absolutePath();
    }
    return candidates[0];
}

void PracticeShell::OpenExercises() {
    if (Running()) {
        if (QMessageBox::question(&frame_, QStringLiteral("Exercises"),
                                  QString::fromLatin1(STOP_QUESTION)) == QMessageBox::Yes) {
            StopExercise();
        }
        return;
    }
    const std::vector<ExerciseInfo> exercises = ListExercises(ExercisesFolder().toStdString());
    const std::vector<PracticeResult> results = ReadPracticeResults(doc_.dataFolder);
    std::vector<std::string> rows;
    for (const ExerciseInfo& e : exercises) {
        rows.push_back(ExerciseRowText(e, BestScore(results, e.file)));
    }
    const int chosen = RunExerciseListDialog(&frame_, rows);
    if (chosen < 0 || chosen >= static_cast<int>(exercises.size())) return;
    StartExercise(exercises[chosen].path, exercises[chosen].file);
}

bool PracticeShell::StartExercise(const std::string& path, const std::string& file) {
    auto keep = std::make_unique<CKLVNDoc>();
    std::string error;
    if (!BeginExercise(doc_, path, *keep, error)) {
        QMessageBox::warning(&frame_, QStringLiteral("Exercises"), QString::fromStdString(error));
        return false;
    }
    keep_ = std::move(keep);
    file_ = file;
    if (doc_.ui->ConsoleIsOpen()) doc_.ui->ReopenConsole();  // the exercise's boat and engines
    frame_.View()->update();
    return true;
}

void PracticeShell::CheckRun() {
    if (Running() && doc_.practice.outcome != PRACTICE_RUNNING) Finish();
}

void PracticeShell::StopExercise() {
    if (!Running()) return;
    StopPractice(doc_);
    Finish();
}

void PracticeShell::Finish() {
    SetRunState(doc_, 1, 0);
    char text[512];
    FormatPracticeResult(doc_.practice, text, sizeof text);
    lastResult_ = QString::fromUtf8(text);
    const PracticeResult result = ResultOf(
        doc_.practice, file_,
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString());

    // The user's document comes back before any window opens, so that
    // nothing is shown or written from the exercise's.
    std::unique_ptr<CKLVNDoc> keep = std::move(keep_);
    EndExercise(doc_, *keep);
    keep.reset();
    if (doc_.ui->ConsoleIsOpen()) doc_.ui->ReopenConsole();
    frame_.View()->update();

    std::string error;
    if (doc_.dataFolder[0] != '\0' && !AppendPracticeResult(doc_.dataFolder, result, error)) {
        lastResult_ += QStringLiteral("\n") + QString::fromStdString(error);
    }
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(RESULT_TITLE), lastResult_,
                    QMessageBox::Ok, &frame_);
    box.setObjectName(QStringLiteral("ExerciseResult"));
    box.exec();
}

void PracticeShell::SaveRecordingAs() {
    QString path = QFileDialog::getSaveFileName(&frame_, QStringLiteral("Save Recording"),
                                                QString::fromLocal8Bit(doc_.dataFolder),
                                                QString::fromLatin1(RECORDING_FILTER));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".sim"))) path += QStringLiteral(".sim");
    SaveRecordingTo(path);
}

bool PracticeShell::SaveRecordingTo(const QString& path) {
    std::string error, notice;
    if (!SaveRecording(*recorder_, path.toLocal8Bit().toStdString(), error, notice)) {
        QMessageBox::warning(&frame_, QStringLiteral("Save Recording"),
                             QStringLiteral("The recording was not saved.\n\n") +
                                 QString::fromLocal8Bit(error.c_str()));
        return false;
    }
    if (!notice.empty()) {
        QMessageBox::information(&frame_, QStringLiteral("Save Recording"),
                                 QString::fromLatin1(notice.c_str()));
    }
    return true;
}

void PracticeShell::OpenReplay() {
    if (Replaying()) {
        StopReplay();
        return;
    }
    if (Running()) {
        QMessageBox::information(&frame_, QStringLiteral("Replay"),
                                 QStringLiteral("Stop the exercise before replaying a drive."));
        return;
    }
    const QString path = QFileDialog::getOpenFileName(&frame_, QStringLiteral("Replay"),
                                                      QString::fromLocal8Bit(doc_.dataFolder),
                                                      QString::fromLatin1(RECORDING_FILTER));
    if (!path.isEmpty()) StartReplay(path);
}

bool PracticeShell::StartReplay(const QString& path) {
    if (Replaying() || Running()) return false;
    auto replay = std::make_unique<ReplaySession>();
    auto keep = std::make_unique<CKLVNDoc>();
    std::string error;
    if (!replay->Begin(doc_, path.toLocal8Bit().toStdString(), *keep, error)) {
        QMessageBox::warning(&frame_, QStringLiteral("Replay"),
                             QStringLiteral("The recording cannot be replayed.\n\n") +
                                 QString::fromLocal8Bit(error.c_str()));
        return false;
    }
    replay_ = std::move(replay);
    replayKeep_ = std::move(keep);
    singleSteps_ = 0;
    frame_.View()->HoldSteps(true);
    if (doc_.ui->ConsoleIsOpen()) doc_.ui->ReopenConsole();  // the replay's boat and engines
    bar_ = new ReplayBar(&frame_);
    connect(bar_, &ReplayBar::stepRequested, this, [this] { ++singleSteps_; });
    connect(bar_, &ReplayBar::stopRequested, this, &PracticeShell::StopReplay);
    bar_->show();
    ReplayTick();
    return true;
}

void PracticeShell::ReplayTick() {
    if (!Replaying()) return;
    const bool paused = bar_ && bar_->Paused();
    const bool fast = bar_ && bar_->Fast();
    int steps = paused ? singleSteps_ : REPLAY_STEPS_PER_TICK * (fast ? REPLAY_FAST_FACTOR : 1);
    singleSteps_ = 0;
    std::string error;
    for (; steps > 0; --steps) {
        if (!replay_->StepOnce(doc_, error)) return FinishReplay(error);
    }
    if (replay_->StepsDone() >= replay_->Steps()) return FinishReplay(error);
    const QString status = QStringLiteral("Replay running, controls locked: step %1 of %2%3 - %4")
                               .arg(replay_->StepsDone())
                               .arg(replay_->Steps())
                               .arg(paused ? QStringLiteral(", paused")
                                    : fast ? QStringLiteral(", 4x")
                                           : QString())
                               .arg(QString::fromLatin1(doc_.statusText));
    doc_.ui->SetStatusText(status.toLatin1().constData());
}

void PracticeShell::StopReplay() {
    if (Replaying()) FinishReplay(std::string());
}

void PracticeShell::FinishReplay(const std::string& error) {
    replayFinal_ = doc_.state;
    replaySteps_ = replay_->StepsDone();
    const long long total = replay_->Steps();
    std::unique_ptr<ReplaySession> replay = std::move(replay_);
    std::unique_ptr<CKLVNDoc> keep = std::move(replayKeep_);
    replay->End(doc_, *keep);
    frame_.View()->HoldSteps(false);
    if (doc_.ui->ConsoleIsOpen()) doc_.ui->ReopenConsole();
    if (bar_) bar_->deleteLater();
    bar_ = nullptr;
    frame_.View()->update();
    const QString done =
        QStringLiteral("Replay ended at step %1 of %2").arg(replaySteps_).arg(total);
    doc_.ui->SetStatusText(done.toLatin1().constData());
    if (!error.empty()) {
        QMessageBox::warning(
            &frame_, QStringLiteral("Replay"),
            done + QStringLiteral(":\n\n") + QString::fromLocal8Bit(error.c_str()));
    }
}
