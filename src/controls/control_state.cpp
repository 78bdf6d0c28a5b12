#include "controls/control_state.h"

#include "common/constants.h"
#include "document/document.h"

void ResetControls(CKLVNDoc& doc) {
    ControlState& controls = doc.controls;
    for (int e = 0; e < 2; ++e) {
        controls.enginePower[e] = 0.0;
        controls.throttleNotch[e] = NOTCH_NEUTRAL;
    }
    // Refreshes the readouts and the console's engine display.
    ChangeEngine(doc, ENGINE_BOTH, ENGINE_NEUTRAL, 1, 0);
    controls.rudderAngle = 0.0;
    controls.rudderIndex = ANGLE_STEP_CENTRE;
    controls.thrusterThrust = 0.0;
    // An open console shows the centred rudder and the thruster off as well,
    // so it never shows a helm the boat no longer has.
    if (doc.ui->ConsoleIsOpen()) {
        doc.ui->ShowRudder(RUDDER_AMIDSHIPS, 50);
        doc.ui->ShowThruster(THRUSTER_OFF);
    }
}

void ReopenBridgeConsole(CKLVNDoc& doc) {
    if (doc.ui->ConsoleIsOpen()) doc.ui->ReopenConsole();
}
