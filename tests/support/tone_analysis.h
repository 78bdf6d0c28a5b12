#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

// Measures recorded or rendered 48 kHz mono tones.

struct ToneSpan {
    int first;  // first sample above the threshold
    int last;   // last sample above the threshold
};

// The stretches louder than threshold, split wherever at least minQuiet
// samples in a row are quieter.
inline std::vector<ToneSpan> LoudSpans(const std::vector<std::int16_t>& pcm, int threshold,
                                       int minQuiet) {
    std::vector<ToneSpan> spans;
    int quiet = minQuiet;
    for (int i = 0; i < static_cast<int>(pcm.size()); ++i) {
        if (std::abs(pcm[i]) <= threshold) {
            ++quiet;
            continue;
        }
        if (quiet >= minQuiet) spans.push_back({i, i});
        spans.back().last = i;
        quiet = 0;
    }
    return spans;
}

// Frequency in Hz from the rising zero crossings in [first, last], each
// placed between its two samples; 0 with fewer than two crossings.
inline double PitchHz(const std::vector<std::int16_t>& pcm, int first, int last) {
    double start = -1, end = -1;
    int crossings = 0;
    for (int i = first; i < last; ++i) {
        if (pcm[i] < 0 && pcm[i + 1] >= 0) {
            const double at = i + double(-pcm[i]) / (pcm[i + 1] - pcm[i]);
            if (crossings++ == 0) start = at;
            end = at;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * 48000.0 / (end - start);
}
