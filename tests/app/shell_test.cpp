#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "../document/file_document.h"
#include "app/gui_fixture.h"
#include "app/shell_commands.h"
#include "app/shell_ui.h"
#include "docks/custom_slip.h"
#include "document/settings_file.h"

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

// Shows every menu's marks as the user would see them when opening it.
void OpenEveryMenu(QMenuBar* bar) {
    for (QMenu* menu : bar->findChildren<QMenu*>()) emit menu->aboutToShow();
}

// Answers the next modal window when it appears: answer gets it and closes it.
void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(10, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return WhenModal(answer);
        answer(modal);
    });
}

// The next message box: its text is recorded and button pressed.
void AnswerMessage(QStringList& texts, QMessageBox::StandardButton button = QMessageBox::Ok) {
    WhenModal([&texts, button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box == nullptr) return;
        texts << box->text();
        box->button(button)->click();
    });
}

// Picks a row in the Boat Selection dialog and presses OK.
void ChooseInSelection(int row, QStringList* shown = nullptr) {
    WhenModal([row, shown](QWidget* w) {
        auto* list = w->findChild<QListWidget*>();
        if (shown)
            for (int i = 0; i < list->count(); ++i) *shown << list->item(i)->text();
        if (row >= 0) list->setCurrentRow(row);
        if (row < 0) list->clearSelection();
        for (auto* b : w->findChildren<QAbstractButton*>()) {
            if (b->text() == "OK") b->click();
        }
    });
}

TEST_F(Shell, MenuTreeAndToolbarInTheirOrder) {
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
    EXPECT_EQ(Command(Frame(), CommandId::OpenBoat)->shortcut(), QKeySequence("Ctrl+O"));
    SaveScreenshot(Frame()->grab().toImage(), "main_window");
}

// Start-up from files: wind on, current off, metric, combined, layout 7 and a
// custom slip; the marks, the pressed buttons and the metric labels follow.
TEST_F(Shell, MarksFollowTheSettingsFileAtStartUp) {
    TempFolder folder;
    {
        FileDocument f;
        f.data = folder.Path();
        f.StartUpFresh();
        f.SaveBoats({"Tern"});
        CKLVNDoc& d = *f.doc;
        d.settings.windOn = 1;
        d.settings.currentOn = 0;
        d.settings.shiftThrottleCombined = 1;
        SetDisplayUnits(d, true);
        DoCommand(d, CommandId::PilingsRight);
        ApplyCustomSlip(d, 8, 16);
        SaveBoat(d);
    }
    Open(MOTORBOAT, 1);
    frame_.reset();
    ClearDocument(Doc());
    Doc().ui = &ui_;
    StartUpDocument(Doc(), folder.Path().c_str());
    frame_ = std::make_unique<CMainFrame>(Doc());
    ui_.frame = frame_.get();
    frame_->show();
    OpenEveryMenu(Frame()->menuBar());

    // Every checked item, in table order: nothing else carries a mark.
    QStringList checked;
    for (const CommandRow& row : COMMANDS) {
        if (Command(Frame(), row.id)->isChecked()) checked << Command(Frame(), row.id)->text();
    }
    EXPECT_EQ(checked.join(", ").toStdString(),
              "Metric Units, &Toolbar, &Status Bar, Pause, Combined Shift and Throttle, Custom "
              "..., Pilings - Right, Wind");
    auto* wind = qobject_cast<QToolButton*>(
        Frame()->ToolBar()->widgetForAction(Command(Frame(), CommandId::Wind)));
    EXPECT_TRUE(wind->isChecked());
    EXPECT_EQ(Command(Frame(), CommandId::Slip10x20)->text(), "3 x 6");  // metric labels

    // A toolbar click toggles the setting, the button and the menu mark alike.
    QTest::mouseClick(wind, Qt::LeftButton);
    EXPECT_EQ(Doc().settings.windOn, 0);
    EXPECT_FALSE(wind->isChecked());
    EXPECT_FALSE(Command(Frame(), CommandId::Wind)->isChecked());
    // A key in the view runs the simulation; the Run button follows.
    QTest::keyClick(View(), Qt::Key_F1);
    auto* run = qobject_cast<QToolButton*>(
        Frame()->ToolBar()->widgetForAction(Command(Frame(), CommandId::Run)));
    EXPECT_TRUE(QTest::qWaitFor([run] { return run->isChecked(); }));
    EXPECT_EQ(Frame()->windowTitle(), "Kelvane V2");
}

// A hovered button's prompt shows in the message pane until the pointer
// leaves; buttons without a tip show none.
TEST_F(Shell, PromptsTakeTheMessagePaneAndGiveItBack) {
    Open(MOTORBOAT, 1);
    QStatusTipEvent tip("Remove All Fenders");
    QApplication::sendEvent(Frame(), &tip);
    EXPECT_EQ(Frame()->StatusText(0), "Remove All Fenders");
    QStatusTipEvent none("");
    QApplication::sendEvent(Frame(), &none);
    EXPECT_EQ(Frame()->StatusText(0), "Stopped");

    QWidget* fenders =
        Frame()->ToolBar()->widgetForAction(Command(Frame(), CommandId::RemoveAllFenders));
    QTest::mouseMove(fenders);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Frame()->StatusText(0) == "Remove All Fenders"; }));
}

// The CAP pane lights while Caps Lock is on, as the keyboard's indicator
// says, and greys again when it goes off.
TEST_F(Shell, LockPanesFollowTheKeyboardIndicators) {
    Open(MOTORBOAT, 1);
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

TEST_F(Shell, CustomSlipDialogCorrectsWithItsMessagesInOrder) {
    ShellUserInterface shellUi;
    Open(MOTORBOAT, 1);
    shellUi.Attach(Frame());
    Doc().ui = &shellUi;
    const double beam = Doc().boat.beam;
    QStringList messages;
    WhenModal([&messages](QWidget* w) {
        QList<QLineEdit*> boxes = w->findChildren<QLineEdit*>();
        ASSERT_EQ(boxes.size(), 2);
        EXPECT_EQ(boxes[0]->accessibleName(), "Width");
        boxes[0]->setText("1");
        boxes[1]->setText("150");
        AnswerMessage(messages);
        QTimer::singleShot(50, [&messages] { AnswerMessage(messages); });
        QTest::keyClick(w, Qt::Key_Return);
    });
    Command(Frame(), CommandId::SlipCustom)->trigger();
    EXPECT_EQ(messages,
              QStringList({"Slip width adjusted to fit boat", "Slip length adjusted to maximum"}));
    EXPECT_DOUBLE_EQ(Doc().dock.slipSizes[5].width, beam + 2.0);
    EXPECT_TRUE(Command(Frame(), CommandId::SlipCustom)->isChecked());
}

TEST_F(Shell, OpenAndDeleteThroughTheBoatSelectionDialog) {
    TempFolder folder;
    ShellUserInterface shellUi;
    Open(MOTORBOAT, 1);
    shellUi.Attach(Frame());
    Doc().ui = &shellUi;
    std::snprintf(Doc().dataFolder, sizeof Doc().dataFolder, "%s", folder.Path().c_str());
    QStringList messages;

    AnswerMessage(messages);
    Command(Frame(), CommandId::OpenBoat)->trigger();  // no boats yet
    EXPECT_EQ(messages, QStringList({"No boats on file:\n\nOperation aborted"}));

    for (const char* name : {"Tern", "Gannet", "Puffin"}) {
        std::snprintf(Doc().boat.boatName, sizeof Doc().boat.boatName, "%s", name);
        Command(Frame(), CommandId::SaveBoat)->trigger();
    }
    QStringList shown;
    ChooseInSelection(1, &shown);
    Command(Frame(), CommandId::OpenBoat)->trigger();
    EXPECT_EQ(shown, QStringList({"Tern", "Gannet", "Puffin"}));  // unsorted
    EXPECT_STREQ(Doc().boat.boatName, "Gannet");
    EXPECT_EQ(Frame()->windowTitle(), "Kelvane V2");

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

TEST_F(Shell, AboutShowsTheVersionsAndClosesWithOk) {
    Open(MOTORBOAT, 1);
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

// With the view holding the keyboard: Ctrl+S saves without stepping an
// engine, and Alt+F opens the File menu.
TEST_F(Shell, DesktopShortcutsWorkWhileTheViewHasTheKeys) {
    TempFolder folder;
    Open(MOTORBOAT, 1);
    std::snprintf(Doc().dataFolder, sizeof Doc().dataFolder, "%s", folder.Path().c_str());
    const ControlState before = Doc().controls;
    QTest::keyClick(View(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Doc().settings.boatCount, 1);
    EXPECT_EQ(std::memcmp(&before, &Doc().controls, sizeof before), 0);
    QTest::keyClick(View(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&File");
    menu->close();
}

}  // namespace
