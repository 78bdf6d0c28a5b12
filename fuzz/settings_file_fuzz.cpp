// Any bytes as "Persist.kvn": the loader either accepts settings the program
// can run with or reports the file corrupted, and never crashes.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "boat/units.h"
#include "document/settings_file.h"
#include "run_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CKLVNDoc doc;
    ClearDocument(doc);
    SettingsFileStatus status = DecodeSettingsFile(data, size, doc.settings);
    if (status == SETTINGS_FILE_CORRUPTED) return 0;
    if (status != SETTINGS_FILE_LOADED || size < SETTINGS_RECORD_SIZE) std::abort();

    // An accepted record is written back as the same field bytes.
    std::uint8_t again[SETTINGS_RECORD_SIZE];
    SettingsRecordToBytes(doc.settings, again);
    for (std::size_t s = 0; s < SETTINGS_FIELD_SPAN_COUNT; ++s) {
        const FieldSpan& span = SETTINGS_FIELD_SPANS[s];
        std::size_t length = static_cast<std::size_t>(span.width) * span.count;
        if (std::memcmp(again + span.offset, data + span.offset, length) != 0) std::abort();
    }

    // Start-up as after reading the file, without a boat file: the default boat
    // of the saved type, the saved environment and units.
    doc.env = doc.settings.envSettingsPersisted;
    doc.units = UnitFactorsFor(doc.settings.metricUnits != 0);
    doc.boatPresent = false;
    BringUpAndDrive(doc);
    return 0;
}
