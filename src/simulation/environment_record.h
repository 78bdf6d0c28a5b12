#pragma once

#include <cstddef>
#include <cstdint>

// Wind and current: four quantities (0 wind speed in knots, 1 wind direction
// in compass degrees it comes from, 2 current speed in knots, 3 current
// direction in compass degrees it comes from) with their averages and drift
// settings, and the vectors the simulation derives from them. Stored inside the
// settings file, 320 bytes.
constexpr int ENV_WIND_SPEED = 0;
constexpr int ENV_WIND_DIRECTION = 1;
constexpr int ENV_CURRENT_SPEED = 2;
constexpr int ENV_CURRENT_DIRECTION = 3;
constexpr int ENV_QUANTITIES = 4;

constexpr int ENV_RATE_SLOW = 0;
constexpr int ENV_RATE_MEDIUM = 1;
constexpr int ENV_RATE_FAST = 2;

struct EnvironmentRecord {
    double envSmoothed[ENV_QUANTITIES];
    double envValue[ENV_QUANTITIES];
    double envAverage[ENV_QUANTITIES];
    double envVariation[ENV_QUANTITIES];
    std::int32_t envRatePeriod[ENV_QUANTITIES];  // averaging length in steps
    std::int32_t envRateIndex[ENV_QUANTITIES];
    std::int32_t envVaries[ENV_QUANTITIES];
    double drawPoints[ENV_QUANTITIES][2];  // kept for the drawing of the indicators
    double apparentWindY;
    double apparentWindX;
    double apparentWindSpeed;
    double windAngle;
    double currentVelY;
    double currentVelX;
    double currentSpeed;
    double currentAngle;
    double currentStepY;
    double currentStepX;
};

static_assert(sizeof(EnvironmentRecord) == 320);
static_assert(offsetof(EnvironmentRecord, envValue) == 32);
static_assert(offsetof(EnvironmentRecord, envAverage) == 64);
static_assert(offsetof(EnvironmentRecord, envVariation) == 96);
static_assert(offsetof(EnvironmentRecord, envRatePeriod) == 128);
static_assert(offsetof(EnvironmentRecord, envRateIndex) == 144);
static_assert(offsetof(EnvironmentRecord, envVaries) == 160);
static_assert(offsetof(EnvironmentRecord, drawPoints) == 176);
static_assert(offsetof(EnvironmentRecord, apparentWindY) == 240);
static_assert(offsetof(EnvironmentRecord, currentStepX) == 312);
