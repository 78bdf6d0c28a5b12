#include "boat/boat_file_commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "../document/file_document.h"
#include "../support/record_bytes.h"
#include "boat/boat_file.h"
#include "boat/units.h"
#include "document/settings_file.h"

namespace {

// The settings as they stand on disk.
std::unique_ptr<SettingsRecord> StoredSettings(CKLVNDoc& doc) {
    auto stored = std::make_unique<SettingsRecord>();
    EXPECT_EQ(LoadSettingsFile(doc, *stored), SETTINGS_FILE_LOADED);
    return stored;
}

void WriteHundredBytes(const std::string& path) {
    std::vector<unsigned char> hundred(100, 0xFF);
    TempFolder::WriteBytes(path, hundred.data(), hundred.size());
}

}  // namespace

TEST(SaveBoat, WritesTheFileListsTheNameAndRewritesAListedOne) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    EXPECT_EQ(f.Files(), (Names{"Persist.kvn"}));  // the default boat is not saved by itself

    f.SaveBoats({"Blue Heron"});
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(TempFolder::ReadBytes(f.File("Blue Heron.boat")), BytesOf(doc.boat));
    EXPECT_EQ(f.Slot(0), "Blue Heron");

    f.SaveBoats({"Gull"});
    doc.settings.currentBoatIndex = 0;
    doc.boat.weight = 12345.0;
    std::snprintf(doc.boat.boatName, sizeof doc.boat.boatName, "%s", "Blue Heron");
    SaveBoat(doc);
    EXPECT_EQ(doc.settings.boatCount, 2);
    EXPECT_EQ(doc.settings.currentBoatIndex, 0);
    auto loaded = std::make_unique<BoatRecord>();
    ASSERT_EQ(LoadBoatFile(f.File("Blue Heron.boat").c_str(), *loaded), BOAT_FILE_LOADED);
    EXPECT_EQ(loaded->weight, 12345.0);
    auto stored = StoredSettings(doc);
    EXPECT_EQ(stored->boatCount, 2);
    EXPECT_STREQ(stored->boatNames[1], "Gull");
    EXPECT_EQ(f.Files(), (Names{"Blue Heron.boat", "Gull.boat", "Persist.kvn"}));
}

TEST(SaveBoat, NothingWithoutABoatAndAFullListRefuses) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    doc.boatPresent = false;
    SaveBoat(doc);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(doc.settings.boatCount, 0);

    for (int i = 0; i < 16; ++i) f.SaveBoats({("Boat" + std::to_string(i)).c_str()});
    ASSERT_EQ(doc.settings.boatCount, 16);
    EXPECT_TRUE(f.ui.messages.empty());
    f.SaveBoats({"Boat3", "Seventeenth"});  // listed or not, the list is full
    const char full[] = "Boat list is full:\n\nYou must delete a boat\nbefore saving this one";
    EXPECT_EQ(f.ui.messages, (Names{full, full}));
    EXPECT_EQ(f.Files().size(), 17u);
}

TEST(SaveBoat, HostileNamesAndAnUnwritableFolderLeaveNoFileAndNoListEntry) {
    FileDocument f;
    f.UseDataSubfolder();
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    const char* hostile[] = {
        "../escape",         "a/b",       "/tmp/kelvane-abs", "..",          ".",          "",
        "Seventeen_chars_x", "tab\tname", "line\nbreak",      "caf\xc3\xa9", "back\\slash"};
    for (const char* name : hostile) {
        f.ui.messages.clear();
        std::memset(doc.boat.boatName, 0, sizeof doc.boat.boatName);
        std::memcpy(doc.boat.boatName, name, std::strlen(name));
        doc.boatPresent = true;
        SaveBoat(doc);
        EXPECT_EQ(f.ui.messages, (Names{TRY_ANOTHER})) << name;
    }
    EXPECT_EQ(doc.settings.boatCount, 0);
    EXPECT_EQ(f.Files(), (Names{"Persist.kvn"}));
    EXPECT_EQ(f.folder.Entries(), (Names{"data"}));
    EXPECT_FALSE(std::filesystem::exists("/tmp/kelvane-abs.boat"));

    // A usable name right after: the list and the files agree.
    std::snprintf(doc.boat.boatName, sizeof doc.boat.boatName, "%s", "Fine");
    SaveBoat(doc);
    EXPECT_EQ(doc.settings.boatCount, 1);
    EXPECT_EQ(f.Files(), (Names{"Fine.boat", "Persist.kvn"}));

    // The data folder vanishes: the file cannot be written.
    f.ui.messages.clear();
    f.DefineBoat("Lost");
    std::snprintf(doc.dataFolder, sizeof doc.dataFolder, "%s", f.folder.File("gone").c_str());
    SaveBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{TRY_ANOTHER}));
    EXPECT_EQ(doc.settings.boatCount, 1);
}

TEST(OpenBoat, LoadsTheChosenBoatOrKeepsThePreviousOne) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    OpenBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{NO_BOATS}));
    EXPECT_TRUE(f.ui.chooseBoatTitles.empty());

    f.DefineBoat("Sail", SAILBOAT);
    SaveBoat(doc);
    f.SaveBoats({"Gone", "Short", "House"});
    const std::vector<unsigned char> sail = TempFolder::ReadBytes(f.File("Sail.boat"));
    std::filesystem::remove(f.File("Gone.boat"));
    WriteHundredBytes(f.File("Short.boat"));
    const std::vector<unsigned char> house = BytesOf(doc.boat);
    f.ui.messages.clear();

    // Cancel and a slot that is not listed change nothing.
    f.ui.chooseBoatAnswers = {-1, 4, 7};
    for (int i = 0; i < 3; ++i) OpenBoat(doc);
    EXPECT_EQ(doc.settings.currentBoatIndex, 3);
    EXPECT_TRUE(f.ui.messages.empty());

    // A missing or a short file keeps the previous record whole.
    f.ui.chooseBoatAnswers = {1, 2};
    OpenBoat(doc);
    OpenBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{NO_BOAT_FILE, BOAT_CORRUPTED}));
    EXPECT_FALSE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), house);
    EXPECT_EQ(doc.settings.currentBoatIndex, 2);

    f.ui.messages.clear();
    f.ui.chooseBoatAnswers = {0};
    OpenBoat(doc);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), sail);
    EXPECT_EQ(StoredSettings(doc)->currentBoatIndex, 0);
}

TEST(DeleteBoat, SlotTwoOfThreeWhileTheFirstIsCurrent) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    DeleteBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{NO_BOATS}));
    f.ui.messages.clear();

    f.SaveBoats({"A", "B", "C"});
    f.ui.chooseBoatAnswers = {0, 2};
    OpenBoat(doc);
    const std::vector<unsigned char> a = BytesOf(doc.boat);
    DeleteBoat(doc);
    EXPECT_TRUE(f.ui.questions.empty());
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(doc.settings.boatCount, 2);
    EXPECT_EQ(doc.settings.currentBoatIndex, 0);
    EXPECT_EQ((Names{f.Slot(0), f.Slot(1), f.Slot(2)}), (Names{"A", "B", " ... "}));
    EXPECT_EQ(BytesOf(doc.boat), a);
    EXPECT_EQ(f.Files(), (Names{"A.boat", "B.boat", "Persist.kvn"}));
    EXPECT_EQ(StoredSettings(doc)->boatCount, 2);
}

TEST(DeleteBoat, TheOnlyCurrentBoatGivesTheDefaultBoat) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    f.DefineBoat("Only", SAILBOAT);
    doc.boat.lengthOverall = 40.0;
    SaveBoat(doc);

    f.ui.chooseBoatAnswers = {0, 0};
    f.ui.yesNoAnswers = {false, true};
    DeleteBoat(doc);  // No keeps everything
    EXPECT_EQ(f.ui.questions, (Names{"This will delete the current boat\n\nDelete it?"}));
    EXPECT_EQ(doc.settings.boatCount, 1);
    EXPECT_TRUE(std::filesystem::exists(f.File("Only.boat")));

    DeleteBoat(doc);
    EXPECT_EQ(doc.settings.boatCount, 0);
    EXPECT_EQ(f.Files(), (Names{"Persist.kvn"}));
    // The default boat of the current type (the deleted boat's).
    EXPECT_STREQ(doc.boat.boatName, "New_Sailboat");
    EXPECT_EQ(doc.boat.lengthOverall, 35.0);
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(DeleteBoat, TheCurrentBoatLoadsTheFirstLeftAndAShortOneKeepsTheRecordWhole) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    f.DefineBoat("Keel", SAILBOAT);
    SaveBoat(doc);
    const std::vector<unsigned char> keel = BytesOf(doc.boat);
    f.SaveBoats({"Power", "Spare"});

    f.ui.chooseBoatAnswers = {2};
    f.ui.yesNoAnswers = {true};
    DeleteBoat(doc);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), keel);
    EXPECT_EQ(f.Files(), (Names{"Keel.boat", "Persist.kvn", "Power.boat"}));

    // Keel is current; the first boat left after it has a short file.
    WriteHundredBytes(f.File("Power.boat"));
    f.ui.chooseBoatAnswers = {0};
    f.ui.yesNoAnswers = {true};
    DeleteBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{BOAT_CORRUPTED}));
    EXPECT_FALSE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), keel) << "no half-read record";
    EXPECT_EQ(doc.settings.boatCount, 1);
    EXPECT_EQ(doc.settings.currentBoatIndex, 0);
}

// New boats at their limits, each then edited to another type, save and
// open again without a corrupted-file report.
TEST(OpenBoat, BoatsEditedToTheirLimitsLoadBack) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    struct Edit {
        const char* name;
        int type;
        bool metric;
        void (*change)(BoatDialogValues&);
    };
    const Edit edits[] = {
        {"House", HOUSEBOAT, false, [](BoatDialogValues&) {}},
        {"TwinSail", SAILBOAT, false,
         [](BoatDialogValues& v) {
             v.engineCount = 2;
             v.counterRotating = true;
             v.engineType = OUTBOARD_OR_IO;
             v.propDistFromCL = 0.0;
             v.hasBowThruster = true;
             v.bowThrusterDistFromTransom = 100.0;
         }},
        {"MetricLimits", MOTORBOAT, true,
         [](BoatDialogValues& v) {
             v.fenderDiameter = 0.1524;
             v.propDistFromCL = 0.5 * v.lengthOverall;
             v.bowThrusterDistFromTransom = v.lengthOverall;
             v.dockLineLength = 2.0 * v.lengthOverall;
         }},
        {"Big", MOTORBOAT, false,
         [](BoatDialogValues& v) {
             v.lengthOverall = 120.0;
             v.beam = 30.0;
             v.weight = 400000.0;
         }},
        {"Dinghy", SAILBOAT, true,
         [](BoatDialogValues& v) {
             v.lengthOverall = 2.0;
             v.beam = 0.8;
             v.weight = 60.0;
             v.fenderDiameter = 0.6096;
             v.idlePowerFactor = 0.9;
         }},
    };
    for (const Edit& e : edits) {
        SetDisplayUnits(doc, e.metric);
        BoatDialogValues values;
        FillBoatDialog(doc, values, BOAT_DIALOG_NEW, e.type);
        std::snprintf(values.boatName, sizeof values.boatName, "%s", e.name);
        e.change(values);
        AcceptNewBoat(doc, values);
        FillBoatDialog(doc, values, BOAT_DIALOG_EDIT, e.type);
        values.boatType = (e.type + 1) % 3;
        AcceptEditedBoat(doc, values);
        EXPECT_TRUE(BoatRecordIsSound(doc.boat)) << e.name;
        f.ui.messages.clear();  // the clamping messages of the dialog
        SaveBoat(doc);
        EXPECT_TRUE(f.ui.messages.empty()) << e.name;
    }
    ASSERT_EQ(doc.settings.boatCount, 5);
    for (int slot = 0; slot < 5; ++slot) {
        f.ui.chooseBoatAnswers.push_back(slot);
        OpenBoat(doc);
        EXPECT_EQ(f.ui.messages, Names{}) << f.Slot(slot);
        EXPECT_TRUE(doc.boatPresent) << f.Slot(slot);
        EXPECT_EQ(f.Slot(slot), doc.boat.boatName);
    }
}
