#include "document/startup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "../boat/default_boat.h"
#include "../support/record_bytes.h"
#include "boat/boat_file.h"
#include "boat/boat_file_commands.h"
#include "boat/boat_list.h"
#include "document/settings_file.h"
#include "file_document.h"

namespace {

const char NO_SETTINGS[] = "Cannot open the persistent data file:\n\nUsing defaults";
const char SETTINGS_CORRUPTED[] = "Persistent data is corrupted:\n\nUsing defaults";

// The bytes of the default settings, changed by change.
std::vector<unsigned char> DefaultSettingsBytes(const std::function<void(SettingsRecord&)>& change =
                                                    [](SettingsRecord&) {}) {
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    ApplySettingsDefaults(*doc);
    change(doc->settings);
    std::vector<unsigned char> bytes(SETTINGS_RECORD_SIZE);
    SettingsRecordToBytes(doc->settings, bytes.data());
    return bytes;
}

void WriteSettings(const FileDocument& f, const std::function<void(SettingsRecord&)>& change) {
    std::vector<unsigned char> bytes = DefaultSettingsBytes(change);
    TempFolder::WriteBytes(f.File("Persist.kvn"), bytes.data(), bytes.size());
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
    EXPECT_EQ(Int32At(b.data(), 288), 0);  // boatCount
    EXPECT_EQ(Int32At(b.data(), 300), 1);  // dockLayoutSaved
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(DoubleAt(b.data(), 312 + 96 + 8 * i), 1.0);  // envVariation
        EXPECT_EQ(Int32At(b.data(), 312 + 128 + 4 * i), 100);  // envRatePeriod
        EXPECT_EQ(Int32At(b.data(), 312 + 144 + 4 * i), 1);    // envRateIndex
        EXPECT_EQ(DoubleAt(b.data(), 312 + 176 + 16 * i), 1.0);
        EXPECT_EQ(DoubleAt(b.data(), 312 + 184 + 16 * i), 1.0);
    }
    EXPECT_EQ(b[632], 0);  // metricUnits
    const int keys[17] = {'U', 'O', 'I', 'W', 'X', 'S', 'R',  'V', 'F',
                          'E', 'C', 'D', 'J', 'L', 'K', 0x70, 0x71};
    for (int k = 0; k < 17; ++k) EXPECT_EQ(Int32At(b.data(), 636 + 4 * k), keys[k]);
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
    EXPECT_EQ(DoubleAt(saved.data(), 312 + 64), 12.5);
    EXPECT_EQ(DoubleAt(saved.data(), 312 + 312), -0.125);

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
        WriteSettings(f, [&d](SettingsRecord& s) {
            AddBoatNameToList(s, "A");
            AddBoatNameToList(s, "B");
            d.apply(s);
        });
        f.StartUp();
        EXPECT_EQ(f.ui.messages, (Names{SETTINGS_CORRUPTED})) << d.what;
        EXPECT_EQ(f.doc->settings.boatCount, 0) << d.what;
        EXPECT_EQ(TempFolder::ReadBytes(f.folder.File("Persist.kvn")), DefaultSettingsBytes())
            << d.what;
    }

    // A layout number out of range is left to the dock layout's own handling.
    FileDocument f;
    WriteSettings(f, [](SettingsRecord& s) { s.dockLayoutSaved = 12; });
    f.StartUp();
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(StartUp, TheCurrentBoatIsLoadedOrReplacedByADefault) {
    // Two boats saved, the second current.
    FileDocument saver;
    saver.StartUpFresh();
    saver.DefineBoat("Gone", MOTORBOAT);
    SaveBoat(*saver.doc);
    saver.DefineBoat("Keel", SAILBOAT);
    saver.doc->boat.lengthOverall = 38.0;
    SaveBoat(*saver.doc);
    ASSERT_TRUE(saver.ui.messages.empty());
    auto copy = [&saver](FileDocument& to, const char* name) {
        std::filesystem::copy_file(saver.File(name), to.File(name));
    };

    FileDocument whole, missing, shortFile;
    for (FileDocument* f : {&whole, &missing, &shortFile}) copy(*f, "Persist.kvn");
    copy(whole, "Keel.boat");
    std::vector<unsigned char> hundred(100, 1);
    TempFolder::WriteBytes(shortFile.File("Keel.boat"), hundred.data(), hundred.size());
    whole.StartUp();
    missing.StartUp();
    shortFile.StartUp();

    EXPECT_TRUE(whole.ui.messages.empty());
    EXPECT_TRUE(whole.doc->boatPresent);
    EXPECT_STREQ(whole.doc->boat.boatName, "Keel");
    EXPECT_EQ(whole.doc->boat.lengthOverall, 38.0);
    // Otherwise the default boat of the current type, the list unchanged.
    EXPECT_EQ(missing.ui.messages, (Names{NO_BOAT_FILE}));
    EXPECT_EQ(shortFile.ui.messages, (Names{BOAT_CORRUPTED}));
    for (FileDocument* f : {&missing, &shortFile}) {
        EXPECT_STREQ(f->doc->boat.boatName, "New_Sailboat");
        EXPECT_EQ(f->doc->boat.lengthOverall, 35.0);
        EXPECT_EQ(f->doc->settings.boatCount, 2);
        EXPECT_EQ(f->Slot(1), "Keel");
    }
}

TEST(StartUp, AListedNameThatIsNoFileNameReadsNothingOutsideTheFolder) {
    // A boat file beside the data folder that a hostile list entry points at.
    FileDocument f;
    f.UseDataSubfolder();
    std::vector<unsigned char> boat = BytesOf(DocumentWithDefaultBoat(SAILBOAT).boat);
    TempFolder::WriteBytes(f.folder.File("outside.boat"), boat.data(), boat.size());
    WriteSettings(f, [](SettingsRecord& s) { AddBoatNameToList(s, "../outside"); });
    f.StartUp();
    EXPECT_EQ(f.ui.messages, (Names{NO_BOAT_FILE}));
    EXPECT_STREQ(f.doc->boat.boatName, "New_Motorboat");

    // Deleting it takes it off the list and removes no file anywhere.
    f.ui.chooseBoatAnswers = {0};
    f.ui.yesNoAnswers = {true};
    DeleteBoat(*f.doc);
    EXPECT_EQ(f.doc->settings.boatCount, 0);
    EXPECT_TRUE(std::filesystem::exists(f.folder.File("outside.boat")));
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
