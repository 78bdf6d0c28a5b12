#pragma once

#include <cstddef>
#include <cstdint>

#include "common/record_bytes.h"
#include "simulation/environment_record.h"

// Everything the program remembers between runs apart from the boats: the
// 704-byte record of "Persist.kvn".
constexpr std::size_t SETTINGS_RECORD_SIZE = 704;
constexpr int BOAT_LIST_SLOTS = 16;
constexpr int BOAT_LIST_NAME_SIZE = 18;
constexpr int KEY_BINDING_COUNT = 17;

struct SettingsRecord {
    char boatNames[BOAT_LIST_SLOTS][BOAT_LIST_NAME_SIZE];
    std::int32_t boatCount;
    std::int32_t currentBoatIndex;
    std::int32_t currentBoatType;
    std::int32_t dockLayoutSaved;  // 1 ... 9
    std::int32_t shiftThrottleCombined;
    std::uint8_t windOn;
    std::uint8_t currentOn;
    std::uint8_t gap310[2];
    EnvironmentRecord envSettingsPersisted;
    std::uint8_t metricUnits;
    std::uint8_t gap633[3];
    std::int32_t keyBindings[KEY_BINDING_COUNT];  // Windows virtual-key codes
};

static_assert(sizeof(SettingsRecord) == SETTINGS_RECORD_SIZE);
static_assert(offsetof(SettingsRecord, boatCount) == 288);
static_assert(offsetof(SettingsRecord, currentBoatIndex) == 292);
static_assert(offsetof(SettingsRecord, currentBoatType) == 296);
static_assert(offsetof(SettingsRecord, dockLayoutSaved) == 300);
static_assert(offsetof(SettingsRecord, shiftThrottleCombined) == 304);
static_assert(offsetof(SettingsRecord, windOn) == 308);
static_assert(offsetof(SettingsRecord, currentOn) == 309);
static_assert(offsetof(SettingsRecord, envSettingsPersisted) == 312);
static_assert(offsetof(SettingsRecord, metricUnits) == 632);
static_assert(offsetof(SettingsRecord, keyBindings) == 636);

extern const FieldSpan SETTINGS_FIELD_SPANS[];
extern const std::size_t SETTINGS_FIELD_SPAN_COUNT;

void SettingsRecordToBytes(const SettingsRecord& settings, std::uint8_t out[SETTINGS_RECORD_SIZE]);
void SettingsRecordFromBytes(const std::uint8_t bytes[SETTINGS_RECORD_SIZE],
                             SettingsRecord& settings);
