#include "app/instance_doorbell.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "app/single_instance.h"

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
