#include "boat/boat_editing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "../document/file_document.h"
#include "boat/units.h"

namespace {

// The default Motorboat's dialog values after start-up, messages forgotten.
struct EditingDocument : FileDocument {
    BoatDialogValues values;
    BoatRecord& r;
    EditingDocument() : r(doc->scratchBoat) {
        StartUpFresh();
        FillBoatDialog(*doc, values, BOAT_DIALOG_NEW, MOTORBOAT);
    }
    // Validates and returns the clamp messages, each without its common title.
    Names Validate() {
        ui.messages.clear();
        ValidateBoatDialog(*doc, r, values, false);
        Names shown;
        for (const std::string& m : ui.messages) {
            EXPECT_EQ(m.rfind("Out of Range error\n\n", 0), 0u) << m;
            shown.push_back(m.substr(20));
        }
        return shown;
    }
};

}  // namespace

// One row per rule: the boxes changed from the default Motorboat's, the
// messages in order, and what the record holds after.
TEST(ValidateBoatDialog, EachRuleClampsAndSaysSoInOrder) {
    using V = BoatDialogValues;
    using R = BoatRecord;
    const struct {
        std::function<void(V&)> change;
        Names messages;
        std::function<bool(const R&)> holds;
    } rules[] = {
        {[](V& v) { v.engineCount = 2, v.propDistFromCL = 0, v.counterRotating = true; },
         {"Prop dist from CL set to min"},
         [](const R& r) {
             return r.propDistFromCL == 1 && r.portPropOffset == -1 && r.propRotationStarboard == 1;
         }},
        {[](V& v) { v.engineCount = 1, v.propDistFromCL = 3; },
         {"Prop dist from CL set to 0.0"},
         [](const R& r) { return r.propDistFromCL == 0 && r.portPropOffset == 0; }},
        {[](V& v) {
             v.engineCount = 2, v.counterRotating = false, v.propDistFromCL = 20;
             v.propDistFromTransom = 20, v.rudderDistFromTransom = 25;
         },
         {"Prop dist from CL set to max", "Prop dist from transom set to max",
          "Rudder dist from transom set to max"},
         [](const R& r) {
             return r.portPropOffset == -17.5 && r.propRotationStarboard == -1 &&
                    r.propDistFromTransom == 17.5 && r.rudderDistFromTransom == 17.5;
         }},
        {[](V& v) {
             v.engineType = OUTBOARD_OR_IO, v.propDistFromTransom = -2,
             v.rudderDistFromTransom = -4;
         },
         {},  // an outboard's rudder follows the drive silently
         [](const R& r) { return r.rudderArea == 0.5 && r.rudderDistFromTransom == -2; }},
        {[](V& v) { v.rudderArea = 0.1; }, {}, [](const R& r) { return r.rudderArea == 0.5; }},
        {[](V& v) { v.hasBowThruster = true, v.bowThrusterDistFromTransom = 40; },  // 35 ft boat
         {"Bow Thruster dist from transom set to max"},
         [](const R& r) { return std::fabs(r.bowThrusterDistFromTransom - 29.225) < 1e-12; }},
        {[](V& v) { v.hasBowThruster = true, v.bowThrusterDistFromTransom = 10; },
         {"Bow Thruster dist from transom set to min"},
         [](const R& r) {
             return std::fabs(r.bowThrusterDistFromTransom - (23.45 + 0.2 * 11.55)) < 1e-12;
         }},
        {[](V& v) { v.dockLineLength = 80, v.anchorLineLength = 400, v.fenderDiameter = 3; },
         {"Dock line length set to max", "Anchor line length set to max",
          "Fender diameter set to max"},
         [](const R& r) {
             return r.dockLineLength == 70 && r.anchorLineLength == 350 && r.fenderDiameter == 2;
         }},
    };
    for (const auto& rule : rules) {
        EditingDocument e;
        rule.change(e.values);
        EXPECT_EQ(e.Validate(), rule.messages) << rule.messages.size();
        EXPECT_TRUE(rule.holds(e.r)) << (rule.messages.empty() ? "" : rule.messages[0]);
    }
    // Metric: 0.3 m (0.98 ft) passes, 0.1 m becomes 0.5 ft (0.15 m).
    EditingDocument e;
    SetDisplayUnits(*e.doc, true);
    FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_NEW, MOTORBOAT);
    e.values.fenderDiameter = 0.3;
    EXPECT_EQ(e.Validate(), Names{});
    EXPECT_NEAR(e.r.fenderDiameter, 0.9843, 1e-12);
    e.values.fenderDiameter = 0.1;
    EXPECT_EQ(e.Validate(), (Names{"Fender diameter set to min"}));
    e.doc->boat = e.r;
    FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_EDIT, MOTORBOAT);
    EXPECT_NEAR(e.values.fenderDiameter, 0.1524, 1e-12);
}

TEST(NewAndEditedBoats, NewBoatReplacesTheLiveOneAndResetsItsLines) {
    EditingDocument e;
    CKLVNDoc& doc = *e.doc;
    FillBoatDialog(doc, e.values, BOAT_DIALOG_NEW, SAILBOAT);
    EXPECT_STREQ(doc.boat.boatName, "New_Motorboat") << "the live boat waits for Accept";
    std::snprintf(e.values.boatName, sizeof e.values.boatName, "%s", "Windward");
    e.values.lengthOverall = 40.0;
    e.values.weight = 15000.0;
    e.values.dockLineLength = 20.0;  // typed, but every new boat gets 1.5 x L
    e.ui.consoleOpen = true;
    AcceptNewBoat(doc, e.values);
    EXPECT_TRUE(e.ui.messages.empty() && doc.boatPresent);
    EXPECT_STREQ(doc.boat.boatName, "Windward");
    EXPECT_EQ(doc.settings.currentBoatType, SAILBOAT);
    EXPECT_EQ(doc.boat.dockLineLength, 60.0);
    EXPECT_EQ(doc.boat.lineSpringConstant, 1.24 * 15000.0 + 21000.0);
    EXPECT_EQ(e.ui.reopenConsoleCalls, 1);
    EXPECT_NEAR(doc.boat.hullPoints[199].y - doc.boat.hullPoints[408].y, 40.0, 1e-9);
    // Editing keeps the line values and the coefficient block.
    doc.boat.rotationalDrag = 99.0;
    FillBoatDialog(doc, e.values, BOAT_DIALOG_EDIT, SAILBOAT);
    e.values.dockLineLength = 30.0;
    e.values.boatType = MOTORBOAT;
    AcceptEditedBoat(doc, e.values);
    EXPECT_TRUE(doc.boat.dockLineLength == 30 && doc.boat.rotationalDrag == 99);
    EXPECT_EQ(doc.settings.currentBoatType, MOTORBOAT);
    EXPECT_NEAR(doc.boat.centerOfGravityFromTransom, 0.67 * 40.0, 1e-12);
    EXPECT_EQ(doc.boat.hullShapeCoefficients[3], -280.0) << "the Motorboat's shape";
}
