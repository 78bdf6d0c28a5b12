#include "simulation/integrate_motion.h"

#include <cmath>

#include "common/angles.h"
#include "common/constants.h"
#include "document/document.h"
#include "simulation/environment_variation.h"
#include "simulation/gaussian_random.h"

namespace {

// The step's forces: world components, body surge and sway, and yaw moment.
struct ForceSums {
    double fx, fy;  // lb, world
    double surge;   // lb, along the bow
    double sway;    // lb, to starboard
    double moment;  // ft·lb, counter-clockwise
};

ForceSums SumForces(const ForceAccumulators& f) {
    ForceSums s;
    s.fx = f.windForceX + f.contactForceX;
    s.fy = f.windForceY + f.contactForceY;
    for (int k = 0; k < DOCK_LINE_COUNT; ++k) {
        s.fx += f.lineForceX[k];
        s.fy += f.lineForceY[k];
    }
    s.surge = f.thrusterSurgeForce + f.surgeResistance;
    s.sway = f.thrusterSwayForce + f.swayResistance;
    s.moment =
        f.windMoment + f.thrusterMoment + f.contactMoment + f.driftMoment + f.yawDampingMoment;
    for (int i = 0; i < ENGINE_SLOTS; ++i) {
        s.surge += f.propSurgeForce[i] + f.rudderSurgeForce[i];
        s.sway += f.propSwayForce[i] + f.propWalkForce[i] + f.rudderSwayForce[i];
        s.moment += f.propMoment[i] + f.propWalkMoment[i] + f.rudderMoment[i];
    }
    for (int k = 0; k < DOCK_LINE_COUNT; ++k) s.moment += f.lineMoment[k];
    return s;
}

// A boat lying on three or more lines, at least one of them taut, loses most
// of its way every step (a random share of it), so that it comes to rest on its
// lines instead of bouncing between them. Not while a current runs.
double MooringDamping(CKLVNDoc& doc) {
    double d = 1.0;
    if (doc.state.attachedLineCount >= 3 && !doc.settings.currentOn) {
        double r = UniformRandom(doc);
        if (doc.state.tautLineCount > 0) d = 0.9 * r;
        if (std::abs(doc.state.tautLineCount) >= 2) d = 0.8 * r;
    }
    return d;
}

double Clamp(double value, double limit) {
    if (std::fabs(value) > limit) return SignOf(value) * limit;
    return value;
}

void AdvanceHeading(CKLVNDoc& doc, double moment, double dt) {
    DynamicState& st = doc.state;
    const BoatRecord& boat = doc.boat;
    double alpha = Clamp(moment / boat.yawMomentOfInertia, boat.rotMaxAccel);  // rad/s²
    st.headingRad = WrapAngle(st.headingRad + (st.yawRate + 0.5 * alpha * dt) * dt);
    st.yawRate += alpha * dt;
    st.headingDeg = RAD_TO_DEG * st.headingRad;
    st.compassHeading = 450.0 - st.headingDeg;
    if (!std::isfinite(st.compassHeading)) st.compassHeading = 0.0;
    while (st.compassHeading >= 360.0) st.compassHeading -= 360.0;
}

void DeriveWaterMotion(DynamicState& st) {
    st.speedThroughWater = std::sqrt(st.waterVelX * st.waterVelX + st.waterVelY * st.waterVelY);
    st.courseThroughWater = std::atan2(st.waterVelY, st.waterVelX);
    while (st.courseThroughWater < 0.0) st.courseThroughWater += PI_2;
    if (st.speedThroughWater == 0.0) {
        st.driftAngle = 0.0;
    } else {
        st.driftAngle = st.courseThroughWater - st.headingRad;
        while (st.driftAngle > PI) st.driftAngle -= PI_2;
        while (st.driftAngle < -PI) st.driftAngle += PI_2;
    }
    double c = std::cos(st.headingRad);
    double s = std::sin(st.headingRad);
    st.surgeSpeed = st.waterVelX * c + st.waterVelY * s;
    st.swaySpeed = st.waterVelX * s - st.waterVelY * c;
}

// The current flows toward where it does not come from: a current from the
// north (0°) flows south.
void FormCurrentVector(EnvironmentRecord& env, double dt) {
    env.currentAngle = (90.0 - env.envValue[ENV_CURRENT_DIRECTION]) * DEG_TO_RAD;
    double speed = env.envValue[ENV_CURRENT_SPEED];  // knots
    env.currentVelX = -std::cos(env.currentAngle) * speed * KNOTS_TO_FPS;
    env.currentVelY = -std::sin(env.currentAngle) * speed * KNOTS_TO_FPS;
    env.currentSpeed =
        std::sqrt(env.currentVelX * env.currentVelX + env.currentVelY * env.currentVelY);
    env.currentStepX = dt * env.currentVelX;
    env.currentStepY = env.currentVelY * dt;
}

void DeriveGroundMotion(DynamicState& st, const EnvironmentRecord& env, bool currentOn) {
    if (currentOn) {
        st.groundVelX = st.waterVelX + env.currentVelX;
        st.groundVelY = st.waterVelY + env.currentVelY;
        st.speedOverGround =
            std::sqrt(st.groundVelX * st.groundVelX + st.groundVelY * st.groundVelY);
        st.courseOverGround = std::atan2(st.groundVelY, st.groundVelX);
    } else {
        st.groundVelX = st.waterVelX;
        st.groundVelY = st.waterVelY;
        st.speedOverGround = st.speedThroughWater;
        st.courseOverGround = st.courseThroughWater;
    }
}

// The wind the boat feels: the true wind less the boat's own motion over ground.
void FormApparentWind(EnvironmentRecord& env, const DynamicState& st) {
    env.windAngle = (90.0 - env.envValue[ENV_WIND_DIRECTION]) * DEG_TO_RAD;
    double speed = env.envValue[ENV_WIND_SPEED];  // knots
    double trueX = -std::cos(env.windAngle) * speed * KNOTS_TO_FPS;
    double trueY = -std::sin(env.windAngle) * speed * KNOTS_TO_FPS;
    env.apparentWindX = trueX - st.groundVelX;
    env.apparentWindY = trueY - st.groundVelY;
    env.apparentWindSpeed =
        std::sqrt(env.apparentWindX * env.apparentWindX + env.apparentWindY * env.apparentWindY);
}

}  // namespace

void IntegrateMotion(CKLVNDoc& doc) {
    DynamicState& st = doc.state;
    EnvironmentRecord& env = doc.env;
    const BoatRecord& boat = doc.boat;
    double dt = st.timeStep;

    ForceSums sum = SumForces(doc.forces);
    double damping = MooringDamping(doc);

    // Body forces into the world frame with the heading the step began with.
    double c = std::cos(st.headingRad);
    double s = std::sin(st.headingRad);
    sum.fx += sum.surge * c + sum.sway * s;
    sum.fy += sum.surge * s - sum.sway * c;

    AdvanceHeading(doc, sum.moment, dt);

    // While lying on taut lines in a current the acceleration limit follows
    // the current, so the lines can hold the boat against it.
    double limit = boat.transMaxAccel;  // ft/s²
    if (st.tautLineCount != 0 && env.currentSpeed != 0.0) {
        limit = boat.transMaxAccel * env.currentSpeed * 2.1;
    }
    double ay = Clamp(sum.fy / boat.mass, limit);
    double dy = (st.waterVelY + 0.5 * ay * dt) * dt;
    st.waterVelY += ay * dt;
    double ax = Clamp(sum.fx / boat.mass, limit);
    double dx = (st.waterVelX + 0.5 * ax * dt) * dt;
    st.waterVelX += ax * dt;

    st.yawRate *= damping;
    st.waterVelY *= damping;
    st.waterVelX *= damping;

    DeriveWaterMotion(st);
    st.posX += dx;
    st.posY += dy;

    VaryEnvironment(doc, ENV_CURRENT_SPEED);
    VaryEnvironment(doc, ENV_CURRENT_DIRECTION);
    FormCurrentVector(env, dt);
    DeriveGroundMotion(st, env, doc.settings.currentOn != 0);
    VaryEnvironment(doc, ENV_WIND_SPEED);
    VaryEnvironment(doc, ENV_WIND_DIRECTION);
    FormApparentWind(env, st);

    if (doc.settings.currentOn) {
        st.posX += env.currentStepX;
        st.posY += env.currentStepY;
    }
    st.hullAngleDeg = st.headingDeg - 90.0;
    if (st.hullAngleDeg < 0.0) st.hullAngleDeg += 360.0;
}
