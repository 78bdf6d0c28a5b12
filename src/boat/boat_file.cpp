#include "boat/boat_file.h"

#include <cstring>

#include "boat/boat_record_bytes.h"
#include "document/document.h"

const char BOAT_FILE_SUFFIX[] = ".boat";

namespace {

constexpr int SLIP_SIZE_COUNT = 6;  // five standard slips and the custom one

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

bool HasTerminatingNul(const char* text, std::size_t size) {
    return std::memchr(text, '\0', size) != nullptr;
}

bool IndicesInRange(const BoatRecord& boat) {
    if (!InRange(boat.boatType, MOTORBOAT, HOUSEBOAT)) return false;
    if (!InRange(boat.engineType, INBOARD, OUTBOARD_OR_IO)) return false;
    if (!InRange(boat.engineCount, 1, 2)) return false;
    if (!InRange(boat.savedSlipSizeIndex, 0, SLIP_SIZE_COUNT - 1)) return false;
    if (!InRange(boat.speedCurve.segmentCount, 1, SPEED_CURVE_MAX_SEGMENTS)) return false;
    if (!InRange(boat.hullOutlineWidestIndex, 0, HULL_OUTLINE_POINTS - 1)) return false;
    if (!InRange(boat.meshCabinStartPoint, 0, HULL_POINT_RECORDS - 1)) return false;
    if (!InRange(boat.meshVertexCount, 0, MESH_MAX_VERTICES)) return false;
    // Stations are outline point numbers, or counts of them, used to walk the
    // hull point table when the deck is drawn.
    for (std::int32_t station : boat.meshStations) {
        if (!InRange(station, 0, HULL_POINT_RECORDS - 1)) return false;
    }
    // A type's mesh writes only some face entries and leaves the others as they
    // were, so an entry may exceed the present vertex count; it must still lie
    // inside the vertex table.
    for (std::int32_t face : boat.meshFaces) {
        if (!InRange(face, 0, MESH_MAX_VERTICES - 1)) return false;
    }
    return true;
}

// The values the simulation divides by, and the speed curve whose segments it
// looks speeds up in.
bool DivisorsUsable(const BoatRecord& boat) {
    if (!(boat.weight > 0.0 && boat.mass > 0.0 && boat.yawMomentOfInertia > 0.0)) return false;
    if (!(boat.lengthOverall > 0.0)) return false;
    if (!(boat.maxSpeedKnots > 0.0 && boat.maxSpeedFps > 0.0)) return false;
    // Idle power of 1 or more leaves no throttle range above idle.
    if (!(boat.idlePowerFactor < 1.0)) return false;
    const SpeedCurve& curve = boat.speedCurve;
    for (int i = 0; i < curve.segmentCount; ++i) {
        if (!(curve.points[i + 1][0] > curve.points[i][0])) return false;
    }
    return true;
}

}  // namespace

bool BoatRecordIsSound(const BoatRecord& boat) {
    return HasTerminatingNul(boat.boatName, sizeof boat.boatName) && IndicesInRange(boat) &&
           RecordRealsAreFinite(&boat, BOAT_FIELD_SPANS, BOAT_FIELD_SPAN_COUNT) &&
           DivisorsUsable(boat);
}

BoatFileStatus DecodeBoatFile(const std::uint8_t* bytes, std::size_t size, BoatRecord& boat) {
    if (size < BOAT_RECORD_SIZE) return BOAT_FILE_CORRUPTED;
    BoatRecord decoded;
    BoatRecordFromBytes(bytes, decoded);
    if (!BoatRecordIsSound(decoded)) return BOAT_FILE_CORRUPTED;
    boat = decoded;
    return BOAT_FILE_LOADED;
}

BoatFileStatus LoadBoatFile(const char* path, BoatRecord& boat) {
    std::uint8_t bytes[BOAT_RECORD_SIZE];
    switch (ReadRecordFile(path, bytes, sizeof bytes)) {
        case RECORD_FILE_CANNOT_OPEN:
            return BOAT_FILE_CANNOT_OPEN;
        case RECORD_FILE_SHORT:
            return BOAT_FILE_CORRUPTED;
        case RECORD_FILE_WHOLE:
            break;
    }
    return DecodeBoatFile(bytes, sizeof bytes, boat);
}

RecordFileStatus WriteBoatFile(const char* path, const BoatRecord& boat) {
    std::uint8_t bytes[BOAT_RECORD_SIZE];
    BoatRecordToBytes(boat, bytes);
    return WriteRecordFile(path, bytes, sizeof bytes);
}

bool IsUsableBoatName(const char* name) {
    if (name == nullptr) return false;
    std::size_t length = strnlen(name, BOAT_NAME_MAX_CHARS + 1);
    if (length == 0 || length > static_cast<std::size_t>(BOAT_NAME_MAX_CHARS)) return false;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return false;
    for (std::size_t i = 0; i < length; ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c > 0x7E) return false;  // control characters and non-ASCII
        if (c == '/' || c == '\\') return false;
    }
    return true;
}

bool BoatFilePath(const CKLVNDoc& doc, const char* name, char* path, std::size_t pathSize) {
    if (pathSize > 0) path[0] = '\0';
    if (!IsUsableBoatName(name)) return false;
    return JoinDataPath(doc.dataFolder, name, BOAT_FILE_SUFFIX, path, pathSize);
}
