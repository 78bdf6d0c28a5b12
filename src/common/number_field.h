#pragma once

#include <cstddef>

class UserInterface;

// The UI-free half of the dialogs' numeric edit boxes: how a value is shown
// and how typed text is read back and held within its range.

constexpr int NUMBER_FIELD_MAX_CHARS = 29;  // characters of a box that are read
constexpr std::size_t NUMBER_FIELD_TEXT_SIZE = 64;

// The values a box accepts, bounds included.
struct ValueRange {
    double min;
    double max;
};

// Writes value with "%3.2f" into text (always NUL-terminated, cut if too long).
void FormatNumberField(double value, char* text, std::size_t size);

enum class FieldClamp { None, Min, Max };

struct NumberFieldResult {
    double value;      // the value the caller keeps (full precision when in range)
    FieldClamp clamp;  // which bound replaced the typed value; the shell beeps when not None
    char text[NUMBER_FIELD_TEXT_SIZE];  // what the box shows afterwards
};

// Reads at most 29 characters of typed text as a decimal number and holds it in
// [min, max]. Text that is not a number, or reads as NaN, counts as 0; an
// infinite value is replaced by the nearer bound. Never returns a non-finite value.
NumberFieldResult ReadNumberField(const char* typed, double max, double min);
NumberFieldResult ReadNumberField(const char* typed, ValueRange range);

// The two warning tones of a value replaced by a bound: 1000 Hz for 200 ms,
// then 700 Hz for 500 ms.
constexpr int WARNING_HIGH_HZ = 1000;
constexpr int WARNING_HIGH_MS = 200;
constexpr int WARNING_LOW_HZ = 700;
constexpr int WARNING_LOW_MS = 500;
void SoundRangeWarning(UserInterface& ui);
