#include "simulation/step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "../support/recording_ui.h"
#include "../support/test_document.h"
#include "common/constants.h"
#include "controls/control_state.h"

namespace {

class StepTest : public ::testing::Test {
protected:
    RecordingUserInterface ui;
    std::unique_ptr<CKLVNDoc> doc;

    void Use(int boatType) {
        doc = MakeOpenWaterDocument(boatType);
        doc->ui = &ui;
    }
    void SetUp() override { Use(MOTORBOAT); }

    void RunSteps(int steps) {
        for (int i = 0; i < steps; ++i) Step(*doc);
    }
};

TEST_F(StepTest, PausedStepsChangeNothingAndSetRunStateSwitchesModes) {
    std::strcpy(doc->statusText, "left over");
    Step(*doc);  // the first step of the program's life empties the status text
    EXPECT_STREQ(doc->statusText, "");

    ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    ChangeRudder(*doc, RUDDER_SET_BY_PERCENT, 80);
    doc->settings.windOn = doc->settings.currentOn = 1;
    doc->env.envVaries[ENV_WIND_SPEED] = 1;
    doc->env.envValue[ENV_CURRENT_SPEED] = 1.0;

    std::vector<unsigned char> before(sizeof(CKLVNDoc));
    std::memcpy(before.data(), doc.get(), sizeof(CKLVNDoc));
    int shown = ui.statusTextCount;
    RunSteps(100);
    EXPECT_EQ(std::memcmp(before.data(), doc.get(), sizeof(CKLVNDoc)), 0);
    EXPECT_EQ(ui.statusTextCount, shown);

    // Pausing after running freezes the state exactly; resuming continues.
    SetRunState(*doc, 1, 1);
    RunSteps(40);
    SetRunState(*doc, 1, 0);
    std::memcpy(before.data(), doc.get(), sizeof(CKLVNDoc));
    RunSteps(40);
    EXPECT_EQ(std::memcmp(before.data(), doc.get(), sizeof(CKLVNDoc)), 0);
    double y = doc->state.posY;
    SetRunState(*doc, 1, 1);
    Step(*doc);
    EXPECT_NE(doc->state.posY, y);

    // Mode 0 only switches the mouse; the console hears of a change when open.
    SetRunState(*doc, 0, 0);
    EXPECT_EQ(doc->state.mouseInputEnabled, 0);
    EXPECT_EQ(doc->state.running, 1);
    SetRunState(*doc, 2, 0);
    EXPECT_EQ(doc->state.running, 0);
    EXPECT_EQ(ui.showRunStateCalls, 0);
    ui.consoleOpen = true;
    SetRunState(*doc, 1, 1);
    EXPECT_EQ(ui.showRunStateCalls, 1);
}

TEST_F(StepTest, StatusLineOfASingleEngineBoat) {
    SetRunState(*doc, 1, 1);
    Step(*doc);
    // The first running step shows the state as reset: all speeds 0.
    ASSERT_EQ(ui.statusTexts.size(), 1u);
    EXPECT_EQ(ui.statusTexts[0],
              "New_Motorboat   HEADING= 0.00   SPEED= 0.00    GS= 0.00    RPM= 600    RUD=  0.00"
              "    WIND= 0.00    CURRENT= 0.00");
    EXPECT_STREQ(doc->statusText, ui.statusTexts[0].c_str());

    // With the wind off, WIND shows 0.00 though the apparent wind is formed.
    doc->env.envValue[ENV_WIND_SPEED] = 10.0;
    doc->env.envValue[ENV_WIND_DIRECTION] = 270.0;
    ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    ChangeRudder(*doc, RUDDER_STEP_PORT, 0);  // -0.5 degrees
    RunSteps(40);
    EXPECT_GT(doc->env.apparentWindSpeed, 0.0);
    std::string line = ui.statusTexts.back();
    EXPECT_NE(line.find("WIND= 0.00    CURRENT= 0.00"), std::string::npos) << line;
    EXPECT_NE(line.find("RPM= " + std::string(doc->controls.engineRpmText[0]) + "    RUD= -0.50"),
              std::string::npos)
        << line;
    EXPECT_EQ(line.find('|'), std::string::npos);

    // The speed shown is that of the previous step, in knots; GS equals it.
    double knots = doc->state.speedThroughWater * FPS_TO_KNOTS;
    Step(*doc);
    char expected[64];
    std::snprintf(expected, sizeof expected, "SPEED=%5.2f    GS=%5.2f", knots, knots);
    EXPECT_NE(ui.statusTexts.back().find(expected), std::string::npos) << ui.statusTexts.back();

    // With the wind on, the apparent wind in knots.
    doc->settings.windOn = 1;
    double wind = doc->env.apparentWindSpeed * FPS_TO_KNOTS;
    Step(*doc);
    std::snprintf(expected, sizeof expected, "WIND=%5.2f    CURRENT= 0.00", wind);
    EXPECT_NE(ui.statusTexts.back().find(expected), std::string::npos) << ui.statusTexts.back();
}

TEST_F(StepTest, StatusLineOfATwinShowsBothRpmReadouts) {
    Use(HOUSEBOAT);
    ChangeEngine(*doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    SetRunState(*doc, 1, 1);
    Step(*doc);
    std::string expected =
        std::string("New_Houseboat   HEADING= 0.00   SPEED= 0.00    GS= 0.00    RPM= ") +
        doc->controls.engineRpmText[0] + "|" + doc->controls.engineRpmText[1] +
        "    RUD=  0.00    WIND= 0.00    CURRENT= 0.00";
    EXPECT_EQ(ui.statusTexts.back(), expected);
    EXPECT_STRNE(doc->controls.engineRpmText[0], doc->controls.engineRpmText[1]);
}

TEST_F(StepTest, ExtremeValuesNeverOverflowTheStatusText) {
    // A name filling its whole field without a terminator, and huge values.
    std::memset(doc->boat.boatName, 'N', sizeof doc->boat.boatName);
    std::memset(doc->dataFolder, 0, sizeof doc->dataFolder);
    doc->state.compassHeading = 1e300;
    doc->state.speedThroughWater = -1e300;
    doc->state.speedOverGround = INFINITY;
    doc->controls.rudderAngle = NAN;
    doc->settings.windOn = doc->settings.currentOn = 1;
    doc->env.apparentWindSpeed = 1e308;
    doc->env.currentSpeed = 1e308;
    SetRunState(*doc, 1, 1);
    Step(*doc);

    const std::string& line = ui.statusTexts.back();
    EXPECT_EQ(line.size(), static_cast<std::size_t>(STATUS_TEXT_SIZE - 1));  // cut to fit
    EXPECT_EQ(line.compare(0, 23, "NNNNNNNNNNNNNNNNNNNN   "), 0) << line;
    EXPECT_EQ(doc->statusText[STATUS_TEXT_SIZE - 1], '\0');
    EXPECT_EQ(doc->dataFolder[0], '\0');  // the field after the buffer is untouched
}

TEST_F(StepTest, ResetBoatRestoresThePoseAndNeutralControls) {
    const BoatRecord& boat = doc->boat;
    ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    ChangeRudder(*doc, RUDDER_SET_BY_PERCENT, 10);
    SetThruster(*doc, THRUSTER_PORT);
    doc->mooring.fenderCount = 1;
    doc->mooring.fenderActive[3] = 1;
    doc->mooring.dockLines[2].state = LINE_SLACK;
    doc->state.attachedLineCount = 1;
    SetRunState(*doc, 1, 1);
    RunSteps(200);
    ASSERT_GT(doc->state.speedThroughWater, 1.0);
    ASSERT_NE(doc->state.headingDeg, boat.startHeading);

    ResetBoat(*doc);
    const DynamicState& st = doc->state;
    EXPECT_EQ(st.running, 1);  // the reset does not pause
    EXPECT_EQ(st.posX, boat.startX);
    EXPECT_EQ(st.posY, boat.startY);
    EXPECT_EQ(st.headingDeg, boat.startHeading);
    EXPECT_EQ(st.headingRad, DEG_TO_RAD * boat.startHeading);
    EXPECT_EQ(st.hullAngleDeg, boat.startHeading - 90.0);
    EXPECT_DOUBLE_EQ(st.compassHeading, 0.0);  // bow north
    const double* zeroed[] = {&st.speedOverGround, &st.courseThroughWater, &st.speedThroughWater,
                              &st.waterVelX,       &st.waterVelY,          &st.courseOverGround,
                              &st.groundVelX,      &st.groundVelY,         &st.driftAngle,
                              &st.yawRate,         &st.surgeSpeed,         &st.swaySpeed};
    for (const double* value : zeroed) EXPECT_EQ(*value, 0.0);

    const ControlState& c = doc->controls;
    EXPECT_EQ(c.throttleNotch[0], NOTCH_NEUTRAL);
    EXPECT_EQ(c.enginePower[0], 0.0);
    EXPECT_EQ(c.rudderAngle, 0.0);
    EXPECT_EQ(c.thrusterThrust, 0.0);

    EXPECT_EQ(doc->mooring.fenderCount, 0);
    for (int f = 0; f < 10; ++f) EXPECT_EQ(doc->mooring.fenderActive[f], 0);
    for (int k = 0; k < DOCK_LINE_COUNT; ++k) EXPECT_EQ(doc->mooring.dockLines[k].state, 0);
    EXPECT_EQ(st.attachedLineCount, 0);

    std::vector<unsigned char> zero(sizeof(ForceAccumulators), 0);
    EXPECT_EQ(std::memcmp(&doc->forces, zero.data(), zero.size()), 0);
}

TEST_F(StepTest, ATautLineWithBothEnginesIdleIsCountedNegative) {
    // Make line 0 fast 1 ft beyond its working length.
    DockLine& line = doc->mooring.dockLines[0];
    const DynamicState& st = doc->state;
    double phi = DEG_TO_RAD * st.hullAngleDeg;
    double cleatX = st.posX + line.cleatX * std::cos(phi) - line.cleatY * std::sin(phi);
    double cleatY = st.posY + line.cleatX * std::sin(phi) + line.cleatY * std::cos(phi);
    line.state = LINE_SLACK;
    line.lineLength = 10.0;
    line.attachX = cleatX - 11.0;
    line.attachY = cleatY;
    doc->state.attachedLineCount = 1;

    SetRunState(*doc, 1, 1);
    Step(*doc);
    EXPECT_EQ(line.state, LINE_TAUT);
    EXPECT_EQ(doc->state.tautLineCount, -1);

    ChangeEngine(*doc, ENGINE_BOTH, ENGINE_STEP_AHEAD, 1, 0);
    Step(*doc);
    EXPECT_EQ(doc->state.tautLineCount, 1);
}

TEST(FirstRunningStep, DrawsOneDeviateFromTheExplicitSeed) {
    auto doc = MakeOpenWaterDocument(MOTORBOAT, 12345);
    Step(*doc);  // paused: no draw
    EXPECT_EQ(doc->gaussian.callCount, 0);
    EXPECT_FALSE(doc->gaussian.cachedPresent);

    SetRunState(*doc, 1, 1);
    Step(*doc);
    EXPECT_EQ(doc->gaussian.callCount, 1);
    EXPECT_TRUE(doc->gaussian.cachedPresent);  // the spare stays cached

    // The seed was kept: the source advanced from 12345 by the polar method's
    // draws only (two per try).
    RandomSource expected;
    SeedRandom(expected, 12345);
    double s;
    do {
        double u1 = 2.0 * NextRandom(expected) / 32767 - 1.0;
        double u2 = 2.0 * NextRandom(expected) / 32767 - 1.0;
        s = u1 * u1 + u2 * u2;
    } while (s >= 1.0);
    EXPECT_EQ(doc->random.next, expected.next);

    Step(*doc);
    EXPECT_EQ(doc->gaussian.callCount, 1);  // only the first running step draws
}

}  // namespace
