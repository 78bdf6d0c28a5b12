#include "boat/boat_record_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "../support/record_bytes.h"
#include "default_boat.h"
#include "document/settings_record.h"

namespace {

// The spans must cover every byte of a record exactly once, except the gaps.
void ExpectSpansCoverAllButTheGaps(const FieldSpan* spans, std::size_t count, std::size_t size,
                                   std::vector<std::pair<int, int>> gaps) {
    std::vector<int> cover(size, 0), expected(size, 1);
    for (std::size_t s = 0; s < count; ++s)
        for (std::size_t b = 0; b < std::size_t(spans[s].width) * spans[s].count; ++b)
            cover.at(spans[s].offset + b) += 1;
    for (auto [from, to] : gaps)
        for (int b = from; b <= to; ++b) expected[b] = 0;
    for (std::size_t b = 0; b < size; ++b) ASSERT_EQ(cover[b], expected[b]) << "byte " << b;
}

}  // namespace

TEST(RecordBytes, SpansCoverEveryFieldOnce) {
    ExpectSpansCoverAllButTheGaps(BOAT_FIELD_SPANS, BOAT_FIELD_SPAN_COUNT, BOAT_RECORD_SIZE,
                                  {{236, 239},
                                   {7117, 7119},
                                   {7473, 7479},
                                   {7564, 7567},
                                   {7985, 7991},
                                   {41528, 41535},
                                   {46917, 46919}});
    ExpectSpansCoverAllButTheGaps(SETTINGS_FIELD_SPANS, SETTINGS_FIELD_SPAN_COUNT,
                                  SETTINGS_RECORD_SIZE, {{310, 311}, {633, 635}});
}

TEST(BoatRecordBytes, GapsAreWrittenAsZerosAndEveryTypeRoundTrips) {
    static BoatRecord boat;
    std::memset(&boat, 0xAB, sizeof boat);  // gaps full of rubbish
    boat.savedCustomSlip[1] = -1.5;
    std::vector<unsigned char> bytes = BytesOf(boat);
    const std::uint8_t minusOneAndAHalf[8] = {0, 0, 0, 0, 0, 0, 0xF8, 0xBF};
    EXPECT_EQ(std::memcmp(&bytes[46928], minusOneAndAHalf, 8), 0);
    for (int b : {236, 239, 7117, 7119, 7473, 7479, 7564, 7985, 41528, 41535, 46917, 46919})
        EXPECT_EQ(bytes[b], 0) << "gap byte " << b;

    static BoatRecord back;
    for (int type : BOAT_TYPES) {
        const BoatRecord& original = DocumentWithDefaultBoat(type).boat;
        bytes = BytesOf(original);
        std::memset(&back, 0xCD, sizeof back);
        BoatRecordFromBytes(bytes.data(), back);
        EXPECT_EQ(std::memcmp(&back, &original, sizeof back), 0) << type;
    }
}

TEST(BoatRecordBytes, DefaultMotorboatFieldsSitAtTheirOffsets) {
    const BoatRecord& b = DocumentWithDefaultBoat(MOTORBOAT).boat;
    const std::vector<unsigned char> v = BytesOf(b);
    const unsigned char* bytes = v.data();
    // clang-format off
    const struct { int offset; double value; } reals[] = {
        {16, 8.0}, {184, 1.0049}, {224, 1.103}, {240 + 408 * 8, 0}, {3584, b.hullOutlineY[0]},
        {6928, 35}, {6944, 12.75}, {6968, b.centerOfGravityFromTransom}, {7032, 18000},
        {7040, 18000 / 32.2}, {7176, 14}, {7192, b.propDrawPoints[0][1]}, {7392, 1.0},
        {7400, 0.21}, {7448, b.rudderDrawPoint[1]}, {7528, b.thrusterDrawPoint[3]}, {7536, 52.5},
        {7656, 1.0}, {7744, b.speedCurve.slope[0]}, {7944, 15}, {7952, b.maxSpeedFps}, {7960, 14},
        {7976, 90}, {8008, b.boatTopHeight}, {8016, b.hullPoints[0].x}, {28128 + 199 * 32 + 8, -1},
        {41504, b.hullNormals[0].nx}, {41680, 0.2417}, {41776, 3.3162 * 3}, {46904, 1.0}};
    const int ints[][2] = {{160, 1}, {232, 118}, {7104, MOTORBOAT}, {7112, 1}, {7120, -1},
                           {7560, 5}, {41692, 41}, {46560, 11}, {46912, 3}};
    // clang-format on
    for (const auto& r : reals) EXPECT_EQ(DoubleAt(bytes, r.offset), r.value) << r.offset;
    for (const auto& i : ints) EXPECT_EQ(Int32At(bytes, i[0]), i[1]) << i[0];
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 164), "New_Motorboat");
    EXPECT_TRUE(bytes[7472] == 1 && bytes[46916] == 1);
    EXPECT_EQ(std::memcmp(bytes + 8016 + 418 * 48, bytes + 8016, 48), 0);  // the sentinel
}
