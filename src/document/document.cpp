#include "document/document.h"

#include <cstring>

static SilentUserInterface silentUserInterface;

void ClearDocument(CKLVNDoc& doc) {
    std::memset(static_cast<void*>(&doc), 0, sizeof doc);
    doc.ui = &silentUserInterface;
}
