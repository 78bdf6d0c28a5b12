#include <gtest/gtest.h>

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

// Exactly one item of a menu is checked: the one given.
void ExpectOnlyChecked(const CKLVNDoc& doc, const DockMenuItem* menu, int count, int id) {
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(DockMenuChecked(doc, menu[i].commandId), menu[i].commandId == id)
            << menu[i].commandId;
}

}  // namespace

TEST(SlipSize, AutoChoosesTheFirstSlipThatFitsAtTheExactLimits) {
    const double boats[][3] = {{14.0, 5.0, 1}, {20.0 / 1.4, 3.0, 0}, {60.0 / 1.4, 10.9, 4}};
    for (const auto& b : boats) {
        auto doc = BoatOfSize(b[0], b[1]);
        SelectAutoSlipSize(*doc);
        EXPECT_TRUE(doc->dock.slipSizeIndex == b[2] && doc->boat.savedSlipSizeIndex == b[2])
            << b[0];
    }
    auto doc = BoatOfSize(50.0, 10.0);
    SelectAutoSlipSize(*doc);
    EXPECT_TRUE(doc->dock.slipSizeIndex == CUSTOM_SLIP && doc->boat.savedSlipSizeAuto == 1);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].width, 20.0);
    EXPECT_NEAR(doc->dock.slipSizes[CUSTOM_SLIP].length, 70.0, 1e-12);
    EXPECT_DOUBLE_EQ(doc->boat.savedCustomSlip[0], 20.0);
    EXPECT_TRUE(DockMenuChecked(*doc, ID_SLIP_AUTO) && DockMenuChecked(*doc, ID_SLIP_CUSTOM));
}

TEST(SlipSize, CommandsChecksAndLabels) {
    auto doc = MakeTestDocument(MOTORBOAT);
    ApplyCustomSlip(*doc, 25, 55);
    EXPECT_TRUE(DoDockCommand(*doc, ID_SLIP_13X30));  // leaves the boat's saved selection
    EXPECT_TRUE(doc->dock.slipSizeIndex == 1 && doc->boat.savedSlipSizeIndex == CUSTOM_SLIP);
    doc->boat.savedSlipSizeAuto = 1;
    EXPECT_TRUE(DoDockCommand(*doc, ID_SLIP_22X60));
    EXPECT_TRUE(doc->boat.savedSlipSizeIndex == 4 && doc->boat.savedSlipSizeAuto == 0);
    ExpectOnlyChecked(*doc, SLIP_MENU, SLIP_MENU_ITEMS, ID_SLIP_22X60);
    EXPECT_FALSE(DoDockCommand(*doc, ID_SLIP_CUSTOM));  // the shell opens the dialog
    EXPECT_FALSE(DoDockCommand(*doc, 40000));
    doc->boat.lengthOverall = 30;
    doc->boat.beam = 8;
    EXPECT_TRUE(DoDockCommand(*doc, ID_SLIP_AUTO));
    EXPECT_TRUE(DockMenuChecked(*doc, ID_SLIP_AUTO) && DockMenuChecked(*doc, ID_SLIP_19X50));
    for (int layout = 1; layout <= 9; ++layout) {
        EXPECT_TRUE(DoDockCommand(*doc, LAYOUT_MENU[layout - 1].commandId));
        EXPECT_EQ(doc->settings.dockLayoutSaved, layout);
        ExpectOnlyChecked(*doc, LAYOUT_MENU, LAYOUT_MENU_ITEMS, LAYOUT_MENU[layout - 1].commandId);
    }
    EXPECT_STREQ(DockMenuLabel(*doc, 32817), "Pilings - Left");
    EXPECT_STREQ(FindDockMenuItem(32811)->prompt, "Slips with right entrance");
    EXPECT_STREQ(DockMenuLabel(*doc, ID_SLIP_19X50), "19 x 50");
    doc->settings.metricUnits = 1;
    const char* metric[] = {"3 x 6", "4 x 9", "5 x 12", "6 x 15", "7 x 18"};
    for (int i = 0; i < 5; ++i)
        EXPECT_STREQ(DockMenuLabel(*doc, SLIP_MENU[i + 1].commandId), metric[i]);
}

TEST(CustomSlip, ProposesTheBoatWithClearanceAndCorrectsWithMessagesInOrder) {
    auto doc = BoatOfSize(35.0, 12.4);
    RecordingUserInterface ui;
    doc->ui = &ui;
    CustomSlipProposal english = ProposeCustomSlip(*doc);
    EXPECT_TRUE(english.width == 14 && english.length == 37);
    EXPECT_STREQ(english.unitsLabel, "UNITS: English");
    ApplyCustomSlip(*doc, 20, 100);  // exactly 100 is accepted silently
    EXPECT_TRUE(ui.messages.empty());
    doc->boat.beam = 12.0;
    ApplyCustomSlip(*doc, 13, 101);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Slip width adjusted to fit boat",
                                                     "Slip length adjusted to maximum"}));
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].width, 14.0);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].length, 100.0);
    EXPECT_TRUE(doc->boat.savedSlipSizeIndex == CUSTOM_SLIP && doc->boat.savedCustomSlip[0] == 14);
    EXPECT_DOUBLE_EQ(doc->boat.startX, 14.0 * 0.5 + DOCK_WIDTH);
    EXPECT_DOUBLE_EQ(doc->dock.dockRects[0].yMax, 100.0 + DOCK_WIDTH);
    doc->boat.beam = 12.4;
    doc->settings.metricUnits = 1;
    doc->units = UnitFactorsFor(true);
    CustomSlipProposal metric = ProposeCustomSlip(*doc);
    EXPECT_TRUE(metric.width == 4 && metric.length == 11);  // 4.39 m, 11.28 m
    EXPECT_STREQ(metric.unitsLabel, "UNITS: Metric");
    ApplyCustomSlip(*doc, 6, 20);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].length, 20 * 3.281);
}

TEST(DockTables, StartUpTakesOnlyACustomSlipFromTheBoatAndCapturedPosesStay) {
    auto doc = MakeTestDocument(MOTORBOAT);
    doc->boat.savedSlipSizeIndex = CUSTOM_SLIP;
    doc->boat.savedSlipSizeAuto = 0;
    doc->boat.savedCustomSlip[1] = 44;
    doc->settings.dockLayoutSaved = 4;
    InitDockTables(*doc);
    EXPECT_TRUE(doc->dock.slipSizeIndex == CUSTOM_SLIP && doc->dock.dockLayout == 4);
    EXPECT_DOUBLE_EQ(doc->dock.slipSizes[CUSTOM_SLIP].length, 44);
    doc->boat.savedSlipSizeIndex = 2;
    InitDockTables(*doc);
    EXPECT_TRUE(doc->dock.slipSizeIndex == 3 && doc->dock.slipSizeAuto == 1);

    SelectSlipSize(*doc, 2);
    EXPECT_DOUBLE_EQ(doc->boat.startX, 16 * 0.5 + DOCK_WIDTH);
    EXPECT_DOUBLE_EQ(doc->boat.startY, -(doc->boat.lengthOverall * 1.1));
    doc->state.posX = 40.5;
    doc->state.headingDeg = 135.0;
    SetStartPose(*doc, true);
    SelectDockLayout(*doc, 8);
    SelectSlipSize(*doc, 4);  // a captured pose survives layout changes
    EXPECT_TRUE(doc->state.posX == 40.5 && doc->state.headingDeg == 135.0);
    SetStartPose(*doc, false);
    EXPECT_DOUBLE_EQ(doc->state.posX, 22 * 0.5 + DOCK_WIDTH);
    EXPECT_DOUBLE_EQ(doc->state.headingDeg, 90.0);
}
