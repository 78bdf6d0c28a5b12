#include "simulation/line_forces.h"

#include <cmath>
#include <cstring>

#include "../docks/mooring_fixture.h"

// Line 0's cleat sits at (-5, -12) in the boat frame; the boat lies bow north
// at (0, posY), so the cleat is at (-5, posY - 12) in the world. The lines are
// made fast 30 ft due south of the cleat's starting place, at (-5, -42), so
// the span is posY + 30 ft.
class LineForcesTest : public MooringTest {
protected:
    double k = 0.0;  // lb per ft

    void SetUp() override {
        MooringTest::SetUp();
        k = doc.boat.lineSpringConstant;
    }

    void MakeFast(int i, double x, double y) {
        PlanePoint p = {x, y};
        ASSERT_TRUE(SetLineState(doc, i, nullptr, LINE_IN_HAND));
        ASSERT_TRUE(SetLineState(doc, i, &p, LINE_SLACK));
    }

    // One step of line forces with the accumulators zeroed first, as Step does.
    void StepAt(double posY) {
        doc.state.posY = posY;
        std::memset(&doc.forces, 0, sizeof doc.forces);
        ComputeLineForces(doc);
    }
};

TEST_F(LineForcesTest, LinesNotPastTheirLengthPullNothingEvenWithAZeroTimeStep) {
    MakeFast(0, -5.0, -42.0);
    StepAt(15.0);  // span 45 = the line's length
    EXPECT_EQ(Line(0).state, LINE_SLACK);
    EXPECT_DOUBLE_EQ(Line(0).cleatWorldY, 3.0);
    SetLineState(doc, 2, nullptr, LINE_IN_HAND);  // in hand is not made fast
    doc.state.tautLineCount = 5;
    StepAt(15.0);
    EXPECT_EQ(doc.state.tautLineCount, 0);
    for (int i = 0; i < DOCK_LINE_COUNT; ++i) {
        EXPECT_EQ(doc.forces.lineForceY[i], 0.0);
        EXPECT_EQ(doc.forces.lineMoment[i], 0.0);
    }

    doc.state.timeStep = 0.0;
    StepAt(18.0);
    EXPECT_TRUE(std::isfinite(doc.forces.lineForceY[0]));
    EXPECT_TRUE(std::isfinite(doc.forces.lineMoment[0]));
}

TEST_F(LineForcesTest, TautLinePullsLikeASpringStiffenedByItsStretchRate) {
    MakeFast(0, -5.0, -42.0);
    StepAt(18.0);  // 3 ft of stretch
    EXPECT_EQ(Line(0).state, LINE_TAUT);
    EXPECT_EQ(doc.state.tautLineCount, 1);
    EXPECT_DOUBLE_EQ(Line(0).span, 48.0);
    EXPECT_DOUBLE_EQ(Line(0).stretch, 3.0);
    // First taut step: the rate is the whole stretch over one step.
    EXPECT_DOUBLE_EQ(Line(0).stretchRate, 3.0 / 0.025);
    double pull = k * 3.0 * (1.0 + 1.5 * 120.0);
    EXPECT_NEAR(doc.forces.lineForceY[0], -pull, 1e-6 * pull);
    EXPECT_NEAR(doc.forces.lineForceX[0], 0.0, 1e-6 * pull);
    EXPECT_NEAR(Line(0).lineAngle, -0.5 * PI, 1e-9);
    // Pulled south at a point 5 ft to port of the centre: bow to port, a
    // positive (counter-clockwise) moment r x F.
    EXPECT_NEAR(doc.forces.lineMoment[0], 5.0 * pull, 1e-6 * pull);

    StepAt(18.1);  // stretching on at 4 ft/s
    EXPECT_NEAR(Line(0).stretchRate, 4.0, 1e-9);
    EXPECT_NEAR(doc.forces.lineForceY[0], -k * 3.1 * 7.0, 1e-6 * k);

    StepAt(17.9);  // contracting fast: the pull fades to nothing
    EXPECT_NEAR(Line(0).stretchRate, -8.0, 1e-9);
    EXPECT_EQ(doc.forces.lineForceY[0], 0.0);
    EXPECT_EQ(doc.state.tautLineCount, 1);
}

TEST_F(LineForcesTest, SlipsBeyondFiveFeetOfStretchAndHoldsAtItsNewLength) {
    MakeFast(0, -5.0, -42.0);
    SetLineState(doc, 0, nullptr, LINE_TAUT);  // hardened to 30 ft
    ASSERT_DOUBLE_EQ(Line(0).lineLength, 30.0);

    StepAt(5.0);  // exactly 5 ft: taut, not slipping
    EXPECT_EQ(doc.state.tautLineCount, 1);
    EXPECT_DOUBLE_EQ(Line(0).lineLength, 30.0);
    EXPECT_LT(doc.forces.lineForceY[0], 0.0);

    StepAt(6.0);  // 6 ft: slips to the span, no pull, not counted
    EXPECT_DOUBLE_EQ(Line(0).lineLength, 36.0);
    EXPECT_DOUBLE_EQ(Line(0).stretch, 0.0);
    EXPECT_EQ(Line(0).state, LINE_TAUT);
    EXPECT_EQ(doc.forces.lineForceY[0], 0.0);
    EXPECT_EQ(doc.state.tautLineCount, 0);

    StepAt(6.0);
    EXPECT_EQ(Line(0).state, LINE_SLACK);
    StepAt(8.0);  // taut again at its new length
    EXPECT_DOUBLE_EQ(Line(0).stretch, 2.0);
    EXPECT_EQ(doc.state.tautLineCount, 1);
}

TEST_F(LineForcesTest, RunsOutToFullLengthAndPartsBeyondFiftyFeet) {
    MakeFast(0, -5.0, -42.0);
    MakeFast(8, 5.0, -42.0);
    StepAt(21.0);  // 6 ft past the full 45 ft: runs out and pulls on
    EXPECT_DOUBLE_EQ(Line(0).lineLength, 45.0);
    EXPECT_DOUBLE_EQ(Line(0).stretch, 6.0);
    EXPECT_EQ(Line(0).state, LINE_TAUT);
    EXPECT_LT(doc.forces.lineForceY[0], -6.0 * k);
    EXPECT_EQ(doc.state.tautLineCount, 0);
    EXPECT_EQ(doc.state.attachedLineCount, 2);

    StepAt(65.0);  // exactly 50 ft past full length: holds
    EXPECT_EQ(Line(0).state, LINE_TAUT);
    EXPECT_EQ(doc.state.attachedLineCount, 2);

    StepAt(65.5);  // 50.5 ft: both part, and pull in this step
    EXPECT_EQ(Line(0).state, LINE_STOWED);
    EXPECT_EQ(Line(8).state, LINE_STOWED);
    EXPECT_EQ(doc.state.attachedLineCount, 0);
    EXPECT_LE(doc.forces.lineForceY[0], -50.5 * k);
    EXPECT_LE(doc.forces.lineForceY[8], -50.5 * k);
    EXPECT_DOUBLE_EQ(Line(0).attachX, 0.0);

    StepAt(65.5);  // stowed: nothing more
    EXPECT_EQ(doc.forces.lineForceY[0], 0.0);
    EXPECT_EQ(doc.state.tautLineCount, 0);
}

TEST_F(LineForcesTest, TheAnchorLineSlipsUpToItsOwnLength) {
    MakeFast(4, 0.0, -182.0);                            // 200 ft south of the bow cleat at (0, 18)
    MakeFast(3, Line(3).cleatX, Line(3).cleatY - 40.0);  // a dock line, 40 ft
    SetAllLines(doc, ALL_LINES_HARDEN);
    ASSERT_DOUBLE_EQ(Line(4).lineLength, 200.0);

    StepAt(49.0);  // anchor span 249: slips; the dock line, at 89 ft, runs out
    EXPECT_DOUBLE_EQ(Line(4).lineLength, 249.0);
    EXPECT_EQ(Line(4).state, LINE_TAUT);
    EXPECT_DOUBLE_EQ(Line(3).lineLength, 45.0);
    EXPECT_EQ(Line(3).state, LINE_TAUT);
    StepAt(61.0);  // anchor span 261: runs out to 250 ft
    EXPECT_DOUBLE_EQ(Line(4).lineLength, 250.0);
    EXPECT_DOUBLE_EQ(Line(4).stretch, 11.0);
    EXPECT_EQ(Line(3).state, LINE_STOWED);  // 56 ft past its full length: parted
}
