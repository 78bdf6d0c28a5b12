#include <QAbstractButton>
#include <QAccessible>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>

#include "app/gui_fixture.h"
#include "dialogs/bridge_console_window.h"

namespace {

using BridgeConsoleWindowTest = WindowTest;

// Each layout opens with every control named as it reads, on screen and
// unclipped; the picture is kept for a look by eye when asked for. Then, on
// the twin: a click reaches the document and the button shows the state that
// follows (which state is the console's rule); Enter does not press PAUSE.
TEST_F(BridgeConsoleWindowTest, EveryLayoutOpensNamedAndAClickDrivesTheEngine) {
    Open(HOUSEBOAT, 1);
    UseShell();
    shell_.ShowBridge();
    BridgeConsoleWindow* window = nullptr;
    for (int layout = 0; layout < 4; ++layout) {  // the twin with separate levers last
        Doc().boat.engineCount = 1 + layout / 2;
        Doc().settings.shiftThrottleCombined = 1 - layout % 2;
        shell_.ReopenConsole();
        window = shell_.ConsoleWindow();
        ASSERT_TRUE(window && QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(window->windowTitle(), "BRIDGE CONTROLS");
        EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
        const ConsoleTemplate& t = window->Console().Template();
        for (int i = 0; i < t.count; ++i) {
            const ConsoleControl& c = t.controls[i];
            if (c.id == CONSOLE_STATIC) continue;
            const QWidget* widget = window->Control(c.id);
            ASSERT_NE(widget, nullptr) << c.id;
            EXPECT_TRUE(window->rect().contains(widget->geometry()));
            const bool live =
                c.kind == ControlKind::Readout || c.kind == ControlKind::DefaultButton;
            EXPECT_EQ(widget->accessibleName(),
                      live ? window->Console().Caption(c.id) : c.accessibleName);
        }
        SaveScreenshot(window->grab().toImage(), "console_" + std::to_string(int(t.layout)));
    }
    auto* forward = qobject_cast<QAbstractButton*>(window->Control(CONSOLE_PORT_FWD));
    auto* bar = qobject_cast<QScrollBar*>(window->Control(CONSOLE_PORT_THROTTLE_BAR));
    ASSERT_TRUE(forward && bar);
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(Doc().controls.throttleNotch[0], 9);
    EXPECT_EQ(forward->accessibleDescription(), "ahead lit");
    const QImage image = forward->grab().toImage();
    EXPECT_TRUE(HasColour(image, QPoint(image.width() / 4, image.height() / 4), 0, 255, 0));

    // The bar's up arrow steps the engine on; an assistive tool setting the
    // bar's value is a thumb released there.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 2));
    EXPECT_EQ(Doc().controls.throttleNotch[0], 10);
    QAccessible::queryAccessibleInterface(bar)->valueInterface()->setCurrentValue(0);
    EXPECT_EQ(Doc().controls.throttleNotch[0], 16);
    EXPECT_EQ(bar->value(), 0);

    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(Doc().state.running, 0);
    // A control key acts as in the main window: E moves both engines ahead.
    QTest::keyClick(forward, Qt::Key_E);
    EXPECT_EQ(Doc().controls.throttleNotch[1], 9);
    // Tab and Space, which drive nothing, reach SYNC from the keyboard.
    QWidget* sync = window->Control(CONSOLE_SYNC);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    forward->setFocus();
    for (int i = 0; i < 40 && !sync->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(sync->hasFocus());
    QTest::keyClick(sync, Qt::Key_Space);
    EXPECT_EQ(sync->accessibleDescription(), "on");

    // CANCEL: the shell forgets the console at once and the window is destroyed.
    QPointer<BridgeConsoleWindow> closing = window;
    QTest::mouseClick(window->Control(CONSOLE_CANCEL), Qt::LeftButton);
    EXPECT_FALSE(shell_.ConsoleIsOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
}

}  // namespace
