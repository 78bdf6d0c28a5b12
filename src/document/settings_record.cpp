#include "document/settings_record.h"

// Gaps: 310-311 and 633-635.
const FieldSpan SETTINGS_FIELD_SPANS[] = {
    {0, 1, 288},   // boatNames
    {288, 4, 5},   // counts, indices, layout, shift/throttle mode
    {308, 1, 2},   // windOn, currentOn
    {312, 8, 16},  // envSmoothed, envValue, envAverage, envVariation
    {440, 4, 12},  // envRatePeriod, envRateIndex, envVaries
    {488, 8, 18},  // drawing points and the simulation's wind and current values
    {632, 1, 1},   // metricUnits
    {636, 4, 17},  // keyBindings
};
const std::size_t SETTINGS_FIELD_SPAN_COUNT =
    sizeof SETTINGS_FIELD_SPANS / sizeof SETTINGS_FIELD_SPANS[0];

void SettingsRecordToBytes(const SettingsRecord& settings, std::uint8_t out[SETTINGS_RECORD_SIZE]) {
    RecordToBytes(&settings, SETTINGS_FIELD_SPANS, SETTINGS_FIELD_SPAN_COUNT, out,
                  SETTINGS_RECORD_SIZE);
}

void SettingsRecordFromBytes(const std::uint8_t bytes[SETTINGS_RECORD_SIZE],
                             SettingsRecord& settings) {
    RecordFromBytes(bytes, SETTINGS_FIELD_SPANS, SETTINGS_FIELD_SPAN_COUNT, &settings,
                    SETTINGS_RECORD_SIZE);
}
