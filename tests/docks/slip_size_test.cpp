#include <gtest/gtest.h>

#include <string>

#include "../support/recording_ui.h"
#include "../support/test_document.h"
#include "boat/units.h"
#include "docks/custom_slip.h"
#include "docks/dock_commands.h"

namespace {

std::unique_ptr<CKLVNDoc> BoatOfSize(double lengthOverall, double beam) {
    auto doc = MakeTestDocument(MOTORBOAT);
    doc->boat.lengthOverall = lengthOverall;
    doc->boat.beam = beam;
    return doc;
}

int AutoSlipFor(double lengthOverall, double beam) {
    auto doc = BoatOfSize(lengthOverall, beam);
    SelectAutoSlipSize(*doc);
    EXPECT_EQ(doc->boat.savedSlipSizeIndex, doc->dock.slipSizeIndex);
    return doc->dock.slipSizeIndex;
}

}  // namespace

// The first standard slip wider than twice the beam and at least 1.4 boat
// lengths long; beyond the largest, a custom slip of the boat plus clearance.
TEST(SlipSize, AutoChoosesTheFirstSlipThatFitsAtTheExactLimits) {
    EXPECT_EQ(AutoSlipFor(14.0, 5.0), 1);  // 10 is not below 10
    EXPECT_EQ(AutoSlipFor(20.0 / 1.4, 3.0), 0);
    EXPECT_EQ(AutoSlipFor(60.0 / 1.4, 10.9), 4);

    auto doc = BoatOfSize(50.0, 10.0);
    doc->boat.savedCustomSlip[0] = 33;
    SelectAutoSlipSize(*doc);
    EXPECT_EQ(doc->dock.slipSizeIndex, CUSTOM_SLIP);
    EXPECT_EQ(doc->boat.savedSlipSizeIndex, CUSTOM_SLIP);
    EXPECT_EQ(doc->boat.savedSlipSizeAuto, 1);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].width, 20.0);
    EXPECT_NEAR(doc->dock.slipSizes[CUSTOM_SLIP].length, 70.0, 1e-12);
    EXPECT_DOUBLE_EQ(doc->boat.savedCustomSlip[0], 20.0);
    EXPECT_NEAR(doc->boat.savedCustomSlip[1], 70.0, 1e-12);
    EXPECT_TRUE(DockMenuChecked(*doc, ID_SLIP_AUTO));
    EXPECT_TRUE(DockMenuChecked(*doc, ID_SLIP_CUSTOM));
}

TEST(SlipSize, StandardSizesAndTheirSavedSelections) {
    auto doc = MakeTestDocument(MOTORBOAT);
    ApplyCustomSlip(*doc, 25, 55);
    // "13 x 30" leaves the boat's saved selection alone...
    EXPECT_TRUE(DoDockCommand(*doc, ID_SLIP_13X30));
    EXPECT_EQ(doc->dock.slipSizeIndex, 1);
    EXPECT_EQ(doc->dock.slipSizeAuto, 0);
    EXPECT_EQ(doc->boat.savedSlipSizeIndex, CUSTOM_SLIP);
    EXPECT_DOUBLE_EQ(doc->boat.savedCustomSlip[1], 55.0);

    // ...every other standard size overwrites it.
    const int ids[] = {ID_SLIP_10X20, ID_SLIP_16X40, ID_SLIP_19X50, ID_SLIP_22X60};
    const int index[] = {0, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        doc->boat.savedSlipSizeAuto = 1;
        EXPECT_TRUE(DoDockCommand(*doc, ids[i]));
        EXPECT_EQ(doc->dock.slipSizeIndex, index[i]);
        EXPECT_EQ(doc->boat.savedSlipSizeIndex, index[i]);
        EXPECT_EQ(doc->boat.savedSlipSizeAuto, 0);
        for (const DockMenuItem& item : SLIP_MENU)
            EXPECT_EQ(DockMenuChecked(*doc, item.commandId), item.commandId == ids[i]);
    }
    EXPECT_FALSE(DoDockCommand(*doc, ID_SLIP_CUSTOM));  // the shell opens the dialog
    EXPECT_FALSE(DoDockCommand(*doc, 40000));

    // With Auto on, the size it chose is checked as well.
    doc->boat.lengthOverall = 30;
    doc->boat.beam = 8;
    EXPECT_TRUE(DoDockCommand(*doc, ID_SLIP_AUTO));
    EXPECT_EQ(doc->boat.savedSlipSizeAuto, 1);
    EXPECT_EQ(doc->dock.slipSizeIndex, 3);
    EXPECT_TRUE(DockMenuChecked(*doc, ID_SLIP_AUTO));
    EXPECT_TRUE(DockMenuChecked(*doc, ID_SLIP_19X50));
    EXPECT_FALSE(DockMenuChecked(*doc, ID_SLIP_16X40));
}

TEST(SlipSize, LayoutCommandsChecksAndLabels) {
    auto doc = MakeTestDocument(MOTORBOAT);
    for (int layout = 1; layout <= 9; ++layout) {
        EXPECT_TRUE(DoDockCommand(*doc, LAYOUT_MENU[layout - 1].commandId));
        EXPECT_EQ(doc->dock.dockLayout, layout);
        EXPECT_EQ(doc->settings.dockLayoutSaved, layout);
        for (int other = 1; other <= 9; ++other)
            EXPECT_EQ(DockMenuChecked(*doc, LAYOUT_MENU[other - 1].commandId), other == layout);
    }
    EXPECT_STREQ(DockMenuLabel(*doc, 32817), "Pilings - Left");
    EXPECT_STREQ(FindDockMenuItem(32811)->prompt, "Slips with right entrance");
    EXPECT_STREQ(DockMenuLabel(*doc, ID_SLIP_19X50), "19 x 50");
    doc->settings.metricUnits = 1;
    const char* metric[] = {"3 x 6", "4 x 9", "5 x 12", "6 x 15", "7 x 18"};
    for (int i = 0; i < 5; ++i)
        EXPECT_STREQ(DockMenuLabel(*doc, SLIP_MENU[i + 1].commandId), metric[i]);
    EXPECT_STREQ(DockMenuLabel(*doc, ID_SLIP_AUTO), "Auto");
}

TEST(CustomSlip, ProposesTheBoatWithClearanceAndCorrectsWithMessagesInOrder) {
    auto doc = BoatOfSize(35.0, 12.4);
    RecordingUserInterface ui;
    doc->ui = &ui;
    CustomSlipProposal english = ProposeCustomSlip(*doc);
    EXPECT_EQ(english.width, 14);  // 14.4
    EXPECT_EQ(english.length, 37);
    EXPECT_STREQ(english.unitsLabel, "UNITS: English");

    ApplyCustomSlip(*doc, 20, 100);  // exactly 100 is accepted silently
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].length, 100.0);

    doc->boat.beam = 12.0;
    ApplyCustomSlip(*doc, 13, 101);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], "Slip width adjusted to fit boat");
    EXPECT_EQ(ui.messages[1], "Slip length adjusted to maximum");
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].width, 14.0);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].length, 100.0);
    EXPECT_EQ(doc->dock.slipSizeIndex, CUSTOM_SLIP);
    EXPECT_EQ(doc->dock.slipSizeAuto, 0);
    EXPECT_EQ(doc->boat.savedSlipSizeIndex, CUSTOM_SLIP);
    EXPECT_EQ(doc->boat.savedSlipSizeAuto, 0);
    EXPECT_DOUBLE_EQ(doc->boat.savedCustomSlip[0], 14.0);
    EXPECT_DOUBLE_EQ(doc->boat.savedCustomSlip[1], 100.0);
    // The layout was rebuilt with it: the default pose sits on its centre line.
    EXPECT_DOUBLE_EQ(doc->boat.startX, 14.0 * 0.5 + DOCK_WIDTH);
    EXPECT_DOUBLE_EQ(doc->dock.dockRects[0].yMax, 100.0 + DOCK_WIDTH);

    // In metric the proposal and the entries are metres.
    doc->boat.beam = 12.4;
    doc->settings.metricUnits = 1;
    doc->units = UnitFactorsFor(true);
    CustomSlipProposal metric = ProposeCustomSlip(*doc);
    EXPECT_EQ(metric.width, 4);    // 4.39 m
    EXPECT_EQ(metric.length, 11);  // 11.28 m
    EXPECT_STREQ(metric.unitsLabel, "UNITS: Metric");
    ui.messages.clear();
    ApplyCustomSlip(*doc, 6, 20);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].width, 6 * 3.281);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].length, 20 * 3.281);
}

TEST(DockTables, StartUpTakesOnlyACustomSlipFromTheBoat) {
    auto doc = MakeTestDocument(MOTORBOAT);
    doc->boat.savedSlipSizeIndex = CUSTOM_SLIP;
    doc->boat.savedSlipSizeAuto = 0;
    doc->boat.savedCustomSlip[0] = 17;
    doc->boat.savedCustomSlip[1] = 44;
    doc->settings.dockLayoutSaved = 4;
    InitDockTables(*doc);
    EXPECT_EQ(doc->dock.slipSizeIndex, CUSTOM_SLIP);
    EXPECT_EQ(doc->dock.slipSizeAuto, 0);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].length, 44);
    EXPECT_EQ(doc->dock.dockLayout, 4);
    EXPECT_DOUBLE_EQ(doc->dock.dockWidth, 6.0);
    EXPECT_DOUBLE_EQ(doc->dock.pilingRadius, 1.5);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[2].length, 40);

    doc->boat.savedSlipSizeIndex = 2;
    InitDockTables(*doc);
    EXPECT_EQ(doc->dock.slipSizeIndex, 3);
    EXPECT_EQ(doc->dock.slipSizeAuto, 1);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].width, 0);
}

TEST(StartPose, DefaultAndCapturedPoses) {
    auto doc = MakeTestDocument(MOTORBOAT);
    SelectSlipSize(*doc, 2);
    EXPECT_DOUBLE_EQ(doc->boat.startX, 16 * 0.5 + DOCK_WIDTH);
    EXPECT_DOUBLE_EQ(doc->boat.startY, -(doc->boat.lengthOverall * 1.1));
    EXPECT_DOUBLE_EQ(doc->boat.startHeading, 90.0);
    EXPECT_EQ(doc->boat.startPoseCaptured, 0);
    EXPECT_DOUBLE_EQ(doc->state.posX, doc->boat.startX);

    // A captured pose survives later layout changes until the default is asked for.
    doc->state.posX = 40.5;
    doc->state.posY = -12.25;
    doc->state.headingDeg = 135.0;
    doc->mooring.fenderCount = 1;
    doc->mooring.fenderActive[0] = 1;
    SetStartPose(*doc, true);
    EXPECT_EQ(doc->boat.startPoseCaptured, 1);
    EXPECT_EQ(doc->mooring.fenderCount, 0);  // the boat was reset
    SelectDockLayout(*doc, 8);
    SelectSlipSize(*doc, 4);
    EXPECT_DOUBLE_EQ(doc->state.posX, 40.5);
    EXPECT_DOUBLE_EQ(doc->state.posY, -12.25);
    EXPECT_DOUBLE_EQ(doc->state.headingDeg, 135.0);
    SetStartPose(*doc, false);
    EXPECT_DOUBLE_EQ(doc->state.posX, 22 * 0.5 + DOCK_WIDTH);
    EXPECT_DOUBLE_EQ(doc->state.headingDeg, 90.0);
}
