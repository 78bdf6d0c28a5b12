#include "common/number_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(ReadNumberField, InRangeKeepsFullPrecisionAndShowsTwoDecimals) {
    NumberFieldResult r = ReadNumberField("12.3456", 100, 0);
    EXPECT_EQ(r.value, 12.3456);
    EXPECT_EQ(r.clamp, FieldClamp::None);
    EXPECT_STREQ(r.text, "12.35");
}

TEST(ReadNumberField, ClampsAndSaysWhich) {
    NumberFieldResult low = ReadNumberField("-5", 100, 1);
    EXPECT_EQ(low.value, 1.0);
    EXPECT_EQ(low.clamp, FieldClamp::Min);
    EXPECT_STREQ(low.text, "1.00");
    NumberFieldResult high = ReadNumberField("250", 100, 1);
    EXPECT_EQ(high.value, 100.0);
    EXPECT_EQ(high.clamp, FieldClamp::Max);
    EXPECT_STREQ(high.text, "100.00");
}

TEST(ReadNumberField, TextThatIsNotANumberReadsAsZero) {
    EXPECT_EQ(ReadNumberField("abc", 10, -10).value, 0.0);
    EXPECT_EQ(ReadNumberField("", 10, -10).value, 0.0);
    EXPECT_EQ(ReadNumberField(nullptr, 10, -10).value, 0.0);
    // Zero below the minimum takes the minimum.
    NumberFieldResult r = ReadNumberField("xyz", 10, 2);
    EXPECT_EQ(r.value, 2.0);
    EXPECT_EQ(r.clamp, FieldClamp::Min);
    // A number followed by other characters reads as the number.
    EXPECT_EQ(ReadNumberField("7.5 ft", 10, 0).value, 7.5);
}

TEST(ReadNumberField, OnlyTheFirst29CharactersCount) {
    std::string typed = std::string(28, ' ') + "9";  // the 9 is the 29th character
    EXPECT_EQ(ReadNumberField(typed.c_str(), 100, 0).value, 9.0);
    typed = std::string(29, ' ') + "9";  // the 9 is the 30th: not read
    EXPECT_EQ(ReadNumberField(typed.c_str(), 100, 0).value, 0.0);
}

TEST(ReadNumberField, NeverStoresANonFiniteValue) {
    for (const char* typed : {"nan", "NAN(123)", "-nan", "inf", "-infinity", "1e999", "-1e999"}) {
        NumberFieldResult r = ReadNumberField(typed, 50, -20);
        EXPECT_TRUE(std::isfinite(r.value)) << typed;
        EXPECT_GE(r.value, -20) << typed;
        EXPECT_LE(r.value, 50) << typed;
    }
    EXPECT_EQ(ReadNumberField("nan", 50, -20).value, 0.0);
    EXPECT_EQ(ReadNumberField("inf", 50, -20).value, 50.0);
    EXPECT_EQ(ReadNumberField("-1e999", 50, -20).value, -20.0);
}
