#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "../support/recording_ui.h"
#include "common/constants.h"
#include "docks/dock_lines.h"
#include "document/document.h"

constexpr double TEST_FREEBOARD = 3.0;

inline void SetHullPoint(BoatRecord& boat, int k, double x, double y) {
    HullPoint& p = boat.hullPoints[k];
    p.x = x;
    p.y = y;
    p.r = std::hypot(x, y);
    p.theta = std::atan2(y, x) + (y < 0.0 ? 2.0 * PI : 0.0);
    p.sinTheta = y / p.r;
    p.cosTheta = x / p.r;
}

inline void BuildTestHull(BoatRecord& boat) {
    const double half = 5.0, length = 30.0, cg = 12.0;
    for (int j = 0; j <= 199; ++j) {
        const double t = j / 199.0, x = -half * (1.0 - t * t * t), y = -cg + length * t;
        SetHullPoint(boat, j, x, y);
        SetHullPoint(boat, 398 - j, -x, y);
    }
    for (int k = 0; k < 19; ++k) SetHullPoint(boat, 399 + k, half - 2 * half * (k + 1) / 20.0, -cg);
    boat.hullPoints[HULL_OUTLINE_POINTS] = boat.hullPoints[0];
    for (int k = 0; k < HULL_OUTLINE_POINTS; ++k) {
        const HullPoint& a = boat.hullPoints[(k + HULL_OUTLINE_POINTS - 1) % HULL_OUTLINE_POINTS];
        const HullPoint& b = boat.hullPoints[(k + 1) % HULL_OUTLINE_POINTS];
        const HullPoint& p = boat.hullPoints[k];
        const double alpha = std::atan2(a.x - b.x, b.y - a.y);
        boat.hullNormals[k].nx = std::fabs(std::cos(alpha)) * (p.x > 0.0 ? -1.0 : 1.0);
        boat.hullNormals[k].ny = std::fabs(std::sin(alpha)) * (p.y > 0.0 ? -1.0 : 1.0);
    }
}

class MooringTest : public ::testing::Test {
protected:
    std::unique_ptr<CKLVNDoc> docStorage = std::make_unique<CKLVNDoc>();
    CKLVNDoc& doc = *docStorage;
    RecordingUserInterface ui;

    void SetUp() override {
        ClearDocument(doc);
        doc.ui = &ui;
        BoatRecord& boat = doc.boat;
        boat.boatType = MOTORBOAT;
        boat.lengthOverall = 30.0;
        boat.beam = 10.0;
        boat.freeboardHeight = TEST_FREEBOARD;
        boat.weight = 10000.0;
        boat.dockLineLength = 45.0;
        boat.anchorLineLength = 250.0;
        boat.lineSpringConstant = 1.24 * boat.weight + 21000.0;
        boat.lineSlipFactor = 5.0;
        boat.lineBreakingPtFactor = 10.0;
        boat.fenderDiameter = boat.fenderDiameterCopy = boat.fenderReach = 1.0;
        BuildTestHull(boat);
        doc.state.timeStep = 0.025;
        doc.dock.deckHeight = 1.5;
        doc.dock.pilingRadius = 1.5;
        doc.dock.dockRects[0] = {-14.0, -30.0, -8.0, 30.0};
        doc.dock.dockRectCount = 1;
        doc.dock.pilings[0] = {12.0, 0.0};
        doc.dock.pilings[1] = {14.0, 0.0};
        doc.dock.pilingCount = 2;
        SetUpLines(doc);
    }

    // A click straight down at world (x, y).
    void ClickAt(double x, double y) {
        doc.mooring.clickBoatPoint = doc.mooring.clickDeckPoint =
            doc.mooring.clickWaterPoint = {x, y};
    }

    DockLine& Line(int i) { return doc.mooring.dockLines[i]; }
};
