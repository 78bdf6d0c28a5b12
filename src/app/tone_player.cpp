#include "app/tone_player.h"

#include <pulse/simple.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int BLOCK_SAMPLES = TONE_SAMPLE_RATE / 200;  // 5 ms a write
// A stream that starts (or starts again after it ran dry) may lose its first
// few milliseconds while the server fits it into what the sink has already
// mixed; this much silence goes first, so that the tone keeps its fade-in.
constexpr int LEAD_IN_SAMPLES = TONE_SAMPLE_RATE / 50;
// Each burst of tones starts on an empty stream, so how soon a tone is heard
// depends only on the lead-in the server waits for (20 ms). While it plays,
// 50 ms stay buffered: with 20 ms, a playback thread held up on a busy
// machine let the sink run dry in the middle of a tone.
constexpr std::uint32_t START_BYTES = LEAD_IN_SAMPLES * sizeof(std::int16_t);
constexpr std::uint32_t BUFFER_BYTES = TONE_SAMPLE_RATE / 20 * sizeof(std::int16_t);
// An idle stream would keep the sound card awake; it is closed after this.
constexpr auto IDLE_CLOSE = std::chrono::seconds(5);

}  // namespace

TonePlayer::TonePlayer(std::FILE* report) : report_(report) {
    // pa_simple takes no stream properties; the client library adds these to
    // every stream of the program, so the desktop's mixer files the tones
    // under event sounds. A role the user set already stays.
    setenv("PULSE_PROP_media.role", "event", 0);
    thread_ = std::thread(&TonePlayer::Run, this);
}

TonePlayer::~TonePlayer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void TonePlayer::Play(int frequencyHz, int durationMs) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        sequencer_.Beep(frequencyHz, durationMs);
    }
    wake_.notify_one();
}

bool TonePlayer::Busy() {
    std::lock_guard<std::mutex> lock(mutex_);
    return sounding_ || !sequencer_.Idle();
}

void TonePlayer::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        const auto wanted = [this] { return stopping_ || !sequencer_.Idle(); };
        if (stream_ && !wake_.wait_for(lock, IDLE_CLOSE, wanted)) {
            lock.unlock();
            Disconnect();
            lock.lock();
        }
        wake_.wait(lock, wanted);
        if (stopping_) break;
        sounding_ = true;
        lock.unlock();
        bool played = stream_ || Connect();
        lock.lock();
        if (played) played = PlayQueued(lock);
        if (!played) {
            // The tones asked for meanwhile would only come late: drop them.
            sequencer_.Clear();
            lock.unlock();
            Disconnect();
            ReportSilence();
            lock.lock();
        }
        sounding_ = false;
    }
    lock.unlock();
    Disconnect();
}

// Pulls the queue into the server, after the lead-in, until it is empty and
// the server has played it all; false when the server failed.
bool TonePlayer::PlayQueued(std::unique_lock<std::mutex>& lock) {
    std::int16_t block[BLOCK_SAMPLES] = {};
    lock.unlock();
    int error = 0;
    bool ok = true;
    for (int lead = 0; ok && lead < LEAD_IN_SAMPLES; lead += BLOCK_SAMPLES) {
        ok = pa_simple_write(stream_, block, sizeof block, &error) >= 0;
    }
    lock.lock();
    if (!ok) return false;
    while (!stopping_) {
        const int samples = sequencer_.Render(block, BLOCK_SAMPLES);
        lock.unlock();
        if (samples > 0) {
            ok = pa_simple_write(stream_, block, samples * sizeof block[0], &error) >= 0;
        } else {
            // Draining also starts a tail shorter than the server waits for.
            ok = pa_simple_drain(stream_, &error) >= 0;
        }
        lock.lock();
        if (!ok) return false;
        if (samples == 0) return true;  // tones queued meanwhile start afresh
    }
    return true;
}

bool TonePlayer::Connect() {
    pa_sample_spec spec = {};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = TONE_SAMPLE_RATE;
    spec.channels = 1;
    pa_buffer_attr buffer = {};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = BUFFER_BYTES;
    buffer.prebuf = START_BYTES;
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    int error = 0;
    stream_ = pa_simple_new(nullptr, "Kelvane", PA_STREAM_PLAYBACK, nullptr, "Kelvane", &spec,
                            nullptr, &buffer, &error);
    return stream_ != nullptr;
}

void TonePlayer::Disconnect() {
    if (stream_) pa_simple_free(stream_);
    stream_ = nullptr;
}

void TonePlayer::ReportSilence() {
    if (reported_) return;
    reported_ = true;
    std::fprintf(report_, "kelvane: no audio output; tones are silent\n");
    std::fflush(report_);
}
