// Practice in the window: the first exercise chosen from the list, driven
// through its gate with the keys, its result shown and kept, and the user's
// own dock back afterwards.

#include <QApplication>
#include <QListWidget>
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

namespace {

using PracticeWindow = WindowTest;

void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(10, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return WhenModal(answer);
        answer(modal);
    });
}

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
    EXPECT_EQ(Doc().dock.dockLayout, 6);
    EXPECT_EQ(Frame()->StatusText(0), "Exercise: First steps - goal: through the gate");

    QString shown;
    WhenModal([&shown](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    QTest::keyClick(View(), Qt::Key_E);   // ahead
    QTest::keyClick(View(), Qt::Key_F1);  // run
    for (int frame = 0; frame < 4000 && Frame()->Practice().Running(); ++frame) {
        View()->GrabFrame();
        Frame()->Practice().CheckRun();
    }
    ASSERT_FALSE(Frame()->Practice().Running());
    EXPECT_TRUE(shown.contains("Result: goal met")) << shown.toStdString();
    EXPECT_EQ(Doc().dock.dockLayout, 7);
    const std::vector<PracticeResult> kept = ReadPracticeResults(data.Path());
    EXPECT_GT(BestScore(kept, "01_first_steps.sim"), 0);
}

}  // namespace
