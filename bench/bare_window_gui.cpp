// The yardstick for the program's CPU share and memory: a bare Qt main
// window with a status bar and an OpenGL view that only clears, shown at the
// program's frame rate (a 25 ms timer, two frames a tick: 80 frames/s) and
// with the program's surface format. scripts/bench.sh runs it beside kelvane.
#include <QApplication>
#include <QBasicTimer>
#include <QMainWindow>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWindow>
#include <QStatusBar>
#include <QTimerEvent>

#include "render/klvn_view.h"

namespace {

class ClearingView : public QOpenGLWindow {
public:
    ClearingView() : QOpenGLWindow(NoPartialUpdate) { setFormat(CKLVNView::RequestedFormat()); }

protected:
    void initializeGL() override { timer_.start(25, Qt::PreciseTimer, this); }
    void paintGL() override { Clear(); }
    void timerEvent(QTimerEvent*) override {
        // As the view does: one frame at once, one more through a repaint.
        makeCurrent();
        Clear();
        if (isExposed()) context()->swapBuffers(this);
        update();
    }

private:
    void Clear() {
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    QBasicTimer timer_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* view = new ClearingView;
    window.setCentralWidget(QWidget::createWindowContainer(view));
    window.statusBar()->showMessage("Ready");
    window.resize(1280, 800 + window.statusBar()->sizeHint().height());
    window.show();
    return app.exec();
}
