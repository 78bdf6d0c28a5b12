#pragma once

#include <cstdint>
#include <cstdlib>
#include <vector>

// Measures 48 kHz mono tones, rendered or recorded.
struct ToneSpan {
    int first, last;  // the first and last sample above the threshold
};

// The loud stretches, split wherever minQuiet samples in a row are quieter.
inline std::vector<ToneSpan> LoudSpans(const std::vector<std::int16_t>& pcm, int threshold,
                                       int minQuiet) {
    std::vector<ToneSpan> spans;
    for (int i = 0, quiet = minQuiet; i < int(pcm.size()); ++i, ++quiet) {
        if (std::abs(pcm[i]) <= threshold) continue;
        if (quiet >= minQuiet) spans.push_back({i, i});
        spans.back().last = i;
        quiet = -1;
    }
    return spans;
}

// Hz from the rising zero crossings in [first, last], each placed between
// its two samples.
inline double PitchHz(const std::vector<std::int16_t>& pcm, int first, int last) {
    double start = 0, end = 0;
    int crossings = 0;
    for (int i = first; i < last; ++i) {
        if (pcm[i] >= 0 || pcm[i + 1] < 0) continue;
        end = i + double(-pcm[i]) / (pcm[i + 1] - pcm[i]);
        if (crossings++ == 0) start = end;
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * 48000.0 / (end - start);
}
