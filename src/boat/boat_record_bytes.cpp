#include "boat/boat_record_bytes.h"

// Runs of equally wide fields, in file order. Gaps: 236-239, 7117-7119,
// 7473-7479, 7564-7567, 7985-7991, 41528-41535 and 46917-46919.
const FieldSpan BOAT_FIELD_SPANS[] = {
    {0, 8, 20},       // force coefficients
    {160, 4, 1},      // advancedCoefficientsSet
    {164, 1, 20},     // boatName
    {184, 8, 6},      // hullShapeCoefficients
    {232, 4, 1},      // hullOutlineWidestIndex
    {240, 8, 858},    // outline, dimensions, mass properties
    {7104, 4, 3},     // boatType, engineType, engineCount
    {7116, 1, 1},     // counterRotating
    {7120, 4, 2},     // propRotation, propRotationStarboard
    {7128, 8, 43},    // propellers, throttle table, rudder
    {7472, 1, 1},     // hasBowThruster
    {7480, 8, 10},    // thruster, line values
    {7560, 4, 1},     // speedCurve.segmentCount
    {7568, 8, 52},    // speed curve, thrust, speed, start pose
    {7984, 1, 1},     // startPoseCaptured
    {7992, 8, 4192},  // hull point and normal tables
    {41536, 8, 19},   // sail rig, mesh cabin-start fraction
    {41688, 4, 18},   // mesh counts and stations
    {41760, 8, 600},  // mesh vertices
    {46560, 4, 82},   // mesh faces
    {46888, 8, 3},    // fender values
    {46912, 4, 1},    // savedSlipSizeIndex
    {46916, 1, 1},    // savedSlipSizeAuto
    {46920, 8, 2},    // savedCustomSlip
};
const std::size_t BOAT_FIELD_SPAN_COUNT = sizeof BOAT_FIELD_SPANS / sizeof BOAT_FIELD_SPANS[0];

void BoatRecordToBytes(const BoatRecord& boat, std::uint8_t out[BOAT_RECORD_SIZE]) {
    RecordToBytes(&boat, BOAT_FIELD_SPANS, BOAT_FIELD_SPAN_COUNT, out, BOAT_RECORD_SIZE);
}

void BoatRecordFromBytes(const std::uint8_t bytes[BOAT_RECORD_SIZE], BoatRecord& boat) {
    RecordFromBytes(bytes, BOAT_FIELD_SPANS, BOAT_FIELD_SPAN_COUNT, &boat, BOAT_RECORD_SIZE);
}
