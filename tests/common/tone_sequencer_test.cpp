#include "common/tone_sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "../support/tone_analysis.h"

namespace {

std::vector<std::int16_t> RenderAll(ToneSequencer& tones) {
    std::vector<std::int16_t> pcm;
    std::int16_t block[1000];
    while (int n = tones.Render(block, 1000)) pcm.insert(pcm.end(), block, block + n);
    EXPECT_TRUE(tones.Idle());
    return pcm;
}

int Peak(const std::vector<std::int16_t>& pcm) {
    int peak = 0;
    for (std::int16_t s : pcm) peak = std::max(peak, std::abs(int(s)));
    return peak;
}

}  // namespace

// One tone at a time: accepted or not, its length in samples, its pitch and
// its fades. A tone above half the sample rate keeps its length but is silent.
TEST(ToneSequencer, EachToneAtItsPitchAndLengthWithinTheLimits) {
    struct Row {
        int hz, ms;
        bool accepted;
        int samples;
        bool audible;
    } rows[] = {
        {1000, 100, true, 4800, true},     {1000, 200, true, 9600, true},
        {700, 500, true, 24000, true},     {37, 1000, true, 48000, true},
        {20000, 100, true, 4800, true},    {1000, 3, true, 144, true},
        {1000, 20000, true, 480000, true}, {32767, 10, true, 480, false},
        {36, 100, false, 0, false},        {32768, 100, false, 0, false},
        {1000, 0, false, 0, false},        {1000, -5, false, 0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.hz << " Hz " << r.ms << " ms");
        ToneSequencer tones;
        EXPECT_EQ(tones.Beep(r.hz, r.ms), r.accepted);
        const std::vector<std::int16_t> pcm = RenderAll(tones);
        ASSERT_EQ(int(pcm.size()), r.samples);
        if (!r.audible) {
            EXPECT_EQ(Peak(pcm), 0);
            continue;
        }
        // A few cycles are too few to time to 0.5 %.
        if (r.ms >= 10) {
            EXPECT_NEAR(PitchHz(pcm, 0, r.samples - 1), r.hz, r.hz * 0.005);
        }
        EXPECT_LE(Peak(pcm), TONE_PEAK);
        EXPECT_GT(Peak(pcm), TONE_PEAK * 0.9);
        EXPECT_LE(std::abs(pcm.front()) + std::abs(pcm.back()), 2);  // no click
    }
}

// The warning pair plays in order, back to back, with no gap over 5 ms.
TEST(ToneSequencer, WarningPairInOrderWithoutAGap) {
    ToneSequencer tones;
    tones.Beep(1000, 200);
    tones.Beep(700, 500);
    const std::vector<std::int16_t> pcm = RenderAll(tones);
    ASSERT_EQ(pcm.size(), 33600u);
    EXPECT_NEAR(PitchHz(pcm, 0, 9599), 1000, 5);
    EXPECT_NEAR(PitchHz(pcm, 9600, 33599), 700, 3.5);
    const std::vector<ToneSpan> spans = LoudSpans(pcm, int(TONE_PEAK / 20), 24);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_LE(spans[1].first - spans[0].last, 240);
}

// A full queue drops the newest tones and stays whole: every accepted tone
// plays once, in order, also after the ring has wrapped.
TEST(ToneSequencer, OverflowDropsTheNewestAndKeepsTheQueue) {
    ToneSequencer tones;
    int accepted = 0;
    for (int i = 1; i <= 40; ++i) accepted += tones.Beep(1000, i);
    EXPECT_EQ(accepted, TONE_QUEUE_SIZE);
    std::int16_t first[48];
    EXPECT_EQ(tones.Render(first, 48), 48);  // the 1 ms tone leaves the queue
    EXPECT_TRUE(tones.Beep(700, 100));       // its slot takes the next one
    EXPECT_FALSE(tones.Beep(700, 100));
    const std::vector<std::int16_t> rest = RenderAll(tones);
    EXPECT_EQ(int(rest.size()), 48 * (TONE_QUEUE_SIZE * (TONE_QUEUE_SIZE + 1) / 2 - 1 + 100));
    EXPECT_NEAR(PitchHz(rest, int(rest.size()) - 4800, int(rest.size()) - 1), 700, 3.5);
    tones.Beep(1000, 50);
    tones.Clear();
    EXPECT_TRUE(tones.Idle());
    EXPECT_TRUE(RenderAll(tones).empty());
}
