#pragma once

struct CKLVNDoc;

// Composes the status line (boat name, heading, speeds, RPM, rudder, wind and
// current) into doc.statusText and shows it in pane 0 of the status bar.
void ShowStatusLine(CKLVNDoc& doc);
