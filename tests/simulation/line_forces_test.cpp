#include "simulation/line_forces.h"

#include <cmath>
#include <cstring>

#include "../docks/mooring_fixture.h"

// Line 0's cleat sits at (-5, -12) in the boat frame, the boat bow north at
// (0, posY); lines made fast at (-5, -42) span posY + 30 ft.
class LineForcesTest : public MooringTest {
protected:
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

TEST_F(LineForcesTest, TautLinePullsLikeASpringStiffenedByItsStretchRate) {
    const double k = doc.boat.lineSpringConstant;
    MakeFast(0, -5.0, -42.0);
    StepAt(15.0);  // span 45 = the line's length: slack, no pull
    EXPECT_TRUE(Line(0).state == LINE_SLACK && doc.forces.lineForceY[0] == 0.0);

    StepAt(18.0);  // 3 ft of stretch, the first taut step
    EXPECT_TRUE(Line(0).state == LINE_TAUT && doc.state.tautLineCount == 1);
    const double pull = k * 3.0 * (1.0 + 1.5 * 120.0);
    EXPECT_NEAR(doc.forces.lineForceY[0], -pull, 1e-6 * pull);
    EXPECT_NEAR(doc.forces.lineMoment[0], 5.0 * pull, 1e-6 * pull);  // bow to port
    StepAt(18.1);                                                    // stretching on at 4 ft/s
    EXPECT_NEAR(doc.forces.lineForceY[0], -k * 3.1 * 7.0, 1e-6 * k);
    StepAt(17.9);  // contracting fast: the pull fades to nothing
    EXPECT_EQ(doc.forces.lineForceY[0], 0.0);

    doc.state.timeStep = 0.0;
    StepAt(18.0);
    EXPECT_TRUE(std::isfinite(doc.forces.lineForceY[0]));
}

TEST_F(LineForcesTest, SlipsBeyondFiveFeetOfStretchAndHoldsAtItsNewLength) {
    MakeFast(0, -5.0, -42.0);
    SetLineState(doc, 0, nullptr, LINE_TAUT);  // hardened to 30 ft
    ASSERT_DOUBLE_EQ(Line(0).lineLength, 30.0);
    StepAt(5.0);  // exactly 5 ft: taut, not slipping
    EXPECT_EQ(doc.state.tautLineCount, 1);
    EXPECT_DOUBLE_EQ(Line(0).lineLength, 30.0);
    StepAt(6.0);  // slips to the span, no pull, not counted
    EXPECT_DOUBLE_EQ(Line(0).lineLength, 36.0);
    EXPECT_TRUE(doc.forces.lineForceY[0] == 0.0 && doc.state.tautLineCount == 0);
    StepAt(8.0);  // taut again at its new length
    EXPECT_TRUE(Line(0).stretch == 2.0 && doc.state.tautLineCount == 1);
}

TEST_F(LineForcesTest, RunsOutToFullLengthAndPartsBeyondFiftyFeet) {
    MakeFast(0, -5.0, -42.0);
    MakeFast(8, 5.0, -42.0);
    StepAt(21.0);  // 6 ft past the full 45 ft: runs out and pulls on
    EXPECT_TRUE(Line(0).lineLength == 45.0 && Line(0).state == LINE_TAUT);
    StepAt(65.0);  // exactly 50 ft past: holds
    EXPECT_EQ(Line(0).state, LINE_TAUT);
    StepAt(65.5);  // both part, pulling in this step, and are stowed
    EXPECT_TRUE(Line(0).state == LINE_STOWED && Line(8).state == LINE_STOWED);
    EXPECT_EQ(doc.state.attachedLineCount, 0);
    EXPECT_LE(doc.forces.lineForceY[0], -50.5 * doc.boat.lineSpringConstant);
    StepAt(65.5);
    EXPECT_EQ(doc.forces.lineForceY[0], 0.0);
}

TEST_F(LineForcesTest, TheAnchorLineSlipsUpToItsOwnLength) {
    MakeFast(4, 0.0, -182.0);  // 200 ft south of the bow cleat at (0, 18)
    SetAllLines(doc, ALL_LINES_HARDEN);
    StepAt(49.0);  // span 249: slips
    EXPECT_DOUBLE_EQ(Line(4).lineLength, 249.0);
    StepAt(61.0);  // span 261: runs out to 250 ft
    EXPECT_DOUBLE_EQ(Line(4).lineLength, 250.0);
    EXPECT_EQ(Line(4).state, LINE_TAUT);
}
