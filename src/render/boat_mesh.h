#pragma once

#include "boat/boat_record.h"

// Access to the boat's hull point table and mesh for the body drawings. The
// record may come from a file, so every index is checked before it reaches
// the vertex array: a damaged record draws less, never out of bounds.

// Whether entries first .. first+count-1 of the face list are all usable.
bool MeshFacesValid(const BoatRecord& b, int first, int count);

// The face-list entries first .. first+count-1 as one primitive of the given
// kind, from the mesh vertex array (enabled by BeginMesh). Skipped if invalid.
void DrawMeshFaces(const BoatRecord& b, unsigned mode, int first, int count);

// The mesh as the current vertex array, and back.
void BeginMesh(const BoatRecord& b);
void EndMesh();

bool MeshVertexValid(int v);

// One vertex at a hull point (boat frame) at height z.
void HullVertex(const BoatRecord& b, int k, double z);

// One vertex at a mesh vertex with its lateral position multiplied by s,
// at height z.
void MeshVertex(const BoatRecord& b, int v, double s, double z);
