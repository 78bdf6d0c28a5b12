#include "boat/boat_dialog_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../document/file_document.h"
#include "boat/boat_file.h"
#include "boat/boat_record_bytes.h"
#include "controls/control_state.h"
#include "simulation/step.h"

namespace {

struct Dialog {
    BoatDialogValues v;
    BoatDialogLimits lim;
    Dialog(FileDocument& f, int type, bool metric) {
        SetDisplayUnits(*f.doc, metric);
        FillBoatDialog(*f.doc, v, BOAT_DIALOG_NEW, type);
        lim = MakeBoatDialogLimits(f.doc->units);
    }
    BoatDialogEffects Leave(BoatBox box, const char* typed) {
        return LeaveBoatBox(v, lim, box, typed);
    }
};

using B = BoatBox;

using BoatDialogRules = FreshStart;
const std::string NINES(400, '9');

}  // namespace

TEST_F(BoatDialogRules, EachBoxHeldWithinItsRangeInEitherUnits) {
    struct Row {
        bool metric;
        int type;
        BoatBox box;
        const char* typed;
        double value;
        int warnings;
    } rows[] = {
        {false, MOTORBOAT, B::LengthOverall, "5", 20, 1},
        {true, MOTORBOAT, B::LengthOverall, "5", 6.096, 1},
        {false, HOUSEBOAT, B::Beam, "25", 22, 1},
        {false, MOTORBOAT, B::Beam, "20", 14, 1},  // 0.4 x 35 ft
        {false, MOTORBOAT, B::DockLineLength, "60", 60, 0},
        {false, MOTORBOAT, B::Weight, "1e308", 250000, 1},
        {true, MOTORBOAT, B::Weight, "-inf", 453.6, 1},
        {false, MOTORBOAT, B::Draft, "nan", 0.5, 1},
        {false, MOTORBOAT, B::MaxRpm, NINES.c_str(), 10000, 1},
        {false, MOTORBOAT, B::IdleRpm, "seven", 100, 1},
        {true, MOTORBOAT, B::FenderDiameter, "0.1", 0.1524, 1},
        {true, HOUSEBOAT, B::RudderArea, "1", 0.5 / (3.281 * 3.281), 1},  // an outboard's fin
        {true, HOUSEBOAT, B::PropDistFromTransom, "-9", -5, 1},           // as it stands, in metres
        {false, MOTORBOAT, B::LineSpringConstant, "1000", 9000, 1},       // half the weight
    };
    for (const Row& row : rows) {
        Dialog d(f, row.type, row.metric);
        BoatDialogEffects fx = d.Leave(row.box, row.typed);
        EXPECT_NEAR(BoatBoxMember(d.v, row.box), row.value, 1e-9) << row.typed;
        EXPECT_EQ(fx.warnings, row.warnings) << row.typed;
    }
}

TEST_F(BoatDialogRules, NewLengthReestimatesTheSameBoatInEitherUnits) {
    Dialog e(f, MOTORBOAT, false);
    ChooseBoatDialogOption(e.v, BoatDialogChoice::Twin);
    BoatDialogEffects fx = e.Leave(B::LengthOverall, "40");
    EXPECT_EQ(fx.warnings, 0);
    EXPECT_TRUE(fx.Shows(B::FenderDiameter) && fx.Shows(B::PropDistFromCL) && !fx.Shows(B::Draft));
    EXPECT_NEAR(e.v.beam, 13.80, 0.005);
    EXPECT_NEAR(e.v.weight, 25135, 1);
    EXPECT_NEAR(e.v.propDistFromCL + e.v.lineSpringConstant, 3.26 + 52167, 1);
    EXPECT_TRUE(e.v.fenderDiameter == 1.25 && e.v.bowThrusterDistFromTransom == 30 &&
                e.v.bowThrusterForce == 92.5 && e.v.anchorLineLength == 250 &&
                e.v.dockLineLength == 80);

    Dialog m(f, MOTORBOAT, true);
    ChooseBoatDialogOption(m.v, BoatDialogChoice::Twin);
    m.Leave(B::LengthOverall, "12.192");  // 40 ft
    EXPECT_STREQ(BoatDialogUnitsLabel(m.v), "UNITS: Metric");
    for (int b = 0; b < BOAT_BOX_COUNT; ++b) {
        const B box = static_cast<B>(b);
        const double toEnglish[] = {3.281, 2.205, 3.281 * 3.281, 1};
        EXPECT_NEAR(BoatBoxMember(m.v, box) * toEnglish[int(BoatBoxInfoOf(box).unit)] /
                        BoatBoxMember(e.v, box),
                    1, 1e-3)
            << BoatBoxInfoOf(box).field;
    }
    // Leaving a box that still shows its value changes nothing, in metres too.
    fx = m.Leave(B::LengthOverall, "12.19");
    EXPECT_EQ(m.v.lengthOverall, 12.192);
    EXPECT_FALSE(fx.Shows(B::Beam));
}

TEST_F(BoatDialogRules, PropRudderThrusterAndTwinEffects) {
    Dialog d(f, MOTORBOAT, false);
    d.v.beam = 12;
    EXPECT_TRUE(ChooseBoatDialogOption(d.v, BoatDialogChoice::Twin).Shows(B::PropDistFromCL));
    char text[NUMBER_FIELD_TEXT_SIZE];
    BoatBoxText(d.v, B::PropDistFromCL, text, sizeof text);
    EXPECT_STREQ(text, "2.83");
    ChooseBoatDialogOption(d.v, BoatDialogChoice::Single);

    d.v.rudderDistFromTransom = 3.5;  // inboard: the rudder stays aft of the prop
    EXPECT_TRUE(d.Leave(B::PropDistFromTransom, "3").Shows(B::RudderDistFromTransom));
    EXPECT_EQ(d.v.rudderDistFromTransom, 2.0);
    d.Leave(B::PropDistFromTransom, "0.5");
    EXPECT_TRUE(d.v.rudderDistFromTransom == 0 && d.v.propDistFromCL == 0);

    BoatDialogEffects fx = ChooseBoatDialogOption(d.v, BoatDialogChoice::OutboardOrIO);
    EXPECT_TRUE(fx.bowThrusterCheckShown && !d.v.hasBowThruster);
    EXPECT_EQ(d.v.rudderDistFromTransom, 0.5);
    d.Leave(B::PropDistFromTransom, "-2");
    fx = d.Leave(B::RudderDistFromTransom, "6");
    EXPECT_TRUE(d.v.rudderDistFromTransom == -2 && fx.warnings == 0);
    ChooseBoatDialogOption(d.v, BoatDialogChoice::Inboard);
    EXPECT_TRUE(d.v.hasBowThruster) << "a thruster with a force comes back";

    ChooseBoatDialogOption(d.v, BoatDialogChoice::Houseboat);
    EXPECT_TRUE(d.v.beam == 12 && BoatDialogChoiceSelected(d.v, BoatDialogChoice::Houseboat));
    SetBoatDialogName(d.v, NINES.c_str());
    EXPECT_EQ(std::string(d.v.boatName), NINES.substr(0, 16));
}

// Whatever a user can reach in the dialog, the boat saved from it loads again
// and drives with finite numbers.
TEST_F(BoatDialogRules, EveryCornerSavesLoadsAndDrives) {
    const BoatDialogChoice engines[] = {BoatDialogChoice::Inboard, BoatDialogChoice::OutboardOrIO};
    const BoatDialogChoice counts[] = {BoatDialogChoice::Single, BoatDialogChoice::Twin};
    Names englishMessages;
    for (int c = 0; c < 24 * 2; ++c) {
        const bool metric = c % 2, top = c / 2 % 2;
        const int type = c / 4 % 3;
        Dialog d(f, type, metric);
        ChooseBoatDialogOption(d.v, engines[c / 12 % 2]);
        ChooseBoatDialogOption(d.v, counts[c / 24]);
        SetBoatDialogCheck(d.v, BoatDialogCheck::BowThruster, top);
        for (int b = 0; b < BOAT_BOX_COUNT; ++b)
            d.Leave(static_cast<B>(b), top ? "1e308" : "-1e308");
        f.ui.messages.clear();
        c % 3 ? AcceptEditedBoat(doc, d.v) : AcceptNewBoat(doc, d.v);
        // A bound in metres is the same bound in feet: no extra message.
        if (metric) {
            EXPECT_EQ(f.ui.messages, englishMessages) << c;
        }
        englishMessages = f.ui.messages;
        EXPECT_NEAR(doc.boat.lengthOverall, top ? 100 : 20, 0.01) << c;
        std::uint8_t bytes[BOAT_RECORD_SIZE];
        BoatRecordToBytes(doc.boat, bytes);
        ASSERT_EQ(DecodeBoatFile(bytes, sizeof bytes, f.doc->scratchBoat), BOAT_FILE_LOADED) << c;
        SetRunState(doc, 1, 1);
        ChangeEngine(doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
        ChangeRudder(doc, RUDDER_SET_BY_PERCENT, 100);
        for (int t = 0; t < 200; ++t) Step(doc);
        ASSERT_TRUE(std::isfinite(doc.state.posX + doc.state.posY + doc.state.headingRad)) << c;
    }
}
