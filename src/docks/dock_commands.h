#pragma once

struct CKLVNDoc;

// The Docks menu: slip sizes and layouts, as data and operations the shell
// can use without knowing their rules.

constexpr int ID_SLIP_10X20 = 32784;
constexpr int ID_SLIP_AUTO = 32785;
constexpr int ID_SLIP_13X30 = 32786;
constexpr int ID_SLIP_16X40 = 32787;
constexpr int ID_SLIP_19X50 = 32788;
constexpr int ID_SLIP_22X60 = 32789;
constexpr int ID_SLIP_CUSTOM = 32790;
constexpr int ID_LAYOUT_SLIP_AND_PILINGS = 32791;
constexpr int ID_LAYOUT_SLIPS_BOTTOM = 32810;    // ... 32813 slips right, top, left
constexpr int ID_LAYOUT_PILINGS_BOTTOM = 32814;  // ... 32817 pilings right, top, left

struct DockMenuItem {
    int commandId;
    const char* label;        // English units
    const char* metricLabel;  // the same item in metric mode
    const char* prompt;       // status-bar prompt
};

constexpr int SLIP_MENU_ITEMS = 7;    // Auto, the five standard sizes, Custom ...
constexpr int LAYOUT_MENU_ITEMS = 9;  // layouts 1 ... 9 in order
extern const DockMenuItem SLIP_MENU[SLIP_MENU_ITEMS];
extern const DockMenuItem LAYOUT_MENU[LAYOUT_MENU_ITEMS];

// The item of a command id, or null if it is not a Docks command.
const DockMenuItem* FindDockMenuItem(int commandId);

// The label the item shows in the present unit mode.
const char* DockMenuLabel(const CKLVNDoc& doc, int commandId);

// Whether the item carries a check mark. Every item is always enabled.
bool DockMenuChecked(const CKLVNDoc& doc, int commandId);

// The menu operations; each ends in LayoutDock.
void SelectAutoSlipSize(CKLVNDoc& doc);
void SelectSlipSize(CKLVNDoc& doc, int index);  // 0 ... 4
void SelectDockLayout(CKLVNDoc& doc, int dockLayout);

// Runs a Docks command. "Custom ..." is not run here: the shell opens the
// Custom Slip Size dialog (custom_slip.h). Returns whether the id was handled.
bool DoDockCommand(CKLVNDoc& doc, int commandId);
