#include "docks/dock_layout.h"

#include "document/document.h"

void InitDockTables(CKLVNDoc&) {}
void LayoutDock(CKLVNDoc&) {}
void SetStartPose(CKLVNDoc&, bool) {}
