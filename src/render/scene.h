#pragma once

struct CKLVNDoc;

// The content of a frame, in the order the frame draws it. Each expects the
// model-view frame its comment names and keeps no state between frames.

// World frame: dock blocks, pilings, and the dock lines with their cleats.
void DrawDocks(CKLVNDoc& doc);
void DrawDockLines(CKLVNDoc& doc);

// World frame: the red wind arrow over the boat's wind centre.
void DrawWindIndicator(const CKLVNDoc& doc);

// Origin at the boat, north up: a 9 x 9 grid of blue current arrows that keeps
// its size on the screen.
void DrawCurrentIndicator(const CKLVNDoc& doc);

// Boat frame: the body of the boat's type, then fenders, the reference marker
// and the control indicators. listCapsule and listDisc are the two shape lists.
void DrawBoat(const CKLVNDoc& doc, unsigned listCapsule, unsigned listDisc);
void DrawFenders(const CKLVNDoc& doc);
void DrawControlIndicators(const CKLVNDoc& doc);

// The three bodies (boat frame), and the deck piece they share: one polygon
// through hull points from .. to-1 at deck height closed by two mesh vertices
// whose lateral position is multiplied by s1 and s2 (+1 or -1).
void DrawMotorboatBody(const CKLVNDoc& doc);
void DrawSailboatBody(const CKLVNDoc& doc, unsigned listCapsule, unsigned listDisc);
void DrawHouseboatBody(const CKLVNDoc& doc);
void DrawDeckPiece(const CKLVNDoc& doc, int from, int to, double s1, int v1, double s2, int v2);
