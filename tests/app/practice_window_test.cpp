// Practice in the window: the first exercise chosen from the list, driven
// through its gate with the keys, its result shown and kept. The user's dock
// coming back and the score are the exercise session's and the run's rules.

#include <QListWidget>
#include <QPushButton>
#include <cstring>

#include "app/gui_fixture.h"
#include "app/practice_shell.h"
#include "document/temp_folder.h"
#include "practice/practice_results.h"

namespace {

using PracticeWindow = WindowTest;

TEST_F(PracticeWindow, TheFirstExerciseDrivenThroughItsGateGivesAResultThatIsKept) {
    Open(MOTORBOAT, 7);
    TempFolder data;
    std::strcpy(Doc().dataFolder, data.Path().c_str());
    QString first;
    WhenModal([&first](QWidget* w) {
        first = w->findChild<QListWidget*>()->item(0)->text();
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            if (b->accessibleName() == "Start") b->click();
        }
    });
    Frame()->RunShellCommand(CommandId::Exercises);
    EXPECT_TRUE(first.startsWith("First steps - ") && first.endsWith(" - not yet done"));
    ASSERT_TRUE(Frame()->Practice().Running());
    EXPECT_EQ(Frame()->StatusText(0), "Exercise: First steps - goal: through the gate");

    QStringList shown;
    AnswerMessage(shown);
    QTest::keyClick(View(), Qt::Key_E);   // ahead
    QTest::keyClick(View(), Qt::Key_F1);  // run
    for (int frame = 0; frame < 4000 && Frame()->Practice().Running(); ++frame) {
        View()->GrabFrame();
        Frame()->Practice().CheckRun();
    }
    ASSERT_FALSE(Frame()->Practice().Running());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("Result: goal met")) << shown[0].toStdString();
    EXPECT_GT(BestScore(ReadPracticeResults(data.Path()), "01_first_steps.sim"), 0);
}

}  // namespace
