// The tones through a real sound server of the test's own: a private server
// with a null sink, its monitor recorded with parec, so no sound card is needed.
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QProcess>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "../document/temp_folder.h"
#include "../support/tone_analysis.h"
#include "app/gui_fixture.h"
#include "app/shell_ui.h"
#include "app/tone_player.h"
#include "dialogs/number_edit.h"
#include "simulation/step.h"

namespace {

const char SILENT_LINE[] = "kelvane: no audio output; tones are silent";

// Every frame's step writes the status line while the simulation runs.
class CountingShell : public ShellUserInterface {
public:
    void SetStatusText(const char* text) override {
        ++frames;
        ShellUserInterface::SetStatusText(text);
    }
    int frames = 0;
};

// Standard error into a file while it lives.
class CapturedErrors {
public:
    explicit CapturedErrors(const std::string& file) : file_(file) {
        std::fflush(stderr);
        saved_ = dup(2);
        const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        close(fd);
    }
    ~CapturedErrors() { Restore(); }
    std::string Restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, 2);
            close(saved_);
            saved_ = -1;
        }
        std::ifstream in(file_);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string file_;
    int saved_ = -1;
};

// A helper process that ends with the test, started and read until it says
// it is ready (or gives up).
class Helper {
public:
    ~Helper() {
        if (process.state() == QProcess::NotRunning) return;
        process.terminate();
        if (!process.waitForFinished(5000)) process.kill();
        process.waitForFinished(5000);
    }
    bool Start(const QString& program, const QStringList& args, const QProcessEnvironment& env,
               const QString& readyLine) {
        process.setProcessEnvironment(env);
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process.start(program, args);
        if (!process.waitForStarted(5000)) return false;
        process.setReadChannel(QProcess::StandardError);
        while (!log.contains(readyLine)) {
            if (!process.waitForReadyRead(20000)) return false;
            log += QString::fromLocal8Bit(process.readAllStandardError());
        }
        process.setReadChannel(QProcess::StandardOutput);
        return true;
    }
    QProcess process;
    QString log;
};

QProcessEnvironment ServerEnvironment(const QString& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
        env.insert(name, folder);
    env.remove("DISPLAY");  // no session bus to be started through X
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    return env;
}

// Types an out-of-range value into a dialog's number box and leaves it: the
// two warning tones sound through the shell.
void TypeOutOfRange(UserInterface& ui) {
    NumberEdit box;
    QTest::keyClicks(&box, "45");
    box.ReadNumber({0, 30}, ui);
}

class ToneTrial : public WindowTest {};

TEST_F(ToneTrial, SilentWithoutAServerThenPlaysBothTonesOnceOneAppears) {
    TempFolder folder;
    const QString socket = QString::fromStdString(folder.File("native"));
    setenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit().constData(), 1);
    Open(MOTORBOAT, 1);
    CountingShell shell;
    shell.Attach(Frame());
    Doc().ui = &shell;
    SetRunState(Doc(), 1, 1);
    Helper server, recorder;
    TonePlayer player;
    shell.SetTonePlayer(&player);

    // No server: one line on standard error, however many tones, and the
    // view goes on rendering.
    CapturedErrors errors(folder.File("errors"));
    for (int round = 0; round < 2; ++round) {
        TypeOutOfRange(shell);
        EXPECT_TRUE(QTest::qWaitFor([&player] { return !player.Busy(); }, 10000));
    }
    const std::string said = errors.Restore();
    EXPECT_EQ(said.find(SILENT_LINE), said.rfind(SILENT_LINE)) << said;
    EXPECT_NE(said.find(std::string(SILENT_LINE) + "\n"), std::string::npos) << said;
    const int framesBefore = shell.frames;
    EXPECT_TRUE(QTest::qWaitFor([&] { return shell.frames >= framesBefore + 5; }));

    const QProcessEnvironment env = ServerEnvironment(QString::fromStdString(folder.Path()));
    if (!server.Start("pulseaudio",
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                       "--disable-shm=yes", "--log-target=stderr", "--log-level=info", "-L",
                       "module-native-protocol-unix auth-anonymous=1 socket=" + socket, "-L",
                       "module-null-sink sink_name=trial rate=48000 channels=1 format=s16le"},
                      env, "Daemon startup complete.")) {
        GTEST_SKIP() << "the sound server cannot start here: " << server.log.toStdString();
    }
    ASSERT_TRUE(
        recorder.Start("parec",
                       {"-v", "-s", "unix:" + socket, "-d", "trial.monitor", "--raw",
                        "--format=s16le", "--rate=48000", "--channels=1", "--latency-msec=10"},
                       env, "Stream successfully created."))
        << recorder.log.toStdString();

    // The server that appeared is used by the next tones, and the program
    // goes on while they play.
    // The null sink renders ahead while nothing plays; once the monitor
    // delivers, it keeps pace.
    QByteArray bytes;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return (bytes += recorder.process.readAllStandardOutput()).size() >= 9600; }, 10000));
    TypeOutOfRange(shell);
    const int framesAtCall = shell.frames;
    EXPECT_TRUE(player.Busy());
    int framesPlayed = -1;
    std::vector<std::int16_t> pcm;
    std::vector<ToneSpan> spans;
    // Done when both tones and 100 ms of silence after them are recorded.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            if (framesPlayed < 0 && !player.Busy()) framesPlayed = shell.frames - framesAtCall;
            bytes += recorder.process.readAllStandardOutput();
            pcm.assign(reinterpret_cast<const std::int16_t*>(bytes.constData()),
                       reinterpret_cast<const std::int16_t*>(bytes.constData()) + bytes.size() / 2);
            spans = LoudSpans(pcm, TONE_PEAK / 20, 24);
            return spans.size() >= 2 && int(pcm.size()) - spans.back().last > 4800 &&
                   framesPlayed >= 0;
        },
        10000));
    std::ostringstream found;
    for (const ToneSpan& span : spans) found << ' ' << span.first << "..." << span.last;
    ASSERT_EQ(spans.size(), 2u) << "tones at samples" << found.str();
    const struct { double hz, ms; } expected[] = {{1000, 200}, {700, 500}};
    for (int i = 0; i < 2; ++i) {
        const double ms = (spans[i].last - spans[i].first + 1) / 48.0;
        EXPECT_NEAR(PitchHz(pcm, spans[i].first, spans[i].last), expected[i].hz,
                    expected[i].hz * 0.02);
        EXPECT_NEAR(ms, expected[i].ms, expected[i].ms * 0.05);
    }
    // The count depends on the machine's speed (about 56 at 25 ms a tick);
    // that the view rendered at all while the tones played is the point.
    std::printf("frames rendered while the pair played: %d\n", framesPlayed);
    EXPECT_GT(framesPlayed, 0);
    unsetenv("PULSE_SERVER");
}

}  // namespace
