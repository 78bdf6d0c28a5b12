#include "docks/dock_lines_click.h"

#include <string>
#include <utility>

#include "docks/click_points.h"
#include "mooring_fixture.h"

class LineClickTest : public MooringTest {
protected:
    void Click(double x, double y, int kind = LINE_CLICK_LEFT) {
        ClickAt(x, y);
        LineClick(doc, kind);
    }
    // Picks line i up at its cleat.
    void PickUp(int i) {
        Click(Line(i).cleatX, Line(i).cleatY);
        ASSERT_EQ(Line(i).state, LINE_IN_HAND);
    }
};

TEST_F(LineClickTest, PickUpAndMakeFastOnTheDockEdgeOrAPiling) {
    Click(-5.0 + 0.7, -12.0);  // line 0's cleat at (-5, -12), within the pick radius
    EXPECT_EQ(Line(0).state, LINE_IN_HAND);
    ASSERT_EQ(ui.beeps.size(), 1u);
    EXPECT_EQ(ui.beeps[0], std::make_pair(1000, 100));
    Click(-8.0, -10.0);  // the edge of the deck counts as inside
    EXPECT_EQ(Line(0).state, LINE_SLACK);
    EXPECT_DOUBLE_EQ(Line(0).attachX, -8.0);
    EXPECT_DOUBLE_EQ(Line(0).attachZ, 1.51);
    // (13, 0) is 1 ft from pilings 0 and 1: the lower index wins.
    PickUp(8);
    Click(13.0, 0.0);
    EXPECT_DOUBLE_EQ(Line(8).attachX, 12.0);
    EXPECT_EQ(ui.statusTexts.back(), "Line 8 Attached to Piling 0    Type = 0");
    // 4.5 ft (three radii) from piling 1 still takes it; beyond does not.
    PickUp(7);
    Click(18.5, 0.0);
    EXPECT_EQ(ui.statusTexts.back(), "Line 7 Attached to Piling 1    Type = 0");
    PickUp(6);
    Click(18.51, 0.0);
    EXPECT_EQ(Line(6).state, LINE_IN_HAND);
    EXPECT_EQ(doc.state.attachedLineCount, 4);
}

TEST_F(LineClickTest, TooShortBeepsOpenWaterKeepsInHandAnchorDropsInWater) {
    doc.boat.dockLineLength = 10.0;
    SetUpLines(doc);
    PickUp(8);  // 13.9 ft from piling 0
    const size_t beeps = ui.beeps.size();
    Click(12.0, 0.0);
    Click(40.0, 40.0);  // open water: no beep
    EXPECT_EQ(Line(8).state, LINE_IN_HAND);
    EXPECT_EQ(ui.beeps.size(), beeps + 1);
    PickUp(4);  // the anchor line, at the bow
    EXPECT_EQ(Line(8).state, LINE_STOWED);
    doc.mooring.clickDeckPoint = {40.0, 100.0};
    doc.mooring.clickWaterPoint = {41.0, 101.0};
    LineClick(doc, LINE_CLICK_LEFT);
    EXPECT_EQ(Line(4).state, LINE_SLACK);
    EXPECT_DOUBLE_EQ(Line(4).attachY, 101.0);
}

TEST_F(LineClickTest, HardenLoosenAndCastOff) {
    PickUp(0);
    Click(-9.0, -12.0);
    size_t beeps = ui.beeps.size();
    Click(-7.0, -12.0, LINE_CLICK_RIGHT);  // loosening a slack line at full length: nothing
    EXPECT_EQ(Line(0).state, LINE_SLACK);
    EXPECT_EQ(ui.beeps.size(), beeps);
    LineClick(doc, LINE_CLICK_LEFT);  // on the line: hardens it to the span
    EXPECT_EQ(Line(0).state, LINE_TAUT);
    EXPECT_DOUBLE_EQ(Line(0).lineLength, 4.0);
    LineClick(doc, LINE_CLICK_LEFT);  // again does nothing but beep
    EXPECT_EQ(ui.beeps.size(), beeps + 1);
    Line(0).lineLength = 30.0;  // slipped, then let out again
    LineClick(doc, LINE_CLICK_RIGHT);
    EXPECT_EQ(Line(0).state, LINE_SLACK);
    EXPECT_DOUBLE_EQ(Line(0).lineLength, 45.0);
    // Shift + left loosens every line without a beep or a status text.
    LineClick(doc, LINE_CLICK_LEFT);
    const int texts = ui.statusTextCount;
    beeps = ui.beeps.size();
    Click(100.0, 100.0, LINE_CLICK_SHIFT_LEFT);
    EXPECT_EQ(Line(0).state, LINE_SLACK);
    EXPECT_EQ(ui.statusTextCount, texts);
    EXPECT_EQ(ui.beeps.size(), beeps);
    Click(-9.0, -12.0, LINE_CLICK_SHIFT_RIGHT);  // at the attach point: cast off
    EXPECT_EQ(Line(0).state, LINE_STOWED);
    EXPECT_EQ(doc.state.attachedLineCount, 0);
}

TEST_F(LineClickTest, HitLineAtCleatAttachAndAlongTheLine) {
    PickUp(0);
    Click(-9.0, -12.0);
    doc.state.posY = 3.0;  // the boat has moved: the cleat is now at (-5, -9)
    SetLineState(doc, 0, nullptr, LINE_TAUT);
    ASSERT_DOUBLE_EQ(Line(0).span, 5.0);
    ClickAt(0.0, 0.0);
    doc.mooring.clickBoatPoint = {-5.0, -12.3};  // cleat, boat frame
    EXPECT_TRUE(HitLine(doc, 0));
    doc.mooring.clickBoatPoint = {100.0, 100.0};
    const struct {
        PlanePoint deck;
        bool hit;
    } clicks[] = {{{-9.0 + 0.7, -12.0}, true},         // near the attach point
                  {{-7.0 + 0.6, -10.5 - 0.8}, true},   // 1 ft off the middle
                  {{-7.0 + 0.9, -10.5 - 1.2}, false},  // 1.5 ft off the middle
                  {{-1.0, -6.0}, false}};              // beyond the cleat
    for (const auto& c : clicks) {
        doc.mooring.clickDeckPoint = c.deck;
        EXPECT_EQ(HitLine(doc, 0), c.hit) << c.deck.x;
    }
}

TEST(ClickPointsTest, TheRayIsCutAtTheThreeHeights) {
    const double nearPoint[3] = {1.0, 2.0, 11.0}, farPoint[3] = {3.0, -2.0, -9.0};
    const PlanePoint atOne = CutSegmentAtHeight(nearPoint, farPoint, 1.0);
    EXPECT_TRUE(atOne.x == 2.0 && atOne.y == 0.0);
    const double flatFar[3] = {5.0, 5.0, 11.0};  // parallel to the plane: the near point
    EXPECT_DOUBLE_EQ(CutSegmentAtHeight(nearPoint, flatFar, 1.0).x, 1.0);

    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    doc->boat.freeboardHeight = 6.0;
    doc->dock.deckHeight = 1.5;
    doc->state.posX = 100.0;
    doc->state.posY = 50.0;
    doc->state.hullAngleDeg = 90.0;  // bow west: boat x (starboard) points north
    SetClickPoints(*doc, nearPoint, farPoint);
    const Mooring& m = doc->mooring;
    EXPECT_TRUE(m.clickBoatPoint.x == 1.5 && m.clickBoatPoint.y == 1.0);
    // Deck cut in the boat frame (1.95, 0.1), water cut (2.1, -0.2).
    EXPECT_NEAR(m.clickDeckPoint.x, 100.0 - 0.1, 1e-5);
    EXPECT_NEAR(m.clickDeckPoint.y, 50.0 + 1.95, 1e-5);
    EXPECT_NEAR(m.clickWaterPoint.x, 100.0 + 0.2, 1e-5);
    EXPECT_NEAR(m.clickWaterPoint.y, 50.0 + 2.1, 1e-5);
}
