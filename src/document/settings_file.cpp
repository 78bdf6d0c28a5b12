#include "document/settings_file.h"

#include <cstring>

#include "boat/boat_file_io.h"
#include "boat/boat_record.h"
#include "document/document.h"

const char SETTINGS_FILE_NAME[] = "Persist.kvn";

namespace {

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

bool BoatListSound(const SettingsRecord& s) {
    if (!InRange(s.boatCount, 0, BOAT_LIST_SLOTS)) return false;
    // The current slot names a listed boat; with an empty list it is 0.
    int lastSlot = s.boatCount > 0 ? s.boatCount - 1 : 0;
    if (!InRange(s.currentBoatIndex, 0, lastSlot)) return false;
    for (const auto& name : s.boatNames) {
        if (std::memchr(name, '\0', sizeof name) == nullptr) return false;
    }
    return true;
}

bool EnvironmentSound(const EnvironmentRecord& env) {
    for (int i = 0; i < ENV_QUANTITIES; ++i) {
        // The rate period is the averaging length the drift divides by.
        if (!(env.envRatePeriod[i] > 0)) return false;
        if (!InRange(env.envRateIndex[i], ENV_RATE_SLOW, ENV_RATE_FAST)) return false;
    }
    return true;
}

bool SettingsPath(const CKLVNDoc& doc, char* path, std::size_t pathSize) {
    return JoinDataPath(doc.dataFolder, SETTINGS_FILE_NAME, "", path, pathSize);
}

}  // namespace

bool SettingsRecordIsSound(const SettingsRecord& settings) {
    // The type chooses the default boat, whose tables are indexed by it.
    if (!InRange(settings.currentBoatType, MOTORBOAT, HOUSEBOAT)) return false;
    return BoatListSound(settings) && EnvironmentSound(settings.envSettingsPersisted) &&
           RecordRealsAreFinite(&settings, SETTINGS_FIELD_SPANS, SETTINGS_FIELD_SPAN_COUNT);
}

SettingsFileStatus DecodeSettingsFile(const std::uint8_t* bytes, std::size_t size,
                                      SettingsRecord& settings) {
    if (size < SETTINGS_RECORD_SIZE) return SETTINGS_FILE_CORRUPTED;
    SettingsRecord decoded;
    SettingsRecordFromBytes(bytes, decoded);
    if (!SettingsRecordIsSound(decoded)) return SETTINGS_FILE_CORRUPTED;
    settings = decoded;
    return SETTINGS_FILE_LOADED;
}

SettingsFileStatus LoadSettingsFile(const CKLVNDoc& doc, SettingsRecord& settings) {
    char path[DATA_FOLDER_SIZE + 32];
    if (!SettingsPath(doc, path, sizeof path)) return SETTINGS_FILE_CANNOT_OPEN;
    std::uint8_t bytes[SETTINGS_RECORD_SIZE];
    switch (ReadRecordFile(path, bytes, sizeof bytes)) {
        case RECORD_FILE_CANNOT_OPEN:
            return SETTINGS_FILE_CANNOT_OPEN;
        case RECORD_FILE_SHORT:
            return SETTINGS_FILE_CORRUPTED;
        case RECORD_FILE_WHOLE:
            break;
    }
    return DecodeSettingsFile(bytes, sizeof bytes, settings);
}

int SaveSettings(CKLVNDoc& doc) {
    if (doc.dataFolder[0] == '\0') return 1;
    char path[DATA_FOLDER_SIZE + 32];
    std::uint8_t bytes[SETTINGS_RECORD_SIZE];
    SettingsRecordToBytes(doc.settings, bytes);
    RecordFileStatus status = RECORD_FILE_CANNOT_OPEN;
    if (SettingsPath(doc, path, sizeof path)) status = WriteRecordFile(path, bytes, sizeof bytes);
    if (status == RECORD_FILE_WHOLE) return 1;
    // A write that fell short (a full disk, the file size limit) is as much a
    // lost setting as a file that cannot be opened: the user hears of both,
    // and the earlier file stays in place.
    doc.ui->ShowMessage("Cannot save persistent data");
    return status == RECORD_FILE_SHORT ? 0 : -1;
}
