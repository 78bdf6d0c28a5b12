#include "boat/hull_model.h"
#include "controls/control_state.h"
#include "docks/dock_layout.h"
#include "docks/dock_lines.h"
#include "document/document.h"
#include "document/startup.h"
#include "simulation/step.h"

// The part of start-up that needs no file: from the settings and the boat
// already in the document to a boat lying at its start pose, paused.
void BringUpDocument(CKLVNDoc& doc) {
    InitDockTables(doc);

    // Without a loaded boat the full default boat of the current type is built
    // (building the hull points also sets up the lines).
    if (!doc.boatPresent) {
        BuildHullOutline(doc, true);
        BuildHullPoints(doc);
    } else {
        SetUpLines(doc);
    }

    InitSimulation(doc);
    ResetControls(doc);  // engines neutral with their readouts, rudder amidships, thruster off

    LayoutDock(doc);  // places the boat at its start pose
}
