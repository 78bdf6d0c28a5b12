#include "docks/dock_lines.h"

#include "document/document.h"

void SetUpLines(CKLVNDoc&) {}
