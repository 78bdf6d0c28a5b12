#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

// Starts the program with one variable set and, when named, one removed.
void StartProgram(QProcess& program, const QString& set, const QString& value,
                  const QString& unset = QString()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(set, value);
    if (!unset.isEmpty()) env.remove(unset);
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QDir::tempPath());
    program.start(KELVANE_PATH, QStringList());
}

// Without a display, or on a platform that has no OpenGL windows, the
// program says so and ends with status 1: it never crashes.
TEST(NoDisplay, EndsWithAClearMessageInsteadOfACrash) {
    const struct {
        const char *platform, *unset, *said;
    } cases[] = {{"xcb", "DISPLAY", "kelvane: cannot open a window"},
                 {"offscreen", "", "cannot show the scene"},
                 {"minimal", "", "cannot show the scene"}};
    for (const auto& c : cases) {
        QProcess program;
        StartProgram(program, "QT_QPA_PLATFORM", c.platform, c.unset);
        ASSERT_TRUE(program.waitForFinished(20000)) << c.platform;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.platform;
        EXPECT_EQ(program.exitCode(), 1) << c.platform;
        EXPECT_TRUE(QString(program.readAllStandardError()).contains(c.said)) << c.platform;
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
