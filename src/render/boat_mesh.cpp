#include "render/boat_mesh.h"

#include "render/gl_api.h"

bool MeshVertexValid(int v) {
    return v >= 0 && v < MESH_MAX_VERTICES;
}

bool MeshFacesValid(const BoatRecord& b, int first, int count) {
    if (first < 0 || count < 0 || first + count > MESH_FACE_ENTRIES) return false;
    for (int k = first; k < first + count; ++k) {
        if (!MeshVertexValid(b.meshFaces[k])) return false;
    }
    return true;
}

void DrawMeshFaces(const BoatRecord& b, unsigned mode, int first, int count) {
    if (!MeshFacesValid(b, first, count)) return;
    // The face list holds non-negative 32-bit indices: read as unsigned.
    glDrawElements(mode, count, GL_UNSIGNED_INT, &b.meshFaces[first]);
}

void BeginMesh(const BoatRecord& b) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, &b.meshVertices[0][0]);
}

void EndMesh() {
    glDisableClientState(GL_VERTEX_ARRAY);
}

void HullVertex(const BoatRecord& b, int k, double z) {
    if (k < 0 || k >= HULL_POINT_RECORDS) return;
    glVertex3d(b.hullPoints[k].x, b.hullPoints[k].y, z);
}

void MeshVertex(const BoatRecord& b, int v, double s, double z) {
    if (!MeshVertexValid(v)) return;
    glVertex3d(s * b.meshVertices[v][0], b.meshVertices[v][1], z);
}
