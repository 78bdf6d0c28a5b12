#include "common/tone_sequencer.h"

#include <algorithm>
#include <cmath>

#include "common/constants.h"

bool ToneSequencer::Beep(int frequencyHz, int durationMs) {
    if (frequencyHz < TONE_MIN_HZ || frequencyHz > TONE_MAX_HZ || durationMs <= 0) return false;
    if (count_ == TONE_QUEUE_SIZE) return false;
    const int ms = std::min(durationMs, TONE_MAX_MS);
    queue_[(head_ + count_) % TONE_QUEUE_SIZE] = {frequencyHz, ms * (TONE_SAMPLE_RATE / 1000)};
    ++count_;
    return true;
}

void ToneSequencer::Clear() {
    head_ = 0;
    count_ = 0;
    playing_ = false;
    position_ = 0;
}

bool ToneSequencer::StartNext() {
    if (count_ == 0) return false;
    current_ = queue_[head_];
    head_ = (head_ + 1) % TONE_QUEUE_SIZE;
    --count_;
    position_ = 0;
    playing_ = true;
    return true;
}

int ToneSequencer::Render(std::int16_t* out, int capacity) {
    int written = 0;
    while (written < capacity) {
        if (!playing_ && !StartNext()) break;
        out[written++] = Sample();
        if (++position_ == current_.samples) playing_ = false;
    }
    return written;
}

// A tone above half the sample rate cannot be rendered: its samples would
// alias to a lower, audible pitch that nobody asked for. Such a tone (far
// above hearing anyway) keeps its length but is silent.
std::int16_t ToneSequencer::Sample() const {
    if (2 * current_.frequencyHz >= TONE_SAMPLE_RATE) return 0;
    // A tone shorter than both fades fades over half its length each way.
    const int fade = std::min(TONE_FADE_SAMPLES, current_.samples / 2);
    const int fromEdge = std::min(position_, current_.samples - 1 - position_);
    double gain = 1.0;
    if (fromEdge < fade) gain = 0.5 * (1.0 - std::cos(PI * fromEdge / fade));
    const double cycles = static_cast<double>(current_.frequencyHz) * position_ / TONE_SAMPLE_RATE;
    const double phase = 2.0 * PI * cycles;
    return static_cast<std::int16_t>(std::lround(TONE_PEAK * gain * std::sin(phase)));
}
