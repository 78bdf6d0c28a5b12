// Any bytes as a .boat file: the loader either accepts a boat the program can
// run or reports the file corrupted, and never crashes.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "boat/boat_file.h"
#include "boat/boat_record_bytes.h"
#include "document/startup.h"
#include "run_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CKLVNDoc doc;
    ClearDocument(doc);
    BoatFileStatus status = DecodeBoatFile(data, size, doc.boat);
    if (status == BOAT_FILE_CORRUPTED) {
        // Nothing of a rejected file reaches the record.
        for (std::size_t i = 0; i < sizeof doc.boat; ++i) {
            if (reinterpret_cast<const std::uint8_t*>(&doc.boat)[i] != 0) std::abort();
        }
        return 0;
    }
    if (status != BOAT_FILE_LOADED || size < BOAT_RECORD_SIZE) std::abort();

    // An accepted record is written back as the same field bytes.
    static std::uint8_t again[BOAT_RECORD_SIZE];
    BoatRecordToBytes(doc.boat, again);
    for (std::size_t s = 0; s < BOAT_FIELD_SPAN_COUNT; ++s) {
        const FieldSpan& span = BOAT_FIELD_SPANS[s];
        std::size_t length = static_cast<std::size_t>(span.width) * span.count;
        if (std::memcmp(again + span.offset, data + span.offset, length) != 0) std::abort();
    }

    ApplySettingsDefaults(doc);
    doc.settings.currentBoatType = doc.boat.boatType;
    doc.boatPresent = true;
    BringUpAndDrive(doc);
    return 0;
}
