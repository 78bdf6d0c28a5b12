#include "app/practice_shell.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <vector>

#include "app/main_frame.h"
#include "dialogs/exercise_list_dialog.h"
#include "document/document.h"
#include "exercise_session.h"
#include "practice/practice_results.h"
#include "render/klvn_view.h"
#include "simulation/step.h"

namespace {

const char RESULT_TITLE[] = "Exercise Result";
const char STOP_QUESTION[] = "An exercise is running.\n\nStop it and see its result?";

}  // namespace

PracticeShell::PracticeShell(CMainFrame& frame)
    : QObject(&frame), frame_(frame), doc_(frame.Document()) {}

PracticeShell::~PracticeShell() = default;

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
