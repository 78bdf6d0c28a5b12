#pragma once

struct Camera;

// The one-time state of a new context: the water as clear colour, the depth
// test with the less-or-equal comparison, smooth shading, nicest perspective.
void InitGL();

// Loads the camera's perspective into the context: viewport over the client
// area, perspective by the field of view with near plane 1 ft and the far
// plane, identity model-view. The aspect ratio is the camera's own, which a
// zero-height client area never reaches.
void LoadProjection(const Camera& camera);
