#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "app/instance_doorbell.h"
#include "app/single_instance.h"

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

// A second program on a held folder stops before touching the settings; on
// another folder it goes on (to the display check, off screen here). The lock
// of a program that has died is taken over.
TEST(SingleInstance, SecondProgramOnTheSameFolderStopsWithoutWritingAndADeadOnesLockIsTaken) {
    QTemporaryDir held, other, dead;
    SingleInstance first(held.path());
    ASSERT_TRUE(first.Acquire());
    EXPECT_FALSE(SingleInstance(held.path()).Acquire());
    EXPECT_TRUE(SingleInstance(other.path()).Acquire());

    auto run = [](const QString& folder) {
        QProcess program;
        program.start(KELVANE_PATH, {"-platform", "offscreen", "--data-dir", folder});
        EXPECT_TRUE(program.waitForFinished(20000));
        return std::make_pair(program.exitCode(), QString(program.readAllStandardError()));
    };
    const auto [heldCode, heldErrors] = run(held.path());
    EXPECT_EQ(heldCode, 1);
    EXPECT_TRUE(heldErrors.contains("already running")) << heldErrors.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(held.path()).filePath("Persist.kvn")));
    const auto [otherCode, otherErrors] = run(other.path());
    EXPECT_FALSE(otherErrors.contains("already running")) << otherErrors.toStdString();

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

// A second program on a folder whose holder listens hands over to it and
// exits at once, settings untouched; only the doorbell of that folder rings.
TEST(InstanceDoorbell, SecondProgramBringsUpTheRunningOne) {
    QTemporaryDir held, other;
    SingleInstance first(held.path());
    ASSERT_TRUE(first.Acquire());
    InstanceDoorbell doorbell(held.path()), otherDoorbell(other.path());
    ASSERT_TRUE(doorbell.Listen());
    ASSERT_TRUE(otherDoorbell.Listen());
    int rings = 0, otherRings = 0;
    QObject::connect(&doorbell, &InstanceDoorbell::rung, [&rings] { ++rings; });
    QObject::connect(&otherDoorbell, &InstanceDoorbell::rung, [&otherRings] { ++otherRings; });

    QProcess second;
    second.start(KELVANE_PATH, {"-platform", "offscreen", "--data-dir", held.path()});
    QElapsedTimer waited;
    waited.start();
    // The holder answers from its event loop, so it must run while the second waits.
    while (second.state() != QProcess::NotRunning && waited.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        second.waitForFinished(50);
    }
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().contains("brought to the front"));
    EXPECT_EQ(rings, 1);
    EXPECT_EQ(otherRings, 0);
    EXPECT_FALSE(QFile::exists(QDir(held.path()).filePath("Persist.kvn")));
    // A second doorbell on a folder already listened to is refused.
    EXPECT_FALSE(InstanceDoorbell(held.path()).Listen());
}
