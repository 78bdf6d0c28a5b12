#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct Outcome {
    bool finished;
    QProcess::ExitStatus status;
    int exitCode;
    QString errors;
};

// Starts the program with the given changes to its environment.
void StartProgram(QProcess& program, const QString& set, const QString& value,
                  const QString& unset = QString()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(set, value);
    if (!unset.isEmpty()) env.remove(unset);
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QDir::tempPath());
    program.start(KELVANE_PATH, QStringList());
}

Outcome RunProgram(const QString& set, const QString& value, const QString& unset) {
    QProcess program;
    StartProgram(program, set, value, unset);
    const bool finished = program.waitForFinished(20000);
    if (!finished) program.kill();
    return {finished, program.exitStatus(), program.exitCode(),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

// Without a display, or on a platform that has no OpenGL windows, the
// program says so and ends with status 1: it never crashes.
TEST(NoDisplay, EndsWithAClearMessageInsteadOfACrash) {
    const Outcome none = RunProgram("QT_QPA_PLATFORM", "xcb", "DISPLAY");
    ASSERT_TRUE(none.finished);
    EXPECT_EQ(none.status, QProcess::NormalExit);
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.errors.contains("kelvane: cannot open a window")) << none.errors.toStdString();

    for (const char* platform : {"offscreen", "minimal"}) {
        const Outcome offscreen = RunProgram("QT_QPA_PLATFORM", platform, "");
        ASSERT_TRUE(offscreen.finished) << platform;
        EXPECT_EQ(offscreen.status, QProcess::NormalExit) << platform;
        EXPECT_EQ(offscreen.exitCode, 1) << platform;
        EXPECT_TRUE(offscreen.errors.contains("cannot show the scene")) << platform;
    }
}

// A display without OpenGL windows: the trial context fails before any view
// exists, and the program's error box waits for OK before it ends.
TEST(NoDisplay, EndsWithAClearMessageAndTheErrorBoxWithoutOpenGL) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "needs a display";
    QProcess program;
    StartProgram(program, "QT_XCB_GL_INTEGRATION", "none");
    QString errors, windows;
    for (int i = 0; i < 200 && !windows.contains("\"Application Error\""); ++i) {
        program.waitForReadyRead(100);
        errors += QString::fromLocal8Bit(program.readAllStandardError());
        QProcess list;
        list.start("xwininfo", {"-root", "-tree"});
        list.waitForFinished(5000);
        windows = QString::fromLocal8Bit(list.readAllStandardOutput());
    }
    const bool stillRunning = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished(5000);
    EXPECT_TRUE(errors.contains("no OpenGL rendering context")) << errors.toStdString();
    EXPECT_TRUE(windows.contains("\"Application Error\"")) << "no error box";
    EXPECT_TRUE(stillRunning) << "the box must wait for the user";
}

}  // namespace
