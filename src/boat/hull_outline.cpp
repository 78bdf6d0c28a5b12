#include <cmath>

#include "boat/boat_defaults.h"
#include "boat/hull_model.h"
#include "document/document.h"

// The hull outline in plan: 418 points, built in generator units and then
// normalised to X = 0 at the stern centre ... 1 at the bow tip and
// Y = -0.5 ... +0.5 of the beam. Points 0 ... 199 run up the port side from the
// stern corner to the bow tip, 199 ... 398 back down the starboard side, and
// 399 ... 417 close the transom arc through its centre, point 408.

namespace {

constexpr int SIDE_POINTS = 200;  // 0 ... 199, one side from stern corner to bow tip
constexpr int BOW_TIP = 199;
constexpr int STARBOARD_CORNER = 398;  // mirror of point 0
constexpr int TRANSOM_FIRST = 399;
constexpr int STERN_CENTRE = 408;
constexpr int TRANSOM_ARC_STEPS = 10;

// One side of a Motorboat or Sailboat: an exponential curve v = c0^(c1·u),
// turned so that its ends line up along the boat.
void BuildCurvedSide(BoatRecord& r) {
    const double* c = r.hullShapeCoefficients;
    const bool sailboat = r.boatType == SAILBOAT;
    double* X = r.hullOutlineX;
    double* Y = r.hullOutlineY;

    double u[SIDE_POINTS];
    double v[SIDE_POINTS];
    for (int i = 0; i < SIDE_POINTS; ++i) {
        u[i] = c[3] + i * c[2];
        v[i] = std::pow(c[0], c[1] * u[i]);
    }
    if (sailboat) {  // fine bow and fuller quarters: run the curve backwards
        for (int i = 0; i < SIDE_POINTS / 2; ++i) {
            const double t = v[i];
            v[i] = v[BOW_TIP - i];
            v[BOW_TIP - i] = t;
        }
    }
    double vMax = v[0];
    double vMin = v[0];
    for (int i = 1; i < SIDE_POINTS; ++i) {
        if (v[i] > vMax) vMax = v[i];
        if (v[i] < vMin) vMin = v[i];
    }
    const double run = 199 * c[2];
    const double theta = sailboat ? -std::atan2((c[4] + 1) * (vMax - vMin), run)
                                  : std::atan2(c[4] * (vMax - vMin), run);
    for (int i = 0; i < SIDE_POINTS; ++i) {
        const double rho = std::sqrt(u[i] * u[i] + v[i] * v[i]);
        const double phi = std::atan2(v[i], u[i]) - theta;
        X[i] = rho * std::cos(phi);
        Y[i] = rho * std::sin(phi);
        if (sailboat) Y[i] *= 0.58;
    }
}

// One side of the Houseboat: straight and parallel to the centreline for
// 0.986 of the length, then a blunt, slightly rounded bow.
void BuildHouseboatSide(BoatRecord& r) {
    double* X = r.hullOutlineX;
    double* Y = r.hullOutlineY;
    X[0] = 0;
    Y[0] = 0;
    for (int i = 1; i <= 133; ++i) {
        X[i] = X[i - 1] + 0.007413533834586466;  // 0.986 / 133, added step by step
        Y[i] = 0;
    }
    X[134] = 0.989, Y[134] = 0.001;
    X[135] = 0.991, Y[135] = 0.002;
    X[136] = 0.992, Y[136] = 0.004;
    X[BOW_TIP] = 1.0;
    Y[BOW_TIP] = 0.5;
    for (int i = BOW_TIP - 1; i >= 137; --i) {
        X[i] = X[i + 1] - 0.00011290322580645162;  // 0.007 / 62
        Y[i] = Y[i + 1] - 0.007951612903225807;    // 0.493 / 62
    }
}

// The transom: an arc about a centre on the centreline (xc), from the
// starboard corner through the stern centre to the port corner.
void BuildTransomArc(BoatRecord& r) {
    double* X = r.hullOutlineX;
    double* Y = r.hullOutlineY;
    const double yS = Y[STARBOARD_CORNER];
    const double y0 = Y[0];
    const double xc = r.hullShapeCoefficients[5] * X[BOW_TIP];
    const double dx = xc - X[STARBOARD_CORNER];
    const double dy = yS - Y[BOW_TIP];
    const double R = std::sqrt(dx * dx + dy * dy);
    const double phi0 = std::atan2(dy, dx);
    const double s = 0.1 * phi0;
    for (int k = 0; k < TRANSOM_ARC_STEPS; ++k) {
        const double phi = phi0 - (k + 1) * s;
        const double ax = xc - R * std::cos(phi);
        const double ay = R * std::sin(phi) + y0 + dy;
        X[TRANSOM_FIRST + k] = ax;
        Y[TRANSOM_FIRST + k] = ay;
        if (k < TRANSOM_ARC_STEPS - 1) {  // the port half mirrors the starboard half
            X[TRANSOM_FIRST + 18 - k] = ax;
            Y[TRANSOM_FIRST + 18 - k] = yS + y0 - ay;
        }
    }
}

}  // namespace

void BuildOutline(BoatRecord& r) {
    double* X = r.hullOutlineX;
    double* Y = r.hullOutlineY;

    double yMax;
    double yMin;
    if (r.boatType == HOUSEBOAT) {
        BuildHouseboatSide(r);
        yMax = 0.5;
        yMin = 0;
        r.hullOutlineWidestIndex = 0;
    } else {
        BuildCurvedSide(r);
        // Point 0, the stern corner, does not count.
        yMax = Y[1];
        yMin = Y[1];
        int widest = 1;
        for (int i = 2; i < SIDE_POINTS; ++i) {
            if (Y[i] > yMax) yMax = Y[i];
            if (Y[i] < yMin) {
                yMin = Y[i];
                widest = i;
            }
        }
        r.hullOutlineWidestIndex = widest;
    }

    // Shift the port side so that its widest point is at 0, then mirror it
    // about the centreline at half the full width D.
    for (int i = 0; i < SIDE_POINTS; ++i) Y[i] -= yMin;
    const double D = 2 * (yMax - yMin);
    for (int j = 0; j < SIDE_POINTS; ++j) {
        X[STARBOARD_CORNER - j] = X[j];
        Y[STARBOARD_CORNER - j] = D - Y[j];
    }

    BuildTransomArc(r);

    // Normalise: the stern centre to X = 0, the bow tip to X = 1.
    const double xStern = X[STERN_CENTRE];
    const double xBow = X[BOW_TIP];
    for (int i = 0; i < HULL_OUTLINE_POINTS; ++i) {
        X[i] = (X[i] - xStern) / (xBow - xStern);
        Y[i] = Y[i] / D - 0.5;
    }
}

void BuildHullOutline(CKLVNDoc& doc, bool full) {
    if (!doc.boatPresent) {
        ApplyBoatDefaults(doc.boat, doc.settings.currentBoatType, full, doc.boat.lengthOverall);
        doc.boatPresent = true;
    }
    BuildOutline(doc.boat);
    BuildBoatMesh(doc.boat);
}
