// Writes the fuzzers' seed files: the default boat of each type and a few
// settings files, built by the program's own code, plus short files.
//
//   kelvane_fuzz_seeds FOLDER
//
// FOLDER is emptied first, so that every fuzzing run starts from the same
// seeds; the boat seeds go to FOLDER/boat, the settings seeds to
// FOLDER/settings.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "boat/boat_file.h"
#include "boat/boat_list.h"
#include "boat/hull_model.h"
#include "document/document.h"
#include "document/settings_file.h"
#include "document/startup.h"

namespace {

bool WriteBytes(const std::string& path, const std::uint8_t* bytes, std::size_t size) {
    return WriteRecordFile(path.c_str(), bytes, size) == RECORD_FILE_WHOLE;
}

bool WriteSettings(const std::string& path, const SettingsRecord& settings) {
    std::uint8_t bytes[SETTINGS_RECORD_SIZE];
    SettingsRecordToBytes(settings, bytes);
    return WriteBytes(path, bytes, sizeof bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvane_fuzz_seeds FOLDER\n");
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path folder = argv[1];
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder / "boat");
    fs::create_directories(folder / "settings");

    auto doc = std::make_unique<CKLVNDoc>();
    bool ok = true;
    const char* types[] = {"motorboat", "sailboat", "houseboat"};
    for (int type = MOTORBOAT; type <= HOUSEBOAT; ++type) {
        ClearDocument(*doc);
        ApplySettingsDefaults(*doc);
        doc->settings.currentBoatType = type;
        BringUpDocument(*doc);
        std::string path = (folder / "boat" / (std::string(types[type]) + ".boat")).string();
        ok = WriteBoatFile(path.c_str(), doc->boat) == RECORD_FILE_WHOLE && ok;
    }
    const std::uint8_t shortFile[100] = {1, 2, 3};
    ok = WriteBytes((folder / "boat" / "short.boat").string(), shortFile, sizeof shortFile) && ok;

    ClearDocument(*doc);
    ApplySettingsDefaults(*doc);
    ok = WriteSettings((folder / "settings" / "defaults.kvn").string(), doc->settings) && ok;
    AddBoatNameToList(doc->settings, "Alpha");
    AddBoatNameToList(doc->settings, "Bravo");
    doc->settings.currentBoatType = SAILBOAT;
    doc->settings.metricUnits = 1;
    doc->settings.windOn = 1;
    doc->settings.currentOn = 1;
    doc->settings.envSettingsPersisted.envAverage[0] = 15.0;
    doc->settings.envSettingsPersisted.envAverage[1] = 270.0;
    doc->settings.envSettingsPersisted.envAverage[2] = 1.5;
    doc->settings.envSettingsPersisted.envVaries[0] = 1;
    ok = WriteSettings((folder / "settings" / "list.kvn").string(), doc->settings) && ok;
    ok = WriteBytes((folder / "settings" / "short.kvn").string(), shortFile, 10) && ok;

    if (!ok) std::fprintf(stderr, "kelvane_fuzz_seeds: cannot write the seeds in %s\n", argv[1]);
    return ok ? 0 : 1;
}
