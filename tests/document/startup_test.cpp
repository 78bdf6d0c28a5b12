#include "document/startup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "boat/boat_file.h"
#include "boat/boat_file_commands.h"
#include "boat/boat_list.h"
#include "document/settings_file.h"
#include "file_document.h"

namespace {

const char NO_SETTINGS[] = "Cannot open the persistent data file:\n\nUsing defaults";
const char SETTINGS_CORRUPTED[] = "Persistent data is corrupted:\n\nUsing defaults";

std::vector<unsigned char> DefaultSettingsBytes() {
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    ApplySettingsDefaults(*doc);
    std::vector<unsigned char> bytes(SETTINGS_RECORD_SIZE);
    SettingsRecordToBytes(doc->settings, bytes.data());
    return bytes;
}

double LittleEndianDouble(const std::vector<unsigned char>& bytes, std::size_t offset) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[offset + i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::int32_t LittleEndianInt(const std::vector<unsigned char>& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | bytes[offset + i];
    return static_cast<std::int32_t>(bits);
}

void WriteSettings(const FileDocument& f, const SettingsRecord& settings) {
    std::vector<unsigned char> bytes(SETTINGS_RECORD_SIZE);
    SettingsRecordToBytes(settings, bytes.data());
    TempFolder::WriteBytes(f.folder.File("Persist.kvn"), bytes.data(), bytes.size());
}

}  // namespace

TEST(StartUp, FirstStartInAnEmptyFolder) {
    FileDocument f;
    f.StartUp();
    CKLVNDoc& doc = *f.doc;
    EXPECT_EQ(f.ui.messages, (Names{NO_SETTINGS}));
    EXPECT_EQ(f.folder.Entries(), (Names{"Persist.kvn"}));
    EXPECT_EQ(TempFolder::ReadBytes(f.folder.File("Persist.kvn")), DefaultSettingsBytes());
    EXPECT_STREQ(doc.boat.boatName, "New_Motorboat");
    EXPECT_EQ(doc.boat.lengthOverall, 35.0);
    EXPECT_EQ(doc.settings.boatCount, 0);
    EXPECT_EQ(doc.units.lengthToDisplay, 1.0);
    EXPECT_EQ(doc.units.weightToInternal, 1.0);
    EXPECT_EQ(doc.env.envRatePeriod[0], 100);
}

TEST(StartUp, SettingsDefaultsAndTheirBytes) {
    std::vector<unsigned char> b = DefaultSettingsBytes();
    ASSERT_EQ(b.size(), 704u);
    for (int slot = 0; slot < 16; ++slot) {
        EXPECT_STREQ(reinterpret_cast<const char*>(&b[slot * 18]), " ... ");
    }
    EXPECT_EQ(LittleEndianInt(b, 288), 0);  // boatCount
    EXPECT_EQ(LittleEndianInt(b, 300), 1);  // dockLayoutSaved
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(LittleEndianDouble(b, 312 + 96 + 8 * i), 1.0);  // envVariation
        EXPECT_EQ(LittleEndianInt(b, 312 + 128 + 4 * i), 100);    // envRatePeriod
        EXPECT_EQ(LittleEndianInt(b, 312 + 144 + 4 * i), 1);      // envRateIndex
        EXPECT_EQ(LittleEndianDouble(b, 312 + 176 + 16 * i), 1.0);
        EXPECT_EQ(LittleEndianDouble(b, 312 + 184 + 16 * i), 1.0);
    }
    EXPECT_EQ(b[632], 0);  // metricUnits
    const int keys[17] = {'U', 'O', 'I', 'W', 'X', 'S', 'R',  'V', 'F',
                          'E', 'C', 'D', 'J', 'L', 'K', 0x70, 0x71};
    for (int k = 0; k < 17; ++k) EXPECT_EQ(LittleEndianInt(b, 636 + 4 * k), keys[k]);
}

TEST(StartUp, SettingsRoundTripAndMetricUnits) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    doc.settings.metricUnits = 1;
    doc.settings.windOn = 1;
    doc.settings.envSettingsPersisted.envAverage[0] = 12.5;
    doc.settings.envSettingsPersisted.currentStepX = -0.125;
    doc.settings.currentBoatType = HOUSEBOAT;
    ASSERT_EQ(SaveSettings(doc), 1);
    std::vector<unsigned char> saved = TempFolder::ReadBytes(f.folder.File("Persist.kvn"));
    ASSERT_EQ(saved.size(), 704u);
    EXPECT_EQ(LittleEndianDouble(saved, 312 + 64), 12.5);
    EXPECT_EQ(LittleEndianDouble(saved, 312 + 312), -0.125);

    FileDocument g;
    std::filesystem::copy_file(f.folder.File("Persist.kvn"), g.folder.File("Persist.kvn"));
    g.StartUp();
    EXPECT_TRUE(g.ui.messages.empty());
    EXPECT_EQ(g.doc->units.lengthToInternal, 3.281);
    EXPECT_EQ(g.doc->units.areaToDisplay, 0.3048 * 0.3048);
    EXPECT_EQ(g.doc->env.envAverage[0], 12.5);
    EXPECT_STREQ(g.doc->boat.boatName, "New_Houseboat");
    // Written back unchanged but for what start-up itself sets (the layout).
    std::vector<unsigned char> again(704);
    SettingsRecordToBytes(g.doc->settings, again.data());
    EXPECT_EQ(again, saved);
}

TEST(StartUp, ATenByteSettingsFileIsReplacedByDefaults) {
    FileDocument f;
    TempFolder::WriteBytes(f.folder.File("Persist.kvn"), "0123456789", 10);
    f.StartUp();
    EXPECT_EQ(f.ui.messages, (Names{SETTINGS_CORRUPTED}));
    EXPECT_EQ(TempFolder::ReadBytes(f.folder.File("Persist.kvn")), DefaultSettingsBytes());
    EXPECT_STREQ(f.doc->boat.boatName, "New_Motorboat");
}

TEST(StartUp, SettingsTheProgramCannotUseCountAsCorrupted) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Damage {
        const char* what;
        std::function<void(SettingsRecord&)> apply;
    };
    const Damage damages[] = {
        {"17 boats", [](SettingsRecord& s) { s.boatCount = 17; }},
        {"negative count", [](SettingsRecord& s) { s.boatCount = -1; }},
        {"current past the list", [](SettingsRecord& s) { s.currentBoatIndex = 2; }},
        {"negative current", [](SettingsRecord& s) { s.currentBoatIndex = -1; }},
        {"boat type 3", [](SettingsRecord& s) { s.currentBoatType = 3; }},
        {"rate index 3", [](SettingsRecord& s) { s.envSettingsPersisted.envRateIndex[2] = 3; }},
        {"rate period 0", [](SettingsRecord& s) { s.envSettingsPersisted.envRatePeriod[1] = 0; }},
        {"NaN average", [nan](SettingsRecord& s) { s.envSettingsPersisted.envAverage[3] = nan; }},
        {"infinite wind",
         [](SettingsRecord& s) { s.envSettingsPersisted.apparentWindX = INFINITY; }},
        {"name without NUL", [](SettingsRecord& s) { std::memset(s.boatNames[9], 'z', 18); }},
    };
    for (const Damage& d : damages) {
        FileDocument f;
        auto settings = std::make_unique<CKLVNDoc>();
        ClearDocument(*settings);
        ApplySettingsDefaults(*settings);
        AddBoatNameToList(settings->settings, "A");
        AddBoatNameToList(settings->settings, "B");
        d.apply(settings->settings);
        WriteSettings(f, settings->settings);
        f.StartUp();
        EXPECT_EQ(f.ui.messages, (Names{SETTINGS_CORRUPTED})) << d.what;
        EXPECT_EQ(f.doc->settings.boatCount, 0) << d.what;
        EXPECT_EQ(TempFolder::ReadBytes(f.folder.File("Persist.kvn")), DefaultSettingsBytes())
            << d.what;
    }

    // A layout number out of range is left to the dock layout's own handling.
    FileDocument f;
    auto settings = std::make_unique<CKLVNDoc>();
    ClearDocument(*settings);
    ApplySettingsDefaults(*settings);
    settings->settings.dockLayoutSaved = 12;
    WriteSettings(f, settings->settings);
    f.StartUp();
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(StartUp, TheCurrentBoatIsLoadedOrReplacedByADefault) {
    // Save two boats, the second current, in one folder.
    FileDocument saver;
    saver.StartUpFresh();
    saver.DefineBoat("Gone", MOTORBOAT);
    SaveBoat(*saver.doc);
    saver.DefineBoat("Keel", SAILBOAT);
    saver.doc->boat.lengthOverall = 38.0;
    SaveBoat(*saver.doc);
    ASSERT_TRUE(saver.ui.messages.empty());
    const std::vector<unsigned char> settings =
        TempFolder::ReadBytes(saver.folder.File("Persist.kvn"));

    {
        FileDocument f;
        std::filesystem::copy_file(saver.folder.File("Persist.kvn"), f.folder.File("Persist.kvn"));
        std::filesystem::copy_file(saver.folder.File("Keel.boat"), f.folder.File("Keel.boat"));
        f.StartUp();
        EXPECT_TRUE(f.ui.messages.empty());
        EXPECT_TRUE(f.doc->boatPresent);
        EXPECT_STREQ(f.doc->boat.boatName, "Keel");
        EXPECT_EQ(f.doc->boat.lengthOverall, 38.0);
    }
    {
        // The file of the current boat is missing: default boat of the current
        // type, the list unchanged.
        FileDocument f;
        std::filesystem::copy_file(saver.folder.File("Persist.kvn"), f.folder.File("Persist.kvn"));
        f.StartUp();
        EXPECT_EQ(f.ui.messages, (Names{NO_BOAT_FILE}));
        EXPECT_STREQ(f.doc->boat.boatName, "New_Sailboat");
        EXPECT_EQ(f.doc->boat.lengthOverall, 35.0);
        EXPECT_EQ(f.doc->settings.boatCount, 2);
        EXPECT_EQ(f.Slot(1), "Keel");
    }
    {
        // A 100-byte boat file.
        FileDocument f;
        std::filesystem::copy_file(saver.folder.File("Persist.kvn"), f.folder.File("Persist.kvn"));
        std::vector<unsigned char> hundred(100, 1);
        TempFolder::WriteBytes(f.folder.File("Keel.boat"), hundred.data(), hundred.size());
        f.StartUp();
        EXPECT_EQ(f.ui.messages, (Names{BOAT_CORRUPTED}));
        EXPECT_STREQ(f.doc->boat.boatName, "New_Sailboat");
        EXPECT_EQ(f.doc->settings.boatCount, 2);
    }
}

TEST(StartUp, AListedNameThatIsNoFileNameReadsNothingOutsideTheFolder) {
    TempFolder root;
    std::string data = root.File("data");
    std::filesystem::create_directory(data);
    // A boat file one folder up that a hostile list entry would point at.
    FileDocument saver;
    saver.StartUpFresh();
    saver.DefineBoat("outside");
    SaveBoat(*saver.doc);
    std::filesystem::copy_file(saver.folder.File("outside.boat"), root.File("outside.boat"));

    auto settings = std::make_unique<CKLVNDoc>();
    ClearDocument(*settings);
    ApplySettingsDefaults(*settings);
    AddBoatNameToList(settings->settings, "../outside");
    std::vector<unsigned char> bytes(SETTINGS_RECORD_SIZE);
    SettingsRecordToBytes(settings->settings, bytes.data());
    TempFolder::WriteBytes(data + "/Persist.kvn", bytes.data(), bytes.size());

    RecordingUserInterface ui;
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    doc->ui = &ui;
    StartUpDocument(*doc, data.c_str());
    EXPECT_EQ(ui.messages, (Names{NO_BOAT_FILE}));
    EXPECT_STREQ(doc->boat.boatName, "New_Motorboat");

    // Deleting it takes it off the list and removes no file anywhere.
    ui.chooseBoatAnswers = {0};
    ui.yesNoAnswers = {true};
    DeleteBoat(*doc);
    EXPECT_EQ(doc->settings.boatCount, 0);
    EXPECT_TRUE(std::filesystem::exists(root.File("outside.boat")));
}

TEST(StartUp, NoDataFolderReadsAndWritesNothing) {
    RecordingUserInterface ui;
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    doc->ui = &ui;
    StartUpDocument(*doc, "");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_STREQ(doc->boat.boatName, "New_Motorboat");
    EXPECT_EQ(SaveSettings(*doc), 1);
    EXPECT_EQ(doc->settings.dockLayoutSaved, 1);
}
