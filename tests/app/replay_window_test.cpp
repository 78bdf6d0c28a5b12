// A drive recorded and replayed in the window: the first exercise driven to
// its goal with the keys, its result shown and kept, the recording saved and
// played back with the controls locked, ending in the run's own state bytes.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>

#include "app/gui_fixture.h"
#include "app/practice_shell.h"
#include "document/temp_folder.h"
#include "practice/practice_results.h"
#include "practice/recording.h"

namespace {

using ReplayWindow = WindowTest;

TEST_F(ReplayWindow, TheFirstExerciseReplayedEndsInTheStateItsRunEndedIn) {
    Open(MOTORBOAT, 7);
    TempFolder data;
    std::strcpy(Doc().dataFolder, data.Path().c_str());
    PracticeShell& practice = Frame()->Practice();
    ASSERT_TRUE(practice.StartExercise(
        (PracticeShell::ExercisesFolder() + "/01_first_steps.sim").toStdString(),
        "01_first_steps.sim"));
    QStringList shown;
    AnswerMessage(shown);
    QTest::keyClick(View(), Qt::Key_E);   // ahead
    QTest::keyClick(View(), Qt::Key_F1);  // run
    for (int frame = 0; frame < 4000 && practice.Running(); ++frame) {
        View()->GrabFrame();
        practice.CheckRun();
    }
    ASSERT_FALSE(practice.Running());
    EXPECT_TRUE(shown.join('\n').contains("Result: goal met")) << shown.join('\n').toStdString();
    EXPECT_GT(BestScore(ReadPracticeResults(data.Path()), "01_first_steps.sim"), 0);

    const QString path = QString::fromStdString(data.File("first.sim"));
    ASSERT_TRUE(practice.SaveRecordingTo(path));
    const long long recorded = practice.Recording().steps;
    ASSERT_TRUE(practice.StartReplay(path));
    EXPECT_TRUE(Frame()->StatusText(0).startsWith("Replay running, controls locked"));
    QStringList names;
    for (QPushButton* b : practice.Bar()->findChildren<QPushButton*>())
        names << b->accessibleName();
    EXPECT_EQ(names.join(",").toStdString(), "Pause,Step,4x faster,Stop");
    practice.Bar()->findChild<QPushButton*>()->click();  // paused
    const DynamicState paused = Doc().state;
    QTest::keyClick(View(), Qt::Key_F1);  // locked: it does not run
    QTest::keyClick(View(), Qt::Key_E);   // locked: no engine
    for (int frame = 0; frame < 20; ++frame) practice.ReplayTick();
    EXPECT_EQ(std::memcmp(&paused, &Doc().state, sizeof paused), 0);
    EXPECT_EQ(Doc().controls.throttleNotch[0], 9);
    EXPECT_TRUE(Frame()->StatusText(0).contains("step 2 of"))
        << Frame()->StatusText(0).toStdString();
    practice.Bar()->findChild<QPushButton*>()->click();  // on again
    for (int frame = 0; frame < 4000 && practice.Replaying(); ++frame) {
        View()->GrabFrame();
        practice.ReplayTick();
    }
    ASSERT_FALSE(practice.Replaying());
    EXPECT_EQ(practice.ReplaySteps(), recorded);
    EXPECT_EQ(std::memcmp(&practice.ReplayFinalState(), &practice.Recording().lastState,
                          sizeof(DynamicState)),
              0);
    EXPECT_FALSE(Doc().inputLocked);
    EXPECT_EQ(Doc().dock.dockLayout, 7);  // the user's own document back
}

}  // namespace
