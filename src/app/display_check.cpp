#include "app/display_check.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <cstdio>
#include <cstdlib>

#include "render/klvn_view.h"

namespace {

// Platforms that show real windows. The off-screen and minimal ones have no
// OpenGL windows at all: Qt would crash when the view is shown.
const char* const WINDOW_PLATFORMS[] = {"xcb", "wayland", "windows", "cocoa"};

QtMessageHandler previousHandler = nullptr;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "kelvane: cannot open a window: %s\n"
                     "kelvane: Kelvane needs a graphical display with OpenGL "
                     "(is DISPLAY set?).\n",
                     qPrintable(message));
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void ExitCleanlyOnFatalStartupErrors() {
    previousHandler = qInstallMessageHandler(StartupMessageHandler);
}

void RestoreDefaultMessageHandler() {
    qInstallMessageHandler(previousHandler);
}

bool WindowPlatform() {
    const QString platform = QGuiApplication::platformName();
    for (const char* name : WINDOW_PLATFORMS) {
        if (platform == name) return true;
    }
    return false;
}

void ReportDisplayProblem(const QString& problem) {
    std::fprintf(stderr, "kelvane: cannot show the scene: %s.\n", qPrintable(problem));
    std::fflush(stderr);
    if (!WindowPlatform()) return;
    QMessageBox::critical(
        nullptr, QStringLiteral("Application Error"),
        QStringLiteral("Error: Unable to Set Pixel Format in CKLVNView::OnCreate()"));
}

QString DisplayProblem() {
    const QString platform = QGuiApplication::platformName();
    if (!WindowPlatform()) {
        return QString(
                   "the window system platform \"%1\" cannot show OpenGL windows; "
                   "run Kelvane on a graphical display")
            .arg(platform);
    }

    QOpenGLContext context;
    context.setFormat(CKLVNView::RequestedFormat());
    if (!context.create()) return "no OpenGL rendering context could be created";
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface)) {
        return "the OpenGL rendering context cannot be made current";
    }
    const bool core = context.format().profile() == QSurfaceFormat::CoreProfile;
    const GLubyte* version = context.functions()->glGetString(GL_VERSION);
    context.doneCurrent();
    if (core || version == nullptr) {
        return "the OpenGL context lacks the fixed-function (compatibility) interface";
    }
    return QString();
}
