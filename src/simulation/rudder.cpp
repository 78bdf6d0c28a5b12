#include "simulation/rudder.h"

#include <cmath>

#include "common/angles.h"
#include "document/document.h"

// Revolutions per minute times pitch in inches, to feet per second.
constexpr double RPM_INCHES_TO_FPS = 0.00139;

static bool AnchorLineTaut(const CKLVNDoc& doc) {
    return doc.mooring.dockLines[ANCHOR_LINE_INDEX].state == LINE_TAUT;
}

static void ComputeOneRudder(CKLVNDoc& doc, int i) {
    const BoatRecord& boat = doc.boat;
    ForceAccumulators& f = doc.forces;
    double p = doc.controls.enginePower[i];
    double delta = doc.controls.rudderAngle;

    f.rudderSurgeForce[i] = 0.0;
    f.rudderSwayForce[i] = 0.0;

    // An outboard or I/O has no rudder behind its propeller: no wash.
    double wash = 0.0;  // ft/s
    if (boat.engineType != OUTBOARD_OR_IO) {
        wash = boat.maxRpm * boat.propPitch * p * RPM_INCHES_TO_FPS;
    }
    double reverse = p < 0.0 ? boat.rudderPropWashReverse : 1.0;
    double flow = wash * boat.propWashFactor * reverse + doc.state.surgeSpeed;

    // The rudder force grows with the square of the flow and keeps its sign.
    double r =
        SignOf(flow) * flow * flow * boat.rudderTurningTorque * std::sin(delta) * boat.rudderArea;
    double lateral =
        (p < 0.0 && AnchorLineTaut(doc)) ? boat.rudderLateralForceScaled : boat.rudderLateralForce;
    f.rudderSwayForce[i] = -r * lateral;
    f.rudderMoment[i] = r * boat.rudderArmFromCenterOfGravity;
}

void ComputeRudderForces(CKLVNDoc& doc) {
    int engines = doc.boat.engineCount < ENGINE_SLOTS ? doc.boat.engineCount : ENGINE_SLOTS;
    for (int i = 0; i < engines; ++i) ComputeOneRudder(doc, i);
}
