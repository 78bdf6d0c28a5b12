#pragma once

struct CKLVNDoc;

// The scene clicks on dock lines.
enum LineClickAction {
    LINE_CLICK_LEFT = 0,         // pick up, make fast, harden
    LINE_CLICK_RIGHT = 1,        // loosen
    LINE_CLICK_SHIFT_LEFT = 2,   // loosen all lines
    LINE_CLICK_SHIFT_RIGHT = 3,  // cast off
};

// Whether the last click touches line i: its cleat, its attach point or the
// line between them.
bool HitLine(CKLVNDoc& doc, int i);

// Makes line i, in hand, fast where the last click meets a dock deck, a
// piling or (the anchor line only) the bottom, and beeps; a line too short to
// reach stays in hand. The piling message, if any, goes into text. Returns
// whether the line was made fast.
bool MakeFastAtClick(CKLVNDoc& doc, int i, char* text, int textSize);

// Works the lines with the last click (LineClickAction), beeps for each line
// it changes and writes the resulting text to the status bar.
void LineClick(CKLVNDoc& doc, int action);
