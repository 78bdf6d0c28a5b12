#pragma once

#include <cstddef>
#include <cstdint>

#include "common/record_bytes.h"

// Raw record files: the .boat files and "Persist.kvn" are each one block of
// bytes with no header. Reading takes the first block of a file; writing never
// touches the old file until the new one is complete, so a crash or a full disk
// while saving leaves the previous boat or settings in place.

enum RecordFileStatus {
    RECORD_FILE_WHOLE,        // the whole block was read or written
    RECORD_FILE_SHORT,        // the file opened but yielded or took fewer bytes
    RECORD_FILE_CANNOT_OPEN,  // the file could not be opened (or put in place)
};

// Reads the first size bytes of the file at path into bytes.
RecordFileStatus ReadRecordFile(const char* path, std::uint8_t* bytes, std::size_t size);

// Writes size bytes to a temporary file next to path, flushes it to the disk and
// renames it over path. On any failure the temporary file is removed and the
// file at path is left as it was.
RecordFileStatus WriteRecordFile(const char* path, const std::uint8_t* bytes, std::size_t size);

// folder + "/" + stem + suffix into out; false (and out empty) when it does not
// fit or the folder is empty.
bool JoinDataPath(const char* folder, const char* stem, const char* suffix, char* out,
                  std::size_t outSize);

// Whether every 8-byte field of a record (its doubles) is finite: a NaN or an
// infinity read from a file would spread through the whole simulation.
bool RecordRealsAreFinite(const void* record, const FieldSpan* spans, std::size_t spanCount);
