#pragma once

// A small hand-built boat and dock for the dock line and fender tests: a 30 ft
// motorboat, 10 ft beam, centre of gravity 12 ft from the transom, lying with
// its bow north at the origin (so boat frame and world coincide); one dock
// deck to port and two pilings to starboard.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "../support/recording_ui.h"
#include "common/constants.h"
#include "docks/dock_lines.h"
#include "document/document.h"

constexpr double TEST_LENGTH = 30.0;
constexpr double TEST_BEAM = 10.0;
constexpr double TEST_CG = 12.0;  // from the transom
constexpr double TEST_FREEBOARD = 3.0;

inline void SetHullPoint(BoatRecord& boat, int k, double x, double y) {
    HullPoint& p = boat.hullPoints[k];
    p.x = x;
    p.y = y;
    p.r = std::hypot(x, y);
    p.theta = std::atan2(y, x);
    if (p.theta < 0.0) p.theta += 2.0 * PI;
    p.sinTheta = y / p.r;
    p.cosTheta = x / p.r;
}

// Port side from the stern corner (point 0) to the bow tip (199), starboard
// side back to its stern corner (398), the transom from there to point 0.
inline void BuildTestHull(BoatRecord& boat) {
    double half = 0.5 * TEST_BEAM;
    for (int j = 0; j <= 199; ++j) {
        double t = j / 199.0;
        double x = -half * (1.0 - t * t * t);
        double y = -TEST_CG + TEST_LENGTH * t;
        SetHullPoint(boat, j, x, y);
        SetHullPoint(boat, 398 - j, -x, y);
    }
    for (int k = 0; k < 19; ++k)
        SetHullPoint(boat, 399 + k, half - TEST_BEAM * (k + 1) / 20.0, -TEST_CG);
    boat.hullPoints[HULL_OUTLINE_POINTS] = boat.hullPoints[0];
    // Inward normals from the chord through the neighbours.
    for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
        const HullPoint& a = boat.hullPoints[(k + HULL_OUTLINE_POINTS - 1) % HULL_OUTLINE_POINTS];
        const HullPoint& b = boat.hullPoints[(k + 1) % HULL_OUTLINE_POINTS];
        const HullPoint& p = boat.hullPoints[k];
        double alpha = std::atan2(a.x - b.x, b.y - a.y);
        boat.hullNormals[k].nx = std::fabs(std::cos(alpha)) * (p.x > 0.0 ? -1.0 : 1.0);
        boat.hullNormals[k].ny = std::fabs(std::sin(alpha)) * (p.y > 0.0 ? -1.0 : 1.0);
    }
}

inline void BuildTestBoat(BoatRecord& boat) {
    boat.boatType = MOTORBOAT;
    boat.lengthOverall = TEST_LENGTH;
    boat.beam = TEST_BEAM;
    boat.freeboardHeight = TEST_FREEBOARD;
    boat.weight = 10000.0;
    boat.dockLineLength = 1.5 * TEST_LENGTH;
    boat.anchorLineLength = 250.0;
    boat.lineSpringConstant = 1.24 * boat.weight + 21000.0;
    boat.lineSlipFactor = 5.0;
    boat.lineBreakingPtFactor = 10.0;
    boat.fenderDiameter = 1.0;
    boat.fenderDiameterCopy = 1.0;
    boat.fenderReach = 1.0;
    BuildTestHull(boat);
}

class MooringTest : public ::testing::Test {
protected:
    std::unique_ptr<CKLVNDoc> docStorage = std::make_unique<CKLVNDoc>();
    CKLVNDoc& doc = *docStorage;
    RecordingUserInterface ui;

    void SetUp() override {
        ClearDocument(doc);
        doc.ui = &ui;
        BuildTestBoat(doc.boat);
        doc.state.timeStep = 0.025;
        doc.dock.deckHeight = 1.5;
        doc.dock.pilingRadius = 1.5;
        doc.dock.dockRects[0] = {-14.0, -30.0, -8.0, 30.0};  // deck 3 ft off the port side
        doc.dock.dockRectCount = 1;
        doc.dock.pilings[0] = {12.0, 0.0};
        doc.dock.pilings[1] = {14.0, 0.0};
        doc.dock.pilingCount = 2;
        SetUpLines(doc);
    }

    // A click straight down at world (x, y), boat at the origin bow north.
    void ClickAt(double x, double y) {
        doc.mooring.clickBoatPoint = {x, y};
        doc.mooring.clickDeckPoint = {x, y};
        doc.mooring.clickWaterPoint = {x, y};
    }

    DockLine& Line(int i) { return doc.mooring.dockLines[i]; }
};
