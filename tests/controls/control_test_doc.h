#pragma once

// A document with just enough boat for the control operations.

#include <gtest/gtest.h>

#include <memory>

#include "../support/recording_ui.h"
#include "controls/control_state.h"
#include "controls/key_bindings.h"
#include "document/camera.h"
#include "document/document.h"
#include "document/startup.h"

// Idle at ±p, full at ±1, six even notches between them each way.
inline void BuildTestThrottleTable(BoatRecord& boat) {
    const double p = boat.idlePowerFactor;
    double* table = boat.throttlePowerTable;
    table[0] = -1.0;
    table[8] = 0.0;
    table[16] = 1.0;
    for (int k = 0; k <= 6; ++k) {
        table[9 + k] = p + k * (1.0 - p) / 7.0;
        table[7 - k] = -table[9 + k];
    }
}

struct ControlTestDoc {
    std::unique_ptr<CKLVNDoc> owner = std::make_unique<CKLVNDoc>();
    CKLVNDoc& doc = *owner;
    RecordingUserInterface ui;

    explicit ControlTestDoc(int engineCount = 1, bool thruster = true) {
        ClearDocument(doc);
        doc.ui = &ui;
        BoatRecord& boat = doc.boat;
        boat.engineCount = engineCount;
        boat.idlePowerFactor = 0.21;
        boat.maxRpm = 2500.0;
        boat.idleRpm = 600.0;
        boat.hasBowThruster = thruster ? 1 : 0;
        boat.bowThrusterForce = 150.0;
        boat.lengthOverall = 25.0;
        boat.boatTopHeight = 6.0;
        BuildTestThrottleTable(boat);
        ApplySettingsDefaults(doc);  // the default key bindings
        InitCamera(doc);
        ResetControls(doc);
    }

    int notch(int e) const { return doc.controls.throttleNotch[e]; }
    double power(int e) const { return doc.controls.enginePower[e]; }
    void Engine(int selector, int command) { ChangeEngine(doc, selector, command, 1, 0); }
    void ExpectNotches(int port, int starboard) const {
        EXPECT_EQ(notch(0), port);
        EXPECT_EQ(notch(1), starboard);
    }
    void SetNotches(int port, int starboard) {
        Engine(ENGINE_BOTH, ENGINE_NEUTRAL);
        for (int n = 8; n < port; ++n) Engine(ENGINE_PORT, ENGINE_STEP_AHEAD);
        for (int n = 8; n > port; --n) Engine(ENGINE_PORT, ENGINE_STEP_ASTERN);
        for (int n = 8; n < starboard; ++n) Engine(ENGINE_STARBOARD, ENGINE_STEP_AHEAD);
        for (int n = 8; n > starboard; --n) Engine(ENGINE_STARBOARD, ENGINE_STEP_ASTERN);
    }
};
