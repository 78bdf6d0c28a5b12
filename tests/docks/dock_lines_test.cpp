#include "docks/dock_lines.h"

#include <cmath>

#include "mooring_fixture.h"

class DockLinesTest : public MooringTest {
protected:
    bool MakeFast(int i, double x, double y) {
        PlanePoint p = {x, y};
        SetLineState(doc, i, nullptr, LINE_IN_HAND);
        return SetLineState(doc, i, &p, LINE_SLACK);
    }
};

TEST_F(DockLinesTest, SetUpPutsEveryLineStowedAtItsCleat) {
    const int cleats[3][DOCK_LINE_COUNT] = {{0, 60, 122, 177, 199, 221, 276, 338, 398},
                                            {0, 33, -1, -1, 199, -1, 298, -1, 398},
                                            {0, -1, -1, 133, 199, -1, -1, -1, 398}};
    EXPECT_DOUBLE_EQ(doc.mooring.linePickRadius, 0.025 * 30.0);
    EXPECT_DOUBLE_EQ(doc.mooring.lineAttachHeight, 1.51);
    EXPECT_EQ(doc.mooring.anchorLineIndex, 4);
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        ASSERT_TRUE(type == MOTORBOAT || MakeFast(0, -10.0, -12.0));  // cast off by a new set-up
        doc.boat.boatType = type;
        SetUpLines(doc);
        EXPECT_EQ(doc.state.attachedLineCount, 0);
        for (int i = 0; i < DOCK_LINE_COUNT; ++i) {
            EXPECT_TRUE(cleats[type][i] < 0 || Line(i).cleatPointIndex == cleats[type][i]) << i;
            EXPECT_EQ(Line(i).state, LINE_STOWED);
            EXPECT_DOUBLE_EQ(Line(i).cleatY, doc.boat.hullPoints[Line(i).cleatPointIndex].y);
            EXPECT_DOUBLE_EQ(Line(i).cleatZ, TEST_FREEBOARD + 0.01);
            EXPECT_DOUBLE_EQ(Line(i).lineLength, i == 4 ? 250.0 : 45.0);
        }
    }
}

TEST_F(DockLinesTest, MadeFastOnlyWithinNominalLengthAndOneInHand) {
    EXPECT_TRUE(SetLineState(doc, 2, nullptr, LINE_IN_HAND));
    EXPECT_TRUE(SetLineState(doc, 5, nullptr, LINE_IN_HAND));  // drops line 2
    EXPECT_EQ(Line(2).state, LINE_STOWED);
    EXPECT_EQ(doc.state.attachedLineCount, 1);
    // Line 0's cleat is at (-5, -12); a dock line is 45 ft long, the anchor line 250 ft.
    EXPECT_FALSE(MakeFast(0, -5.0, -12.0 - 45.001));
    EXPECT_EQ(Line(0).state, LINE_IN_HAND);
    ASSERT_TRUE(MakeFast(0, -5.0, -12.0 - 45.0));
    EXPECT_DOUBLE_EQ(Line(0).span, 45.0);
    EXPECT_FALSE(MakeFast(4, std::nan(""), 218.0));  // not a number: never in reach
    EXPECT_TRUE(MakeFast(4, 0.0, 18.0 + 200.0));
    EXPECT_EQ(doc.state.attachedLineCount, 2);
    // A stowed line is not made fast without a point; line 9 does not exist.
    EXPECT_FALSE(SetLineState(doc, 3, nullptr, LINE_SLACK));
    EXPECT_FALSE(SetLineState(doc, 9, nullptr, LINE_IN_HAND));
    EXPECT_EQ(Line(3).state, LINE_STOWED);
}

TEST_F(DockLinesTest, HardenLoosenAndRemoveOneOrEveryLine) {
    ASSERT_TRUE(MakeFast(0, -8.0, -8.0));  // 5 ft from the cleat
    Line(0).stretch = 2.0;
    ASSERT_TRUE(SetLineState(doc, 0, nullptr, LINE_TAUT));
    EXPECT_DOUBLE_EQ(Line(0).lineLength, 5.0);
    EXPECT_DOUBLE_EQ(Line(0).stretch, 0.0);
    ASSERT_TRUE(SetLineState(doc, 0, nullptr, LINE_SLACK));
    EXPECT_DOUBLE_EQ(Line(0).lineLength, 45.0);

    MakeFast(1, -9.0, -12.0);
    SetLineState(doc, 2, nullptr, LINE_IN_HAND);
    doc.state.posX = 60.0;
    SetAllLines(doc, ALL_LINES_HARDEN);
    EXPECT_TRUE(Line(0).state == LINE_TAUT && Line(1).state == LINE_TAUT);
    EXPECT_EQ(Line(2).state, LINE_IN_HAND);
    EXPECT_DOUBLE_EQ(Line(0).lineLength, std::hypot(63.0, 4.0));  // (55, -12) to (-8, -8)
    SetAllLines(doc, ALL_LINES_LOOSEN);
    EXPECT_EQ(Line(1).state, LINE_SLACK);
    EXPECT_DOUBLE_EQ(Line(1).lineLength, 45.0);
    SetAllLines(doc, 1);  // not a command: nothing happens
    EXPECT_EQ(Line(2).state, LINE_IN_HAND);
    // Remove drops the line in hand as well, and a stale count is recounted.
    doc.state.attachedLineCount = 99;
    SetAllLines(doc, ALL_LINES_REMOVE);
    for (int i = 0; i < DOCK_LINE_COUNT; ++i) EXPECT_EQ(Line(i).state, LINE_STOWED);
    EXPECT_DOUBLE_EQ(Line(0).span, 0.0);
    EXPECT_EQ(doc.state.attachedLineCount, 0);
    EXPECT_TRUE(ui.beeps.empty() && ui.statusTexts.empty());
}
