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

TEST_F(MainWindow, TitleIdleStatusAndSimulationPausedWithMouseOn) {
    Open(MOTORBOAT, 1);
    EXPECT_EQ(Frame()->windowTitle(), "Kelvane V2");
    EXPECT_EQ(Frame()->StatusText(0), "Stopped");
    EXPECT_EQ(Doc().state.running, 0);
    EXPECT_EQ(Doc().state.mouseInputEnabled, 1);
    // Keys typed into the window go to the view: its container holds the
    // focus (the window system's own focus is shared with parallel tests).
    EXPECT_EQ(Frame()->focusWidget(), Frame()->ViewContainer());
    // Paused, the timer still draws but nothing moves.
    const double x = Doc().state.posX, y = Doc().state.posY;
    QTest::qWait(150);
    EXPECT_EQ(Doc().state.posX, x);
    EXPECT_EQ(Doc().state.posY, y);
    EXPECT_EQ(Frame()->StatusText(0), "Stopped");
}

TEST_F(MainWindow, EngineKeyThenRunShowsTheStatusLine) {
    Open(MOTORBOAT, 1);
    QTest::keyClick(View(), Qt::Key_E);
    EXPECT_EQ(Doc().controls.throttleNotch[0], 9);  // one notch ahead of neutral
    QTest::keyClick(View(), Qt::Key_F1);
    EXPECT_EQ(Doc().state.running, 1);

    const double y = Doc().state.posY;
    QTest::qWait(300);
    const QString status = Frame()->StatusText(0);
    EXPECT_TRUE(status.startsWith(QString::fromLatin1(Doc().boat.boatName)))
        << status.toStdString();
    EXPECT_TRUE(status.contains("HEADING=")) << status.toStdString();
    EXPECT_TRUE(status.contains("RPM=")) << status.toStdString();
    EXPECT_GT(Doc().state.posY, y);  // under way, bow north

    // F1 again pauses; F2 pauses and puts the boat back at its start pose.
    QTest::keyClick(View(), Qt::Key_F1);
    EXPECT_EQ(Doc().state.running, 0);
    QTest::keyClick(View(), Qt::Key_F1);
    QTest::keyClick(View(), Qt::Key_F2);
    EXPECT_EQ(Doc().state.running, 0);
    EXPECT_EQ(Doc().state.posY, Doc().boat.startY);
    EXPECT_EQ(Doc().controls.throttleNotch[0], 8);
}

TEST_F(MainWindow, AutoRepeatedKeysStepTheEngineAgain) {
    Open(MOTORBOAT, 1);
    for (int k = 0; k < 12; ++k) {
        QTest::keyPress(View(), Qt::Key_E, Qt::NoModifier);
    }
    QTest::keyRelease(View(), Qt::Key_E, Qt::NoModifier);
    EXPECT_EQ(Doc().controls.throttleNotch[0], 16);  // full ahead, and stays there
    // Keys with codes of their own: equals widens the view, minus narrows it.
    QTest::keyClick(View(), Qt::Key_Equal);
    EXPECT_DOUBLE_EQ(Doc().camera.fieldOfViewDeg, 120.0);
    QTest::keyClick(View(), Qt::Key_Minus);
    QTest::keyClick(View(), Qt::Key_Minus);
    EXPECT_DOUBLE_EQ(Doc().camera.fieldOfViewDeg, 100.0);
}

TEST_F(MainWindow, EscapeAsksToQuit) {
    Open(MOTORBOAT, 1);
    QSignalSpy quit(View(), &CKLVNView::quitRequested);
    QTest::keyClick(View(), Qt::Key_A);
    EXPECT_EQ(quit.count(), 0);
    QTest::keyClick(View(), Qt::Key_Escape);
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(MainWindow, WheelZoomsWithinLimits) {
    Open(MOTORBOAT, 1);
    Camera& camera = Doc().camera;
    ASSERT_DOUBLE_EQ(camera.fieldOfViewDeg, 110.0);
    Wheel(View(), 120);  // away from the user: in
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 100.0);
    Wheel(View(), -120);
    Wheel(View(), -120);
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 120.0);
    for (int k = 0; k < 20; ++k) Wheel(View(), 120);
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 20.0);
    for (int k = 0; k < 20; ++k) Wheel(View(), -120);
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 170.0);

    // Shift moves the camera 8 steps of 0.5 ft; Ctrl does nothing.
    Wheel(View(), 120, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(camera.viewDistance, 76.0);
    Wheel(View(), 120, Qt::ControlModifier);
    Wheel(View(), -120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(camera.viewDistance, 76.0);
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 170.0);
    // Shift and Ctrl together count as neither: a plain zoom.
    Wheel(View(), 120, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 160.0);
    // So does Shift with a side button held: not exactly Shift.
    Wheel(View(), -120, Qt::ShiftModifier, Qt::XButton1);
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 170.0);
    Wheel(View(), 120, Qt::ShiftModifier, Qt::XButton2);
    EXPECT_DOUBLE_EQ(camera.fieldOfViewDeg, 160.0);
    EXPECT_DOUBLE_EQ(camera.viewDistance, 76.0);

    // The next frame is drawn with the new field of view.
    const QImage image = Frame1();
    double projection[16];
    for (int k = 0; k < 16; ++k) projection[k] = camera.savedProjection[k];
    EXPECT_NEAR(projection[5], 1.0 / std::tan(0.5 * 160.0 * 3.14159265358979 / 180.0), 1e-6);
}

TEST_F(MainWindow, ClickCleatPicksLineUpThenClickDockMakesItFast) {
    Open(MOTORBOAT, 1);
    Frame1();  // a frame with the present pose saves the matrices
    CKLVNDoc& doc = Doc();
    const int line = 3;  // forward on the port side, nearest the left pier
    const DockLine& l = doc.mooring.dockLines[line];
    const QPoint cleat = ProjectBoat(l.cleatX, l.cleatY, doc.boat.freeboardHeight);
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, cleat);
    EXPECT_EQ(l.state, LINE_IN_HAND);
    EXPECT_EQ(ui_.beeps, 1);
    QImage image = Frame1();
    SaveScreenshot(image, "line_in_hand");
    const QPoint cleatNow = ProjectWorld(l.cleatWorldX, l.cleatWorldY, l.cleatWorldZ);
    EXPECT_TRUE(HasColourNear(image, cleatNow, 2, 255, 255, 0));  // yellow: in hand
    EXPECT_FALSE(HasColourNear(image, cleatNow, 2, 0, 255, 255));

    // The foot of the left finger pier.
    const DockRect& pier = doc.dock.dockRects[0];
    const double x = 0.5 * (pier.xMin + pier.xMax), y = pier.yMin + 1.0;
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier,
                      ProjectWorld(x, y, doc.dock.deckHeight));
    EXPECT_EQ(l.state, LINE_SLACK);
    EXPECT_NEAR(l.attachX, x, 0.5);
    EXPECT_NEAR(l.attachY, y, 0.5);
    image = Frame1();
    SaveScreenshot(image, "line_fast");
    EXPECT_TRUE(HasColourNear(image, ProjectWorld(l.attachX, l.attachY, l.attachZ), 1, 0, 255, 0));
    EXPECT_TRUE(HasColourNear(image, ProjectWorld(l.cleatWorldX, l.cleatWorldY, l.cleatWorldZ), 2,
                              0, 255, 0));  // green cleat: slack at full length

    // Shift + right click on the line casts it off; Shift + left loosens all.
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier,
                      ProjectWorld(l.attachX, l.attachY, doc.dock.deckHeight));
    EXPECT_EQ(l.state, LINE_TAUT);  // hardened
    image = Frame1();
    EXPECT_TRUE(HasColourNear(image, ProjectWorld(l.attachX, l.attachY, l.attachZ), 1, 255, 0, 0));
    EXPECT_TRUE(HasColourNear(image, ProjectWorld(l.cleatWorldX, l.cleatWorldY, l.cleatWorldZ), 2,
                              255, 0, 0));  // taut: red at both ends
    EXPECT_FALSE(HasColourNear(image, ProjectWorld(l.attachX, l.attachY, l.attachZ), 1, 0, 255, 0));
    QTest::mouseClick(View(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    EXPECT_EQ(l.state, LINE_SLACK);
    // Slack but shorter than its nominal length: a red cleat, a green attach point.
    doc.mooring.dockLines[line].lineLength = 0.5 * NominalLineLength(doc, line);
    image = Frame1();
    EXPECT_TRUE(HasColourNear(image, ProjectWorld(l.attachX, l.attachY, l.attachZ), 1, 0, 255, 0));
    EXPECT_TRUE(HasColourNear(image, ProjectWorld(l.cleatWorldX, l.cleatWorldY, l.cleatWorldZ), 2,
                              255, 0, 0));
    QTest::mouseClick(View(), Qt::RightButton, Qt::ShiftModifier,
                      ProjectWorld(l.attachX, l.attachY, doc.dock.deckHeight));
    EXPECT_EQ(l.state, LINE_STOWED);
}

TEST_F(MainWindow, CtrlClicksSetAndRemoveFendersAndDisabledMouseIgnoresClicks) {
    Open(MOTORBOAT, 1);
    Frame1();
    CKLVNDoc& doc = Doc();
    const HullPoint& side = doc.boat.hullPoints[118];  // widest, port side
    const QPoint at = ProjectBoat(side.x - 0.3, side.y, doc.boat.freeboardHeight);
    QTest::mouseClick(View(), Qt::LeftButton, Qt::ControlModifier, at);
    EXPECT_EQ(doc.mooring.fenderCount, 1);
    EXPECT_EQ(Frame()->StatusText(0), "Fender set");
    const QImage image = Frame1();
    SaveScreenshot(image, "fender");
    const FenderCentre& f = doc.mooring.fenderCentre[0];
    EXPECT_TRUE(HasColour(image, ProjectBoat(f.x, f.y, f.z), 0, 0, 0));  // a black fender

    // Ctrl with Shift is neither form: a plain left click, which sets nothing.
    QTest::mouseClick(View(), Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, at);
    EXPECT_EQ(doc.mooring.fenderCount, 1);
    QTest::mouseClick(View(), Qt::RightButton, Qt::ControlModifier,
                      ProjectBoat(f.x, f.y, doc.boat.freeboardHeight));
    EXPECT_EQ(doc.mooring.fenderCount, 0);

    doc.state.mouseInputEnabled = 0;
    QTest::mouseClick(View(), Qt::LeftButton, Qt::ControlModifier, at);
    EXPECT_EQ(doc.mooring.fenderCount, 0);
}

}  // namespace
