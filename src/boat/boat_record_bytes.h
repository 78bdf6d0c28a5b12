#pragma once

#include <cstddef>
#include <cstdint>

#include "boat/boat_record.h"
#include "common/record_bytes.h"

// The fields of the .boat file: every byte of the record that is not a gap.
extern const FieldSpan BOAT_FIELD_SPANS[];
extern const std::size_t BOAT_FIELD_SPAN_COUNT;

void BoatRecordToBytes(const BoatRecord& boat, std::uint8_t out[BOAT_RECORD_SIZE]);
void BoatRecordFromBytes(const std::uint8_t bytes[BOAT_RECORD_SIZE], BoatRecord& boat);
