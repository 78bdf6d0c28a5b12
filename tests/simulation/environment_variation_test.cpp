#include "simulation/environment_variation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/test_document.h"
#include "simulation/gaussian_random.h"
#include "simulation/step.h"

namespace {

TEST(GaussianRandom, PairsShareOneDrawSpareTakesTheNextScaleAndTheSpreadIsStandard) {
    auto a = MakeOpenWaterDocument(MOTORBOAT, 99);
    auto b = MakeOpenWaterDocument(MOTORBOAT, 99);
    double x1 = GaussianRandom(*a, 1.0, 0.0);
    std::uint32_t afterPair = a->random.next;
    double x2 = GaussianRandom(*a, 1.0, 0.0);
    EXPECT_EQ(a->random.next, afterPair);  // the spare needs no draw
    EXPECT_NE(x1, x2);
    EXPECT_DOUBLE_EQ(GaussianRandom(*b, 2.0, 5.0), 2.0 * x1 + 5.0);
    EXPECT_DOUBLE_EQ(GaussianRandom(*b, 3.0, -1.0), 3.0 * x2 - 1.0);

    const int n = 40000;
    double sum = 0.0, sumSquares = 0.0;
    for (int i = 0; i < n; ++i) {
        double x = GaussianRandom(*a, 1.0, 0.0);
        ASSERT_TRUE(std::isfinite(x));
        sum += x;
        sumSquares += x * x;
    }
    EXPECT_NEAR(sum / n, 0.0, 0.03);
    EXPECT_NEAR(std::sqrt(sumSquares / n - (sum / n) * (sum / n)), 1.0, 0.03);

    // An unseeded source is seeded on the first call.
    auto fresh = std::make_unique<CKLVNDoc>();
    ClearDocument(*fresh);
    EXPECT_FALSE(fresh->gaussian.seeded);
    GaussianRandom(*fresh, 1.0, 0.0);
    EXPECT_TRUE(fresh->gaussian.seeded);
    EXPECT_EQ(fresh->gaussian.callCount, 1);
}

class EnvironmentTest : public ::testing::Test {
protected:
    std::unique_ptr<CKLVNDoc> doc = MakeOpenWaterDocument(MOTORBOAT, 5);
    EnvironmentRecord& env = doc->env;

    void SetVarying(int k, double average, double variation, int rateIndex) {
        const int periods[3] = {200, 100, 20};
        env.envVaries[k] = 1;
        env.envAverage[k] = average;
        env.envValue[k] = average;
        env.envVariation[k] = variation;
        env.envRateIndex[k] = rateIndex;
        env.envRatePeriod[k] = periods[rateIndex];
    }
};

TEST_F(EnvironmentTest, OnlySwitchedOnQuantitiesDriftAndOnlyWhileRunning) {
    SetVarying(ENV_WIND_SPEED, 12.0, 3.0, ENV_RATE_FAST);
    env.envValue[ENV_WIND_DIRECTION] = 200.0;
    env.envValue[ENV_CURRENT_SPEED] = 1.5;
    env.envValue[ENV_CURRENT_DIRECTION] = 45.0;
    env.envVariation[ENV_CURRENT_SPEED] = 2.0;  // no effect while its switch is off

    for (int i = 0; i < 50; ++i) Step(*doc);  // paused
    EXPECT_EQ(env.envValue[ENV_WIND_SPEED], 12.0);

    SetRunState(*doc, 1, 1);
    double lowest = 1e9, highest = -1e9;
    for (int i = 0; i < 400; ++i) {
        Step(*doc);
        lowest = std::fmin(lowest, env.envValue[ENV_WIND_SPEED]);
        highest = std::fmax(highest, env.envValue[ENV_WIND_SPEED]);
        ASSERT_EQ(env.envValue[ENV_WIND_DIRECTION], 200.0);
        ASSERT_EQ(env.envValue[ENV_CURRENT_SPEED], 1.5);
        ASSERT_EQ(env.envValue[ENV_CURRENT_DIRECTION], 45.0);
    }
    EXPECT_LT(lowest, 12.0);
    EXPECT_GT(highest, 12.0);
}

TEST_F(EnvironmentTest, WithoutVariationTheValueFollowsTheAverageWithTheRatesTimeConstant) {
    for (int rate : {ENV_RATE_SLOW, ENV_RATE_MEDIUM, ENV_RATE_FAST}) {
        // The smoothing state starts at 0; the new average is 10.
        env.envSmoothed[ENV_CURRENT_DIRECTION] = 0.0;
        SetVarying(ENV_CURRENT_DIRECTION, 10.0, 0.0, rate);
        int n = env.envRatePeriod[ENV_CURRENT_DIRECTION];
        for (int i = 0; i < n; ++i) VaryEnvironment(*doc, ENV_CURRENT_DIRECTION);
        double expected = 10.0 * (1.0 - std::pow(1.0 - 1.0 / n, n));  // about 63 %
        EXPECT_NEAR(env.envValue[ENV_CURRENT_DIRECTION], expected, 1e-9) << "rate " << rate;
        for (int i = 0; i < 40 * n; ++i) VaryEnvironment(*doc, ENV_CURRENT_DIRECTION);
        EXPECT_NEAR(env.envValue[ENV_CURRENT_DIRECTION], 10.0, 1e-12);
    }
}

TEST_F(EnvironmentTest, SettledSpreadIsNearlyTheSameForEveryRate) {
    const double variation = 4.0;
    for (int rate : {ENV_RATE_SLOW, ENV_RATE_MEDIUM, ENV_RATE_FAST}) {
        SetVarying(ENV_WIND_SPEED, 10.0, variation, rate);
        env.envSmoothed[ENV_WIND_SPEED] = 10.0;
        const int samples = 400000;
        double sum = 0.0, sumSquares = 0.0;
        for (int i = 0; i < samples; ++i) {
            double v = VaryEnvironment(*doc, ENV_WIND_SPEED);
            sum += v;
            sumSquares += v * v;
        }
        double mean = sum / samples;
        double spread = std::sqrt(sumSquares / samples - mean * mean);
        EXPECT_NEAR(mean, 10.0, 0.05) << "rate " << rate;
        EXPECT_NEAR(spread / variation, 0.15, 0.02) << "rate " << rate;
    }
}

TEST_F(EnvironmentTest, ValuesAreNeitherClampedNorWrappedButStayFinite) {
    SetVarying(ENV_CURRENT_SPEED, 0.0, 2.0, ENV_RATE_FAST);
    SetVarying(ENV_WIND_DIRECTION, 359.0, 90.0, ENV_RATE_FAST);
    bool negativeSpeed = false, beyond360 = false;
    for (int i = 0; i < 2000; ++i) {
        negativeSpeed |= VaryEnvironment(*doc, ENV_CURRENT_SPEED) < 0.0;
        beyond360 |= VaryEnvironment(*doc, ENV_WIND_DIRECTION) > 360.0;
    }
    EXPECT_TRUE(negativeSpeed);
    EXPECT_TRUE(beyond360);

    // A period of 0 or less from a damaged settings file does not divide by 0.
    env.envRatePeriod[ENV_CURRENT_SPEED] = 0;
    EXPECT_TRUE(std::isfinite(VaryEnvironment(*doc, ENV_CURRENT_SPEED)));
    env.envRatePeriod[ENV_CURRENT_SPEED] = -7;
    env.envRateIndex[ENV_CURRENT_SPEED] = 12;
    EXPECT_TRUE(std::isfinite(VaryEnvironment(*doc, ENV_CURRENT_SPEED)));
}

}  // namespace
