#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "control_test_doc.h"

namespace {

TEST(UpdateEngineReadouts, NeutralIdlesAndFullPowerShowsMaxRpmToTens) {
    ControlTestDoc t(2);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 600);
    EXPECT_STREQ(t.doc.controls.engineRpmText[0], "600");
    EXPECT_STREQ(t.doc.controls.engineRpmText[1], "600");

    t.SetNotches(9, 16);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 600);  // idle ahead turns at idle speed
    EXPECT_STREQ(t.doc.controls.engineRpmText[1], "2500");

    // Notch 12 is 3/7 of the way from idle to full: 600 + 1900 × 3/7 = 1414 -> 1410.
    t.SetNotches(12, 4);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 1410);
    EXPECT_EQ(t.doc.controls.engineRpm[1], 1410);  // astern turns as fast as ahead
    EXPECT_STREQ(t.doc.controls.engineRpmText[0], "1410");

    t.doc.boat.maxRpm = 2507.0;  // rounds up to tens
    ChangeEngine(t.doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 2510);
    t.doc.boat.idleRpm = 604.9;  // a stopped engine shows idle RPM, truncated, not rounded
    ChangeEngine(t.doc, ENGINE_BOTH, ENGINE_NEUTRAL, 1, 0);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 604);
}

TEST(UpdateEngineReadouts, FiveDigitRpmIsHeldWholeAndEachTextStandsAlone) {
    ControlTestDoc t(2);
    t.doc.boat.maxRpm = 10000.0;
    t.doc.boat.idleRpm = 1500.0;
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    ChangeEngine(t.doc, ENGINE_STARBOARD, ENGINE_NEUTRAL, 1, 0);
    EXPECT_EQ(t.doc.controls.engineRpm[0], 10000);
    EXPECT_STREQ(t.doc.controls.engineRpmText[0], "10000");
    EXPECT_STREQ(t.doc.controls.engineRpmText[1], "1500");

    ChangeEngine(t.doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, -1, 100);
    EXPECT_STREQ(t.doc.controls.engineRpmText[0], "10000");
    EXPECT_STREQ(t.doc.controls.engineRpmText[1], "10000");
}

TEST(UpdateEngineReadouts, DamagedRpmLimitsNeverOverflowTheText) {
    ControlTestDoc t(2);
    t.doc.boat.maxRpm = 1e300;
    t.doc.boat.idleRpm = -1e300;
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    const char* port = t.doc.controls.engineRpmText[0];
    const char* starboard = t.doc.controls.engineRpmText[1];
    EXPECT_LT(std::strlen(port), sizeof t.doc.controls.engineRpmText[0]);
    EXPECT_LT(std::strlen(starboard), sizeof t.doc.controls.engineRpmText[1]);
    EXPECT_STREQ(port, "9999990");
    EXPECT_LT(t.doc.controls.engineRpm[1], 0);

    t.doc.boat.maxRpm = std::nan("");
    ChangeEngine(t.doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    EXPECT_LT(std::strlen(port), sizeof t.doc.controls.engineRpmText[0]);
    EXPECT_STREQ(starboard, "-999999");
}

}  // namespace
