#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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
// another folder it goes on (to the display check, off screen here).
TEST(SingleInstance, SecondProgramOnTheSameFolderStopsWithoutWriting) {
    QTemporaryDir held, other;
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
}

TEST(SingleInstance, LockOfADeadProgramIsTakenOver) {
    QTemporaryDir folder;
    QProcess dead;
    dead.start("sh", {"-c", "echo $$"});
    ASSERT_TRUE(dead.waitForFinished());
    const QByteArray pid = dead.readAllStandardOutput().trimmed();
    QFile lock(QDir(folder.path()).filePath("Kelvane.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(pid + "\nkelvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    EXPECT_TRUE(SingleInstance(folder.path()).Acquire());
}
