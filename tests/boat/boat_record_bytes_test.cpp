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
    std::vector<int> cover(size, 0);
    for (std::size_t s = 0; s < count; ++s)
        for (std::size_t b = 0; b < std::size_t(spans[s].width) * spans[s].count; ++b)
            cover.at(spans[s].offset + b) += 1;
    std::vector<int> expected(size, 1);
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
        EXPECT_EQ(BytesOf(back), bytes) << type;
    }
}

TEST(BoatRecordBytes, DefaultMotorboatFieldsSitAtTheirOffsets) {
    const BoatRecord& boat = DocumentWithDefaultBoat(MOTORBOAT).boat;
    const std::vector<unsigned char> v = BytesOf(boat);
    const unsigned char* bytes = v.data();
    EXPECT_EQ(DoubleAt(bytes, 16), 8.0);  // rotationalDrag
    EXPECT_EQ(Int32At(bytes, 160), 1);    // advancedCoefficientsSet
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 164), "New_Motorboat");
    EXPECT_EQ(DoubleAt(bytes, 184), 1.0049);
    EXPECT_EQ(DoubleAt(bytes, 184 + 5 * 8), 1.103);
    EXPECT_EQ(Int32At(bytes, 232), 118);
    EXPECT_EQ(DoubleAt(bytes, 240 + 408 * 8), 0.0);  // hullOutlineX[408]
    EXPECT_EQ(DoubleAt(bytes, 3584 + 0 * 8), boat.hullOutlineY[0]);
    EXPECT_EQ(DoubleAt(bytes, 6928), 35.0);
    EXPECT_EQ(DoubleAt(bytes, 6944), 12.75);
    EXPECT_EQ(DoubleAt(bytes, 6968), boat.centerOfGravityFromTransom);
    EXPECT_EQ(DoubleAt(bytes, 7032), 18000.0);
    EXPECT_EQ(DoubleAt(bytes, 7040), 18000.0 / 32.2);
    EXPECT_EQ(Int32At(bytes, 7104), MOTORBOAT);
    EXPECT_EQ(Int32At(bytes, 7112), 1);
    EXPECT_EQ(Int32At(bytes, 7120), -1);
    EXPECT_EQ(DoubleAt(bytes, 7176), 14.0);
    EXPECT_EQ(DoubleAt(bytes, 7184 + 8), boat.propDrawPoints[0][1]);
    EXPECT_EQ(DoubleAt(bytes, 7264 + 16 * 8), 1.0);  // full ahead
    EXPECT_EQ(DoubleAt(bytes, 7400), 0.21);
    EXPECT_EQ(DoubleAt(bytes, 7440 + 8), boat.rudderDrawPoint[1]);
    EXPECT_EQ(bytes[7472], 1);
    EXPECT_EQ(DoubleAt(bytes, 7504 + 24), boat.thrusterDrawPoint[3]);
    EXPECT_EQ(DoubleAt(bytes, 7536), 52.5);
    EXPECT_EQ(Int32At(bytes, 7560), 5);
    EXPECT_EQ(DoubleAt(bytes, 7568 + 5 * 16 + 8), 1.0);  // the curve's last y
    EXPECT_EQ(DoubleAt(bytes, 7744), boat.speedCurve.slope[0]);
    EXPECT_EQ(DoubleAt(bytes, 7944), 15.0);
    EXPECT_EQ(DoubleAt(bytes, 7952), boat.maxSpeedFps);
    EXPECT_EQ(DoubleAt(bytes, 7960), 14.0);  // startX: 6 ft dock + half a 16 ft slip
    EXPECT_EQ(DoubleAt(bytes, 7976), 90.0);
    EXPECT_EQ(DoubleAt(bytes, 8008), boat.boatTopHeight);
    EXPECT_EQ(DoubleAt(bytes, 8016), boat.hullPoints[0].x);
    EXPECT_EQ(std::memcmp(bytes + 8016 + 418 * 48, bytes + 8016, 48), 0);  // the sentinel
    EXPECT_EQ(DoubleAt(bytes, 28128 + 199 * 32 + 8), -1.0);                // bow tip ny
    EXPECT_EQ(DoubleAt(bytes, 41504), boat.hullNormals[0].nx);
    EXPECT_EQ(DoubleAt(bytes, 41680), 0.2417);
    EXPECT_EQ(Int32At(bytes, 41692), 41);
    EXPECT_EQ(DoubleAt(bytes, 41760 + 2 * 8), 3.3162 * 3);
    EXPECT_EQ(Int32At(bytes, 46560), 11);
    EXPECT_EQ(DoubleAt(bytes, 46904), 1.0);
    EXPECT_EQ(Int32At(bytes, 46912), 3);
    EXPECT_EQ(bytes[46916], 1);
}
