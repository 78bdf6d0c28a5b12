// Writes the fuzzers' seed files: the default boat of each type and a few
// settings files, built by the program's own code, plus short files.
//
//   kelvane_fuzz_seeds FOLDER
//
// FOLDER is emptied first, so that every fuzzing run starts from the same
// seeds; the boat seeds go to FOLDER/boat, the settings seeds to
// FOLDER/settings, the kelvane-sim scripts to FOLDER/script.

#include <cstdio>
#include <filesystem>
#include <fstream>
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

// Scripts that between them use every command the script reader knows that
// touches no file.
const char* const SCRIPT_SEEDS[] = {
    "type motorboat\nlayout 1\nwind 6 270 varies 2 medium\nseed 7\nsteps 300\nevery 10\n"
    "at 0 run\nat 0 engine both astern\nat 20 engine port value 1 50\n"
    "at 30 rudder hardport\nat 40 rudder percent 60\nat 50 thruster port\nat 60 key F11\n",
    "type sailboat\nlayout 5\ncurrent 1.5 90\nslip custom 20 50\nsteps 200\n"
    "at 0 run\nat 5 line 0 attach 3 10\nat 9 line 0 harden\nat 12 lines loosen\n"
    "at 20 fender 4 0\nat 25 unfender 4 0\nat 30 fenders remove\nat 35 layout 9\n"
    "at 40 slip auto\nat 45 pose capture\nat 50 key F12\nat 60 pause\nat 61 reset\n",
    "# comment only\ntype houseboat\nlayout 8\nsteps 10\nat 0 key 87\nat 3 lines remove\n",
};

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
    fs::create_directories(folder / "script");

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

    int n = 0;
    for (const char* script : SCRIPT_SEEDS) {
        std::ofstream out(folder / "script" / ("seed" + std::to_string(++n) + ".sim"));
        out << script;
        ok = static_cast<bool>(out) && ok;
    }

    if (!ok) std::fprintf(stderr, "kelvane_fuzz_seeds: cannot write the seeds in %s\n", argv[1]);
    return ok ? 0 : 1;
}
