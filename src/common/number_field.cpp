#include "common/number_field.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/user_interface.h"

void FormatNumberField(double value, char* text, std::size_t size) {
    if (size == 0) return;
    std::snprintf(text, size, "%3.2f", value);
}

static double ParseLeadingNumber(const char* typed) {
    char head[NUMBER_FIELD_MAX_CHARS + 1] = {};
    if (typed != nullptr) std::strncpy(head, typed, NUMBER_FIELD_MAX_CHARS);
    char* end = nullptr;
    double value = std::strtod(head, &end);
    if (end == head || std::isnan(value)) return 0.0;
    return value;
}

NumberFieldResult ReadNumberField(const char* typed, double max, double min) {
    NumberFieldResult result{};
    double value = ParseLeadingNumber(typed);
    if (value < min) {
        result.value = min;
        result.clamp = FieldClamp::Min;
    } else if (value > max) {
        result.value = max;
        result.clamp = FieldClamp::Max;
    } else {
        result.value = value;
        result.clamp = FieldClamp::None;
    }
    FormatNumberField(result.value, result.text, sizeof result.text);
    return result;
}

NumberFieldResult ReadNumberField(const char* typed, ValueRange range) {
    return ReadNumberField(typed, range.max, range.min);
}

void SoundRangeWarning(UserInterface& ui) {
    ui.Beep(WARNING_HIGH_HZ, WARNING_HIGH_MS);
    ui.Beep(WARNING_LOW_HZ, WARNING_LOW_MS);
}
