#include <cmath>

#include "common/constants.h"
#include "document/document.h"
#include "render/gl_api.h"
#include "render/palette.h"
#include "render/primitives.h"
#include "render/scene.h"

namespace {

constexpr double CURRENT_ARROW_HEIGHT = 0.05;  // ft: over the water, under docks and boat
constexpr double INDICATOR_HALF_WIDTH = 0.3;   // ft
constexpr double IDLE_MARKER_SIZE = 0.5;

// A drawing point of the boat record: lateral x, longitudinal y, height, size.
struct DrawPoint {
    double x, y, z, size;
};

DrawPoint PointOf(const double p[4]) {
    return {p[0], p[1], p[2], p[3]};
}

// A filled bar of half-width 0.3 ft starting at the point, of signed length l
// across the boat (along x) or along it (along y).
void DrawBar(const DrawPoint& p, double l, bool acrossBoat) {
    glPushAttrib(GL_POLYGON_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_QUADS);
    if (acrossBoat) {
        glVertex3d(p.x, p.y - INDICATOR_HALF_WIDTH, p.z);
        glVertex3d(p.x + l, p.y - INDICATOR_HALF_WIDTH, p.z);
        glVertex3d(p.x + l, p.y + INDICATOR_HALF_WIDTH, p.z);
        glVertex3d(p.x, p.y + INDICATOR_HALF_WIDTH, p.z);
    } else {
        glVertex3d(p.x - INDICATOR_HALF_WIDTH, p.y, p.z);
        glVertex3d(p.x + INDICATOR_HALF_WIDTH, p.y, p.z);
        glVertex3d(p.x + INDICATOR_HALF_WIDTH, p.y + l, p.z);
        glVertex3d(p.x - INDICATOR_HALF_WIDTH, p.y + l, p.z);
    }
    glEnd();
    glPopAttrib();
}

// An idle control shows a small octagon in the current colour; a working one
// shows it in red or green with a bar of length l.
void DrawIndicator(const DrawPoint& p, bool idle, bool red, double l, bool acrossBoat) {
    if (idle) {
        DrawDisc(SHAPE_OCTAGON, p.x, p.y, p.z, IDLE_MARKER_SIZE);
        return;
    }
    glPushAttrib(GL_CURRENT_BIT);
    SetColour(PALETTE[red ? PALETTE_RED : PALETTE_GREEN]);
    DrawDisc(SHAPE_OCTAGON, p.x, p.y, p.z, IDLE_MARKER_SIZE);
    DrawBar(p, l, acrossBoat);
    glPopAttrib();
}

}  // namespace

void DrawWindIndicator(const CKLVNDoc& doc) {
    const BoatRecord& b = doc.boat;
    const DynamicState& s = doc.state;
    // The boat's wind centre, turned into the world.
    double a = s.hullAngleDeg * DEG_TO_RAD;
    double px = b.windCenterPointX, py = b.windCenterFromCenterOfGravity;
    double x = std::cos(a) * px - std::sin(a) * py + s.posX;
    double y = std::sin(a) * px + std::cos(a) * py + s.posY;
    double speedKnots = doc.env.envValue[ENV_WIND_SPEED];
    double direction = doc.env.envValue[ENV_WIND_DIRECTION];
    DrawArrow(x, y, b.boatTopHeight + 0.01, 180.0 - direction, 0.055 * b.lengthOverall,
              speedKnots * b.beam * 0.5 / 30.0, PALETTE[PALETTE_RED]);
}

void DrawCurrentIndicator(const CKLVNDoc& doc) {
    // One grid step is a tenth of the view's height at the far plane, so the
    // grid keeps its size on the screen whatever the field of view.
    double step = doc.camera.clientSize[1] * doc.camera.feetPerPixel * 0.1;
    double length = step * doc.env.envValue[ENV_CURRENT_SPEED] * 0.3 / 5.0;
    double angle = 180.0 - doc.env.envValue[ENV_CURRENT_DIRECTION];
    for (int i = 0; i <= 8; ++i) {
        for (int j = 0; j <= 8; ++j) {
            DrawArrow(-4.0 * step + i * step, -4.0 * step + j * step, CURRENT_ARROW_HEIGHT, angle,
                      0.1 * step, length, PALETTE[PALETTE_BLUE]);
        }
    }
}

void DrawControlIndicators(const CKLVNDoc& doc) {
    const BoatRecord& b = doc.boat;
    const ControlState& c = doc.controls;

    DrawPoint rudder = PointOf(b.rudderDrawPoint);
    DrawIndicator(rudder, c.rudderAngle == 0.0, c.rudderAngle < 0.0,
                  c.rudderAngle / ANGLE_STEPS[18] * rudder.size, true);

    if (b.hasBowThruster) {
        DrawPoint thruster = PointOf(b.thrusterDrawPoint);
        bool toPort = c.thrusterThrust > 0.0;
        DrawIndicator(thruster, c.thrusterThrust == 0.0, toPort,
                      toPort ? -thruster.size : thruster.size, true);
    }

    // Full power is the last notch of the throttle table; a table without one
    // (a damaged file) shows the power as it is.
    double fullPower = b.throttlePowerTable[THROTTLE_NOTCHES - 1];
    if (!(fullPower > 0.0)) fullPower = 1.0;
    int engines = b.engineCount == 2 ? 2 : 1;
    for (int e = 0; e < engines; ++e) {
        DrawPoint prop = PointOf(b.propDrawPoints[e]);
        double power = c.enginePower[e];
        DrawIndicator(prop, power == 0.0, power < 0.0, power / fullPower * prop.size, false);
    }
}
