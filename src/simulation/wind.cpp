#include "simulation/wind.h"

#include <cmath>

#include "common/angles.h"
#include "common/constants.h"
#include "document/document.h"

// The wind force is never allowed above the boat's full thrust on either axis,
// so the engines can always hold the boat.
static double ClampToThrust(double force, double maxThrust) {
    if (std::fabs(force) > maxThrust) return SignOf(force) * maxThrust;
    return force;
}

void ComputeWindForce(CKLVNDoc& doc) {
    const BoatRecord& boat = doc.boat;
    const EnvironmentRecord& env = doc.env;
    ForceAccumulators& f = doc.forces;
    double psi = doc.state.headingRad;
    double s = std::sin(psi);
    double c = std::cos(psi);

    // Linear in the apparent wind speed; the area presented to each world axis
    // mixes the side and the front of the boat by the heading.
    double areaX = std::fabs(s * boat.lateralWindArea) + std::fabs(c * boat.frontalWindArea);
    double areaY = std::fabs(c * boat.lateralWindArea) + std::fabs(s * boat.frontalWindArea);
    f.windForceX = KNOTS_TO_FPS * env.apparentWindX * areaX * boat.presentedAreaDrag;
    f.windForceX = ClampToThrust(f.windForceX, boat.maxThrust);
    f.windForceY = KNOTS_TO_FPS * env.apparentWindY * areaY * boat.presentedAreaDrag;
    f.windForceY = ClampToThrust(f.windForceY, boat.maxThrust);

    f.windMoment = (s * boat.windCenterArm * f.windForceX - c * f.windForceY * boat.windCenterArm) *
                   boat.cpTorque;
}
