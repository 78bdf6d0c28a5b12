#include "boat/boat_file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../document/file_document.h"
#include "../support/record_bytes.h"
#include "boat/boat_list.h"
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
    std::memset(doc.boat.boatName, 0, sizeof doc.boat.boatName);
    std::memcpy(doc.boat.boatName, name, std::strlen(name));
}

using SavingBoats = FreshStart;
using OpeningBoats = FreshStart;
using DeletingBoats = FreshStart;
using BoatNameList = FreshStart;

}  // namespace

TEST_F(SavingBoats, WritesTheFileListsTheNameRewritesAListedOneAndRefusesWhenFull) {
    doc.boatPresent = false;
    SaveBoat(doc);  // nothing without a boat
    EXPECT_EQ(f.Files(), (Names{"Persist.kvn"}));
    f.SaveBoats({"Blue Heron", "Gull"});
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(TempFolder::ReadBytes(f.File("Gull.boat")), BytesOf(doc.boat));

    doc.settings.currentBoatIndex = 0;
    doc.boat.weight = 12345.0;
    SetName(doc, "Blue Heron");
    SaveBoat(doc);  // rewritten in place, still listed once
    EXPECT_EQ(TempFolder::ReadBytes(f.File("Blue Heron.boat")), BytesOf(doc.boat));
    EXPECT_TRUE(doc.settings.boatCount == 2 && doc.settings.currentBoatIndex == 0);
    EXPECT_STREQ(StoredSettings(doc)->boatNames[1], "Gull");

    for (int i = 2; i < 16; ++i) f.SaveBoats({("Boat" + std::to_string(i)).c_str()});
    f.SaveBoats({"Boat3", "Seventeenth"});  // listed or not, the list is full
    const char full[] = "Boat list is full:\n\nYou must delete a boat\nbefore saving this one";
    EXPECT_EQ(f.ui.messages, (Names{full, full}));
    EXPECT_EQ(f.Files().size(), 17u);
}

// A name that would reach outside the data folder, or could not be listed, is
// refused before anything is written.
TEST(SaveBoatName, HostileNamesLeaveNoFileAndNoListEntry) {
    FileDocument f;
    f.UseDataSubfolder();
    f.StartUpFresh();
    for (const char* name : {"../escape", "/tmp/kelvane-abs", "", "Seventeen_chars_x"}) {
        f.ui.messages.clear();
        SetName(*f.doc, name);
        SaveBoat(*f.doc);
        EXPECT_EQ(f.ui.messages, (Names{TRY_ANOTHER})) << name;
    }
    EXPECT_EQ(f.doc->settings.boatCount, 0);
    EXPECT_EQ(f.folder.Entries(), (Names{"data"}));
    EXPECT_FALSE(std::filesystem::exists("/tmp/kelvane-abs.boat"));
}

TEST_F(OpeningBoats, LoadsTheChosenBoatOrKeepsThePreviousOne) {
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
    EXPECT_TRUE(f.ui.messages.empty() && doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), sail);
    EXPECT_EQ(StoredSettings(doc)->currentBoatIndex, 0);
}

TEST_F(DeletingBoats, AnotherBoatThenTheCurrentOneThenTheLast) {
    DeleteBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{NO_BOATS}));
    f.ui.messages.clear();
    f.DefineBoat("Keel", SAILBOAT);
    SaveBoat(doc);
    const std::vector<unsigned char> keel = BytesOf(doc.boat);
    f.SaveBoats({"Power", "Spare", "Gone"});
    f.ui.chooseBoatAnswers = {0, 2};
    OpenBoat(doc);
    DeleteBoat(doc);  // Spare: not the current boat, no question
    EXPECT_TRUE(f.ui.questions.empty() && f.ui.messages.empty());
    EXPECT_EQ((Names{f.Slot(0), f.Slot(1), f.Slot(2), f.Slot(3)}),
              (Names{"Keel", "Power", "Gone", " ... "}));
    EXPECT_EQ(BytesOf(doc.boat), keel);
    EXPECT_EQ(StoredSettings(doc)->boatCount, 3);

    // The current boat: No keeps everything; Yes loads the first boat left, and a
    // short one keeps the record whole.
    WriteHundredBytes(f.File("Power.boat"));
    f.ui.chooseBoatAnswers = {0, 0, 0, 0};
    f.ui.yesNoAnswers = {false, true, true};
    DeleteBoat(doc);
    EXPECT_EQ(f.ui.questions, (Names{"This will delete the current boat\n\nDelete it?"}));
    EXPECT_TRUE(std::filesystem::exists(f.File("Keel.boat")));
    DeleteBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{BOAT_CORRUPTED}));
    EXPECT_FALSE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), keel) << "no half-read record";
    f.ui.messages.clear();
    RemoveBoatName(doc, 1);  // Gone; the only boat left is current
    DeleteBoat(doc);
    EXPECT_EQ(doc.settings.boatCount, 0);
    EXPECT_EQ(f.Files(), (Names{"Gone.boat", "Persist.kvn"}));
    EXPECT_STREQ(doc.boat.boatName, "New_Motorboat");
    EXPECT_TRUE(f.ui.messages.empty());
}

// Names are added in order and matched exactly; a full list refuses even a
// listed name; removing closes the gap and follows the current boat; the
// selection list shows every listed name whole.
TEST_F(BoatNameList, AddRemoveAndTheSelectionList) {
    SettingsRecord& s = doc.settings;
    EXPECT_EQ(RemoveBoatName(doc, 0), 0);
    EXPECT_EQ(f.ui.messages, (Names{NO_BOATS}));
    BoatSelectionList list;
    FillSelectionList(doc, list);
    EXPECT_TRUE(list.count == 0 && list.chosen == -1);
    EXPECT_EQ(AddBoatNameToList(s, "12345678901234567890"), -1);
    for (const char* name : {"A", "Sixteen_chars_ok", "C", "D"}) AddBoatName(doc, name);
    EXPECT_EQ(AddBoatName(doc, "A"), 0);
    EXPECT_EQ(s.currentBoatIndex, 3);
    EXPECT_EQ(AddBoatName(doc, "a"), 4);
    EXPECT_EQ(StoredSettings(doc)->boatCount, 5);
    s.currentBoatIndex = 2;  // C
    FillSelectionList(doc, list);
    EXPECT_TRUE(list.count == 5 && list.initialSelection == 2 && list.chosen == -1);
    EXPECT_EQ((Names{list.names[1], list.names[4], list.names[5]}),
              (Names{"Sixteen_chars_ok", "a", ""}));
    EXPECT_EQ(RemoveBoatName(doc, 0), 0);
    EXPECT_EQ(RemoveBoatName(doc, 2), 0);  // D, after the current boat
    EXPECT_EQ((Names{f.Slot(0), f.Slot(1), f.Slot(2), f.Slot(3)}),
              (Names{"Sixteen_chars_ok", "C", "a", " ... "}));
    EXPECT_EQ(s.currentBoatIndex, 1) << "still C";
    s.currentBoatIndex = 0;
    EXPECT_EQ(RemoveBoatName(doc, 0), 0);  // the current boat itself: the index stays in the list
    EXPECT_EQ(s.currentBoatIndex, 0);
    f.ui.messages.clear();
    for (int slot : {16, 3, -1}) EXPECT_EQ(RemoveBoatName(doc, slot), -1) << slot;
    const char invalid[] = "Out of Range error\n\nInvalid boat name index";
    EXPECT_EQ(f.ui.messages, (Names{invalid, invalid, invalid}));
    for (int i = 2; i < 16; ++i)
        EXPECT_EQ(AddBoatName(doc, ("Boat " + std::to_string(i)).c_str()), i);
    EXPECT_EQ(AddBoatName(doc, "C"), -1) << "a full list refuses even a listed name";
}
