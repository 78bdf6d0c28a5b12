#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QOpenGLWindow>
#include <QSurfaceFormat>

#include "render/render_frame.h"

struct CKLVNDoc;

// The single OpenGL view of the program. It owns the rendering context and the
// simulation timer: every 25 ms tick renders a frame (one simulation step) and
// asks for a repaint, which renders (and steps) once more. It routes keys to
// the keyboard controls, buttons to the scene clicks and the wheel to the zoom.
//
// It is a window of its own rather than a widget: the software renderer then
// draws straight into the window's buffers instead of through the widget
// compositor, which costs several times the CPU per frame.
class CKLVNView : public QOpenGLWindow {
    Q_OBJECT

public:
    explicit CKLVNView(CKLVNDoc& doc);

    // Double-buffered RGB with 24 colour bits and 32 depth bits, in the
    // compatibility profile the fixed-function drawing needs.
    static QSurfaceFormat RequestedFormat();

    // Renders one frame now (one step, like any frame), shows it and returns
    // the picture as shown, top row first. Null before the context exists.
    QImage GrabFrame();

    CKLVNDoc& Document() { return doc_; }

    // While held, a frame draws without stepping the simulation (a replay
    // steps it before the frame).
    void HoldSteps(bool held) { frame_.stepsHeld = held; }

    // The version string of the context in use; empty before it exists.
    QString OpenGlVersion() const { return openGlVersion_; }

signals:
    // Escape: the program is to end at once.
    void quitRequested();
    // A timer tick is about to render its frame: input polled here (a game
    // controller) is whole before the step sees it.
    void tickStarting();

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The frame of a tick or a grab, outside a repaint: render into the
    // current context, then swap (or only flush while the window is hidden).
    void RenderAndShow();
    void RequestRepaint();
    void Repaint();
    int MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const;

    CKLVNDoc& doc_;
    FrameState frame_ = {};
    QBasicTimer timer_;
    bool setUpDone_ = false;
    bool repaintPending_ = false;
    bool firstFrameShown_ = false;
    void NoteFirstFrame();
    QString openGlVersion_;
};
