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

std::unique_ptr<SettingsRecord> StoredSettings(CKLVNDoc& doc) {
    auto stored = std::make_unique<SettingsRecord>();
    EXPECT_EQ(LoadSettingsFile(doc, *stored), SETTINGS_FILE_LOADED);
    return stored;
}

void WriteHundredBytes(const std::string& path) {
    std::vector<unsigned char> hundred(100, 0xFF);
    TempFolder::WriteBytes(path, hundred.data(), hundred.size());
}

void SetName(CKLVNDoc& doc, const char* name) {
    std::snprintf(doc.boat.boatName, sizeof doc.boat.boatName, "%s", name);
}

}  // namespace

TEST(SaveBoat, WritesTheFileListsTheNameAndRewritesAListedOne) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    EXPECT_EQ(f.Files(), (Names{"Persist.kvn"}));
    f.SaveBoats({"Blue Heron", "Gull"});
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(TempFolder::ReadBytes(f.File("Gull.boat")), BytesOf(doc.boat));

    doc.settings.currentBoatIndex = 0;
    doc.boat.weight = 12345.0;
    SetName(doc, "Blue Heron");
    SaveBoat(doc);
    EXPECT_EQ(doc.settings.boatCount, 2);
    EXPECT_EQ(doc.settings.currentBoatIndex, 0);
    auto loaded = std::make_unique<BoatRecord>();
    ASSERT_EQ(LoadBoatFile(f.File("Blue Heron.boat").c_str(), *loaded), BOAT_FILE_LOADED);
    EXPECT_EQ(loaded->weight, 12345.0);
    EXPECT_STREQ(StoredSettings(doc)->boatNames[1], "Gull");
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
        SaveBoat(doc);
        EXPECT_EQ(f.ui.messages, (Names{TRY_ANOTHER})) << name;
    }
    EXPECT_EQ(doc.settings.boatCount, 0);
    EXPECT_EQ(f.folder.Entries(), (Names{"data"}));
    EXPECT_FALSE(std::filesystem::exists("/tmp/kelvane-abs.boat"));
    SetName(doc, "Fine");
    SaveBoat(doc);
    EXPECT_EQ(f.Files(), (Names{"Fine.boat", "Persist.kvn"}));

    // The data folder vanishes: the file cannot be written, the list stays.
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

    f.ui.chooseBoatAnswers = {-1, 4, 7, 1, 2};  // cancel, unlisted slots, missing, short
    for (int i = 0; i < 5; ++i) OpenBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{NO_BOAT_FILE, BOAT_CORRUPTED}));
    EXPECT_FALSE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), house);
    EXPECT_EQ(doc.settings.currentBoatIndex, 2);

    f.ui.messages.clear();
    f.ui.chooseBoatAnswers = {0};
    f.ui.consoleOpen = true;  // an open console takes the new boat's layout
    OpenBoat(doc);
    EXPECT_EQ(f.ui.reopenConsoleCalls, 1);
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
    EXPECT_TRUE(f.ui.questions.empty() && f.ui.messages.empty());
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
    EXPECT_TRUE(std::filesystem::exists(f.File("Only.boat")));
    DeleteBoat(doc);
    EXPECT_EQ(doc.settings.boatCount, 0);
    EXPECT_EQ(f.Files(), (Names{"Persist.kvn"}));
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
    f.ui.chooseBoatAnswers = {2, 0};
    f.ui.yesNoAnswers = {true, true};
    DeleteBoat(doc);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(BytesOf(doc.boat), keel);

    WriteHundredBytes(f.File("Power.boat"));  // the first boat left after Keel
    DeleteBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{BOAT_CORRUPTED}));
    EXPECT_FALSE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), keel) << "no half-read record";
    EXPECT_EQ(doc.settings.boatCount, 1);
}

TEST(OpenBoat, ABoatEditedToItsLimitsLoadsBack) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    SetDisplayUnits(doc, true);
    BoatDialogValues v;
    FillBoatDialog(doc, v, BOAT_DIALOG_NEW, SAILBOAT);
    std::snprintf(v.boatName, sizeof v.boatName, "%s", "Dinghy");
    v.lengthOverall = 2.0;
    v.beam = 0.8;
    v.weight = 60.0;
    v.engineCount = 2;
    v.propDistFromCL = 0.0;
    v.hasBowThruster = true;
    v.bowThrusterDistFromTransom = 100.0;
    v.idlePowerFactor = 0.9;
    AcceptNewBoat(doc, v);
    FillBoatDialog(doc, v, BOAT_DIALOG_EDIT, SAILBOAT);
    v.boatType = HOUSEBOAT;
    AcceptEditedBoat(doc, v);
    EXPECT_TRUE(BoatRecordIsSound(doc.boat));
    f.ui.messages.clear();
    SaveBoat(doc);
    f.ui.chooseBoatAnswers = {0};
    OpenBoat(doc);
    EXPECT_EQ(f.ui.messages, Names{});
    EXPECT_STREQ(doc.boat.boatName, "Dinghy");
}
