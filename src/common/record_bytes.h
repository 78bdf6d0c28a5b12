#pragma once

#include <cstddef>
#include <cstdint>

// Raw little-endian records. A record's in-memory layout equals its file
// layout; a table of field spans says which bytes are fields, and of which
// width, so that the bytes on disk are little-endian on any host and the gaps
// between fields are always written as zeros.
struct FieldSpan {
    std::uint32_t offset;
    std::uint32_t width;  // bytes of one element: 1, 4 or 8
    std::uint32_t count;
};

// Writes the record's fields into out (size bytes), gaps as zeros.
void RecordToBytes(const void* record, const FieldSpan* spans, std::size_t spanCount,
                   std::uint8_t* out, std::size_t size);

// Reads the record's fields from bytes; gap bytes of the record become zeros.
void RecordFromBytes(const std::uint8_t* bytes, const FieldSpan* spans, std::size_t spanCount,
                     void* record, std::size_t size);
