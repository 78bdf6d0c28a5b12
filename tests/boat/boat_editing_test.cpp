#include "boat/boat_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../document/file_document.h"
#include "boat/units.h"

namespace {

std::string OutOfRange(const char* what) {
    return std::string("Out of Range error\n\n") + what;
}

// The default Motorboat's dialog values after start-up, messages forgotten.
struct EditingDocument : FileDocument {
    BoatDialogValues values;
    EditingDocument() {
        StartUpFresh();
        FillBoatDialog(*doc, values, BOAT_DIALOG_NEW, MOTORBOAT);
    }
    void Validate(bool lineDefaults = false) {
        ValidateBoatDialog(*doc, doc->scratchBoat, values, lineDefaults);
    }
};

}  // namespace

TEST(UnitFactors, EnglishAndMetric) {
    UnitFactors e = UnitFactorsFor(false);
    EXPECT_TRUE(e.lengthToInternal == 1 && e.weightToInternal == 1 && e.areaToInternal == 1 &&
                e.lengthToDisplay == 1 && e.weightToDisplay == 1 && e.areaToDisplay == 1);
    UnitFactors m = UnitFactorsFor(true);
    EXPECT_EQ(m.lengthToInternal, 3.281);
    EXPECT_EQ(m.weightToInternal, 2.205);
    EXPECT_DOUBLE_EQ(m.areaToInternal, 3.281 * 3.281);
    EXPECT_EQ(m.lengthToDisplay, 0.3048);
    EXPECT_EQ(m.weightToDisplay, 0.4536);
    EXPECT_DOUBLE_EQ(m.areaToDisplay, 0.3048 * 0.3048);

    // The unit commands remember the choice; back to English is exactly 1.
    FileDocument f;
    f.StartUpFresh();
    SetDisplayUnits(*f.doc, true);
    EXPECT_EQ(f.doc->settings.metricUnits, 1);
    EXPECT_EQ(f.doc->units.lengthToInternal, 3.281);
    SetDisplayUnits(*f.doc, false);
    EXPECT_EQ(f.doc->units.areaToDisplay, 1.0);
    EXPECT_EQ(f.doc->settings.metricUnits, 0);
}

TEST(FillBoatDialog, NewAndEditInDisplayUnits) {
    EditingDocument e;
    const char* names[] = {"New_Motorboat", "New_Sailboat", "New_Houseboat"};
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_NEW, type);
        EXPECT_STREQ(e.values.boatName, names[type]);
        EXPECT_EQ(e.values.boatType, type);
        EXPECT_EQ(e.doc->scratchBoat.boatType, type);
        EXPECT_FALSE(e.values.metricUnits);
    }
    // The houseboat: twin engines, the starboard prop offset shows.
    EXPECT_EQ(e.values.engineCount, 2);
    EXPECT_EQ(e.values.propDistFromCL, 2.8);
    EXPECT_EQ(e.values.lengthOverall, 45.0);
    EXPECT_STREQ(e.doc->boat.boatName, "New_Motorboat") << "the live boat is not touched";

    SetDisplayUnits(*e.doc, true);
    FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_EDIT, MOTORBOAT);
    EXPECT_STREQ(e.values.boatName, "New_Motorboat");
    EXPECT_TRUE(e.values.metricUnits);
    EXPECT_DOUBLE_EQ(e.values.lengthOverall, 35.0 * 0.3048);
    EXPECT_DOUBLE_EQ(e.values.weight, 18000.0 * 0.4536);
    EXPECT_DOUBLE_EQ(e.values.rudderArea, 3.0 * 0.09290304);
    EXPECT_EQ(e.values.maxSpeedKnots, 15.0) << "speeds stay in knots";
    EXPECT_EQ(e.values.idlePowerFactor, 0.21);
    EXPECT_TRUE(e.values.hasBowThruster);
}

TEST(ValidateBoatDialog, PropellerChecks) {
    EditingDocument e;
    BoatRecord& r = e.doc->scratchBoat;

    // Twin engines with no distance from the centreline.
    e.values.engineCount = 2;
    e.values.propDistFromCL = 0.0;
    e.values.propRotation = -1;
    e.values.counterRotating = true;
    e.Validate();
    EXPECT_EQ(e.ui.messages, (Names{OutOfRange("Prop dist from CL set to min")}));
    EXPECT_EQ(r.propDistFromCL, 1.0);
    EXPECT_EQ(r.portPropOffset, -1.0);
    EXPECT_EQ(r.propRotationStarboard, 1);

    // A single engine off the centreline.
    e.ui.messages.clear();
    e.values.engineCount = 1;
    e.values.propDistFromCL = 3.0;
    e.Validate();
    EXPECT_EQ(e.ui.messages, (Names{OutOfRange("Prop dist from CL set to 0.0")}));
    EXPECT_EQ(r.propDistFromCL, 0.0);
    EXPECT_EQ(r.portPropOffset, 0.0);

    // Twins wider than the boat, props and rudder too far forward: in order.
    e.ui.messages.clear();
    e.values.engineCount = 2;
    e.values.counterRotating = false;
    e.values.propDistFromCL = 20.0;
    e.values.propDistFromTransom = 20.0;
    e.values.rudderDistFromTransom = 25.0;
    e.Validate();
    EXPECT_EQ(e.ui.messages, (Names{OutOfRange("Prop dist from CL set to max"),
                                    OutOfRange("Prop dist from transom set to max"),
                                    OutOfRange("Rudder dist from transom set to max")}));
    EXPECT_EQ(r.propDistFromCL, 17.5);
    EXPECT_EQ(r.portPropOffset, -17.5);
    EXPECT_EQ(r.propRotationStarboard, -1);
    EXPECT_EQ(r.propDistFromTransom, 17.5);
    EXPECT_EQ(r.rudderDistFromTransom, 17.5);
}

TEST(ValidateBoatDialog, RudderFollowsTheDriveSilently) {
    EditingDocument e;
    BoatRecord& r = e.doc->scratchBoat;
    e.values.engineType = OUTBOARD_OR_IO;
    e.values.rudderArea = 3.0;
    e.values.propDistFromTransom = -2.0;
    e.values.rudderDistFromTransom = -4.0;
    e.Validate();
    EXPECT_TRUE(e.ui.messages.empty());
    EXPECT_EQ(r.rudderArea, 0.5);
    EXPECT_EQ(r.rudderDistFromTransom, -2.0);

    e.values.engineType = INBOARD;
    e.values.rudderArea = 0.1;
    e.Validate();
    EXPECT_TRUE(e.ui.messages.empty());
    EXPECT_EQ(r.rudderArea, 0.5);
}

TEST(ValidateBoatDialog, BowThrusterStaysAheadOfTheCentreOfGravity) {
    EditingDocument e;
    BoatRecord& r = e.doc->scratchBoat;
    e.values.hasBowThruster = true;
    e.values.bowThrusterDistFromTransom = 40.0;  // on a 35 ft Motorboat
    e.Validate();
    EXPECT_EQ(e.ui.messages, (Names{OutOfRange("Bow Thruster dist from transom set to max")}));
    EXPECT_NEAR(r.bowThrusterDistFromTransom, 29.225, 1e-12);

    e.ui.messages.clear();
    e.values.bowThrusterDistFromTransom = 10.0;
    e.Validate();
    EXPECT_EQ(e.ui.messages, (Names{OutOfRange("Bow Thruster dist from transom set to min")}));
    EXPECT_NEAR(r.bowThrusterDistFromTransom, 23.45 + 0.2 * 11.55, 1e-12);

    e.ui.messages.clear();
    e.values.hasBowThruster = false;  // without a thruster its distance is not checked
    e.Validate();
    EXPECT_TRUE(e.ui.messages.empty());
}

TEST(ValidateBoatDialog, LinesAndMetricFenders) {
    EditingDocument e;
    BoatRecord& r = e.doc->scratchBoat;
    e.values.dockLineLength = 80.0;
    e.values.anchorLineLength = 400.0;
    e.values.fenderDiameter = 3.0;
    e.Validate();
    EXPECT_EQ(e.ui.messages, (Names{OutOfRange("Dock line length set to max"),
                                    OutOfRange("Anchor line length set to max"),
                                    OutOfRange("Fender diameter set to max")}));
    EXPECT_EQ(r.dockLineLength, 70.0);
    EXPECT_EQ(r.anchorLineLength, 350.0);
    EXPECT_EQ(r.fenderDiameter, 2.0);

    // Metric: 0.3 m (0.98 ft) passes, 0.1 m becomes 0.5 ft (0.15 m).
    SetDisplayUnits(*e.doc, true);
    FillBoatDialog(*e.doc, e.values, BOAT_DIALOG_NEW, MOTORBOAT);
    e.ui.messages.clear();
    e.values.fenderDiameter = 0.3;
    e.Validate();
    EXPECT_TRUE(e.ui.messages.empty());
    EXPECT_NEAR(r.fenderDiameter, 0.9843, 1e-12);
    e.values.fenderDiameter = 0.1;
    e.Validate();
    EXPECT_EQ(e.ui.messages, (Names{OutOfRange("Fender diameter set to min")}));
    EXPECT_EQ(r.fenderDiameter, 0.5);
    e.doc->boat = r;
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
    EXPECT_EQ(doc.boat.boatType, SAILBOAT);
    EXPECT_EQ(doc.settings.currentBoatType, SAILBOAT);
    EXPECT_EQ(doc.boat.lengthOverall, 40.0);
    EXPECT_EQ(doc.boat.dockLineLength, 60.0);
    EXPECT_EQ(doc.boat.anchorLineLength, 250.0);
    EXPECT_EQ(doc.boat.lineSpringConstant, 1.24 * 15000.0 + 21000.0);
    EXPECT_NEAR(doc.boat.mass, 15000.0 / 32.2, 1e-9);
    EXPECT_TRUE(doc.boatPresent);
    EXPECT_EQ(e.ui.reopenConsoleCalls, 1);
    // The rebuilt hull: the bow tip lies at the full length ahead of the stern.
    EXPECT_NEAR(doc.boat.hullPoints[199].y - doc.boat.hullPoints[408].y, 40.0, 1e-9);

    // Editing keeps the line values and the coefficient block.
    doc.boat.rotationalDrag = 99.0;
    FillBoatDialog(doc, e.values, BOAT_DIALOG_EDIT, SAILBOAT);
    e.values.dockLineLength = 30.0;
    e.values.boatType = MOTORBOAT;
    AcceptEditedBoat(doc, e.values);
    EXPECT_EQ(doc.boat.dockLineLength, 30.0);
    EXPECT_EQ(doc.boat.rotationalDrag, 99.0);
    EXPECT_EQ(doc.boat.boatType, MOTORBOAT);
    EXPECT_EQ(doc.settings.currentBoatType, MOTORBOAT);
    EXPECT_NEAR(doc.boat.centerOfGravityFromTransom, 0.67 * 40.0, 1e-12);
    EXPECT_EQ(doc.boat.hullShapeCoefficients[3], -280.0) << "the Motorboat's shape";
    EXPECT_STREQ(doc.boat.boatName, "Windward");
}
