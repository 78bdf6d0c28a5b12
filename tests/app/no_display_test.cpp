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

// Runs the program with the given changes to its environment.
Outcome RunProgram(const QString& set, const QString& value, const QString& unset) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!set.isEmpty()) env.insert(set, value);
    if (!unset.isEmpty()) env.remove(unset);
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QDir::tempPath());
    program.start(KELVANE_PATH, QStringList());
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

// A display without OpenGL windows: the trial context fails before any view exists.
TEST(NoDisplay, EndsWithAClearMessageWithoutOpenGL) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "needs a display";
    const Outcome noGl = RunProgram("QT_XCB_GL_INTEGRATION", "none", "");
    ASSERT_TRUE(noGl.finished);
    EXPECT_EQ(noGl.status, QProcess::NormalExit);
    EXPECT_EQ(noGl.exitCode, 1);
    EXPECT_TRUE(noGl.errors.contains("no OpenGL rendering context")) << noGl.errors.toStdString();
}

}  // namespace
