#include "controls/control_state.h"
#include "document/document.h"
#include "practice/recording.h"

// The thruster is on or off: it pushes the bow with its full force. Positive
// thrust pushes to port.
void SetThruster(CKLVNDoc& doc, int command) {
    const double force = doc.boat.bowThrusterForce;
    RecordedOperation record(doc);
    if (command == THRUSTER_PORT || command == THRUSTER_STARBOARD || command == THRUSTER_OFF) {
        record.Write("thruster %s", command == THRUSTER_PORT        ? "port"
                                    : command == THRUSTER_STARBOARD ? "starboard"
                                                                    : "off");
    }
    if (command == THRUSTER_PORT) {
        doc.controls.thrusterThrust = force;
    } else if (command == THRUSTER_STARBOARD) {
        doc.controls.thrusterThrust = -force;
    } else if (command == THRUSTER_OFF) {
        doc.controls.thrusterThrust = 0.0;
    } else {
        return;  // not a thruster command: nothing changes, nothing to show
    }
    if (doc.ui->ConsoleIsOpen()) doc.ui->ShowThruster(command);
}
