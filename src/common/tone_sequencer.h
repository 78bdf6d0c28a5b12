#pragma once

#include <cstdint>

// The program's beeps as sound: each Beep(frequency, duration) queues a tone,
// and Render turns the queue, one tone after another in the order queued,
// into 16-bit signed mono samples at 48 kHz. Each tone is a sine with 5 ms
// raised-cosine fades in and out, so that it starts and ends without a click,
// at a quarter of full scale. All storage is fixed; nothing is allocated.
// Not thread-safe: a player that renders on its own thread guards it.

constexpr int TONE_SAMPLE_RATE = 48000;
constexpr int TONE_MIN_HZ = 37;  // the range the system beep has always accepted
constexpr int TONE_MAX_HZ = 32767;
constexpr int TONE_MAX_MS = 10000;      // longer requests are cut to this
constexpr int TONE_QUEUE_SIZE = 32;     // tones waiting behind the one playing
constexpr int TONE_FADE_SAMPLES = 240;  // 5 ms
constexpr double TONE_PEAK = 8192.0;    // a quarter of full scale

class ToneSequencer {
public:
    // Queues a tone. Returns false, changing nothing, for a frequency outside
    // 37 ... 32767 Hz, a duration of 0 ms or less, or a full queue (the newest
    // tone is the one dropped).
    bool Beep(int frequencyHz, int durationMs);

    // Writes up to capacity samples of the queued tones, back to back, and
    // returns how many it wrote: fewer than capacity only when the queue ran
    // empty.
    int Render(std::int16_t* out, int capacity);

    // Nothing playing and nothing queued.
    bool Idle() const { return !playing_ && count_ == 0; }

    // Drops every tone, the one playing included.
    void Clear();

private:
    struct Tone {
        int frequencyHz;
        int samples;
    };
    bool StartNext();
    std::int16_t Sample() const;

    Tone queue_[TONE_QUEUE_SIZE] = {};
    int head_ = 0;   // the oldest waiting tone
    int count_ = 0;  // waiting tones
    bool playing_ = false;
    Tone current_ = {};
    int position_ = 0;  // samples of the current tone already rendered
};
