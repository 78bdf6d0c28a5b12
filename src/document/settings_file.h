#pragma once

#include <cstddef>
#include <cstdint>

#include "document/settings_record.h"

struct CKLVNDoc;

extern const char SETTINGS_FILE_NAME[];  // "Persist.kvn"

enum SettingsFileStatus {
    SETTINGS_FILE_LOADED,
    SETTINGS_FILE_CANNOT_OPEN,
    SETTINGS_FILE_CORRUPTED,
};

// Writes the settings record to "Persist.kvn" in the data folder. Returns 1 on
// success, 0 when the write fell short, -1 when the file cannot be opened; on
// either failure it says "Cannot save persistent data" itself. With no data
// folder it writes nothing and returns 1. The old file stays in place until
// the new one is whole.
int SaveSettings(CKLVNDoc& doc);

// Whether the boat list's count, current slot and names, the boat type and the
// environment's rate settings and reals are ones the program can use.
bool SettingsRecordIsSound(const SettingsRecord& settings);

// Decodes the first SETTINGS_RECORD_SIZE of size bytes into settings, which is
// changed only when the result is SETTINGS_FILE_LOADED.
SettingsFileStatus DecodeSettingsFile(const std::uint8_t* bytes, std::size_t size,
                                      SettingsRecord& settings);

// Reads "Persist.kvn" from the data folder into settings (changed only when the
// result is SETTINGS_FILE_LOADED).
SettingsFileStatus LoadSettingsFile(const CKLVNDoc& doc, SettingsRecord& settings);
