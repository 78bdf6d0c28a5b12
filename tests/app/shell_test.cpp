#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/gui_fixture.h"
#include "app/shell_commands.h"
#include "document/command_table.h"
#include "document/temp_folder.h"

// Sets the display's Caps Lock as its key would (caps_lock.cpp).
void LockCapsLock(bool on);

namespace {

using Shell = WindowTest;

// A menu's items in order, separators skipped, a submenu's items in brackets.
QString Items(const QMenu* menu) {
    QStringList items;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        items << (a->menu() ? a->text() + " [" + Items(a->menu()) + "]" : a->text());
    }
    return items.join(", ");
}

QAction* Command(CMainFrame* frame, CommandId id) {
    return frame->Commands().Action(id);
}

QToolButton* Button(CMainFrame* frame, CommandId id) {
    return qobject_cast<QToolButton*>(frame->ToolBar()->widgetForAction(Command(frame, id)));
}

// Picks a row in the Boat Selection dialog and presses OK.
void ChooseInSelection(int row, QStringList* shown = nullptr) {
    WhenModal([row, shown](QWidget* w) {
        auto* list = w->findChild<QListWidget*>();
        if (shown)
            for (int i = 0; i < list->count(); ++i) *shown << list->item(i)->text();
        if (row < 0) list->clearSelection();
        if (row >= 0) list->setCurrentRow(row);
        for (auto* b : w->findChildren<QAbstractButton*>()) {
            if (b->text() == "OK") b->click();
        }
    });
}

TEST_F(Shell, MenuTreeToolbarAndAbout) {
    Open(MOTORBOAT, 1);
    QStringList menus, buttons;
    for (QAction* top : Frame()->menuBar()->actions())
        menus << top->text() + ": " + Items(top->menu());
    EXPECT_EQ(
        menus.join("\n").toStdString(),
        "&File: English Units, Metric Units, E&xit\n"
        "&View: &Toolbar, &Status Bar\n"
        "Control: Run, Pause, Reset, Bridge [Separate Shift and Throttle, Combined Shift and "
        "Throttle], Keys ..., Gamepad\n"
        "Docks: Slip size [Auto, 10 x 20, 13 x 30, 16 x 40, 19 x 50, 22 x 60, Custom ...], "
        "Slip and pilings, Slips - Bottom, Slips - Right, Slips - Top, Slips - Left, Pilings - "
        "Bottom, Pilings - Right, Pilings - Top, Pilings - Left\n"
        "Boat: Open ..., New [Motorboat ..., Sailboat ..., Houseboat ...], Edit ..., Save, "
        "Delete ..., Adv Settings\n"
        "Environment: Settings ..., Wind, Current\n"
        "Practice: Exercises ..., Save Recording ..., Replay ...\n"
        "&Help: &About KLVN...");
    for (QAction* a : Frame()->ToolBar()->actions()) {
        buttons << Frame()->ToolBar()->widgetForAction(a)->accessibleName() +
                       (a->isEnabled() ? "" : "(off)");
    }
    EXPECT_EQ(
        buttons.join(", ").toStdString(),
        "Run, Pause, Stop & Reset, Blank(off), Show Bridge, Blank(off), Edit the current boat, "
        "Blank(off), Toggle the wind on/off, Toggle current flow on/off, Blank(off), Loosen All "
        "Lines, Harden All Lines, Remove All Lines, Blank(off), Remove All Fenders, Blank(off)");
    SaveScreenshot(Frame()->grab().toImage(), "main_window");
    // Alt+F opens the File menu while the view holds the keyboard.
    QTest::keyClick(View(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&File");
    menu->close();
    // About shows the versions and closes with OK.
    QString title, text;
    WhenModal([&title, &text](QWidget* w) {
        title = w->windowTitle();
        for (QLabel* label : w->findChildren<QLabel*>()) text += label->text();
        SaveScreenshot(w->grab().toImage(), "about");
        QTest::keyClick(w, Qt::Key_Return);
    });
    Command(Frame(), CommandId::About)->trigger();
    EXPECT_EQ(title, "About Kelvane");
    EXPECT_TRUE(text.contains(QString("Qt ") + qVersion())) << text.toStdString();
    EXPECT_TRUE(text.contains("OpenGL")) << text.toStdString();
}

// The marks and pressed buttons show the document's state (which items are
// checked is the command table's rule); a toolbar button or menu item pressed
// flipping the setting and its mark is in the accessibility trial. The Custom
// Slip Size dialog's boxes take what is typed and Enter is OK; the corrections
// and their order are the custom slip's rule, shown here as a message box.
TEST_F(Shell, MarksFollowTheDocumentAndTheCustomSlipDialogShowsACorrection) {
    Open(MOTORBOAT, 1);
    UseShell();
    for (CommandId id : {CommandId::Wind, CommandId::MetricUnits, CommandId::CombinedShiftThrottle,
                         CommandId::PilingsRight})
        DoCommand(Doc(), id);
    QStringList messages;
    WhenModal([&messages](QWidget* w) {
        QList<QLineEdit*> boxes = w->findChildren<QLineEdit*>();
        ASSERT_EQ(boxes.size(), 2);
        EXPECT_EQ(boxes[0]->accessibleName(), "Width");
        boxes[0]->setText("1");
        AnswerMessage(messages);
        QTest::keyClick(w, Qt::Key_Return);
    });
    Command(Frame(), CommandId::SlipCustom)->trigger();
    EXPECT_EQ(messages, QStringList({"Slip width adjusted to fit boat"}));
    emit Frame()->menuBar()->findChild<QMenu*>()->aboutToShow();
    QStringList checked;
    for (const CommandRow& row : COMMANDS) {
        if (Command(Frame(), row.id)->isChecked()) checked << Command(Frame(), row.id)->text();
    }
    EXPECT_EQ(checked.join(", ").toStdString(),
              "Metric Units, &Toolbar, &Status Bar, Pause, Combined Shift and Throttle, Custom "
              "..., Pilings - Right, Wind");
    EXPECT_EQ(Command(Frame(), CommandId::Slip10x20)->text(), "3 x 6");  // metric labels
    EXPECT_TRUE(Button(Frame(), CommandId::Wind)->isChecked());          // the button shows it too
}

// A hovered button's prompt shows in the message pane until the pointer
// leaves; buttons without a tip show none. The CAP pane lights while Caps Lock
// is on, as the keyboard's indicator says, and greys again when it goes off.
TEST_F(Shell, StatusBarShowsPromptsAndTheLockKeys) {
    Open(MOTORBOAT, 1);
    QTest::mouseMove(Button(Frame(), CommandId::RemoveAllFenders));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Frame()->StatusText(0) == "Remove All Fenders"; }));
    QStatusTipEvent none("");  // the pointer is over a button without a tip
    QApplication::sendEvent(Frame(), &none);
    EXPECT_EQ(Frame()->StatusText(0), "Stopped");
    QLabel* cap = nullptr;
    for (QLabel* label : Frame()->statusBar()->findChildren<QLabel*>()) {
        if (label->text() == "CAP") cap = label;
    }
    ASSERT_NE(cap, nullptr);
    for (bool on : {true, false}) {
        LockCapsLock(on);
        QTest::keyClick(View(), Qt::Key_Comma);  // a key that drives nothing
        EXPECT_EQ(cap->isEnabled(), on);
    }
}

// What is opened or deleted, and when it asks, is the boat commands' rule:
// here the list shows the names, a row and OK choose, No keeps the boat.
// Ctrl+S saves while the view holds the keyboard, and steps no engine.
TEST_F(Shell, SaveOpenAndDeleteThroughTheBoatSelectionDialog) {
    TempFolder folder;
    Open(MOTORBOAT, 1);
    UseShell();
    std::snprintf(Doc().dataFolder, sizeof Doc().dataFolder, "%s", folder.Path().c_str());
    const ControlState before = Doc().controls;
    for (const char* name : {"Tern", "Gannet", "Puffin"}) {
        std::snprintf(Doc().boat.boatName, sizeof Doc().boat.boatName, "%s", name);
        QTest::keyClick(View(), Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(std::memcmp(&before, &Doc().controls, sizeof before), 0);
    QStringList messages, shown;
    ChooseInSelection(1, &shown);
    Command(Frame(), CommandId::OpenBoat)->trigger();
    EXPECT_EQ(shown, QStringList({"Tern", "Gannet", "Puffin"}));  // unsorted
    EXPECT_STREQ(Doc().boat.boatName, "Gannet");

    // Deleting the current boat asks first; No keeps it.
    ChooseInSelection(1);
    QTimer::singleShot(200, [&messages] { AnswerMessage(messages, QMessageBox::No); });
    Command(Frame(), CommandId::DeleteBoat)->trigger();
    EXPECT_EQ(messages.last(), "This will delete the current boat\n\nDelete it?");
    EXPECT_EQ(Doc().settings.boatCount, 3);
    // OK with nothing selected chooses nothing.
    ChooseInSelection(-1);
    Command(Frame(), CommandId::DeleteBoat)->trigger();
    EXPECT_EQ(Doc().settings.boatCount, 3);
}

}  // namespace
