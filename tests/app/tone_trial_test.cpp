// The tones through a sound server of the test's own: a private server with a
// null sink whose monitor parec records, so no sound card is needed.
#include <sys/prctl.h>

#include <QProcess>
#include <QSignalSpy>
#include <csignal>
#include <cstdio>

#include "../document/temp_folder.h"
#include "../support/tone_analysis.h"
#include "app/gui_fixture.h"
#include "app/tone_player.h"
#include "common/number_field.h"
#include "simulation/step.h"

namespace {

// Starts a helper that ends with the test (or with its crash), in a private
// home, and reads its errors until it says it is ready.
bool Start(QProcess& helper, const QString& folder, const QStringList& command,
           const QString& ready, QString& log) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
        env.insert(name, folder);
    env.remove("DISPLAY");  // no session bus started through X
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    helper.setProcessEnvironment(env);
    helper.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    helper.setReadChannel(QProcess::StandardError);
    helper.start(command[0], command.mid(1));
    while (!log.contains(ready) && helper.waitForReadyRead(20000)) log += helper.readAll();
    helper.setReadChannel(QProcess::StandardOutput);
    return log.contains(ready);
}

class ToneTrial : public WindowTest {};

TEST_F(ToneTrial, SilentWithoutAServerThenBothTonesOnceOneAppears) {
    TempFolder folder;
    const QString home = QString::fromStdString(folder.Path()), socket = home + "/native";
    setenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit().constData(), 1);
    Open(MOTORBOAT, 1);
    UseShell();
    SetRunState(Doc(), 1, 1);
    QSignalSpy ticks(View(), &CKLVNView::tickStarting);  // the view goes on: the timer ticks
    QProcess server, recorder;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> report(std::tmpfile(), std::fclose);
    TonePlayer player(report.get());
    shell_.SetTonePlayer(&player);

    // No server: one line however many tones, and the view renders on.
    for (int round = 0; round < 2; ++round) {
        SoundRangeWarning(shell_);  // as for an out-of-range value
        EXPECT_TRUE(QTest::qWaitFor([&player] { return !player.Busy(); }, 10000));
    }
    char said[200] = {};
    std::rewind(report.get());
    said[std::fread(said, 1, sizeof said - 1, report.get())] = '\0';
    EXPECT_STREQ(said, "kelvane: no audio output; tones are silent\n");
    const int ticksBefore = ticks.count();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.count() >= ticksBefore + 5; }));

    QString log;
    if (!Start(server, home,
               {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                "--disable-shm=yes", "--log-target=stderr", "--log-level=info", "-L",
                "module-native-protocol-unix auth-anonymous=1 socket=" + socket, "-L",
                "module-null-sink sink_name=trial rate=48000 channels=1 format=s16le"},
               "Daemon startup complete.", log)) {
        GTEST_SKIP() << "the sound server cannot start here: " << log.toStdString();
    }
    ASSERT_TRUE(Start(recorder, home,
                      {"parec", "-v", "-s", "unix:" + socket, "-d", "trial.monitor", "--raw",
                       "--format=s16le", "--rate=48000", "--channels=1", "--latency-msec=10"},
                      "Stream successfully created.", log))
        << log.toStdString();
    // The null sink renders ahead while nothing plays; once the monitor
    // delivers, it keeps pace.
    QByteArray bytes;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (bytes += recorder.readAll()).size() >= 9600; }));

    // The server that appeared plays the next tones; the program goes on.
    SoundRangeWarning(shell_);  // as for an out-of-range value
    const int ticksAtCall = ticks.count();
    EXPECT_TRUE(player.Busy());
    int ticksPlayed = -1;
    std::vector<std::int16_t> pcm;
    std::vector<ToneSpan> spans;
    EXPECT_TRUE(QTest::qWaitFor(  // both tones and 100 ms after them recorded
        [&] {
            if (ticksPlayed < 0 && !player.Busy()) ticksPlayed = ticks.count() - ticksAtCall;
            bytes += recorder.readAll();
            const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
            pcm.assign(samples, samples + bytes.size() / 2);
            spans = LoudSpans(pcm, TONE_PEAK / 20, 24);
            return spans.size() >= 2 && int(pcm.size()) - spans.back().last > 4800 &&
                   ticksPlayed >= 0;
        },
        10000));
    server.kill();
    recorder.kill();
    ASSERT_EQ(spans.size(), 2u);
    const double hz[] = {1000, 700}, ms[] = {200, 500};
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(PitchHz(pcm, spans[i].first, spans[i].last), hz[i], hz[i] * 0.02);
        EXPECT_NEAR((spans[i].last - spans[i].first + 1) / 48.0, ms[i], ms[i] * 0.05);
    }
    // About 56 at 25 ms a tick, as fast as the machine allows: that the view
    // ticked at all while the tones played is what the test holds.
    std::printf("timer ticks while the pair played: %d\n", ticksPlayed);
    EXPECT_GT(ticksPlayed, 0);
    unsetenv("PULSE_SERVER");
}

}  // namespace
