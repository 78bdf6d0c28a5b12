#include <gtest/gtest.h>

#include <cstring>

#include "../support/recording_ui.h"
#include "../support/test_document.h"
#include "control_test_doc.h"
#include "controls/key_dispatch.h"

namespace {

// The controls of the default boats as start-up builds them: the table the
// other control tests build by hand is the boat's own, and the keys drive it.
TEST(DefaultBoatControls, StartInNeutralAndStepThroughTheBoatsTable) {
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        auto owner = MakeTestDocument(type);
        CKLVNDoc& doc = *owner;
        SCOPED_TRACE(type);
        const ControlState& controls = doc.controls;
        for (int e = 0; e < 2; ++e) {
            EXPECT_EQ(controls.throttleNotch[e], NOTCH_NEUTRAL);
            EXPECT_EQ(controls.enginePower[e], 0.0);
            EXPECT_EQ(controls.engineRpm[e], static_cast<int>(doc.boat.idleRpm));
        }
        EXPECT_EQ(controls.rudderIndex, 9);

        BoatRecord byHand{};
        byHand.idlePowerFactor = doc.boat.idlePowerFactor;
        BuildTestThrottleTable(byHand);
        for (int n = 0; n < THROTTLE_NOTCHES; ++n) {
            EXPECT_NEAR(doc.boat.throttlePowerTable[n], byHand.throttlePowerTable[n], 1e-15);
        }

        for (int press = 0; press < 8; ++press) HandleControlKey(doc, 'E');
        EXPECT_EQ(controls.throttleNotch[0], NOTCH_FULL_AHEAD);
        EXPECT_EQ(controls.enginePower[0], 1.0);
        char shown[16];
        std::snprintf(shown, sizeof shown, "%i", (static_cast<int>(doc.boat.maxRpm) + 5) / 10 * 10);
        EXPECT_STREQ(controls.engineRpmText[0], shown);
        const int expectedStarboard = doc.boat.engineCount >= 2 ? NOTCH_FULL_AHEAD : NOTCH_NEUTRAL;
        EXPECT_EQ(controls.throttleNotch[1], expectedStarboard);

        // The thruster keys act only on the boat that has one.
        HandleControlKey(doc, 'U');
        const double expectedThrust = doc.boat.hasBowThruster ? doc.boat.bowThrusterForce : 0.0;
        EXPECT_EQ(controls.thrusterThrust, expectedThrust);
    }
}

}  // namespace
