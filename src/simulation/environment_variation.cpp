#include "simulation/environment_variation.h"

#include "document/document.h"
#include "simulation/gaussian_random.h"

// Spread of the raw sample by rate (Slow, Medium, Fast). The slower the rate,
// the longer the moving average and the more it narrows the sample, so the
// wider raw spread keeps the settled spread nearly the same for all three.
static const double SPREAD_MULTIPLIER[3] = {3.0, 2.0, 1.0};

static double SpreadMultiplier(int rateIndex) {
    if (rateIndex < 0 || rateIndex > 2) return SPREAD_MULTIPLIER[ENV_RATE_MEDIUM];
    return SPREAD_MULTIPLIER[rateIndex];
}

double VaryEnvironment(CKLVNDoc& doc, int k) {
    EnvironmentRecord& env = doc.env;
    if (env.envVaries[k] == 0) return env.envValue[k];

    double sigma = SpreadMultiplier(env.envRateIndex[k]) * env.envVariation[k];
    double x = GaussianRandom(doc, sigma, env.envAverage[k]);

    // Exponential moving average over n steps.
    double n = env.envRatePeriod[k] >= 1 ? env.envRatePeriod[k] : 1;
    env.envSmoothed[k] = (x + (n - 1.0) * env.envSmoothed[k]) / n;
    env.envValue[k] = env.envSmoothed[k];
    return env.envValue[k];
}
