#pragma once

#include "boat/boat_record.h"

// What the three body drawings share.

constexpr double DECK_WHITE[3] = {0.9, 0.9, 0.9};
constexpr double GUNWALE_BROWN[3] = {0.682, 0.42, 0.161};
constexpr double WOOD[3] = {0.775, 0.503, 0.305};
constexpr double LIGHT_WOOD[3] = {0.885, 0.581, 0.351};
constexpr double GUNWALE_ABOVE_DECK = 0.04;  // ft

// The hull outline as a brown line loop of width 2 just above the deck.
void DrawGunwale(const BoatRecord& b);

// Front faces are the clockwise ones and filled: the start of every body.
void BeginBody();

// An axis-aligned rectangle in the plane at height z, corners given, as one
// polygon (kind GL_POLYGON) or outline (GL_LINE_LOOP).
void DrawRect(unsigned kind, double x0, double y0, double x1, double y1, double z);
