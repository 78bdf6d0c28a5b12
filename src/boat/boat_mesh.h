#pragma once

#include "boat/boat_record.h"

// What the slots of BoatRecord::meshStations hold. The station indices are
// outline points at which the drawing of the deck and superstructure changes;
// they are stored for the drawing and not used by the simulation.
enum MeshStationSlot {
    MESH_STATION_FIRST = 0,        // five outline-point indices, slots 0 ... 4
    MESH_STATION_COUNT = 5,        // how many slots of stations there are
    MESH_SAIL_EXTRA_STATION = 5,   // Sailboat: a further station index (95)
    MESH_RIG_STATION_FIRST = 6,    // Sailboat: five rig-station offsets, slots 6 ... 10
    MESH_OUTLINE_LOOP_COUNT = 11,  // vertices of the cabin outline loop (Sailboat 140)
    MESH_CABIN_BLOCK_COUNT = 12,   // vertices up to the cabin's aft block (Sailboat 146)
};

constexpr int MOTORBOAT_MESH_VERTICES = 41;
constexpr int SAILBOAT_CABIN_FIRST_POINT = 5;  // outline points 5 ... 144 outline the cabin
constexpr int SAILBOAT_CABIN_LAST_POINT = 144;
constexpr int SAILBOAT_RIG_POINTS = 5;

// Mesh vertices are stored as (lateral, longitudinal, height); the build
// writes them normalised and the hull-point build scales them to feet.
enum MeshAxis { MESH_LATERAL = 0, MESH_LONGITUDINAL = 1, MESH_HEIGHT = 2 };
