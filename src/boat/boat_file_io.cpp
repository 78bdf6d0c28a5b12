#include "boat/boat_file_io.h"

#include <signal.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const char TEMPORARY_SUFFIX[] = ".tmp";

// Pushes the file's bytes through the library and the operating system onto
// the disk, so that the rename that follows never exposes a file whose content
// is still in flight.
bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
    return fsync(fileno(file)) == 0;
}

// A write past the file size limit raises SIGXFSZ, whose default action ends
// the program with the user's work unsaved. Ignored, the write fails with
// EFBIG instead and the save is reported as failed like any other. A handler
// someone else installed is left alone.
void KeepFileSizeLimitFromEndingTheProgram() {
    struct sigaction current {};
    if (sigaction(SIGXFSZ, nullptr, &current) != 0) return;
    if (current.sa_handler == SIG_DFL) signal(SIGXFSZ, SIG_IGN);
}

}  // namespace

RecordFileStatus ReadRecordFile(const char* path, std::uint8_t* bytes, std::size_t size) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return RECORD_FILE_CANNOT_OPEN;
    std::size_t got = std::fread(bytes, 1, size, file);
    std::fclose(file);
    return got == size ? RECORD_FILE_WHOLE : RECORD_FILE_SHORT;
}

RecordFileStatus WriteRecordFile(const char* path, const std::uint8_t* bytes, std::size_t size) {
    char temporary[4200];
    int n = std::snprintf(temporary, sizeof temporary, "%s%s", path, TEMPORARY_SUFFIX);
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof temporary) return RECORD_FILE_CANNOT_OPEN;

    KeepFileSizeLimitFromEndingTheProgram();
    std::FILE* file = std::fopen(temporary, "wb");
    if (file == nullptr) return RECORD_FILE_CANNOT_OPEN;
    bool whole = std::fwrite(bytes, 1, size, file) == size;
    whole = FlushToDisk(file) && whole;
    whole = std::fclose(file) == 0 && whole;
    if (!whole) {
        std::remove(temporary);
        return RECORD_FILE_SHORT;
    }
    // The rename replaces the old file in one step: a reader sees either the
    // old record or the new one, never a mixture or an empty file.
    if (std::rename(temporary, path) != 0) {
        std::remove(temporary);
        return RECORD_FILE_CANNOT_OPEN;
    }
    return RECORD_FILE_WHOLE;
}

bool JoinDataPath(const char* folder, const char* stem, const char* suffix, char* out,
                  std::size_t outSize) {
    if (outSize == 0) return false;
    out[0] = '\0';
    if (folder == nullptr || folder[0] == '\0') return false;
    std::size_t folderLength = std::strlen(folder);
    const char* separator = folder[folderLength - 1] == '/' ? "" : "/";
    int n = std::snprintf(out, outSize, "%s%s%s%s", folder, separator, stem, suffix);
    if (n < 0 || static_cast<std::size_t>(n) >= outSize) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool RecordRealsAreFinite(const void* record, const FieldSpan* spans, std::size_t spanCount) {
    const auto* base = static_cast<const std::uint8_t*>(record);
    for (std::size_t s = 0; s < spanCount; ++s) {
        if (spans[s].width != sizeof(double)) continue;
        for (std::uint32_t k = 0; k < spans[s].count; ++k) {
            double value;
            std::memcpy(&value, base + spans[s].offset + k * sizeof(double), sizeof value);
            if (!std::isfinite(value)) return false;
        }
    }
    return true;
}
