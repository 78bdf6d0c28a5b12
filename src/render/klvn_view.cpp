#include "render/klvn_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWheelEvent>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "controls/key_dispatch.h"
#include "document/document.h"
#include "render/gl_api.h"
#include "render/key_codes.h"
#include "render/projection.h"
#include "render/scene_click.h"
#include "simulation/step.h"

namespace {

constexpr int DEFAULT_TIMER_INTERVAL_MS = 25;

}  // namespace

CKLVNView::CKLVNView(CKLVNDoc& doc) : QOpenGLWindow(NoPartialUpdate), doc_(doc) {
    setFormat(RequestedFormat());
}

QSurfaceFormat CKLVNView::RequestedFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(32);
    // The timer paces the simulation: a swap must never wait for the
    // display's refresh, or two frames per tick would slow the boat down.
    format.setSwapInterval(0);
    return format;
}

void CKLVNView::initializeGL() {
    // A new context (the first, or after the window was re-created) needs
    // its state and shape lists again; the timer and mouse start only once.
    InitGL();
    const GLubyte* version = glGetString(GL_VERSION);
    openGlVersion_ = version ? QString::fromLatin1(reinterpret_cast<const char*>(version)) : "";
    frame_.shapeListsBuilt = false;
    doc_.camera.projectionChanged = true;
    if (!setUpDone_) {
        int interval =
            doc_.state.timerIntervalMs > 0 ? doc_.state.timerIntervalMs : DEFAULT_TIMER_INTERVAL_MS;
        timer_.start(interval, Qt::PreciseTimer, this);
        SetRunState(doc_, 0, 1);
        setUpDone_ = true;
    }
}

void CKLVNView::resizeGL(int width, int height) {
    const qreal ratio = devicePixelRatio();
    SetProjection(doc_, qRound(width * ratio), qRound(height * ratio));
}

void CKLVNView::paintGL() {
    RenderFrame(doc_, frame_);
    FinishFrame(frame_);  // the window swaps right after this returns
    if (!firstFrameShown_) NoteFirstFrame();
}

// With KELVANE_FIRST_FRAME_STAMP set, the wall-clock time of the first frame
// (ms since the epoch) goes to stderr, so that scripts/bench.sh can measure
// the time from start to first frame.
void CKLVNView::NoteFirstFrame() {
    firstFrameShown_ = true;
    if (std::getenv("KELVANE_FIRST_FRAME_STAMP") == nullptr) return;
    glFinish();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "kelvane: first frame at %lld ms\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}

void CKLVNView::RenderAndShow() {
    makeCurrent();
    RenderFrame(doc_, frame_);
    if (isExposed()) {
        context()->swapBuffers(this);
    } else {
        glFlush();
    }
    FinishFrame(frame_);
    if (!firstFrameShown_ && isExposed()) NoteFirstFrame();
}

void CKLVNView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) {
        QOpenGLWindow::timerEvent(event);
        return;
    }
    if (!isValid()) return;  // no context yet
    emit tickStarting();
    RenderAndShow();
    RequestRepaint();
}

// The window system's own update requests are paced by the display and merge
// with one another, so half the ticks would lose their repaint. The view
// posts its own: it runs as soon as the tick's handling is over, and a tick
// that comes while one is still waiting adds none (no catch-up).
void CKLVNView::RequestRepaint() {
    if (repaintPending_) return;
    repaintPending_ = true;
    QMetaObject::invokeMethod(this, &CKLVNView::Repaint, Qt::QueuedConnection);
}

void CKLVNView::Repaint() {
    repaintPending_ = false;
    if (isValid() && isExposed()) RenderAndShow();
}

QImage CKLVNView::GrabFrame() {
    if (!isValid()) return QImage();
    makeCurrent();
    RenderFrame(doc_, frame_);
    const int width = doc_.camera.clientSize[0];
    const int height = doc_.camera.clientSize[1];
    QImage picture(width, height, QImage::Format_RGBA8888);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, picture.bits());
    if (isExposed()) context()->swapBuffers(this);
    FinishFrame(frame_);
    return picture.mirrored();  // OpenGL rows run bottom-up
}

void CKLVNView::keyPressEvent(QKeyEvent* event) {
    // Auto-repeated presses count as new presses.
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    const int code = VirtualKeyFromQt(event->key(), keypad);
    if (code == 0 || (doc_.inputLocked && code != KEY_ESCAPE)) {
        event->ignore();
        return;
    }
    if (HandleViewKey(doc_, code)) emit quitRequested();
}

int CKLVNView::MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const {
    int flags = 0;
    if (buttons.testFlag(Qt::LeftButton)) flags |= MOUSE_FLAG_LEFT_BUTTON;
    if (buttons.testFlag(Qt::RightButton)) flags |= MOUSE_FLAG_RIGHT_BUTTON;
    if (buttons.testFlag(Qt::MiddleButton)) flags |= MOUSE_FLAG_MIDDLE_BUTTON;
    if (buttons.testFlag(Qt::XButton1)) flags |= MOUSE_FLAG_X1_BUTTON;
    if (buttons.testFlag(Qt::XButton2)) flags |= MOUSE_FLAG_X2_BUTTON;
    if (modifiers.testFlag(Qt::ShiftModifier)) flags |= MOUSE_FLAG_SHIFT;
    if (modifiers.testFlag(Qt::ControlModifier)) flags |= MOUSE_FLAG_CTRL;
    return flags;
}

void CKLVNView::mousePressEvent(QMouseEvent* event) {
    if (doc_.inputLocked) {
        event->ignore();
        return;
    }
    int button;
    if (event->button() == Qt::LeftButton) {
        button = MOUSE_BUTTON_LEFT;
    } else if (event->button() == Qt::RightButton) {
        button = MOUSE_BUTTON_RIGHT;
    } else {
        event->ignore();
        return;
    }
    // The pressed button is part of the flags, as in a button-down message.
    const int flags = MouseFlags(event->buttons() | event->button(), event->modifiers());
    const qreal ratio = devicePixelRatio();
    const QPointF at = event->position() * ratio;
    SceneClick(doc_, button, flags, qFloor(at.x()), qFloor(at.y()));
}

void CKLVNView::wheelEvent(QWheelEvent* event) {
    // Only the vertical wheel zooms; a sideways tilt is not a zoom.
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    HandleMouseWheel(doc_, MouseFlags(event->buttons(), event->modifiers()), delta);
}
