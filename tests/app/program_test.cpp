#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "app/command_line.h"
#include "app/instance_doorbell.h"
#include "app/single_instance.h"

// The program as a whole: its command line, one program to a data folder, and
// what it does without a display or OpenGL.
namespace {

TEST(CommandLine, OptionsGiveTheirActionAndFolder) {
    struct Case {
        QStringList arguments;
        CommandLineAction action;
        DataFolderSource source;
        QString dataDir;
    };
    using A = CommandLineAction;
    using S = DataFolderSource;
    const Case cases[] = {
        {{}, A::Run, S::WorkingDirectory, {}},
        {{"--help"}, A::Help, S::WorkingDirectory, {}},
        {{"-v"}, A::Version, S::WorkingDirectory, {}},
        {{"--data-dir", "/b"}, A::Run, S::Named, "/b"},
        {{"--data-dir=/b", "-platform", "xcb", "-display", ":1"}, A::Run, S::Named, "/b"},
        {{"--user-data", "-reverse"}, A::Run, S::UserData, {}},
        {{"--bogus"}, A::Error, S::WorkingDirectory, {}},
        {{"stray"}, A::Error, S::WorkingDirectory, {}},
        {{"--data-dir"}, A::Error, S::WorkingDirectory, {}},
        {{"--data-dir", "/b", "--user-data"}, A::Error, S::Named, {}},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(QStringList{"kelvane"} + c.arguments);
        const QString what = c.arguments.join(' ');
        EXPECT_EQ(line.action, c.action) << what.toStdString();
        if (c.action == A::Error) {
            EXPECT_TRUE(line.text.contains("Usage: kelvane")) << what.toStdString();
            continue;
        }
        EXPECT_EQ(line.source, c.source) << what.toStdString();
        EXPECT_EQ(line.dataDir, c.dataDir) << what.toStdString();
    }
}

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

// Runs a second program on the folder, off screen; the test's own event loop
// runs meanwhile, since a holder's doorbell answers from it. The exit code
// (-1 for a crash) and what it said.
std::pair<int, QString> RunSecond(const QString& folder) {
    QProcess second;
    second.start(KELVANE_PATH, {"-platform", "offscreen", "--data-dir", folder});
    QElapsedTimer waited;
    waited.start();
    while (second.state() != QProcess::NotRunning && waited.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        second.waitForFinished(50);
    }
    EXPECT_EQ(second.state(), QProcess::NotRunning);
    const int code = second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    return {code, QString(second.readAllStandardError())};
}

// A second program on a held folder whose holder does not answer says so and
// stops; with the holder's doorbell listening it rings that one only, and the
// holder comes to the front. Either way the settings stay untouched. On
// another folder it goes on (to the display check). A dead program's lock is
// taken over.
TEST(SingleInstance, SecondProgramOnAHeldFolderStopsOrBringsUpTheHolder) {
    QTemporaryDir held, other, dead;
    SingleInstance first(held.path());
    ASSERT_TRUE(first.Acquire());
    EXPECT_FALSE(SingleInstance(held.path()).Acquire());
    EXPECT_TRUE(SingleInstance(other.path()).Acquire());
    const auto [heldCode, heldErrors] = RunSecond(held.path());
    EXPECT_EQ(heldCode, 1);
    EXPECT_TRUE(heldErrors.contains("already running")) << heldErrors.toStdString();
    const auto [otherCode, otherErrors] = RunSecond(other.path());
    EXPECT_FALSE(otherErrors.contains("already running")) << otherErrors.toStdString();

    InstanceDoorbell doorbell(held.path()), otherDoorbell(other.path());
    ASSERT_TRUE(doorbell.Listen() && otherDoorbell.Listen());
    EXPECT_FALSE(InstanceDoorbell(held.path()).Listen());  // one doorbell to a folder
    int rings = 0, otherRings = 0;
    QObject::connect(&doorbell, &InstanceDoorbell::rung, [&rings] { ++rings; });
    QObject::connect(&otherDoorbell, &InstanceDoorbell::rung, [&otherRings] { ++otherRings; });
    const auto [rungCode, rungErrors] = RunSecond(held.path());
    EXPECT_EQ(rungCode, 0);
    EXPECT_TRUE(rungErrors.contains("brought to the front")) << rungErrors.toStdString();
    EXPECT_TRUE(rings == 1 && otherRings == 0);
    EXPECT_FALSE(QFile::exists(QDir(held.path()).filePath("Persist.kvn")));

    QProcess gone;
    gone.start("sh", {"-c", "echo $$"});
    ASSERT_TRUE(gone.waitForFinished());
    QFile lock(QDir(dead.path()).filePath("Kelvane.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(gone.readAllStandardOutput().trimmed() + "\nkelvane\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    EXPECT_TRUE(SingleInstance(dead.path()).Acquire());
}

}  // namespace
