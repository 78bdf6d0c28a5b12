#include "boat/advanced_settings_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "../document/file_document.h"
#include "boat/boat_file.h"

namespace {

int IndexOf(const std::string& name) {
    for (int i = 0; i < ADVANCED_COEFFICIENT_COUNT; ++i)
        if (name == ADVANCED_COEFFICIENTS[i].accessibleName) return i;
    ADD_FAILURE() << "no box named " << name;
    return 0;
}

}  // namespace

TEST(AdvancedSettings, BoxesHoldTheirOwnRangesAndTypeDefaults) {
    const std::tuple<const char*, const char*, double, const char*> reads[] = {
        {"Rotational", "250", 200, "200.00"},
        {"Skid resistance", "0.5", 1, "1.00"},
        {"Translational", "0.067", 0.067, "0.07"},
        {"Breaking Pt Factor", "1", 5, "5.00"},
        {"Slip Factor", "25", 20, "20.00"}};
    for (const auto& [name, typed, stored, shown] : reads) {
        const NumberFieldResult r =
            ReadNumberField(typed, ADVANCED_COEFFICIENTS[IndexOf(name)].range);
        EXPECT_EQ(r.value, stored) << name;
        EXPECT_STREQ(r.text, shown) << name;
    }
    std::set<std::string> names;
    for (const AdvancedCoefficient& c : ADVANCED_COEFFICIENTS) names.insert(c.accessibleName);
    EXPECT_EQ(names.size(), static_cast<std::size_t>(ADVANCED_COEFFICIENT_COUNT));

    // Boat type, engine type: Forward Factor, Reverse Factor, Rotational.
    const std::tuple<int, int, double, double, double> defaults[] = {
        {MOTORBOAT, OUTBOARD_OR_IO, 0.1, 0.15, 8}, {SAILBOAT, INBOARD, 1.0, 1.2, 15}};
    auto boat = std::make_unique<BoatRecord>();
    for (const auto& [type, engine, forward, reverse, rotational] : defaults) {
        boat->boatType = type;
        boat->engineType = engine;
        AdvancedSettingsValues values{};
        UseAdvancedDefaults(values, *boat);
        EXPECT_EQ(values.value[IndexOf("Forward Factor")], forward) << type;
        EXPECT_EQ(values.value[IndexOf("Reverse Factor")], reverse) << type;
        EXPECT_EQ(values.value[IndexOf("Rotational")], rotational) << type;
    }
}

TEST(AdvancedSettings, SaveResetsTheBoatAndTheFileKeepsFullPrecision) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    const auto before = std::make_unique<BoatRecord>(doc.boat);
    AdvancedSettingsValues values = FillAdvancedSettings(doc.boat);
    SaveAdvancedSettings(doc, values);  // unchanged values leave the boat as it was
    EXPECT_EQ(std::memcmp(&doc.boat, before.get(), sizeof(BoatRecord)), 0);

    values.value[IndexOf("Translational")] = 0.067;
    values.value[IndexOf("Rudder Lateral Force")] = 2.5;
    doc.state.posX += 30;
    SaveAdvancedSettings(doc, values);
    EXPECT_EQ(doc.state.posX, doc.boat.startX);
    EXPECT_EQ(doc.boat.rudderLateralForceScaled, before->rudderLateralForceScaled);

    SaveBoat(doc);  // only the Save command writes the file
    auto loaded = std::make_unique<BoatRecord>();
    const std::string file = f.File(std::string(doc.boat.boatName) + ".boat");
    ASSERT_EQ(LoadBoatFile(file.c_str(), *loaded), BOAT_FILE_LOADED);
    EXPECT_EQ(loaded->translationalDrag, 0.067);
    EXPECT_EQ(loaded->rudderLateralForce, 2.5);
}
