#include "boat/advanced_settings_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "../document/file_document.h"
#include "boat/boat_file.h"
#include "common/constants.h"

namespace {

int IndexOf(const std::string& name) {
    for (int i = 0; i < ADVANCED_COEFFICIENT_COUNT; ++i)
        if (name == ADVANCED_COEFFICIENTS[i].accessibleName) return i;
    ADD_FAILURE() << "no box named " << name;
    return 0;
}

}  // namespace

TEST(AdvancedSettings, BoxesHoldTheirOwnRangesAtFullPrecision) {
    struct Row {
        const char* name;
        const char* typed;
        double stored;
        const char* shown;
    };
    const Row rows[] = {
        {"Rotational", "250", 200, "200.00"},
        {"Skid resistance", "0.5", 1, "1.00"},
        {"Translational", "0.067", 0.067, "0.07"},
        {"Trans Max Accel", "4000", G_FTS2 * 100, "3220.00"},
        {"Breaking Pt Factor", "1", 5, "5.00"},
        {"Slip Factor", "25", 20, "20.00"},
        {"Bow Thruster Torque", "99", 99, "99.00"},
        {"Presented Area Drag", "gusty", 0, "0.00"},
    };
    for (const Row& row : rows) {
        const NumberFieldResult r =
            ReadNumberField(row.typed, ADVANCED_COEFFICIENTS[IndexOf(row.name)].range);
        EXPECT_EQ(r.value, row.stored) << row.name;
        EXPECT_STREQ(r.text, row.shown) << row.name;
    }
    std::set<std::string> names;
    for (const AdvancedCoefficient& c : ADVANCED_COEFFICIENTS) names.insert(c.accessibleName);
    EXPECT_EQ(names.size(), static_cast<std::size_t>(ADVANCED_COEFFICIENT_COUNT));
}

TEST(AdvancedSettings, DefaultsFollowTheTypeAndEngine) {
    struct Row {
        int boatType;
        int engineType;
        double forward, reverse, rotational;
    };
    const Row rows[] = {{MOTORBOAT, OUTBOARD_OR_IO, 0.1, 0.15, 8},
                        {SAILBOAT, INBOARD, 1.0, 1.2, 15},
                        {HOUSEBOAT, INBOARD, 1.0, 1.2, 30}};
    auto boat = std::make_unique<BoatRecord>();
    for (const Row& row : rows) {
        boat->boatType = row.boatType;
        boat->engineType = row.engineType;
        AdvancedSettingsValues values{};
        values.advancedCoefficientsSet = 1;
        UseAdvancedDefaults(values, *boat);
        EXPECT_EQ(values.value[IndexOf("Forward Factor")], row.forward) << row.boatType;
        EXPECT_EQ(values.value[IndexOf("Reverse Factor")], row.reverse) << row.boatType;
        EXPECT_EQ(values.value[IndexOf("Rotational")], row.rotational) << row.boatType;
        EXPECT_EQ(values.value[IndexOf("Trans Max Accel")], 32.2) << row.boatType;
        EXPECT_EQ(values.advancedCoefficientsSet, 1);
    }
}

TEST(AdvancedSettings, SaveResetsTheBoatAndTheFileKeepsFullPrecision) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    const auto before = std::make_unique<BoatRecord>(doc.boat);
    AdvancedSettingsValues values = FillAdvancedSettings(doc.boat);
    SaveAdvancedSettings(doc, values);  // unchanged values leave the block as it was
    EXPECT_EQ(std::memcmp(&doc.boat, before.get(), sizeof(BoatRecord)), 0);

    values.value[IndexOf("Translational")] = 0.067;
    values.value[IndexOf("Rudder Lateral Force")] = 2.5;
    doc.state.posX += 30;
    SaveAdvancedSettings(doc, values);
    EXPECT_EQ(doc.state.posX, doc.boat.startX);
    EXPECT_EQ(doc.boat.rudderLateralForce, 2.5);
    EXPECT_EQ(doc.boat.rudderLateralForceScaled, before->rudderLateralForceScaled);

    SaveBoat(doc);
    auto loaded = std::make_unique<BoatRecord>();
    const std::string file = f.File(std::string(doc.boat.boatName) + ".boat");
    ASSERT_EQ(LoadBoatFile(file.c_str(), *loaded), BOAT_FILE_LOADED);
    EXPECT_EQ(loaded->translationalDrag, 0.067);
    EXPECT_EQ(loaded->advancedCoefficientsSet, before->advancedCoefficientsSet);
}
