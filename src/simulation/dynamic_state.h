#pragma once

#include <cstdint>

constexpr int ENGINE_SLOTS = 2;  // 0 single or port, 1 starboard
constexpr int DOCK_LINE_COUNT = 9;

// The boat's motion and the run state. World frame: x east, y north; heading
// counter-clockwise from +x in radians; yaw positive counter-clockwise.
struct DynamicState {
    std::uint8_t running;            // 1 while the simulation runs
    std::uint8_t mouseInputEnabled;  // scene clicks are ignored while 0
    std::int32_t timerIntervalMs;    // 25
    double timeStep;                 // s, 0.025
    bool firstStepDone;              // the first Step of the program's life has run
    bool firstRunningStepDone;       // the first running Step has drawn its deviate

    double posX, posY;  // ft, centre of gravity
    double waterVelX, waterVelY;
    double speedThroughWater;
    double courseThroughWater;  // rad, [0, 2·PI)
    double groundVelX, groundVelY;
    double speedOverGround;
    double courseOverGround;  // rad, -PI ... PI
    double yawRate;           // rad/s
    double surgeSpeed, swaySpeed;
    double driftAngle;  // rad, [-PI, PI]
    double headingRad;
    double headingDeg;
    double compassHeading;  // deg, [0, 360)
    double hullAngleDeg;    // rotation of body-frame points into the world
    std::int32_t tautLineCount;
    std::int32_t attachedLineCount;
};

// Forces and moments of one step; zeroed at its start, summed by the
// integration. World-frame forces in world components, the others on the
// body axes (surge along the bow, sway to starboard). lb and ft·lb.
struct ForceAccumulators {
    double windForceX, windForceY, windMoment;
    double surgeResistance, swayResistance;
    double driftMoment, yawDampingMoment;
    double propSurgeForce[ENGINE_SLOTS], propSwayForce[ENGINE_SLOTS], propMoment[ENGINE_SLOTS];
    double propWalkForce[ENGINE_SLOTS], propWalkMoment[ENGINE_SLOTS];
    double rudderSurgeForce[ENGINE_SLOTS], rudderSwayForce[ENGINE_SLOTS],
        rudderMoment[ENGINE_SLOTS];
    double thrusterSurgeForce, thrusterSwayForce, thrusterMoment;
    double lineForceX[DOCK_LINE_COUNT], lineForceY[DOCK_LINE_COUNT], lineMoment[DOCK_LINE_COUNT];
    double contactForceX, contactForceY, contactMoment;
};
