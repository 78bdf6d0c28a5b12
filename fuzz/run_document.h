#pragma once

// What the fuzzers do with a record the loaders accept: bring the document up
// with it as start-up does and drive the boat for a while, so that a record
// that passes the checks yet upsets the simulation shows up under the
// sanitizers.

#include "controls/control_state.h"
#include "document/document.h"
#include "document/startup.h"
#include "simulation/step.h"

inline void BringUpAndDrive(CKLVNDoc& doc) {
    BringUpDocument(doc);
    SetRunState(doc, 2, 1);
    for (int notch = 0; notch < 8; ++notch) ChangeEngine(doc, ENGINE_BOTH, ENGINE_STEP_AHEAD, 1, 0);
    ChangeRudder(doc, RUDDER_STEP_PORT, -1);
    if (doc.boat.hasBowThruster) SetThruster(doc, THRUSTER_STARBOARD);
    for (int i = 0; i < 25; ++i) Step(doc);
    for (int notch = 0; notch < 16; ++notch) {
        ChangeEngine(doc, ENGINE_BOTH, ENGINE_STEP_ASTERN, 1, 0);
    }
    for (int i = 0; i < 25; ++i) Step(doc);
    ResetBoat(doc);
}
