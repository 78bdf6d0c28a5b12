#include "controls/key_dispatch.h"

#include "controls/control_state.h"
#include "controls/key_bindings.h"
#include "docks/dock_layout.h"
#include "document/camera.h"
#include "document/document.h"
#include "simulation/step.h"

namespace {

// The action of one bindable slot, if its condition holds: thruster keys need
// a thruster, single-engine keys a twin.
void RunSlotAction(CKLVNDoc& doc, int slot) {
    const bool thruster = doc.boat.hasBowThruster != 0;
    const bool twin = doc.boat.engineCount >= 2;
    switch (slot) {
        case KEY_SLOT_THRUSTER_PORT:
            if (thruster) SetThruster(doc, THRUSTER_PORT);
            break;
        case KEY_SLOT_THRUSTER_STARBOARD:
            if (thruster) SetThruster(doc, THRUSTER_STARBOARD);
            break;
        case KEY_SLOT_THRUSTER_OFF:
            if (thruster) SetThruster(doc, THRUSTER_OFF);
            break;
        case KEY_SLOT_PORT_AHEAD:
            if (twin) ChangeEngine(doc, ENGINE_PORT, ENGINE_STEP_AHEAD, 1, 0);
            break;
        case KEY_SLOT_PORT_ASTERN:
            if (twin) ChangeEngine(doc, ENGINE_PORT, ENGINE_STEP_ASTERN, 1, 0);
            break;
        case KEY_SLOT_PORT_NEUTRAL:
            if (twin) ChangeEngine(doc, ENGINE_PORT, ENGINE_NEUTRAL, 1, 0);
            break;
        case KEY_SLOT_STARBOARD_AHEAD:
            if (twin) ChangeEngine(doc, ENGINE_STARBOARD, ENGINE_STEP_AHEAD, 1, 0);
            break;
        case KEY_SLOT_STARBOARD_ASTERN:
            if (twin) ChangeEngine(doc, ENGINE_STARBOARD, ENGINE_STEP_ASTERN, 1, 0);
            break;
        case KEY_SLOT_STARBOARD_NEUTRAL:
            if (twin) ChangeEngine(doc, ENGINE_STARBOARD, ENGINE_NEUTRAL, 1, 0);
            break;
        case KEY_SLOT_BOTH_AHEAD:
            ChangeEngine(doc, ENGINE_BOTH, ENGINE_STEP_AHEAD, 1, 0);
            break;
        case KEY_SLOT_BOTH_ASTERN:
            ChangeEngine(doc, ENGINE_BOTH, ENGINE_STEP_ASTERN, 1, 0);
            break;
        case KEY_SLOT_BOTH_NEUTRAL:
            ChangeEngine(doc, ENGINE_BOTH, ENGINE_NEUTRAL, 1, 0);
            break;
        case KEY_SLOT_RUDDER_PORT:
            ChangeRudder(doc, RUDDER_STEP_PORT, 0);
            break;
        case KEY_SLOT_RUDDER_STARBOARD:
            ChangeRudder(doc, RUDDER_STEP_STARBOARD, 0);
            break;
        case KEY_SLOT_RUDDER_AMIDSHIPS:
            ChangeRudder(doc, RUDDER_AMIDSHIPS, 0);
            break;
        default:
            break;
    }
}

// The start pose may only move while the boat is not under way.
void SetStartPoseWhilePaused(CKLVNDoc& doc, bool capture) {
    if (!doc.state.running) SetStartPose(doc, capture);
}

}  // namespace

bool HandleViewKey(CKLVNDoc& doc, int code) {
    switch (code) {
        case KEY_ESCAPE:
            return true;
        case KEY_F1:
            SetRunState(doc, 1, doc.state.running ? 0 : 1);
            break;
        case KEY_F2:
            SetRunState(doc, 1, 0);
            ResetBoat(doc);
            break;
        default:
            HandleControlKey(doc, code);
            break;
    }
    return false;
}

void HandleControlKey(CKLVNDoc& doc, int code) {
    // Keys with a fixed meaning win over any binding of the same code.
    switch (code) {
        case KEY_PAGE_UP:
            RaiseCamera(doc, 1);
            return;
        case KEY_PAGE_DOWN:
            LowerCamera(doc, 1);
            return;
        case KEY_F11:
            SetStartPoseWhilePaused(doc, false);
            return;
        case KEY_F12:
            SetStartPoseWhilePaused(doc, true);
            return;
        case KEY_EQUALS:
            WidenView(doc, 1);
            return;
        case KEY_MINUS:
            NarrowView(doc, 1);
            return;
        case KEY_COMMA:
        case KEY_PERIOD:
        case KEY_SLASH:
            return;
        default:
            break;
    }
    // The first slot holding the code acts, even when its condition stops it.
    for (int slot = 0; slot < KEY_SLOTS_CONSULTED; ++slot) {
        if (doc.settings.keyBindings[slot] == code) {
            RunSlotAction(doc, slot);
            return;
        }
    }
}

bool ControlKeyActs(const CKLVNDoc& doc, int code) {
    switch (code) {
        case KEY_PAGE_UP:
        case KEY_PAGE_DOWN:
        case KEY_F11:
        case KEY_F12:
        case KEY_EQUALS:
        case KEY_MINUS:
        case KEY_COMMA:
        case KEY_PERIOD:
        case KEY_SLASH:
            return true;
        default:
            break;
    }
    for (int slot = 0; slot < KEY_SLOTS_CONSULTED; ++slot) {
        if (doc.settings.keyBindings[slot] == code) return true;
    }
    return false;
}
