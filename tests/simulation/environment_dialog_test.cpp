#include "simulation/environment_dialog.h"

#include <gtest/gtest.h>

#include "../document/file_document.h"
#include "boat/units.h"
#include "document/settings_file.h"

TEST(EnvironmentDialog, BoxRangesAndRadiosFromPeriods) {
    const std::tuple<int, EnvBox, const char*, double> rows[] = {
        {ENV_WIND_DIRECTION, EnvBox::Average, "360", 360},
        {ENV_WIND_DIRECTION, EnvBox::Variation, "95", 90},
        {ENV_CURRENT_DIRECTION, EnvBox::Average, "-1", 0}};
    for (const auto& [quantity, box, typed, stored] : rows)
        EXPECT_EQ(ReadNumberField(typed, EnvironmentBoxRange(quantity, box)).value, stored)
            << typed;
    const std::pair<int, EnvRate> periods[] = {
        {20, EnvRate::Fast}, {100, EnvRate::Medium}, {200, EnvRate::Slow}, {37, EnvRate::None}};
    for (const auto& [period, rate] : periods) EXPECT_EQ(EnvRateFromPeriod(period), rate) << period;
}

using EnvironmentDialogOk = FreshStart;

TEST_F(EnvironmentDialogOk, RestartsAtTheAveragesAndSavesTheSettings) {
    SetDisplayUnits(doc, true);  // the dialog stays in knots and degrees
    for (int k = 0; k < ENV_QUANTITIES; ++k) {
        doc.env.envSmoothed[k] = doc.env.envValue[k] = 7.5 + k;        // drifted away
        doc.env.envRatePeriod[k] = k == ENV_CURRENT_SPEED ? 37 : 100;  // 37: no radio
    }
    EnvironmentDialogValues values = FillEnvironmentDialog(doc.env);
    for (int k = 0; k < ENV_QUANTITIES; ++k) EnvironmentBoxValue(values, k, EnvBox::Average) = k;
    values.quantity[ENV_WIND_SPEED] = {12, 4.25, EnvRate::Fast, false};  // kept though not varying
    values.quantity[ENV_WIND_DIRECTION].rate = EnvRate::Slow;
    values.quantity[ENV_WIND_DIRECTION].varies = true;
    EXPECT_EQ(AcceptEnvironmentDialog(doc, values), 1);

    const EnvironmentRecord& env = doc.env;
    const double averages[] = {12, 1, 2, 3};
    const int periods[] = {20, 200, 37, 100};
    const int indexes[] = {ENV_RATE_FAST, ENV_RATE_SLOW, ENV_RATE_MEDIUM, ENV_RATE_MEDIUM};
    for (int k = 0; k < ENV_QUANTITIES; ++k) {
        EXPECT_EQ(env.envValue[k], averages[k]) << k;
        EXPECT_EQ(env.envAverage[k], averages[k]) << k;
        EXPECT_EQ(env.envSmoothed[k], 7.5 + k) << k;
        EXPECT_EQ(env.envRatePeriod[k], periods[k]) << k;
        EXPECT_EQ(env.envRateIndex[k], indexes[k]) << k;
        EXPECT_EQ(env.envVaries[k], k == ENV_WIND_DIRECTION ? 1 : 0) << k;
    }
    EXPECT_EQ(env.envVariation[ENV_WIND_SPEED], 4.25);
    SettingsRecord stored{};
    ASSERT_EQ(LoadSettingsFile(doc, stored), SETTINGS_FILE_LOADED);
    EXPECT_EQ(std::memcmp(&stored.envSettingsPersisted, &env, sizeof env), 0);
}
