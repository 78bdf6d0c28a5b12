#include "simulation/bow_thruster.h"

#include "document/document.h"

void ComputeThrusterForce(CKLVNDoc& doc) {
    const BoatRecord& boat = doc.boat;
    ForceAccumulators& f = doc.forces;
    double t = doc.controls.thrusterThrust;  // lb, + to port
    f.thrusterSurgeForce = 0.0;
    f.thrusterSwayForce = -(boat.thrusterLateralForce * t);
    f.thrusterMoment = boat.bowThrusterArmFromCenterOfGravity * boat.thrusterTorque * t;
}
