#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

class CMainFrame;
struct CKLVNDoc;

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

private:
    void Finish();

    CMainFrame& frame_;
    CKLVNDoc& doc_;
    std::unique_ptr<CKLVNDoc> keep_;  // the user's document while an exercise runs
    std::string file_;
    QString lastResult_;
};
