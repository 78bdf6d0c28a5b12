#include "simulation/environment_dialog.h"

#include "document/document.h"
#include "document/settings_file.h"
#include "practice/recording.h"

const EnvironmentGroupText ENVIRONMENT_GROUP_TEXT[ENV_QUANTITIES] = {
    {"Wind Speed - knots", "Wind Speed", "Speed Varies", "Avg Speed", "Variation"},
    {"Wind Direction", "Wind Direction", "Direction Varies", "Avg Direction", "Variation"},
    {"Current Speed - knots", "Current Speed", "Speed Varies", "Avg Speed", "Variation"},
    {"Current Direction", "Current Direction", "Direction Varies", "Avg Direction", "Variation"},
};

const char ENVIRONMENT_RATE_TITLE[] = "Rate of Change";

namespace {

// Ranges of the average and the variation, by quantity. A direction of 360 is
// accepted as typed: it points the same way as 0.
constexpr ValueRange AVERAGE_RANGE[ENV_QUANTITIES] = {{0, 30}, {0, 360}, {0, 5}, {0, 360}};
constexpr ValueRange VARIATION_RANGE[ENV_QUANTITIES] = {{0, 30}, {0, 90}, {0, 2}, {0, 40}};

// The averaging length in steps and the rate index the drift uses, by rate.
struct RateSetting {
    EnvRate rate;
    std::int32_t period;
    std::int32_t index;
};

constexpr RateSetting RATE_SETTINGS[] = {
    {EnvRate::Slow, 200, ENV_RATE_SLOW},
    {EnvRate::Medium, 100, ENV_RATE_MEDIUM},
    {EnvRate::Fast, 20, ENV_RATE_FAST},
};

}  // namespace

const char* EnvRateCaption(EnvRate rate) {
    switch (rate) {
        case EnvRate::Fast:
            return "Fast";
        case EnvRate::Medium:
            return "Medium";
        case EnvRate::Slow:
            return "Slow";
        case EnvRate::None:
            break;
    }
    return "";
}

ValueRange EnvironmentBoxRange(int quantity, EnvBox box) {
    return box == EnvBox::Average ? AVERAGE_RANGE[quantity] : VARIATION_RANGE[quantity];
}

EnvRate EnvRateFromPeriod(int period) {
    for (const RateSetting& setting : RATE_SETTINGS) {
        if (setting.period == period) return setting.rate;
    }
    return EnvRate::None;
}

EnvironmentDialogValues FillEnvironmentDialog(const EnvironmentRecord& env) {
    EnvironmentDialogValues values{};
    for (int k = 0; k < ENV_QUANTITIES; ++k) {
        EnvironmentQuantityValues& q = values.quantity[k];
        q.average = env.envAverage[k];
        q.variation = env.envVariation[k];
        q.rate = EnvRateFromPeriod(env.envRatePeriod[k]);
        q.varies = env.envVaries[k] != 0;
    }
    return values;
}

double& EnvironmentBoxValue(EnvironmentDialogValues& values, int quantity, EnvBox box) {
    EnvironmentQuantityValues& q = values.quantity[quantity];
    return box == EnvBox::Average ? q.average : q.variation;
}

int AcceptEnvironmentDialog(CKLVNDoc& doc, const EnvironmentDialogValues& values) {
    // A drive under way cannot carry new settings mid-way; a new one begins
    // with them after the next reset.
    CutRecording(doc, "the wind and current settings were changed");
    EnvironmentRecord& env = doc.env;
    for (int k = 0; k < ENV_QUANTITIES; ++k) {
        const EnvironmentQuantityValues& q = values.quantity[k];
        // The value in use jumps to the new average; the drift's smoothing
        // state is left alone, so a varying quantity eases over from there.
        env.envValue[k] = q.average;
        env.envAverage[k] = q.average;
        env.envVariation[k] = q.variation;
        for (const RateSetting& setting : RATE_SETTINGS) {
            if (setting.rate != q.rate) continue;
            env.envRatePeriod[k] = setting.period;
            env.envRateIndex[k] = setting.index;
        }
        env.envVaries[k] = q.varies ? 1 : 0;
    }
    doc.settings.envSettingsPersisted = env;
    return SaveSettings(doc);
}
