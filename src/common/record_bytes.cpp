#include "common/record_bytes.h"

#include <bit>
#include <cstring>

// Copies one element, reversing its bytes on a big-endian host.
static void CopyElement(std::uint8_t* to, const std::uint8_t* from, std::uint32_t width) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(to, from, width);
    } else {
        for (std::uint32_t i = 0; i < width; ++i) to[i] = from[width - 1 - i];
    }
}

static void CopySpans(std::uint8_t* to, const std::uint8_t* from, const FieldSpan* spans,
                      std::size_t spanCount, std::size_t size) {
    std::memset(to, 0, size);
    for (std::size_t s = 0; s < spanCount; ++s) {
        const FieldSpan& span = spans[s];
        for (std::uint32_t e = 0; e < span.count; ++e) {
            std::size_t at = span.offset + static_cast<std::size_t>(e) * span.width;
            if (at + span.width > size) return;
            CopyElement(to + at, from + at, span.width);
        }
    }
}

void RecordToBytes(const void* record, const FieldSpan* spans, std::size_t spanCount,
                   std::uint8_t* out, std::size_t size) {
    CopySpans(out, static_cast<const std::uint8_t*>(record), spans, spanCount, size);
}

void RecordFromBytes(const std::uint8_t* bytes, const FieldSpan* spans, std::size_t spanCount,
                     void* record, std::size_t size) {
    CopySpans(static_cast<std::uint8_t*>(record), bytes, spans, spanCount, size);
}
