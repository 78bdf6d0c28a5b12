#include "boat/boat_editing.h"

#include <gtest/gtest.h>

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

TEST(UnitFactors, EnglishAndMetric) {
    UnitFactors e = UnitFactorsFor(false);
    EXPECT_TRUE(e.lengthToInternal == 1 && e.weightToInternal == 1 && e.areaToInternal == 1 &&
                e.lengthToDisplay == 1 && e.weightToDisplay == 1 && e.areaToDisplay == 1);
    UnitFactors m = UnitFactorsFor(true);
    EXPECT_TRUE(m.lengthToInternal == 3.281 && m.weightToInternal == 2.205 &&
                m.lengthToDisplay == 0.3048 && m.weightToDisplay == 0.4536);
    EXPECT_DOUBLE_EQ(m.areaToInternal, 3.281 * 3.281);
    EXPECT_DOUBLE_EQ(m.areaToDisplay, 0.3048 * 0.3048);

    FileDocument f;
    f.StartUpFresh();
    SetDisplayUnits(*f.doc, true);
    EXPECT_TRUE(f.doc->settings.metricUnits == 1 && f.doc->units.lengthToInternal == 3.281);
}

TEST(FillBoatDialog, NewAndEditInDisplayUnits) {
    EditingDocument e;
    const char* names[] = {"New_Motorboat", "New_Sailboat", "New_Houseboat"};
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_NEW, type);
        EXPECT_STREQ(e.values.boatName, names[type]);
        EXPECT_EQ(e.doc->scratchBoat.boatType, type);
    }
    EXPECT_EQ(e.values.engineCount, 2);  // the houseboat's starboard prop offset shows
    EXPECT_EQ(e.values.propDistFromCL, 2.8);
    EXPECT_STREQ(e.doc->boat.boatName, "New_Motorboat") << "the live boat is not touched";

    SetDisplayUnits(*e.doc, true);
    FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_EDIT, MOTORBOAT);
    EXPECT_TRUE(e.values.metricUnits);
    EXPECT_DOUBLE_EQ(e.values.lengthOverall, 35.0 * 0.3048);
    EXPECT_DOUBLE_EQ(e.values.weight, 18000.0 * 0.4536);
    EXPECT_DOUBLE_EQ(e.values.rudderArea, 3.0 * 0.09290304);
    EXPECT_EQ(e.values.maxSpeedKnots, 15.0) << "speeds stay in knots";
}

TEST(ValidateBoatDialog, PropellerChecksInOrder) {
    EditingDocument e;
    e.values.engineCount = 2;  // twin engines with no distance from the centreline
    e.values.propDistFromCL = 0.0;
    e.values.counterRotating = true;
    EXPECT_EQ(e.Validate(), (Names{"Prop dist from CL set to min"}));
    EXPECT_TRUE(e.r.propDistFromCL == 1.0 && e.r.portPropOffset == -1.0);
    EXPECT_EQ(e.r.propRotationStarboard, 1);

    e.values.engineCount = 1;
    e.values.propDistFromCL = 3.0;
    EXPECT_EQ(e.Validate(), (Names{"Prop dist from CL set to 0.0"}));
    EXPECT_TRUE(e.r.propDistFromCL == 0.0 && e.r.portPropOffset == 0.0);

    e.values.engineCount = 2;
    e.values.counterRotating = false;
    e.values.propDistFromCL = 20.0;
    e.values.propDistFromTransom = 20.0;
    e.values.rudderDistFromTransom = 25.0;
    EXPECT_EQ(e.Validate(),
              (Names{"Prop dist from CL set to max", "Prop dist from transom set to max",
                     "Rudder dist from transom set to max"}));
    EXPECT_TRUE(e.r.propDistFromCL == 17.5 && e.r.portPropOffset == -17.5);
    EXPECT_EQ(e.r.propRotationStarboard, -1);
    EXPECT_TRUE(e.r.propDistFromTransom == 17.5 && e.r.rudderDistFromTransom == 17.5);

    // An outboard's rudder follows the drive silently.
    e.values = BoatDialogValues{};
    FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_NEW, MOTORBOAT);
    e.values.engineType = OUTBOARD_OR_IO;
    e.values.propDistFromTransom = -2.0;
    e.values.rudderDistFromTransom = -4.0;
    EXPECT_EQ(e.Validate(), Names{});
    EXPECT_TRUE(e.r.rudderArea == 0.5 && e.r.rudderDistFromTransom == -2.0);
    e.values.engineType = INBOARD;
    e.values.rudderArea = 0.1;
    EXPECT_EQ(e.Validate(), Names{});
    EXPECT_EQ(e.r.rudderArea, 0.5);
}

TEST(ValidateBoatDialog, BowThrusterLinesAndMetricFenders) {
    EditingDocument e;
    e.values.hasBowThruster = true;
    e.values.bowThrusterDistFromTransom = 40.0;  // on a 35 ft Motorboat
    EXPECT_EQ(e.Validate(), (Names{"Bow Thruster dist from transom set to max"}));
    EXPECT_NEAR(e.r.bowThrusterDistFromTransom, 29.225, 1e-12);
    e.values.bowThrusterDistFromTransom = 10.0;
    EXPECT_EQ(e.Validate(), (Names{"Bow Thruster dist from transom set to min"}));
    EXPECT_NEAR(e.r.bowThrusterDistFromTransom, 23.45 + 0.2 * 11.55, 1e-12);

    e.values.hasBowThruster = false;
    e.values.dockLineLength = 80.0;
    e.values.anchorLineLength = 400.0;
    e.values.fenderDiameter = 3.0;
    EXPECT_EQ(e.Validate(), (Names{"Dock line length set to max", "Anchor line length set to max",
                                   "Fender diameter set to max"}));
    EXPECT_TRUE(e.r.dockLineLength == 70 && e.r.anchorLineLength == 350 && e.r.fenderDiameter == 2);

    // Metric: 0.3 m (0.98 ft) passes, 0.1 m becomes 0.5 ft (0.15 m).
    SetDisplayUnits(*e.doc, true);
    FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_NEW, MOTORBOAT);
    e.values.fenderDiameter = 0.3;
    EXPECT_EQ(e.Validate(), Names{});
    EXPECT_NEAR(e.r.fenderDiameter, 0.9843, 1e-12);
    e.values.fenderDiameter = 0.1;
    EXPECT_EQ(e.Validate(), (Names{"Fender diameter set to min"}));
    EXPECT_EQ(e.r.fenderDiameter, 0.5);
    e.doc->boat = e.r;
    FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_EDIT, MOTORBOAT);
    EXPECT_NEAR(e.values.fenderDiameter, 0.1524, 1e-12);
}

TEST(NewAndEditedBoats, NewBoatReplacesTheLiveOneAndResetsItsLines) {
    EditingDocument e;
    CKLVNDoc& doc = *e.doc;
    FillBoatDialog(doc, e.values, BOAT_DIALOG_NEW, SAILBOAT);
    std::snprintf(e.values.boatName, sizeof e.values.boatName, "%s", "Windward");
    e.values.lengthOverall = 40.0;
    e.values.weight = 15000.0;
    e.values.dockLineLength = 20.0;  // typed, but every new boat gets 1.5 x L
    e.ui.consoleOpen = true;
    AcceptNewBoat(doc, e.values);
    EXPECT_TRUE(e.ui.messages.empty());
    EXPECT_STREQ(doc.boat.boatName, "Windward");
    EXPECT_EQ(doc.settings.currentBoatType, SAILBOAT);
    EXPECT_EQ(doc.boat.dockLineLength, 60.0);
    EXPECT_EQ(doc.boat.lineSpringConstant, 1.24 * 15000.0 + 21000.0);
    EXPECT_TRUE(doc.boatPresent);
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
