#include "common/tone_sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../support/tone_analysis.h"

namespace {

std::vector<std::int16_t> RenderAll(ToneSequencer& tones) {
    std::vector<std::int16_t> pcm(500000);
    pcm.resize(tones.Render(pcm.data(), int(pcm.size())));
    EXPECT_TRUE(tones.Idle());
    return pcm;
}

}  // namespace

// Accepted or not, length in samples, pitch, peak and fades of one tone. A
// tone above half the sample rate would alias: it keeps its length, silent.
TEST(ToneSequencer, EachToneAtItsPitchAndLengthWithinTheLimits) {
    const struct {
        int hz, ms, samples;
    } rows[] = {{1000, 100, 4800}, {700, 500, 24000},     {37, 1000, 48000}, {20000, 100, 4800},
                {1000, 3, 144},    {1000, 20000, 480000}, {32767, 10, 480},  {36, 100, 0},
                {32768, 100, 0},   {1000, 0, 0},          {1000, -5, 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.hz << " Hz " << r.ms << " ms");
        ToneSequencer tones;
        EXPECT_EQ(tones.Beep(r.hz, r.ms), r.samples > 0);
        const std::vector<std::int16_t> pcm = RenderAll(tones);
        ASSERT_EQ(int(pcm.size()), r.samples);
        if (pcm.empty()) continue;
        const auto [low, high] = std::minmax_element(pcm.begin(), pcm.end());
        const int peak = std::max(-*low, int(*high));
        EXPECT_EQ(peak == 0, r.hz > 24000);
        if (peak == 0) continue;
        EXPECT_TRUE(peak <= TONE_PEAK && peak > 0.9 * TONE_PEAK);
        EXPECT_LE(std::abs(pcm.front()) + std::abs(pcm.back()), 2);  // no click
        if (r.ms >= 10) {  // a few cycles are too few to time to 0.5 %
            EXPECT_NEAR(PitchHz(pcm, 0, r.samples - 1), r.hz, r.hz * 0.005);
        }
    }
}

// The warning pair in order without a gap over 5 ms; a full queue drops the
// newest tones and stays whole, also once the ring has wrapped.
TEST(ToneSequencer, PairInOrderAndOverflowDropsTheNewest) {
    ToneSequencer tones;
    tones.Beep(1000, 200);
    tones.Beep(700, 500);
    std::vector<std::int16_t> pcm = RenderAll(tones);
    ASSERT_EQ(pcm.size(), 33600u);
    EXPECT_NEAR(PitchHz(pcm, 0, 9599), 1000, 5);
    EXPECT_NEAR(PitchHz(pcm, 9600, 33599), 700, 3.5);
    const std::vector<ToneSpan> spans = LoudSpans(pcm, TONE_PEAK / 20, 24);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_LE(spans[1].first - spans[0].last, 240);

    int accepted = 0;
    for (int ms = 1; ms <= 40; ++ms) accepted += tones.Beep(1000, ms);
    EXPECT_EQ(accepted, TONE_QUEUE_SIZE);
    EXPECT_EQ(tones.Render(pcm.data(), 48), 48);  // the 1 ms tone frees its slot
    EXPECT_TRUE(tones.Beep(700, 100));
    EXPECT_FALSE(tones.Beep(700, 100));
    pcm = RenderAll(tones);
    EXPECT_EQ(int(pcm.size()), 48 * (TONE_QUEUE_SIZE * (TONE_QUEUE_SIZE + 1) / 2 - 1 + 100));
    EXPECT_NEAR(PitchHz(pcm, int(pcm.size()) - 4800, int(pcm.size()) - 1), 700, 3.5);
}
