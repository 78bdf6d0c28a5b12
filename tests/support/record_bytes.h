#pragma once

// Readers of the little-endian records as they lie on disk, and a boat
// record turned into its file bytes. Include as "../support/record_bytes.h".

#include <cstdint>
#include <cstring>
#include <vector>

#include "boat/boat_record_bytes.h"

inline double DoubleAt(const unsigned char* bytes, std::size_t offset) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[offset + i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline std::int32_t Int32At(const unsigned char* bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | bytes[offset + i];
    return static_cast<std::int32_t>(bits);
}

inline std::vector<unsigned char> BytesOf(const BoatRecord& boat) {
    std::vector<unsigned char> bytes(BOAT_RECORD_SIZE);
    BoatRecordToBytes(boat, bytes.data());
    return bytes;
}
