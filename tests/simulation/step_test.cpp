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
    bool StatusHas(const char* text) {
        return ui.statusTexts.back().find(text) != std::string::npos;
    }
};

TEST_F(StepTest, PausedStepsChangeNothingAndTheConsoleHearsOfRunStateChanges) {
    ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    doc->settings.windOn = doc->settings.currentOn = 1;
    doc->env.envVaries[ENV_WIND_SPEED] = 1;
    SetRunState(*doc, 1, 1);
    RunSteps(40);
    SetRunState(*doc, 1, 0);
    std::vector<unsigned char> before(sizeof(CKLVNDoc));
    std::memcpy(before.data(), doc.get(), sizeof(CKLVNDoc));
    const int shown = ui.statusTextCount;
    RunSteps(40);
    EXPECT_EQ(std::memcmp(before.data(), doc.get(), sizeof(CKLVNDoc)), 0);
    EXPECT_EQ(ui.statusTextCount, shown);
    EXPECT_TRUE(ui.consoleCalls.empty());
    ui.consoleOpen = true;
    SetRunState(*doc, 1, 1);
    EXPECT_EQ(ui.consoleCalls, (std::vector<std::string>{"runstate"}));
}

TEST_F(StepTest, StatusLineOfASingleEngineBoatAndOfATwin) {
    SetRunState(*doc, 1, 1);
    Step(*doc);
    EXPECT_EQ(ui.statusTexts.at(0),
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
    EXPECT_TRUE(StatusHas("RUD= -0.50    WIND= 0.00    CURRENT= 0.00")) << ui.statusTexts.back();
    // The speeds shown are the previous step's, in knots; with the wind on, WIND too.
    const double knots = doc->state.speedThroughWater * FPS_TO_KNOTS;
    const double wind = doc->env.apparentWindSpeed * FPS_TO_KNOTS;
    doc->settings.windOn = 1;
    Step(*doc);
    char expected[96];
    std::snprintf(expected, sizeof expected, "SPEED=%5.2f    GS=%5.2f", knots, knots);
    EXPECT_TRUE(StatusHas(expected)) << ui.statusTexts.back();
    std::snprintf(expected, sizeof expected, "WIND=%5.2f    CURRENT= 0.00", wind);
    EXPECT_TRUE(StatusHas(expected)) << ui.statusTexts.back();

    Use(HOUSEBOAT);
    ChangeEngine(*doc, ENGINE_PORT, ENGINE_SET_BY_VALUE, 1, 100);
    SetRunState(*doc, 1, 1);
    Step(*doc);
    EXPECT_EQ(ui.statusTexts.back(),
              std::string("New_Houseboat   HEADING= 0.00   SPEED= 0.00    GS= 0.00    RPM= ") +
                  doc->controls.engineRpmText[0] + "|" + doc->controls.engineRpmText[1] +
                  "    RUD=  0.00    WIND= 0.00    CURRENT= 0.00");
    EXPECT_STRNE(doc->controls.engineRpmText[0], doc->controls.engineRpmText[1]);
}

TEST_F(StepTest, ExtremeValuesNeverOverflowTheStatusText) {
    std::memset(doc->boat.boatName, 'N', sizeof doc->boat.boatName);  // no terminator
    std::memset(doc->dataFolder, 0, sizeof doc->dataFolder);
    doc->state.compassHeading = 1e300;
    doc->state.speedThroughWater = -1e300;
    doc->state.speedOverGround = INFINITY;
    doc->controls.rudderAngle = NAN;
    doc->settings.windOn = doc->settings.currentOn = 1;
    doc->env.apparentWindSpeed = doc->env.currentSpeed = 1e308;
    SetRunState(*doc, 1, 1);
    Step(*doc);
    const std::string& line = ui.statusTexts.back();
    EXPECT_EQ(line.size(), static_cast<std::size_t>(STATUS_TEXT_SIZE - 1));  // cut to fit
    EXPECT_EQ(line.compare(0, 23, "NNNNNNNNNNNNNNNNNNNN   "), 0) << line;
    EXPECT_EQ(doc->dataFolder[0], '\0');  // the field after the buffer is untouched
}

TEST_F(StepTest, ResetBoatRestoresThePoseAndNeutralControls) {
    ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    ChangeRudder(*doc, RUDDER_SET_BY_PERCENT, 10);
    SetThruster(*doc, THRUSTER_PORT);
    doc->mooring.fenderCount = doc->mooring.fenderActive[3] = 1;
    doc->mooring.dockLines[2].state = LINE_SLACK;
    doc->state.attachedLineCount = 1;
    SetRunState(*doc, 1, 1);
    RunSteps(200);
    ASSERT_GT(doc->state.speedThroughWater, 1.0);
    ResetBoat(*doc);
    const DynamicState& st = doc->state;
    EXPECT_EQ(st.running, 1);  // the reset does not pause
    EXPECT_TRUE(st.posX == doc->boat.startX && st.posY == doc->boat.startY);
    EXPECT_EQ(st.headingDeg, doc->boat.startHeading);
    for (double v :
         {st.speedOverGround, st.speedThroughWater, st.waterVelX, st.waterVelY, st.groundVelX,
          st.groundVelY, st.yawRate, st.surgeSpeed, st.swaySpeed, doc->controls.enginePower[0],
          doc->controls.rudderAngle, doc->controls.thrusterThrust})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(doc->controls.throttleNotch[0], NOTCH_NEUTRAL);
    for (int n : {doc->mooring.fenderCount, doc->mooring.fenderActive[3],
                  doc->mooring.dockLines[2].state, st.attachedLineCount})
        EXPECT_EQ(n, 0);
}

TEST_F(StepTest, ATautLineWithBothEnginesIdleIsCountedNegative) {
    DockLine& line = doc->mooring.dockLines[0];
    const DynamicState& st = doc->state;
    const double phi = DEG_TO_RAD * st.hullAngleDeg;
    line.state = LINE_SLACK;
    line.lineLength = 10.0;  // made fast 1 ft beyond its length
    line.attachX = st.posX + line.cleatX * std::cos(phi) - line.cleatY * std::sin(phi) - 11.0;
    line.attachY = st.posY + line.cleatX * std::sin(phi) + line.cleatY * std::cos(phi);
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
    auto reference = MakeOpenWaterDocument(MOTORBOAT, 12345);
    Step(*doc);  // paused: no draw
    EXPECT_EQ(doc->gaussian.callCount, 0);
    SetRunState(*doc, 1, 1);
    Step(*doc);
    Step(*doc);  // only the first running step draws; the spare stays cached
    EXPECT_TRUE(doc->gaussian.callCount == 1 && doc->gaussian.cachedPresent);
    GaussianRandom(*reference, 1.0, 0.0);
    EXPECT_EQ(doc->random.next, reference->random.next);
}

}  // namespace
