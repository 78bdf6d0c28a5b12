#include "document/startup.h"

#include <cstring>

#include "boat/boat_file.h"
#include "boat/boat_list.h"
#include "boat/units.h"
#include "controls/key_bindings.h"
#include "document/camera.h"
#include "document/document.h"
#include "document/settings_file.h"

namespace {

const int DEFAULT_RATE_PERIOD = 100;  // steps, the Medium rate of change

void ApplyEnvironmentDefaults(EnvironmentRecord& env) {
    std::memset(&env, 0, sizeof env);
    for (int i = 0; i < ENV_QUANTITIES; ++i) {
        env.envVariation[i] = 1.0;
        env.envRatePeriod[i] = DEFAULT_RATE_PERIOD;
        env.envRateIndex[i] = ENV_RATE_MEDIUM;
        env.drawPoints[i][0] = 1.0;
        env.drawPoints[i][1] = 1.0;
    }
}

// A folder whose path does not fit is not used: the document then reads and
// writes no file rather than one in a truncated, wrong place.
void SetDataFolder(CKLVNDoc& doc, const char* dataFolder) {
    doc.dataFolder[0] = '\0';
    if (dataFolder == nullptr) return;
    std::size_t length = strnlen(dataFolder, DATA_FOLDER_SIZE);
    if (length >= static_cast<std::size_t>(DATA_FOLDER_SIZE)) return;
    std::memcpy(doc.dataFolder, dataFolder, length + 1);
}

void ReadSettings(CKLVNDoc& doc) {
    if (doc.dataFolder[0] == '\0') {
        ApplySettingsDefaults(doc);
        return;
    }
    switch (LoadSettingsFile(doc, doc.settings)) {
        case SETTINGS_FILE_CANNOT_OPEN:
            doc.ui->ShowMessage("Cannot open the persistent data file:\n\nUsing defaults");
            ApplySettingsDefaults(doc);
            SaveSettings(doc);
            return;
        case SETTINGS_FILE_CORRUPTED:
            ApplySettingsDefaults(doc);
            doc.ui->ShowMessage("Persistent data is corrupted:\n\nUsing defaults");
            SaveSettings(doc);
            return;
        case SETTINGS_FILE_LOADED:
            break;
    }
    doc.env = doc.settings.envSettingsPersisted;
    doc.units = UnitFactorsFor(doc.settings.metricUnits != 0);
}

// The boat the list names as current, straight into the live record; a boat
// that cannot be read leaves the live record alone and boatPresent clear, so
// that the default boat of the current type is built.
void ReadCurrentBoat(CKLVNDoc& doc) {
    doc.boatPresent = false;
    const SettingsRecord& s = doc.settings;
    if (s.boatCount < 1) return;
    char path[DATA_FOLDER_SIZE + 32];
    BoatFileStatus status = BOAT_FILE_CANNOT_OPEN;
    if (BoatFilePath(doc, s.boatNames[s.currentBoatIndex], path, sizeof path)) {
        status = LoadBoatFile(path, doc.boat);
    }
    switch (status) {
        case BOAT_FILE_LOADED:
            doc.boatPresent = true;
            break;
        case BOAT_FILE_CANNOT_OPEN:
            doc.ui->ShowMessage("Cannot open the boat data file:\n\nUsing default boat");
            break;
        case BOAT_FILE_CORRUPTED:
            doc.ui->ShowMessage("Boat file is corrupted:\n\nUsing default boat");
            break;
    }
}

}  // namespace

void StartUpDocument(CKLVNDoc& doc, const char* dataFolder) {
    InitCamera(doc);
    SetDataFolder(doc, dataFolder);
    ReadSettings(doc);
    ReadCurrentBoat(doc);
    BringUpDocument(doc);
}

void ApplySettingsDefaults(CKLVNDoc& doc) {
    SettingsRecord& s = doc.settings;
    std::memset(&s, 0, sizeof s);
    for (int slot = 0; slot < BOAT_LIST_SLOTS; ++slot) {
        std::strcpy(s.boatNames[slot], EMPTY_BOAT_SLOT);
    }
    s.boatCount = 0;
    s.currentBoatIndex = 0;
    s.currentBoatType = 0;
    s.dockLayoutSaved = 1;
    s.shiftThrottleCombined = 0;
    s.windOn = 0;
    s.currentOn = 0;
    ApplyEnvironmentDefaults(s.envSettingsPersisted);
    s.metricUnits = 0;
    for (int k = 0; k < KEY_BINDING_COUNT; ++k) {
        s.keyBindings[k] = DEFAULT_KEY_BINDINGS[k];
    }
    doc.units = UnitFactorsFor(false);
    doc.env = s.envSettingsPersisted;
}
