#include "document/startup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
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

// The first start writes the default settings; their bytes as the file holds them.
TEST(StartUp, FirstStartInAnEmptyFolderWritesTheDefaults) {
    FileDocument f;
    f.StartUp();
    EXPECT_EQ(f.ui.messages, (Names{NO_SETTINGS}));
    EXPECT_EQ(f.folder.Entries(), (Names{"Persist.kvn"}));
    const std::vector<unsigned char> b = TempFolder::ReadBytes(f.folder.File("Persist.kvn"));
    ASSERT_EQ(b, DefaultSettingsBytes());
    for (int slot = 0; slot < 16; ++slot)
        EXPECT_STREQ(reinterpret_cast<const char*>(&b[slot * 18]), " ... ");
    EXPECT_TRUE(Int32At(b.data(), 288) == 0 && Int32At(b.data(), 300) == 1 && b[632] == 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(DoubleAt(b.data(), 312 + 96 + 8 * i), 1.0);  // envVariation
        EXPECT_EQ(Int32At(b.data(), 312 + 128 + 4 * i), 100);  // envRatePeriod
        EXPECT_EQ(Int32At(b.data(), 312 + 144 + 4 * i), 1);    // envRateIndex
    }
    const int keys[17] = {'U', 'O', 'I', 'W', 'X', 'S', 'R',  'V', 'F',
                          'E', 'C', 'D', 'J', 'L', 'K', 0x70, 0x71};
    for (int k = 0; k < 17; ++k) EXPECT_EQ(Int32At(b.data(), 636 + 4 * k), keys[k]);
}

using SettingsRoundTrip = FreshStart;

TEST_F(SettingsRoundTrip, SavedAndStartedFromInMetricUnits) {
    doc.settings.metricUnits = 1;
    doc.settings.windOn = 1;
    doc.settings.envSettingsPersisted.envAverage[0] = 12.5;
    doc.settings.envSettingsPersisted.currentStepX = -0.125;
    doc.settings.currentBoatType = HOUSEBOAT;
    ASSERT_EQ(SaveSettings(doc), 1);
    std::vector<unsigned char> saved = TempFolder::ReadBytes(f.folder.File("Persist.kvn"));
    EXPECT_EQ(DoubleAt(saved.data(), 312 + 64), 12.5);
    EXPECT_EQ(DoubleAt(saved.data(), 312 + 312), -0.125);
    EXPECT_EQ(saved[632], 1);  // metricUnits

    FileDocument g;
    std::filesystem::copy_file(f.folder.File("Persist.kvn"), g.folder.File("Persist.kvn"));
    g.StartUp();
    EXPECT_TRUE(g.ui.messages.empty());
    EXPECT_EQ(g.doc->units.lengthToInternal, 3.281);
    EXPECT_STREQ(g.doc->boat.boatName, "New_Houseboat");
    std::vector<unsigned char> again(704);
    SettingsRecordToBytes(g.doc->settings, again.data());
    EXPECT_EQ(again, saved);
}

TEST(StartUp, ATenByteFileAndSettingsTheProgramCannotUseCountAsCorrupted) {
    struct Damage {
        const char* what;
        std::function<void(SettingsRecord&)> apply;
    };
    // clang-format off
    const Damage damages[] = {
        {"17 boats", [](SettingsRecord& s) { s.boatCount = 17; }},
        {"current past the list", [](SettingsRecord& s) { s.currentBoatIndex = 2; }},
        {"boat type 3", [](SettingsRecord& s) { s.currentBoatType = 3; }},
        {"rate index 3", [](SettingsRecord& s) { s.envSettingsPersisted.envRateIndex[2] = 3; }},
        {"rate period 0", [](SettingsRecord& s) { s.envSettingsPersisted.envRatePeriod[1] = 0; }},
        {"NaN average", [](SettingsRecord& s) { s.envSettingsPersisted.envAverage[3] = NAN; }},
        {"infinite wind", [](SettingsRecord& s) { s.envSettingsPersisted.apparentWindX = INFINITY; }},
        {"name without NUL", [](SettingsRecord& s) { std::memset(s.boatNames[9], 'z', 18); }},
        {"ten bytes", nullptr},
    };
    // clang-format on
    for (const Damage& d : damages) {
        FileDocument f;
        if (d.apply) {
            WriteSettings(f, [&d](SettingsRecord& s) {
                AddBoatNameToList(s, "A");
                AddBoatNameToList(s, "B");
                d.apply(s);
            });
        } else {
            TempFolder::WriteBytes(f.File("Persist.kvn"), "0123456789", 10);
        }
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
    FileDocument saver;  // two boats saved, the second current
    saver.StartUpFresh();
    saver.DefineBoat("Gone", MOTORBOAT);
    SaveBoat(*saver.doc);
    saver.DefineBoat("Keel", SAILBOAT);
    saver.doc->boat.lengthOverall = 38.0;
    SaveBoat(*saver.doc);
    const std::vector<unsigned char> keel = TempFolder::ReadBytes(saver.File("Keel.boat"));
    const struct {
        std::size_t size;  // of Keel.boat; 0: no file
        const char* message;
        const char* boat;
    } cases[] = {{keel.size(), nullptr, "Keel"},
                 {0, NO_BOAT_FILE, "New_Sailboat"},
                 {100, BOAT_CORRUPTED, "New_Sailboat"}};
    for (const auto& c : cases) {
        FileDocument f;
        std::filesystem::copy_file(saver.File("Persist.kvn"), f.File("Persist.kvn"));
        if (c.size > 0) TempFolder::WriteBytes(f.File("Keel.boat"), keel.data(), c.size);
        f.StartUp();
        EXPECT_EQ(f.ui.messages, c.message ? Names{c.message} : Names{}) << c.size;
        EXPECT_STREQ(f.doc->boat.boatName, c.boat);
        EXPECT_EQ(f.doc->boat.lengthOverall, c.message ? 35.0 : 38.0);
        EXPECT_TRUE(f.doc->settings.boatCount == 2 && f.Slot(1) == "Keel");
    }
}

TEST(StartUp, AListedNameThatIsNoFileNameReadsNothingOutsideTheFolder) {
    FileDocument f;  // a boat file beside the data folder, named by a hostile entry
    f.UseDataSubfolder();
    std::vector<unsigned char> boat = BytesOf(DocumentWithDefaultBoat(SAILBOAT).boat);
    TempFolder::WriteBytes(f.folder.File("outside.boat"), boat.data(), boat.size());
    WriteSettings(f, [](SettingsRecord& s) { AddBoatNameToList(s, "../outside"); });
    f.StartUp();
    EXPECT_EQ(f.ui.messages, (Names{NO_BOAT_FILE}));
    EXPECT_STREQ(f.doc->boat.boatName, "New_Motorboat");

    f.ui.chooseBoatAnswers = {0};
    f.ui.yesNoAnswers = {true};
    DeleteBoat(*f.doc);
    EXPECT_EQ(f.doc->settings.boatCount, 0);
    EXPECT_TRUE(std::filesystem::exists(f.folder.File("outside.boat")));
}
