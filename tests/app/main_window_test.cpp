#include <QSignalSpy>
#include <QWheelEvent>

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

// What each key and wheel notch does is the key dispatch's rule (a driving
// key reaching it from the view is in the Keys dialog and practice tests):
// here the run key and a notch reach it, the status bar shows the run and
// Escape asks to quit. A side button held with Shift makes a notch a zoom,
// not the Shift form (a mended fault).
TEST_F(MainWindow, KeysAndTheWheelReachTheCoreAndTheStatusBarShowsTheRun) {
    Open(MOTORBOAT, 1);
    // Keys typed into the window go to the view: its container holds the
    // focus (the window system's own focus is shared with parallel tests).
    EXPECT_EQ(Frame()->focusWidget(), Frame()->ViewContainer());
    Wheel(View(), 120);  // away from the user: in
    EXPECT_DOUBLE_EQ(Doc().camera.fieldOfViewDeg, 100.0);
    Wheel(View(), -120, Qt::ShiftModifier, Qt::XButton1);
    EXPECT_DOUBLE_EQ(Doc().camera.fieldOfViewDeg, 110.0);
    EXPECT_DOUBLE_EQ(Doc().camera.viewDistance, 80.0);
    QTest::keyClick(View(), Qt::Key_F1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->StatusText(0).contains("HEADING="); }));
    QSignalSpy quit(View(), &CKLVNView::quitRequested);
    QTest::keyClick(View(), Qt::Key_Escape);
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(MainWindow, ClicksWorkALineAndItsEndsShowItsState) {
    Open(MOTORBOAT, 1);
    Frame1();  // a frame with the present pose saves the matrices
    CKLVNDoc& doc = Doc();
    const DockLine& l = doc.mooring.dockLines[3];  // forward on the port side
    auto lit = [&](int r, int g, int b) {
        const QImage image = Frame1();
        return HasColour(image, ProjectWorld(l.cleatWorldX, l.cleatWorldY, l.cleatWorldZ), r, g, b,
                         2) &&
               (l.state == LINE_IN_HAND ||
                HasColour(image, ProjectWorld(l.attachX, l.attachY, l.attachZ), r, g, b, 1));
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
