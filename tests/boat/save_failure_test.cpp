// Saves that cannot finish: the earlier file stays byte for byte, the user is
// told, and the boat list does not change.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "../document/file_document.h"
#include "document/command_table.h"

namespace {

enum class Obstacle { FileSizeLimit, ReadOnlyFolder, FolderRemoved };

const char CANNOT_WRITE[] = "Cannot write to boat data file";
const char CANNOT_SAVE_SETTINGS[] = "Cannot save persistent data";

// Puts the obstacle in the way for its lifetime. Root writes into read-only
// folders, so the folder case runs with the effective user "nobody".
class Blocked {
public:
    Blocked(Obstacle obstacle, FileDocument& f, rlim_t sizeLimit) : obstacle_(obstacle), f_(f) {
        switch (obstacle) {
            case Obstacle::FileSizeLimit: {
                getrlimit(RLIMIT_FSIZE, &saved_);
                rlimit lower = saved_;
                lower.rlim_cur = sizeLimit;
                EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &lower), 0);
                break;
            }
            case Obstacle::ReadOnlyFolder:
                chmod(f.folder.Path().c_str(), 0755);
                chmod(f.data.c_str(), 0555);
                if (geteuid() == 0) {
                    EXPECT_EQ(seteuid(65534), 0);
                }
                break;
            case Obstacle::FolderRemoved:
                std::filesystem::remove_all(f.data);
                break;
        }
    }
    ~Blocked() {
        if (obstacle_ == Obstacle::FileSizeLimit) setrlimit(RLIMIT_FSIZE, &saved_);
        if (obstacle_ == Obstacle::ReadOnlyFolder) {
            if (getuid() == 0) {
                EXPECT_EQ(seteuid(0), 0);
            }
            chmod(f_.data.c_str(), 0755);
        }
    }

private:
    Obstacle obstacle_;
    FileDocument& f_;
    rlimit saved_{};
};

struct Row {
    const char* what;
    Obstacle obstacle;
    bool saveBoat;  // Boat > Save of a listed boat; otherwise the Wind toggle
    rlim_t sizeLimit;
    const char* message;
};

}  // namespace

TEST(SaveFailure, LeavesTheEarlierFileAndTheListAndSaysWhatFailed) {
    const Row rows[] = {
        {"boat, size limit", Obstacle::FileSizeLimit, true, 4096, CANNOT_WRITE},
        {"boat, read-only folder", Obstacle::ReadOnlyFolder, true, 0, TRY_ANOTHER},
        {"boat, folder removed", Obstacle::FolderRemoved, true, 0, TRY_ANOTHER},
        {"settings, size limit", Obstacle::FileSizeLimit, false, 512, CANNOT_SAVE_SETTINGS},
        {"settings, read-only folder", Obstacle::ReadOnlyFolder, false, 0, CANNOT_SAVE_SETTINGS},
        {"settings, folder removed", Obstacle::FolderRemoved, false, 0, CANNOT_SAVE_SETTINGS},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FileDocument f;
        f.UseDataSubfolder();
        f.StartUpFresh();
        CKLVNDoc& doc = *f.doc;
        f.SaveBoats({"Gull"});
        const std::string file = f.File(row.saveBoat ? "Gull.boat" : "Persist.kvn");
        const auto before = TempFolder::ReadBytes(file);
        const Names filesBefore = f.Files();
        const SettingsRecord listed = doc.settings;
        doc.boat.weight += 1000.0;
        f.ui.messages.clear();
        {
            Blocked blocked(row.obstacle, f, row.sizeLimit);
            if (row.saveBoat) {
                SaveBoat(doc);
            } else {
                ToggleWind(doc);
            }
        }
        EXPECT_EQ(f.ui.messages, (Names{row.message}));
        EXPECT_EQ(doc.settings.boatCount, listed.boatCount);
        EXPECT_STREQ(doc.settings.boatNames[0], "Gull");
        if (row.obstacle == Obstacle::FolderRemoved) continue;
        EXPECT_EQ(TempFolder::ReadBytes(file), before);
        EXPECT_EQ(f.Files(), filesBefore);  // no temporary file left behind
    }
}

// The boat file is written but the settings file that lists it is not: the
// list stays as the settings file has it.
TEST(SaveFailure, ABoatWhoseListingCannotBeSavedStaysUnlisted) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    f.SaveBoats({"Gull"});
    f.DefineBoat("Tern");
    std::filesystem::create_directory(f.File("Persist.kvn.tmp"));
    f.ui.messages.clear();
    SaveBoat(doc);
    EXPECT_TRUE(std::filesystem::exists(f.File("Tern.boat")));
    EXPECT_EQ(f.ui.messages, (Names{CANNOT_SAVE_SETTINGS}));
    EXPECT_EQ(doc.settings.boatCount, 1);
    EXPECT_EQ(doc.settings.currentBoatIndex, 0);
}
