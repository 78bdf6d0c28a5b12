#pragma once

#include <cstdint>

struct CKLVNDoc;

// The docks, slips, pilings and contact cells of the chosen layout.
// (Filled in with the dock layout.)
struct DockLayout {
    std::int32_t dockLayout;  // 1 ... 9
};

void InitDockTables(CKLVNDoc& doc);  // fixed dimensions and slip sizes, at start-up
void LayoutDock(CKLVNDoc& doc);      // rebuilds everything, sets the start pose, saves settings
void SetStartPose(CKLVNDoc& doc, bool capture);
