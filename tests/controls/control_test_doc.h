#pragma once

// A document with just enough boat for the control operations: a throttle
// table built from the idle power factor the way the hull model builds it,
// RPM limits, engines, a thruster, and a recording user interface.

#include <memory>

#include "../support/recording_ui.h"
#include "controls/control_state.h"
#include "controls/key_bindings.h"
#include "document/camera.h"
#include "document/document.h"

inline void BuildTestThrottleTable(BoatRecord& boat) {
    const double p = boat.idlePowerFactor;
    double* table = boat.throttlePowerTable;
    table[0] = -1.0;
    table[8] = 0.0;
    table[16] = 1.0;
    table[9] = p;
    table[7] = -p;
    for (int k = 1; k <= 6; ++k) {
        table[9 + k] = p + k * (1.0 - p) / 7.0;
        table[7 - k] = -(p + k * (1.0 - p) / 7.0);
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
        for (int slot = 0; slot < KEY_BINDING_COUNT; ++slot) {
            doc.settings.keyBindings[slot] = DEFAULT_KEY_BINDINGS[slot];
        }
        InitCamera(doc);
        ResetControls(doc);
    }

    const double* table() const { return doc.boat.throttlePowerTable; }
    int notch(int e) const { return doc.controls.throttleNotch[e]; }
    double power(int e) const { return doc.controls.enginePower[e]; }
    void SetNotches(int port, int starboard) {
        ChangeEngine(doc, ENGINE_PORT, ENGINE_NEUTRAL, 1, 0);
        ChangeEngine(doc, ENGINE_STARBOARD, ENGINE_NEUTRAL, 1, 0);
        for (int n = 8; n < port; ++n) ChangeEngine(doc, ENGINE_PORT, ENGINE_STEP_AHEAD, 1, 0);
        for (int n = 8; n > port; --n) ChangeEngine(doc, ENGINE_PORT, ENGINE_STEP_ASTERN, 1, 0);
        for (int n = 8; n < starboard; ++n) {
            ChangeEngine(doc, ENGINE_STARBOARD, ENGINE_STEP_AHEAD, 1, 0);
        }
        for (int n = 8; n > starboard; --n) {
            ChangeEngine(doc, ENGINE_STARBOARD, ENGINE_STEP_ASTERN, 1, 0);
        }
    }
};
