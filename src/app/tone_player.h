#pragma once

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "common/tone_sequencer.h"

struct pa_simple;

// Plays the program's tones through the sound server on a small thread of its
// own, so that a beep never holds up the timer or the view. The program's
// thread only queues tones; the playback thread pulls them from the same
// sequencer, which the mutex guards. Nothing is opened until the first tone.
//
// Without a sound server, or when the server fails while playing, the tones
// are dropped, one line on standard error says so the first time, and the
// next tone tries the server again.
class TonePlayer {
public:
    // The line about missing sound goes to report.
    explicit TonePlayer(std::FILE* report = stderr);
    ~TonePlayer();
    TonePlayer(const TonePlayer&) = delete;
    TonePlayer& operator=(const TonePlayer&) = delete;

    // Queues a tone and returns at once.
    void Play(int frequencyHz, int durationMs);

    // Tones waiting, playing, or still in the server's buffer.
    bool Busy();

private:
    void Run();
    bool Connect();
    void Disconnect();
    bool PlayQueued(std::unique_lock<std::mutex>& lock);
    void ReportSilence();

    std::mutex mutex_;
    std::condition_variable wake_;
    ToneSequencer sequencer_;      // guarded by mutex_
    bool sounding_ = false;        // guarded by mutex_: the server still plays tones
    bool stopping_ = false;        // guarded by mutex_
    pa_simple* stream_ = nullptr;  // the playback thread's own
    std::FILE* report_;
    bool reported_ = false;  // the playback thread's own
    std::thread thread_;
};
