#include <gtest/gtest.h>

#include <cmath>

#include "../support/recording_ui.h"
#include "../support/test_document.h"
#include "docks/click_points.h"
#include "docks/dock_lines.h"
#include "docks/dock_lines_click.h"
#include "simulation/step.h"

class DefaultBoatMooringTest : public ::testing::Test {
protected:
    std::unique_ptr<CKLVNDoc> docStorage = MakeTestDocument(MOTORBOAT);
    CKLVNDoc& doc = *docStorage;
    RecordingUserInterface ui;

    void SetUp() override {
        doc.ui = &ui;
        doc.state.posX =
            doc.dock.dockRects[0].xMax + 0.5 * doc.dock.slipSizes[doc.dock.slipSizeIndex].width;
        doc.state.posY = 5.0 + doc.boat.centerOfGravityFromTransom;
        doc.state.hullAngleDeg = 0.0;
    }

    // A click from a camera up and to the side, its ray through world (x, y, z).
    void ClickThrough(double x, double y, double z) {
        const double bx = x - doc.state.posX, by = y - doc.state.posY;
        const double nearPoint[3] = {bx + 0.2 * (80.0 - z), by - 0.1 * (80.0 - z), 80.0};
        const double farPoint[3] = {bx - 0.2 * (z + 20.0), by + 0.1 * (z + 20.0), -20.0};
        SetClickPoints(doc, nearPoint, farPoint);
        LineClick(doc, LINE_CLICK_LEFT);
    }

    DockLine& Line(int i) { return doc.mooring.dockLines[i]; }
};

TEST_F(DefaultBoatMooringTest, LinesMadeFastToTheFingerPierPullWhenTheBoatDrifts) {
    const double length = doc.boat.lengthOverall;
    EXPECT_DOUBLE_EQ(doc.mooring.linePickRadius, 0.025 * length);
    EXPECT_DOUBLE_EQ(Line(8).lineLength, 1.5 * length);
    EXPECT_DOUBLE_EQ(Line(4).lineLength, 250.0);
    EXPECT_GT(Line(8).cleatX, 0.0);  // the starboard stern corner

    // Picked up at its cleat, made fast on the right finger pier abreast of it.
    RefreshCleatWorld(doc, 8);
    ClickThrough(Line(8).cleatWorldX, Line(8).cleatWorldY, doc.boat.freeboardHeight);
    ASSERT_EQ(Line(8).state, LINE_IN_HAND);
    const double pierX = doc.dock.dockRects[2].xMin + 1.0;
    ClickThrough(pierX, Line(8).cleatWorldY, doc.dock.deckHeight);
    ASSERT_EQ(Line(8).state, LINE_SLACK);
    EXPECT_NEAR(Line(8).attachX, pierX, 1e-6);
    EXPECT_EQ(doc.state.attachedLineCount, 1);
    EXPECT_EQ(ui.beeps.size(), 2u);

    // Hardened with the boat 3 ft to port and engines at 0: counted negated.
    LineClick(doc, LINE_CLICK_LEFT);
    ASSERT_EQ(Line(8).state, LINE_TAUT);
    doc.state.posX -= 3.0;
    SetRunState(doc, 1, 1);
    Step(doc);
    EXPECT_EQ(doc.state.tautLineCount, -1);
    EXPECT_GT(doc.forces.lineForceX[8], 0.0);
    EXPECT_TRUE(std::isfinite(doc.state.posX) && std::isfinite(doc.state.headingRad));
}
