#pragma once

struct CKLVNDoc;

// Where the north arrow's bitmap sits: its lower-left corner lies this many
// pixels left of the right edge and below the top edge of the view.
constexpr int NORTH_ARROW_FROM_RIGHT = 40;
constexpr int NORTH_ARROW_FROM_TOP = 60;
constexpr int NORTH_ARROW_WIDTH = 32;
constexpr int NORTH_ARROW_HEIGHT = 58;

// Whether the arrow's bitmap has a set pixel at column x, row y counted from
// its top-left corner (what a user sees).
bool NorthArrowPixelSet(int x, int y);

// The upright arrow with its N in the top-right corner of the view, drawn in
// screen space; the perspective projection is rebuilt afterwards.
void DrawNorthArrow(CKLVNDoc& doc);
