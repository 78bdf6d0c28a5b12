#pragma once

// The small drawing operations the scene is built from. Each leaves the current
// colour as it found it unless it says otherwise, and ends with front faces in
// outline mode: every later fill sets the fill mode again.

constexpr int SHAPE_OCTAGON = 0;
constexpr int SHAPE_16GON = 1;

// A filled octagon (1 unit across the flats) or 16-gon (diameter 1) scaled by
// size about (x, y) at height z, in the current colour.
void DrawDisc(int shape, double x, double y, double z, double size);

// A post standing in the water: top face at height, side wall down to z = 0.
void DrawPost(int shape, double size, double height, double x, double y, const double topColour[3],
              const double sideColour[3]);

// A flat arrow centred on (x, y, z), pointing angleDeg counter-clockwise from +y;
// width scales the head, length is the tail's extra length (non-positive
// values count as 0.01).
void DrawArrow(double x, double y, double z, double angleDeg, double width, double length,
               const double colour[3]);

// Compiles (does not run) a display list holding a grey capsule of half-offset
// a: a rounded bar 1 wide and 1 + 2a long; a = 0 gives a disc. Returns the list.
unsigned BuildShapeList(double a);

// Sets the current colour from an RGB triple.
void SetColour(const double colour[3]);
