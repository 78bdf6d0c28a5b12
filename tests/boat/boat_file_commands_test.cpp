#include "boat/boat_file_commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "../document/file_document.h"
#include "boat/boat_file.h"
#include "boat/boat_list.h"
#include "boat/boat_record_bytes.h"
#include "boat/units.h"
#include "document/settings_file.h"

namespace {

using Names = std::vector<std::string>;

std::vector<unsigned char> BytesOf(const BoatRecord& boat) {
    std::vector<unsigned char> bytes(BOAT_RECORD_SIZE);
    BoatRecordToBytes(boat, bytes.data());
    return bytes;
}

const char NO_BOATS[] = "No boats on file:\n\nOperation aborted";
const char CORRUPTED[] = "Boat file is corrupted:\n\nUsing default boat";
const char TRY_ANOTHER[] = "Cannot write to boat data file:\n\nTry another name";

// Saves boats under the names, in order, each a new Motorboat of that name.
void SaveBoats(FileDocument& f, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        f.DefineBoat(name);
        SaveBoat(*f.doc);
    }
}

}  // namespace

TEST(SaveBoat, WritesTheFileAndListsTheName) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;

    // The default boat of start-up is not saved by itself.
    EXPECT_EQ(f.folder.Entries(), (Names{"Persist.kvn"}));

    SaveBoats(f, {"Blue Heron"});
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.folder.Entries(), (Names{"Blue Heron.boat", "Persist.kvn"}));
    EXPECT_EQ(TempFolder::ReadBytes(f.folder.File("Blue Heron.boat")), BytesOf(doc.boat));
    EXPECT_EQ(doc.settings.boatCount, 1);
    EXPECT_EQ(f.Slot(0), "Blue Heron");

    // Saving again under a listed name rewrites the file, the list stays.
    SaveBoats(f, {"Gull"});
    doc.settings.currentBoatIndex = 0;
    doc.boat.weight = 12345.0;
    std::snprintf(doc.boat.boatName, sizeof doc.boat.boatName, "%s", "Blue Heron");
    SaveBoat(doc);
    EXPECT_EQ(doc.settings.boatCount, 2);
    EXPECT_EQ(doc.settings.currentBoatIndex, 0);
    auto loaded = std::make_unique<BoatRecord>();
    ASSERT_EQ(LoadBoatFile(f.folder.File("Blue Heron.boat").c_str(), *loaded), BOAT_FILE_LOADED);
    EXPECT_EQ(loaded->weight, 12345.0);

    auto stored = std::make_unique<SettingsRecord>();
    ASSERT_EQ(LoadSettingsFile(doc, *stored), SETTINGS_FILE_LOADED);
    EXPECT_EQ(stored->boatCount, 2);
    EXPECT_STREQ(stored->boatNames[1], "Gull");
    EXPECT_EQ(f.folder.Entries(), (Names{"Blue Heron.boat", "Gull.boat", "Persist.kvn"}));
}

TEST(SaveBoat, NothingWithoutABoatAndAFullListRefuses) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    doc.boatPresent = false;
    SaveBoat(doc);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(doc.settings.boatCount, 0);

    for (int i = 0; i < 16; ++i) SaveBoats(f, {("Boat" + std::to_string(i)).c_str()});
    ASSERT_EQ(doc.settings.boatCount, 16);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.folder.Entries().size(), 17u);

    SaveBoats(f, {"Boat3"});  // listed, but the list is full
    SaveBoats(f, {"Seventeenth"});
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[0],
              "Boat list is full:\n\nYou must delete a boat\nbefore saving this one");
    EXPECT_EQ(f.ui.messages[1], f.ui.messages[0]);
    EXPECT_EQ(f.folder.Entries().size(), 17u);
}

TEST(SaveBoat, HostileNamesWriteNothingAndStayOffTheList) {
    // The data folder sits inside a root folder that must stay as it is.
    TempFolder root;
    std::string data = root.File("data");
    std::filesystem::create_directory(data);
    RecordingUserInterface ui;
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    doc->ui = &ui;
    StartUpDocument(*doc, data.c_str());
    ui.messages.clear();

    const char* hostile[] = {
        "../escape",         "a/b",       "/tmp/kelvane-abs", "..",          ".",          "",
        "Seventeen_chars_x", "tab\tname", "line\nbreak",      "caf\xc3\xa9", "back\\slash"};
    for (const char* name : hostile) {
        ui.messages.clear();
        std::memset(doc->boat.boatName, 0, sizeof doc->boat.boatName);
        std::memcpy(doc->boat.boatName, name, std::strlen(name));
        doc->boatPresent = true;
        SaveBoat(*doc);
        ASSERT_EQ(ui.messages.size(), 1u) << name;
        EXPECT_EQ(ui.messages[0], TRY_ANOTHER) << name;
    }
    EXPECT_EQ(doc->settings.boatCount, 0);
    EXPECT_EQ(TempFolder::EntriesOf(data), (Names{"Persist.kvn"}));
    EXPECT_EQ(root.Entries(), (Names{"data"}));
    EXPECT_FALSE(std::filesystem::exists("/tmp/kelvane-abs.boat"));

    // A usable name right after: the list and the files agree.
    std::snprintf(doc->boat.boatName, sizeof doc->boat.boatName, "%s", "Fine");
    SaveBoat(*doc);
    EXPECT_EQ(doc->settings.boatCount, 1);
    EXPECT_EQ(TempFolder::EntriesOf(data), (Names{"Fine.boat", "Persist.kvn"}));
}

TEST(SaveBoat, AFolderThatCannotBeWrittenLeavesNoListEntry) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    f.DefineBoat("Lost");
    // The data folder vanishes: the file cannot be written.
    std::snprintf(doc.dataFolder, sizeof doc.dataFolder, "%s", f.folder.File("gone").c_str());
    SaveBoat(doc);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0], TRY_ANOTHER);
    EXPECT_EQ(doc.settings.boatCount, 0);
}

TEST(OpenBoat, LoadsTheChosenBoat) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;

    OpenBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{NO_BOATS}));
    EXPECT_TRUE(f.ui.chooseBoatTitles.empty());

    f.DefineBoat("Sail", SAILBOAT);
    SaveBoat(doc);
    f.DefineBoat("House", HOUSEBOAT);
    SaveBoat(doc);
    const std::vector<unsigned char> sail = TempFolder::ReadBytes(f.folder.File("Sail.boat"));
    f.ui.messages.clear();

    // Cancel and a slot that is not listed change nothing.
    f.ui.chooseBoatAnswers = {-1, 2, 7};
    for (int i = 0; i < 3; ++i) OpenBoat(doc);
    EXPECT_STREQ(doc.boat.boatName, "House");
    EXPECT_EQ(doc.settings.currentBoatIndex, 1);
    EXPECT_TRUE(f.ui.messages.empty());

    f.ui.chooseBoatAnswers = {0};
    OpenBoat(doc);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), sail);
    EXPECT_EQ(doc.settings.currentBoatIndex, 0);
    auto stored = std::make_unique<SettingsRecord>();
    ASSERT_EQ(LoadSettingsFile(doc, *stored), SETTINGS_FILE_LOADED);
    EXPECT_EQ(stored->currentBoatIndex, 0);
}

TEST(OpenBoat, MissingOrShortFileKeepsThePreviousBoat) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    SaveBoats(f, {"Gone", "Short", "Here"});
    std::filesystem::remove(f.folder.File("Gone.boat"));
    std::vector<unsigned char> hundred(100, 7);
    TempFolder::WriteBytes(f.folder.File("Short.boat"), hundred.data(), hundred.size());
    const std::vector<unsigned char> here = BytesOf(doc.boat);
    f.ui.messages.clear();

    f.ui.chooseBoatAnswers = {0};
    OpenBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{"Cannot open the boat data file:\n\nUsing default boat"}));
    EXPECT_FALSE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), here);

    f.ui.messages.clear();
    f.ui.chooseBoatAnswers = {1};
    OpenBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{CORRUPTED}));
    EXPECT_FALSE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), here);
    EXPECT_EQ(doc.settings.currentBoatIndex, 1);
}

TEST(DeleteBoat, SlotTwoOfThreeWhileTheFirstIsCurrent) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;

    DeleteBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{NO_BOATS}));
    f.ui.messages.clear();

    SaveBoats(f, {"A", "B", "C"});
    f.ui.chooseBoatAnswers = {0};
    OpenBoat(doc);
    const std::vector<unsigned char> a = BytesOf(doc.boat);

    f.ui.chooseBoatAnswers = {2};
    DeleteBoat(doc);
    EXPECT_TRUE(f.ui.questions.empty());
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(doc.settings.boatCount, 2);
    EXPECT_EQ(doc.settings.currentBoatIndex, 0);
    EXPECT_EQ(f.Slot(0), "A");
    EXPECT_EQ(f.Slot(1), "B");
    EXPECT_EQ(f.Slot(2), " ... ");
    EXPECT_EQ(BytesOf(doc.boat), a);
    EXPECT_EQ(f.folder.Entries(), (Names{"A.boat", "B.boat", "Persist.kvn"}));
    auto stored = std::make_unique<SettingsRecord>();
    ASSERT_EQ(LoadSettingsFile(doc, *stored), SETTINGS_FILE_LOADED);
    EXPECT_EQ(stored->boatCount, 2);
}

TEST(DeleteBoat, TheOnlyCurrentBoatGivesTheDefaultBoat) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    f.DefineBoat("Only", SAILBOAT);
    doc.boat.lengthOverall = 40.0;
    SaveBoat(doc);

    // No keeps everything.
    f.ui.chooseBoatAnswers = {0};
    f.ui.yesNoAnswers = {false};
    DeleteBoat(doc);
    EXPECT_EQ(f.ui.questions, (Names{"This will delete the current boat\n\nDelete it?"}));
    EXPECT_EQ(doc.settings.boatCount, 1);
    EXPECT_TRUE(std::filesystem::exists(f.folder.File("Only.boat")));

    f.ui.chooseBoatAnswers = {0};
    f.ui.yesNoAnswers = {true};
    DeleteBoat(doc);
    EXPECT_EQ(doc.settings.boatCount, 0);
    EXPECT_EQ(f.folder.Entries(), (Names{"Persist.kvn"}));
    // The default boat of the current type (the deleted boat's).
    EXPECT_STREQ(doc.boat.boatName, "New_Sailboat");
    EXPECT_EQ(doc.boat.lengthOverall, 35.0);
    EXPECT_EQ(doc.boat.boatType, SAILBOAT);
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(DeleteBoat, CurrentBoatWithAShortFirstFileKeepsTheRecordWhole) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    SaveBoats(f, {"First", "Second"});  // Second is current
    const std::vector<unsigned char> second = BytesOf(doc.boat);
    std::vector<unsigned char> hundred(100, 0xFF);
    TempFolder::WriteBytes(f.folder.File("First.boat"), hundred.data(), hundred.size());

    f.ui.chooseBoatAnswers = {1};
    f.ui.yesNoAnswers = {true};
    DeleteBoat(doc);
    EXPECT_EQ(f.ui.messages, (Names{CORRUPTED}));
    EXPECT_FALSE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), second) << "no half-read record";
    EXPECT_EQ(doc.settings.boatCount, 1);
    EXPECT_EQ(doc.settings.currentBoatIndex, 0);
}

TEST(DeleteBoat, CurrentBoatLoadsTheFirstOneLeft) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    f.DefineBoat("Keel", SAILBOAT);
    SaveBoat(doc);
    const std::vector<unsigned char> keel = BytesOf(doc.boat);
    SaveBoats(f, {"Power"});

    f.ui.chooseBoatAnswers = {1};
    f.ui.yesNoAnswers = {true};
    DeleteBoat(doc);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(doc.boatPresent);
    EXPECT_EQ(BytesOf(doc.boat), keel);
    EXPECT_EQ(f.folder.Entries(), (Names{"Keel.boat", "Persist.kvn"}));
}

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
        // An edit of an existing boat, changing its type, must load back too.
        FillBoatDialog(doc, values, BOAT_DIALOG_EDIT, e.type);
        values.boatType = (e.type + 1) % 3;
        AcceptEditedBoat(doc, values);
        EXPECT_TRUE(BoatRecordIsSound(doc.boat)) << e.name;
        f.ui.messages.clear();
        SaveBoat(doc);
        EXPECT_TRUE(f.ui.messages.empty()) << e.name;
    }
    for (int slot = 0; slot < doc.settings.boatCount; ++slot) {
        f.ui.chooseBoatAnswers.push_back(slot);
        OpenBoat(doc);
        EXPECT_EQ(f.ui.messages, Names{}) << f.Slot(slot);
        EXPECT_TRUE(doc.boatPresent) << f.Slot(slot);
        EXPECT_EQ(f.Slot(slot), doc.boat.boatName);
    }
    EXPECT_EQ(doc.settings.boatCount, 5);
}
