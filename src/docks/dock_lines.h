#pragma once

struct CKLVNDoc;

// Puts the nine cleats on the hull, detaches every line and zeroes the
// attached-line count.
void SetUpLines(CKLVNDoc& doc);
