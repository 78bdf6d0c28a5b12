#include "boat/advanced_settings_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "../support/test_document.h"

namespace {

int IndexOf(const std::string& name) {
    for (int i = 0; i < ADVANCED_COEFFICIENT_COUNT; ++i)
        if (name == ADVANCED_COEFFICIENTS[i].accessibleName) return i;
    ADD_FAILURE() << "no box named " << name;
    return 0;
}

}  // namespace

TEST(AdvancedSettings, BoxesHoldTheirOwnRangesAndTypeDefaults) {
    auto read = [](const char* name, const char* typed) {
        return ReadNumberField(typed, ADVANCED_COEFFICIENTS[IndexOf(name)].range).value;
    };
    EXPECT_EQ(read("Rotational", "250"), 200);
    EXPECT_EQ(read("Skid resistance", "0.5"), 1);  // its own minimum, not 0
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

TEST(AdvancedSettings, SaveCopiesTheValuesAndResetsTheBoat) {
    auto owner = MakeTestDocument(MOTORBOAT);
    CKLVNDoc& doc = *owner;
    const double scaled = doc.boat.rudderLateralForceScaled;
    AdvancedSettingsValues values = FillAdvancedSettings(doc.boat);
    values.value[IndexOf("Translational")] = 0.067;
    values.value[IndexOf("Rudder Lateral Force")] = 2.5;
    doc.state.posX += 30;
    SaveAdvancedSettings(doc, values);
    EXPECT_EQ(doc.state.posX, doc.boat.startX);
    EXPECT_EQ(doc.boat.rudderLateralForceScaled, scaled);
    EXPECT_EQ(doc.boat.translationalDrag, 0.067);
    EXPECT_EQ(doc.boat.rudderLateralForce, 2.5);
}
