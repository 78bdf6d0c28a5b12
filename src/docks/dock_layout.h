#pragma once

// The docks, slips, pilings and contact cells of the chosen layout.
// (Filled in with the dock layout.)
struct DockLayout {
    int dockLayout;
};
