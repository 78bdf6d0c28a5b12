#include "common/number_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Typed text, the range 20 ... 50, and what is stored, which clamp and what shows.
TEST(ReadNumberField, ReadsClampsAndNeverStoresANonFiniteValue) {
    const std::string far29 = std::string(28, ' ') + "9", far30 = std::string(29, ' ') + "9";
    const struct {
        const char* typed;
        double value;
        FieldClamp clamp;
        const char* text;
    } cases[] = {{"32.3456", 32.3456, FieldClamp::None, "32.35"},
                 {"-5", 20, FieldClamp::Min, "20.00"},
                 {"250", 50, FieldClamp::Max, "50.00"},
                 {"abc", 20, FieldClamp::Min, "20.00"},  // not a number: zero, then the minimum
                 {"27.5 ft", 27.5, FieldClamp::None, "27.50"},   // a number, then other text
                 {far29.c_str(), 20, FieldClamp::Min, "20.00"},  // the 29th character counts...
                 {far30.c_str(), 20, FieldClamp::Min, "20.00"},  // ...the 30th does not
                 {"nan", 20, FieldClamp::Min, "20.00"},
                 {"-nan", 20, FieldClamp::Min, "20.00"},
                 {"inf", 50, FieldClamp::Max, "50.00"},
                 {"1e999", 50, FieldClamp::Max, "50.00"},
                 {"-infinity", 20, FieldClamp::Min, "20.00"}};
    for (const auto& c : cases) {
        const NumberFieldResult r = ReadNumberField(c.typed, ValueRange{20, 50});
        EXPECT_EQ(r.value, c.value) << c.typed;
        EXPECT_EQ(r.clamp, c.clamp) << c.typed;
        EXPECT_STREQ(r.text, c.text) << c.typed;
    }
    EXPECT_EQ(ReadNumberField(far29.c_str(), 100, 0).value, 9.0);
    EXPECT_EQ(ReadNumberField(far30.c_str(), 100, 0).value, 0.0);
    EXPECT_EQ(ReadNumberField(nullptr, 10, -10).value, 0.0);
    EXPECT_EQ(ReadNumberField("NAN(123)", 10, -10).value, 0.0);
}
