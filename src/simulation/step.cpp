#include "simulation/step.h"

#include <cstring>

#include "common/constants.h"
#include "controls/control_state.h"
#include "docks/dock_lines.h"
#include "docks/fenders.h"
#include "document/document.h"
#include "practice/recording.h"
#include "simulation/bow_thruster.h"
#include "simulation/contact.h"
#include "simulation/gaussian_random.h"
#include "simulation/hull_resistance.h"
#include "simulation/integrate_motion.h"
#include "simulation/line_forces.h"
#include "simulation/propulsion.h"
#include "simulation/rudder.h"
#include "simulation/status_line.h"
#include "simulation/wind.h"

constexpr int TIMER_INTERVAL_MS = 25;
constexpr double TIME_STEP = 0.025;  // s

static void ClearForces(CKLVNDoc& doc) {
    std::memset(&doc.forces, 0, sizeof doc.forces);
}

// A boat lying on taut lines with both engines idle reports its taut count
// negated, which tells the integration to damp it without the engines' help.
static void MarkIdleOnLines(CKLVNDoc& doc) {
    if (doc.state.tautLineCount > 0 && doc.controls.enginePower[0] == 0.0 &&
        doc.controls.enginePower[1] == 0.0) {
        doc.state.tautLineCount = -doc.state.tautLineCount;
    }
}

namespace {

void StepRunning(CKLVNDoc& doc) {
    DynamicState& st = doc.state;
    if (!st.firstStepDone) {
        doc.statusText[0] = '\0';
        st.firstStepDone = true;
    }
    if (!st.running) return;

    // The first running step draws one deviate, which seeds the uniform source
    // (from the clock unless seeded already) before anything else draws.
    if (!st.firstRunningStepDone) {
        GaussianRandom(doc, 1.0, 0.0);
        st.firstRunningStepDone = true;
    }

    ClearForces(doc);
    if (doc.settings.windOn) ComputeWindForce(doc);
    ComputeHullResistance(doc);
    ComputePropellerForces(doc);
    ComputeRudderForces(doc);
    ShowStatusLine(doc);  // shows the motion of the previous step
    ComputeThrusterForce(doc);
    ComputeLineForces(doc);
    MarkIdleOnLines(doc);
    ResolveContacts(doc);
    IntegrateMotion(doc);
}

}  // namespace

void Step(CKLVNDoc& doc) {
    NoteStepStarting(doc);
    StepRunning(doc);
    NoteStepDone(doc);
}

void SetRunState(CKLVNDoc& doc, int mode, int value) {
    std::uint8_t flag = value ? 1 : 0;
    RecordedOperation record(doc);
    if (mode == 1 || mode == 2) record.Write(flag ? "run" : "pause");
    if (mode == 0 || mode == 2) doc.state.mouseInputEnabled = flag;
    if (mode == 1 || mode == 2) doc.state.running = flag;
    if (doc.ui->ConsoleIsOpen()) doc.ui->ShowRunState();
}

void ResetBoat(CKLVNDoc& doc) {
    RecordedOperation record(doc);  // what the reset does is not an input of its own
    DynamicState& st = doc.state;
    const BoatRecord& boat = doc.boat;

    st.posX = boat.startX;
    st.posY = boat.startY;
    st.headingDeg = boat.startHeading;
    st.headingRad = DEG_TO_RAD * st.headingDeg;
    st.compassHeading = 450.0 - st.headingDeg;
    while (st.compassHeading >= 360.0) st.compassHeading -= 360.0;
    st.hullAngleDeg = boat.startHeading - 90.0;

    st.speedOverGround = 0.0;
    st.courseThroughWater = 0.0;
    st.speedThroughWater = 0.0;
    st.waterVelX = 0.0;
    st.waterVelY = 0.0;
    st.courseOverGround = 0.0;
    st.groundVelX = 0.0;
    st.groundVelY = 0.0;
    st.driftAngle = 0.0;
    st.yawRate = 0.0;
    st.surgeSpeed = 0.0;
    st.swaySpeed = 0.0;

    RemoveAllFenders(doc);
    SetUpLines(doc);
    st.attachedLineCount = 0;

    ClearForces(doc);
    ResetControls(doc);
    EndRecordedDrive(doc);
}

void InitSimulation(CKLVNDoc& doc) {
    DynamicState& st = doc.state;
    st.running = 0;
    st.mouseInputEnabled = 0;
    st.timerIntervalMs = TIMER_INTERVAL_MS;
    st.timeStep = TIME_STEP;
    st.tautLineCount = 0;
    st.attachedLineCount = 0;
    ClearForces(doc);
}
