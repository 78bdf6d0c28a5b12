#include "simulation/contact.h"

#include <cmath>

#include "common/angles.h"
#include "common/constants.h"
#include "document/document.h"
#include "simulation/contact_hull.h"

namespace {

constexpr double PUSH_STEP = 0.1;         // ft along the contact normal per contact and pass
constexpr double MAX_POSITION_FIX = 1.0;  // ft per axis per contact and pass
constexpr double MAX_TURN_DEG = 5.0;      // of which a fifth is applied per contact and pass

// How strongly a contact turns the boat: 0.27 for a 35 ft boat, falling (or
// rising) linearly to the type's value at 100 ft, not clamped outside.
double MomentFactor(const BoatRecord& boat) {
    double a = 0.08;  // motorboat
    if (boat.boatType == SAILBOAT) a = 0.15;
    if (boat.boatType == HOUSEBOAT) a = 0.25;
    return 0.27 + (a - 0.27) / (100.0 - 35.0) * (boat.lengthOverall - 35.0);
}

double DirectionOfPush(int pushX, int pushY) {
    if (pushX == 1 && pushY == 0) return 0.0;
    if (pushX == 1 && pushY == 1) return PI_025;
    if (pushX == -1 && pushY == 1) return PI_075;
    if (pushX == -1 && pushY == 0) return PI;
    if (pushX == -1 && pushY == -1) return PI_125;
    if (pushX == 0 && pushY == -1) return PI_15;
    if (pushX == 1 && pushY == -1) return PI_175;
    return PI_05;  // (0, +1) and (0, 0)
}

double Limit(double value, double limit) {
    if (value > limit) return limit;
    if (value < -limit) return -limit;
    return value;
}

// The angle, in degrees, between the lines from R to Q and from R to Q'. The
// slope form is kept where it is defined; a line running due north or south
// (or two perpendicular lines) takes the acute angle between the directions.
double TurnAngleDeg(double rx, double ry, const WorldPoint& q, const WorldPoint& qMoved) {
    const double m1 = (qMoved.y - ry) / (qMoved.x - rx);
    const double m2 = (q.y - ry) / (q.x - rx);
    const double denominator = m1 * m2 + 1.0;
    if (std::isfinite(m1) && std::isfinite(m2) && denominator != 0.0) {
        return std::fabs(std::atan((m1 - m2) / denominator)) * RAD_TO_DEG;
    }
    const double ax = qMoved.x - rx, ay = qMoved.y - ry;
    const double bx = q.x - rx, by = q.y - ry;
    double angle = std::fabs(std::atan2(ax * by - ay * bx, ax * bx + ay * by));
    if (angle > PI_05) angle = PI - angle;  // lines, not rays
    return angle * RAD_TO_DEG;
}

// One contact of a pass: an impulse that stops the approach, a moment within
// its limit, and a small push-out and turn applied at once. Returns false
// when the boat is not moving, which ends the pass.
bool ResolveOneContact(CKLVNDoc& doc, int c, double rx, double ry, double momentFactor) {
    DynamicState& st = doc.state;
    ContactState& list = doc.contact;
    const BoatRecord& boat = doc.boat;
    const BoatPose pose = CurrentBoatPose(doc);
    const int point = list.contactPoint[c];
    const int cell = list.contactCell[c];

    double theta;
    double pushX = list.contactPushX[c], pushY = list.contactPushY[c];
    if (point == HULL_BOW_TIP && list.contactSource[c] == 0 && cell >= 0 &&
        cell < MAX_CONTACT_CELLS) {
        const ContactCell& hit = doc.dock.contactCells[cell];
        theta = DirectionOfPush(hit.pushX, hit.pushY);  // the push stays the depth vector
    } else {
        const double phi = DEG_TO_RAD * st.hullAngleDeg;
        theta = WrapAngle(NormalOfHullPoint(boat, point).alpha + phi);
        pushX = PUSH_STEP * std::cos(theta);
        pushY = PUSH_STEP * std::sin(theta);
    }

    const double approach =
        std::fabs(st.speedOverGround) * std::cos(st.courseThroughWater - theta + PI);
    if (approach == 0.0) return false;

    const double impulse = 0.2 * std::fabs(approach * boat.mass / st.timeStep);
    doc.forces.contactForceX += impulse * std::cos(theta);
    doc.forces.contactForceY += impulse * std::sin(theta);

    const double arm = list.contactArm[c];
    double moment = impulse * arm * momentFactor;
    const double maxMoment = 0.2 * boat.weight;
    if (std::fabs(moment) > maxMoment) {
        moment = SignOf(moment) * maxMoment;
        st.yawRate *= 0.2;
    }
    if (moment * st.yawRate < 0) st.yawRate = 0.0;
    doc.forces.contactMoment += moment;

    const int k = point >= 0 && point < HULL_POINT_RECORDS ? point : 0;
    const WorldPoint q = PlaceTablePoint(pose, boat.hullPoints[k]);
    const WorldPoint qMoved = {q.x + pushX, q.y + pushY};
    const double turn = SignOf(arm) * TurnAngleDeg(rx, ry, q, qMoved);
    st.posX += Limit(pushX, MAX_POSITION_FIX);
    st.posY += Limit(pushY, MAX_POSITION_FIX);
    st.headingDeg += 0.2 * Limit(turn, MAX_TURN_DEG);
    st.headingRad = DEG_TO_RAD * st.headingDeg;
    st.compassHeading = CompassHeadingDeg(st.headingRad);
    return true;
}

// Sorts the first search's contacts for the practice score: hull against docks
// and pilings, or fenders; and the fastest hull point of the former, from the
// motion the boat came in with. A source of -1 is fender 0 only while that
// fender is set; otherwise it is a hull point outside every zone.
void TallyFirstPass(CKLVNDoc& doc, int found) {
    ContactState& list = doc.contact;
    const DynamicState& st = doc.state;
    const BoatPose pose = CurrentBoatPose(doc);
    list.firstPassDockHits = 0;
    list.firstPassFenderHits = 0;
    list.firstPassHardestSpeed = 0.0;
    for (int c = 0; c < found && c < CONTACT_LIST_SIZE; ++c) {
        const int source = list.contactSource[c];
        const int fender = -source - 1;
        if (source < 0 && fender < FENDER_SLOTS && doc.mooring.fenderActive[fender]) {
            ++list.firstPassFenderHits;
            continue;
        }
        ++list.firstPassDockHits;
        const int point = list.contactPoint[c];
        const int k = point >= 0 && point < HULL_POINT_RECORDS ? point : 0;
        const WorldPoint q = PlaceTablePoint(pose, doc.boat.hullPoints[k]);
        const double vx = st.groundVelX - st.yawRate * (q.y - st.posY);
        const double vy = st.groundVelY + st.yawRate * (q.x - st.posX);
        const double speed = std::sqrt(vx * vx + vy * vy);
        if (speed > list.firstPassHardestSpeed) list.firstPassHardestSpeed = speed;
    }
}

}  // namespace

void ResolveContacts(CKLVNDoc& doc) {
    const double momentFactor = MomentFactor(doc.boat);
    doc.forces.contactForceX = 0.0;
    doc.forces.contactForceY = 0.0;
    doc.forces.contactMoment = 0.0;
    doc.contact.firstPassContactCount = 0;

    for (int pass = 0; pass < CONTACT_PASSES; ++pass) {
        const int found = FindContacts(doc);
        if (pass == 0) {
            doc.contact.firstPassContactCount = found;
            TallyFirstPass(doc, found);
        }
        if (found == 0) break;
        const double rx = doc.state.posX, ry = doc.state.posY;
        for (int c = 0; c < found; ++c) {
            if (!ResolveOneContact(doc, c, rx, ry, momentFactor)) break;
        }
    }
}
