#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "app/gui_fixture.h"
#include "docks/dock_lines.h"

namespace {

using MainWindow = WindowTest;

// A wheel notch over the middle of the view, as the window system delivers it.
void Wheel(QWindow* window, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           Qt::MouseButtons buttons = Qt::NoButton) {
    const QPointF at(window->width() / 2.0, window->height() / 2.0);
    QWheelEvent event(at, window->mapToGlobal(at), QPoint(), QPoint(0, delta), buttons, modifiers,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window, &event);
}

TEST_F(MainWindow, KeysReachTheCoreAndTheStatusBarShowsTheRun) {
    Open(MOTORBOAT, 1);
    EXPECT_EQ(Frame()->windowTitle(), "Kelvane V2");
    EXPECT_EQ(Frame()->StatusText(0), "Stopped");
    EXPECT_EQ(Doc().state.mouseInputEnabled, 1);
    // Keys typed into the window go to the view: its container holds the
    // focus (the window system's own focus is shared with parallel tests).
    EXPECT_EQ(Frame()->focusWidget(), Frame()->ViewContainer());
    for (int k = 0; k < 12; ++k) QTest::keyPress(View(), Qt::Key_E, Qt::NoModifier);  // auto-repeat
    QTest::keyRelease(View(), Qt::Key_E, Qt::NoModifier);
    EXPECT_EQ(Doc().controls.throttleNotch[0], 16);
    QTest::keyClick(View(), Qt::Key_F1);
    EXPECT_EQ(Doc().state.running, 1);
    const std::string name = Doc().boat.boatName;
    ASSERT_TRUE(QTest::qWaitFor([&] { return Frame()->StatusText(0).contains("HEADING="); }));
    EXPECT_TRUE(Frame()->StatusText(0).startsWith(QString::fromStdString(name)));

    QSignalSpy quit(View(), &CKLVNView::quitRequested);
    QTest::keyClick(View(), Qt::Key_A);
    EXPECT_EQ(quit.count(), 0);
    QTest::keyClick(View(), Qt::Key_Escape);
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(MainWindow, WheelModifiersAndTheNextFramesProjection) {
    Open(MOTORBOAT, 1);
    Camera& camera = Doc().camera;
    Wheel(View(), 120);  // away from the user: in
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 100.0);
    Wheel(View(), 120, Qt::ShiftModifier);  // Shift raises the camera 8 steps of 0.5 ft
    EXPECT_DOUBLE_EQ(camera.viewDistance, 76.0);
    Wheel(View(), -120, Qt::ShiftModifier, Qt::XButton1);  // not exactly Shift: a zoom
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 110.0);
    Frame1();
    EXPECT_NEAR(camera.savedProjection[5], 1.0 / std::tan(0.5 * 110.0 * 3.14159265358979 / 180.0),
                1e-6);
}

TEST_F(MainWindow, ClicksWorkALineAndItsEndsShowItsState) {
    Open(MOTORBOAT, 1);
    Frame1();  // a frame with the present pose saves the matrices
    CKLVNDoc& doc = Doc();
    const DockLine& l = doc.mooring.dockLines[3];  // forward on the port side
    auto lit = [&](int r, int g, int b) {
        const QImage image = Frame1();
        return HasColourNear(image, ProjectWorld(l.cleatWorldX, l.cleatWorldY, l.cleatWorldZ), 2, r,
                             g, b) &&
               (l.state == LINE_IN_HAND ||
                HasColourNear(image, ProjectWorld(l.attachX, l.attachY, l.attachZ), 1, r, g, b));
    };
    Click(Qt::LeftButton, Qt::NoModifier,
          ProjectBoat(l.cleatX, l.cleatY, doc.boat.freeboardHeight));
    EXPECT_EQ(l.state, LINE_IN_HAND);
    EXPECT_EQ(ui_.beeps, 1);
    EXPECT_TRUE(lit(255, 255, 0));  // yellow: in hand
    const DockRect& pier = doc.dock.dockRects[0];
    const double x = 0.5 * (pier.xMin + pier.xMax), y = pier.yMin + 1.0;
    Click(Qt::LeftButton, Qt::NoModifier, ProjectWorld(x, y, doc.dock.deckHeight));
    ASSERT_EQ(l.state, LINE_SLACK);
    EXPECT_NEAR(l.attachX, x, 0.5);
    EXPECT_NEAR(l.attachY, y, 0.5);
    EXPECT_TRUE(lit(0, 255, 0));  // green: slack at full length
    Click(Qt::LeftButton, Qt::NoModifier, ProjectWorld(l.attachX, l.attachY, doc.dock.deckHeight));
    EXPECT_EQ(l.state, LINE_TAUT);
    EXPECT_TRUE(lit(255, 0, 0));  // red: taut
    SaveScreenshot(Frame1(), "line_taut");
    Click(Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    EXPECT_EQ(l.state, LINE_SLACK);  // Shift + left loosens every line
    Click(Qt::RightButton, Qt::ShiftModifier,
          ProjectWorld(l.attachX, l.attachY, doc.dock.deckHeight));
    EXPECT_EQ(l.state, LINE_STOWED);
}

TEST_F(MainWindow, CtrlClicksSetAndRemoveFendersAndDisabledMouseIgnoresClicks) {
    Open(MOTORBOAT, 1);
    Frame1();
    CKLVNDoc& doc = Doc();
    const HullPoint& side = doc.boat.hullPoints[118];  // widest, port side
    const QPoint at = ProjectBoat(side.x - 0.3, side.y, doc.boat.freeboardHeight);
    Click(Qt::LeftButton, Qt::ControlModifier, at);
    EXPECT_EQ(doc.mooring.fenderCount, 1);
    EXPECT_EQ(Frame()->StatusText(0), "Fender set");
    const FenderCentre& f = doc.mooring.fenderCentre[0];
    EXPECT_TRUE(HasColour(Frame1(), ProjectBoat(f.x, f.y, f.z), 0, 0, 0));  // a black fender
    Click(Qt::RightButton, Qt::ControlModifier, ProjectBoat(f.x, f.y, doc.boat.freeboardHeight));
    EXPECT_EQ(doc.mooring.fenderCount, 0);
    doc.state.mouseInputEnabled = 0;
    Click(Qt::LeftButton, Qt::ControlModifier, at);
    EXPECT_EQ(doc.mooring.fenderCount, 0);
}

}  // namespace
