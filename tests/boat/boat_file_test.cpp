#include "boat/boat_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "../document/temp_folder.h"
#include "../support/record_bytes.h"
#include "boat/boat_record_bytes.h"
#include "default_boat.h"
#include "document/settings_record.h"

TEST(BoatFile, MissingShortAndLongFiles) {
    TempFolder folder;
    auto record = std::make_unique<BoatRecord>(DocumentWithDefaultBoat(SAILBOAT).boat);
    const std::vector<unsigned char> before = BytesOf(*record);
    std::vector<unsigned char> house = BytesOf(DocumentWithDefaultBoat(HOUSEBOAT).boat);
    const struct {
        std::size_t size;
        int result;
    } cases[] = {{100, BOAT_FILE_CORRUPTED},
                 {house.size() - 1, BOAT_FILE_CORRUPTED},
                 {house.size() + 500, BOAT_FILE_LOADED}};
    EXPECT_EQ(LoadBoatFile(folder.File("none.boat").c_str(), *record), BOAT_FILE_CANNOT_OPEN);
    for (const auto& c : cases) {
        std::vector<unsigned char> bytes = house;
        bytes.resize(c.size, 0xEE);
        TempFolder::WriteBytes(folder.File("b.boat"), bytes.data(), bytes.size());
        EXPECT_EQ(LoadBoatFile(folder.File("b.boat").c_str(), *record), c.result) << c.size;
        EXPECT_EQ(BytesOf(*record), c.result == BOAT_FILE_LOADED ? house : before) << c.size;
    }
}

TEST(BoatFile, RecordsTheSimulationCannotUseCountAsCorrupted) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Damage {
        const char* what;
        std::function<void(BoatRecord&)> apply;
    };
    // clang-format off
    const Damage damages[] = {
        {"no segments", [](BoatRecord& b) { b.speedCurve.segmentCount = 0; }},
        {"11 segments", [](BoatRecord& b) { b.speedCurve.segmentCount = 11; }},
        {"201 mesh vertices", [](BoatRecord& b) { b.meshVertexCount = 201; }},
        {"face index 200", [](BoatRecord& b) { b.meshFaces[40] = 200; }},
        {"station past the table", [](BoatRecord& b) { b.meshStations[2] = 419; }},
        {"cabin point past the table", [](BoatRecord& b) { b.meshCabinStartPoint = 419; }},
        {"widest index 418", [](BoatRecord& b) { b.hullOutlineWidestIndex = 418; }},
        {"boat type 3", [](BoatRecord& b) { b.boatType = 3; }},
        {"engine type 2", [](BoatRecord& b) { b.engineType = 2; }},
        {"no engines", [](BoatRecord& b) { b.engineCount = 0; }},
        {"slip index 6", [](BoatRecord& b) { b.savedSlipSizeIndex = 6; }},
        {"name without NUL", [](BoatRecord& b) { std::memset(b.boatName, 'x', sizeof b.boatName); }},
        {"NaN beam", [nan](BoatRecord& b) { b.beam = nan; }},
        {"infinite hull point", [inf](BoatRecord& b) { b.hullPoints[200].r = inf; }},
        {"zero weight", [](BoatRecord& b) { b.weight = 0.0; }},
        {"negative inertia", [](BoatRecord& b) { b.yawMomentOfInertia = -1.0; }},
        {"zero length", [](BoatRecord& b) { b.lengthOverall = 0.0; }},
        {"zero max speed", [](BoatRecord& b) { b.maxSpeedKnots = 0.0; }},
        {"idle power 1", [](BoatRecord& b) { b.idlePowerFactor = 1.0; }},
        {"curve x repeats", [](BoatRecord& b) { b.speedCurve.points[3][0] = b.speedCurve.points[2][0]; }},
    };
    // clang-format on
    for (int type : BOAT_TYPES) {
        const BoatRecord& sound = DocumentWithDefaultBoat(type).boat;
        auto damaged = std::make_unique<BoatRecord>();
        auto target = std::make_unique<BoatRecord>();
        for (const Damage& d : damages) {
            *damaged = sound;
            d.apply(*damaged);
            std::vector<unsigned char> bytes = BytesOf(*damaged);
            std::memset(target.get(), 0, sizeof *target);
            EXPECT_EQ(DecodeBoatFile(bytes.data(), bytes.size(), *target), BOAT_FILE_CORRUPTED)
                << d.what << ", type " << type;
            EXPECT_EQ(target->lengthOverall, 0.0) << "the record changed on " << d.what;
        }
        // Unused curve points past the last segment are not looked at.
        *damaged = sound;
        damaged->speedCurve.points[10][0] = -3.0;
        std::vector<unsigned char> bytes = BytesOf(*damaged);
        EXPECT_EQ(DecodeBoatFile(bytes.data(), bytes.size(), *target), BOAT_FILE_LOADED);
    }
}

TEST(BoatFile, UsableBoatNames) {
    for (const char* good : {"A", "Mary Jane", "1234567890123456", "a..b", "...", "Boat_2 (old)"}) {
        EXPECT_TRUE(IsUsableBoatName(good)) << good;
    }
    for (const char* bad : {"", ".", "..", "../x", "a/b", "/abs", "a\\b", "12345678901234567",
                            "tab\there", "bell\a", "new\nline", "del\x7f", "caf\xc3\xa9"}) {
        EXPECT_FALSE(IsUsableBoatName(bad)) << bad;
    }
}

namespace {

using Gaps = std::vector<std::pair<int, int>>;
const Gaps BOAT_GAPS = {{236, 239},   {7117, 7119},   {7473, 7479},  {7564, 7567},
                        {7985, 7991}, {41528, 41535}, {46917, 46919}};

// The spans must cover every byte of a record exactly once, except the gaps.
void ExpectSpansCoverAllButTheGaps(const FieldSpan* spans, std::size_t count, std::size_t size,
                                   const Gaps& gaps) {
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
                                  BOAT_GAPS);
    ExpectSpansCoverAllButTheGaps(SETTINGS_FIELD_SPANS, SETTINGS_FIELD_SPAN_COUNT,
                                  SETTINGS_RECORD_SIZE, {{310, 311}, {633, 635}});
}

// Gaps are written as zeros whatever the record holds there.
TEST(BoatRecordBytes, GapsAreWrittenAsZeros) {
    static BoatRecord boat;
    std::memset(&boat, 0xAB, sizeof boat);
    boat.savedCustomSlip[1] = -1.5;
    const std::vector<unsigned char> bytes = BytesOf(boat);
    const std::uint8_t minusOneAndAHalf[8] = {0, 0, 0, 0, 0, 0, 0xF8, 0xBF};
    EXPECT_EQ(std::memcmp(&bytes[46928], minusOneAndAHalf, 8), 0);
    for (auto [from, to] : BOAT_GAPS)
        for (int b = from; b <= to; ++b) EXPECT_EQ(bytes[b], 0) << "gap byte " << b;
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
