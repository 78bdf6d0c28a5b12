#include "simulation/propulsion.h"

#include <cmath>

#include "document/document.h"

// Prop walk is strongest at rest and fades linearly with speed through the
// water, vanishing at twice the boat's maximum speed.
static double PropWalkSpeedFactor(const BoatRecord& boat, double surgeSpeed, double power) {
    double f = 1.0 - 0.5 * std::fabs(surgeSpeed / boat.maxSpeedFps);
    if (f < 0.0) f = 0.0;
    double direction = power < 0.0 ? boat.propWalkReverseFactor : boat.propWalkForwardFactor;
    return f * boat.propWalkSpeedFactor * direction;
}

static void ComputeOnePropeller(CKLVNDoc& doc, int i) {
    const BoatRecord& boat = doc.boat;
    ForceAccumulators& f = doc.forces;
    double p = doc.controls.enginePower[i];
    double delta = doc.controls.rudderAngle;
    double lateralOffset = i == 0 ? boat.portPropOffset : boat.propDistFromCL;  // ft, + starboard
    double rotation = i == 0 ? boat.propRotation : boat.propRotationStarboard;

    f.propSwayForce[i] = 0.0;
    double thrust = p * boat.maxThrust / boat.engineCount;  // lb
    if (thrust < 0.0) thrust = thrust * (1.2 * boat.reversePowerFactor);

    // An outboard or I/O drive turns its thrust with the rudder angle.
    if (boat.engineType == OUTBOARD_OR_IO) {
        f.propSwayForce[i] = std::sin(delta) * thrust;
        thrust = std::cos(delta) * thrust;
    }
    f.propSurgeForce[i] = thrust;
    f.propMoment[i] = lateralOffset * thrust;
    if (boat.engineType == OUTBOARD_OR_IO) {
        f.propMoment[i] =
            boat.propArmFromCenterOfGravity * f.propSwayForce[i] + lateralOffset * thrust;
    }

    // A right-hand propeller (rotation +1) walks the stern to starboard going
    // ahead, to port going astern.
    double walkFactor = PropWalkSpeedFactor(boat, doc.state.surgeSpeed, p);
    f.propWalkForce[i] =
        -rotation * thrust * boat.propWalkFactor * boat.propWalkLateralForce * walkFactor;
    f.propWalkMoment[i] =
        boat.propArmFromCenterOfGravity * boat.propWalkTorque * f.propWalkForce[i];
}

void ComputePropellerForces(CKLVNDoc& doc) {
    int engines = doc.boat.engineCount < ENGINE_SLOTS ? doc.boat.engineCount : ENGINE_SLOTS;
    for (int i = 0; i < engines; ++i) ComputeOnePropeller(doc, i);
}
