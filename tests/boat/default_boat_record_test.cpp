#include <gtest/gtest.h>

#include <cstring>

#include "boat/boat_record_bytes.h"
#include "default_boat.h"

namespace {

double DoubleAt(const std::uint8_t* bytes, int offset) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[offset + i];  // little-endian
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::int32_t Int32At(const std::uint8_t* bytes, int offset) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | bytes[offset + i];
    return static_cast<std::int32_t>(bits);
}

}  // namespace

TEST(DefaultBoatRecord, SurvivesTheTripThroughBytes) {
    static std::uint8_t bytes[BOAT_RECORD_SIZE];
    static std::uint8_t again[BOAT_RECORD_SIZE];
    static BoatRecord readBack;
    for (int type : BOAT_TYPES) {
        const BoatRecord& boat = DocumentWithDefaultBoat(type).boat;
        BoatRecordToBytes(boat, bytes);
        std::memset(&readBack, 0xCD, sizeof readBack);
        BoatRecordFromBytes(bytes, readBack);
        EXPECT_EQ(std::memcmp(&readBack, &boat, sizeof boat), 0) << type;
        BoatRecordToBytes(readBack, again);
        EXPECT_EQ(std::memcmp(bytes, again, sizeof bytes), 0) << type;
    }
}

TEST(DefaultBoatRecord, FieldsSitAtTheirOffsets) {
    static std::uint8_t bytes[BOAT_RECORD_SIZE];
    const BoatRecord& boat = DocumentWithDefaultBoat(MOTORBOAT).boat;
    BoatRecordToBytes(boat, bytes);

    EXPECT_EQ(DoubleAt(bytes, 16), 8.0);  // rotationalDrag
    EXPECT_EQ(Int32At(bytes, 160), 1);    // advancedCoefficientsSet
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 164), "New_Motorboat");
    EXPECT_EQ(DoubleAt(bytes, 184), 1.0049);
    EXPECT_EQ(DoubleAt(bytes, 184 + 5 * 8), 1.103);
    EXPECT_EQ(Int32At(bytes, 232), 118);
    EXPECT_EQ(DoubleAt(bytes, 240 + 408 * 8), 0.0);  // hullOutlineX[408]
    EXPECT_EQ(DoubleAt(bytes, 240 + 199 * 8), boat.hullOutlineX[199]);
    EXPECT_EQ(DoubleAt(bytes, 3584 + 0 * 8), boat.hullOutlineY[0]);
    EXPECT_EQ(DoubleAt(bytes, 6928), 35.0);
    EXPECT_EQ(DoubleAt(bytes, 6968), boat.centerOfGravityFromTransom);
    EXPECT_EQ(DoubleAt(bytes, 7032), 18000.0);
    EXPECT_EQ(DoubleAt(bytes, 7040), 18000.0 / 32.2);
    EXPECT_EQ(Int32At(bytes, 7104), MOTORBOAT);
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
