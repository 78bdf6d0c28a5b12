#pragma once

struct CKLVNDoc;

// Writes the settings record to "Persist.kvn" in the data folder. Returns 1 on
// success, 0 when the write fell short, -1 when the file cannot be opened (and
// then says "Cannot save persistent data" itself). With no data folder it
// writes nothing and returns 1.
int SaveSettings(CKLVNDoc& doc);
