#include "boat/boat_record_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "document/settings_record.h"

// The spans must cover every byte of the record exactly once, except the gaps.
static std::vector<int> CoverCount(const FieldSpan* spans, std::size_t count, std::size_t size) {
    std::vector<int> cover(size, 0);
    for (std::size_t s = 0; s < count; ++s)
        for (std::size_t b = 0; b < std::size_t(spans[s].width) * spans[s].count; ++b)
            cover.at(spans[s].offset + b) += 1;
    return cover;
}

static void ExpectGapsExactly(const std::vector<int>& cover,
                              std::vector<std::pair<int, int>> gaps) {
    std::vector<int> expected(cover.size(), 1);
    for (auto [from, to] : gaps)
        for (int b = from; b <= to; ++b) expected[b] = 0;
    for (std::size_t b = 0; b < cover.size(); ++b) ASSERT_EQ(cover[b], expected[b]) << "byte " << b;
}

TEST(BoatRecordBytes, SpansCoverEveryFieldOnce) {
    auto cover = CoverCount(BOAT_FIELD_SPANS, BOAT_FIELD_SPAN_COUNT, BOAT_RECORD_SIZE);
    ExpectGapsExactly(cover, {{236, 239},
                              {7117, 7119},
                              {7473, 7479},
                              {7564, 7567},
                              {7985, 7991},
                              {41528, 41535},
                              {46917, 46919}});
}

TEST(SettingsRecordBytes, SpansCoverEveryFieldOnce) {
    auto cover = CoverCount(SETTINGS_FIELD_SPANS, SETTINGS_FIELD_SPAN_COUNT, SETTINGS_RECORD_SIZE);
    ExpectGapsExactly(cover, {{310, 311}, {633, 635}});
}

TEST(BoatRecordBytes, FieldsAreLittleEndianAtTheirOffsetsAndGapsAreZero) {
    static BoatRecord boat;
    std::memset(&boat, 0xAB, sizeof boat);  // gaps full of rubbish
    boat.lengthOverall = 35.0;
    boat.engineCount = 2;
    boat.hasBowThruster = 1;
    std::strcpy(boat.boatName, "Osprey");
    boat.savedCustomSlip[1] = -1.5;

    static std::uint8_t bytes[BOAT_RECORD_SIZE];
    BoatRecordToBytes(boat, bytes);

    const std::uint8_t lengthBytes[8] = {0, 0, 0, 0, 0, 0x80, 0x41, 0x40};  // 35.0
    EXPECT_EQ(std::memcmp(bytes + 6928, lengthBytes, 8), 0);
    EXPECT_EQ(bytes[7112], 2);
    EXPECT_EQ(bytes[7113], 0);
    EXPECT_EQ(bytes[7472], 1);
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 164), "Osprey");
    const std::uint8_t minusOneAndAHalf[8] = {0, 0, 0, 0, 0, 0, 0xF8, 0xBF};
    EXPECT_EQ(std::memcmp(bytes + 46928, minusOneAndAHalf, 8), 0);
    for (int b : {236, 239, 7117, 7119, 7473, 7479, 7564, 7985, 41528, 41535, 46917, 46919})
        EXPECT_EQ(bytes[b], 0) << "gap byte " << b;

    static BoatRecord back;
    BoatRecordFromBytes(bytes, back);
    static std::uint8_t again[BOAT_RECORD_SIZE];
    BoatRecordToBytes(back, again);
    EXPECT_EQ(std::memcmp(bytes, again, BOAT_RECORD_SIZE), 0);
    EXPECT_EQ(back.lengthOverall, 35.0);
    EXPECT_EQ(back.gap7473[0], 0);
}
