#pragma once

#include <cstddef>
#include <cstdint>

#include "boat/boat_file_io.h"
#include "boat/boat_record.h"

struct CKLVNDoc;

// A .boat file is the 46,936-byte boat record as one raw block. A file is
// taken as a boat only when it yields the whole block and the record is one
// the program can simulate and draw without indexing past an array or
// dividing by zero; anything else is reported as corrupted.

enum BoatFileStatus {
    BOAT_FILE_LOADED,
    BOAT_FILE_CANNOT_OPEN,
    BOAT_FILE_CORRUPTED,
};

extern const char BOAT_FILE_SUFFIX[];  // ".boat"

// Whether every count and index of the record lies inside its array, every name
// ends in a NUL, every real is finite and the values the simulation divides by
// are usable.
bool BoatRecordIsSound(const BoatRecord& boat);

// Decodes the first BOAT_RECORD_SIZE of size bytes into boat. boat is changed
// only when the result is BOAT_FILE_LOADED.
BoatFileStatus DecodeBoatFile(const std::uint8_t* bytes, std::size_t size, BoatRecord& boat);

// Reads the boat file at path into boat; boat is changed only when the result is
// BOAT_FILE_LOADED.
BoatFileStatus LoadBoatFile(const char* path, BoatRecord& boat);

// Writes the record to path, replacing any old file only once the new one is
// whole.
RecordFileStatus WriteBoatFile(const char* path, const BoatRecord& boat);

// Whether a boat name may serve as the stem of a file in the data folder: 1 to
// 16 printable ASCII characters, no path separator, not "." or "..".
bool IsUsableBoatName(const char* name);

// The path of the boat file for name in the document's data folder; false (and
// path empty) when there is no data folder or the name is not usable.
bool BoatFilePath(const CKLVNDoc& doc, const char* name, char* path, std::size_t pathSize);
