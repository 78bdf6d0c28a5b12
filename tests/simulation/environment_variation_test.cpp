#include "simulation/environment_variation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/test_document.h"
#include "simulation/gaussian_random.h"
#include "simulation/step.h"

namespace {

// Mean and standard deviation of n draws.
template <typename Draw>
std::pair<double, double> Spread(int n, Draw draw) {
    double sum = 0.0, sumSquares = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = draw();
        sum += x;
        sumSquares += x * x;
    }
    return {sum / n, std::sqrt(sumSquares / n - (sum / n) * (sum / n))};
}

TEST(GaussianRandom, PairsShareOneDrawSpareTakesTheNextScaleAndTheSpreadIsStandard) {
    auto a = MakeOpenWaterDocument(MOTORBOAT, 99);
    auto b = MakeOpenWaterDocument(MOTORBOAT, 99);
    const double x1 = GaussianRandom(*a, 1.0, 0.0);
    const std::uint32_t afterPair = a->random.next;
    const double x2 = GaussianRandom(*a, 1.0, 0.0);
    EXPECT_EQ(a->random.next, afterPair);  // the spare needs no draw
    EXPECT_DOUBLE_EQ(GaussianRandom(*b, 2.0, 5.0), 2.0 * x1 + 5.0);
    EXPECT_DOUBLE_EQ(GaussianRandom(*b, 3.0, -1.0), 3.0 * x2 - 1.0);
    const auto [mean, sd] = Spread(40000, [&] { return GaussianRandom(*a, 1.0, 0.0); });
    EXPECT_NEAR(mean, 0.0, 0.03);
    EXPECT_NEAR(sd, 1.0, 0.03);
}

class EnvironmentTest : public ::testing::Test {
protected:
    std::unique_ptr<CKLVNDoc> doc = MakeOpenWaterDocument(MOTORBOAT, 5);
    EnvironmentRecord& env = doc->env;

    void SetVarying(int k, double average, double variation, int rateIndex) {
        const int periods[3] = {200, 100, 20};
        env.envVaries[k] = 1;
        env.envAverage[k] = env.envValue[k] = env.envSmoothed[k] = average;
        env.envVariation[k] = variation;
        env.envRateIndex[k] = rateIndex;
        env.envRatePeriod[k] = periods[rateIndex];
    }
};

TEST_F(EnvironmentTest, OnlySwitchedOnQuantitiesDriftAndOnlyWhileRunning) {
    SetVarying(ENV_WIND_SPEED, 12.0, 3.0, ENV_RATE_FAST);
    env.envValue[ENV_CURRENT_SPEED] = 1.5;
    env.envVariation[ENV_CURRENT_SPEED] = 2.0;  // its switch is off
    for (int i = 0; i < 50; ++i) Step(*doc);    // paused
    EXPECT_EQ(env.envValue[ENV_WIND_SPEED], 12.0);
    SetRunState(*doc, 1, 1);
    for (int i = 0; i < 400; ++i) Step(*doc);
    EXPECT_NE(env.envValue[ENV_WIND_SPEED], 12.0);
    EXPECT_EQ(env.envValue[ENV_CURRENT_SPEED], 1.5);
    // A damaged rate period or index stays finite.
    for (int period : {0, -7}) {
        env.envRatePeriod[ENV_WIND_SPEED] = period;
        env.envRateIndex[ENV_WIND_SPEED] = 12;
        EXPECT_TRUE(std::isfinite(VaryEnvironment(*doc, ENV_WIND_SPEED)));
    }
}

TEST_F(EnvironmentTest, TheValueFollowsTheAverageWithTheRatesTimeConstantAndSettledSpread) {
    for (int rate : {ENV_RATE_SLOW, ENV_RATE_MEDIUM, ENV_RATE_FAST}) {
        SCOPED_TRACE(rate);
        SetVarying(ENV_CURRENT_DIRECTION, 10.0, 0.0, rate);
        env.envSmoothed[ENV_CURRENT_DIRECTION] = 0.0;
        const int n = env.envRatePeriod[ENV_CURRENT_DIRECTION];
        for (int i = 0; i < n; ++i) VaryEnvironment(*doc, ENV_CURRENT_DIRECTION);
        EXPECT_NEAR(env.envValue[ENV_CURRENT_DIRECTION], 10.0 * (1.0 - std::pow(1.0 - 1.0 / n, n)),
                    1e-9);

        SetVarying(ENV_WIND_SPEED, 10.0, 4.0, rate);
        const auto [mean, sd] =
            Spread(400000, [&] { return VaryEnvironment(*doc, ENV_WIND_SPEED); });
        EXPECT_NEAR(mean, 10.0, 0.05);
        EXPECT_NEAR(sd / 4.0, 0.15, 0.02);
    }
}

}  // namespace
