#include "docks/dock_commands.h"

#include "docks/dock_layout.h"
#include "document/document.h"

const DockMenuItem SLIP_MENU[SLIP_MENU_ITEMS] = {
    {ID_SLIP_AUTO, "Auto", "Auto", "Slip size based on boat LOA"},
    {ID_SLIP_10X20, "10 x 20", "3 x 6", "Nominal standard slip size"},
    {ID_SLIP_13X30, "13 x 30", "4 x 9", "Nominal standard slip size"},
    {ID_SLIP_16X40, "16 x 40", "5 x 12", "Nominal standard slip size"},
    {ID_SLIP_19X50, "19 x 50", "6 x 15", "Nominal standard slip size"},
    {ID_SLIP_22X60, "22 x 60", "7 x 18", "Nominal standard slip size"},
    {ID_SLIP_CUSTOM, "Custom ...", "Custom ...", "Define a custom slip size"},
};

const DockMenuItem LAYOUT_MENU[LAYOUT_MENU_ITEMS] = {
    {32791, "Slip and pilings", "Slip and pilings", "Dock with slip and pilings"},
    {32810, "Slips - Bottom", "Slips - Bottom", "Slip with bottom entrance"},
    {32811, "Slips - Right", "Slips - Right", "Slips with right entrance"},
    {32812, "Slips - Top", "Slips - Top", "Slip with top entrance"},
    {32813, "Slips - Left", "Slips - Left", "Slip with left entrance"},
    {32814, "Pilings - Bottom", "Pilings - Bottom", "Pilings at bottom of dock"},
    {32815, "Pilings - Right", "Pilings - Right", "Pilings to right of dock"},
    {32816, "Pilings - Top", "Pilings - Top", "Pilings at top of dock"},
    {32817, "Pilings - Left", "Pilings - Left", "Pilings to left of dock"},
};

// The standard size an id selects, or -1.
static int StandardSlipOfCommand(int commandId) {
    switch (commandId) {
        case ID_SLIP_10X20:
            return 0;
        case ID_SLIP_13X30:
            return 1;
        case ID_SLIP_16X40:
            return 2;
        case ID_SLIP_19X50:
            return 3;
        case ID_SLIP_22X60:
            return 4;
        default:
            return -1;
    }
}

// The layout number an id selects, or 0.
static int LayoutOfCommand(int commandId) {
    for (int i = 0; i < LAYOUT_MENU_ITEMS; ++i) {
        if (LAYOUT_MENU[i].commandId == commandId) return i + 1;
    }
    return 0;
}

const DockMenuItem* FindDockMenuItem(int commandId) {
    for (const DockMenuItem& item : SLIP_MENU) {
        if (item.commandId == commandId) return &item;
    }
    for (const DockMenuItem& item : LAYOUT_MENU) {
        if (item.commandId == commandId) return &item;
    }
    return nullptr;
}

// Only the labels change with the units; the sizes stay those in feet.
const char* DockMenuLabel(const CKLVNDoc& doc, int commandId) {
    const DockMenuItem* item = FindDockMenuItem(commandId);
    if (item == nullptr) return "";
    return doc.settings.metricUnits ? item->metricLabel : item->label;
}

bool DockMenuChecked(const CKLVNDoc& doc, int commandId) {
    const DockLayout& dock = doc.dock;
    if (commandId == ID_SLIP_AUTO) return dock.slipSizeAuto == 1;
    if (commandId == ID_SLIP_CUSTOM) return dock.slipSizeIndex == CUSTOM_SLIP;
    const int standard = StandardSlipOfCommand(commandId);
    if (standard >= 0) return dock.slipSizeIndex == standard;  // with Auto on as well
    const int layout = LayoutOfCommand(commandId);
    return layout != 0 && dock.dockLayout == layout;
}

void SelectAutoSlipSize(CKLVNDoc& doc) {
    doc.dock.slipSizeAuto = 1;
    doc.boat.savedSlipSizeAuto = 1;
    LayoutDock(doc);
}

void SelectSlipSize(CKLVNDoc& doc, int index) {
    if (index < 0 || index >= CUSTOM_SLIP) return;
    doc.dock.slipSizeIndex = index;
    doc.dock.slipSizeAuto = 0;
    // "13 x 30" leaves the boat's saved selection as it was, so a custom slip
    // saved with the boat comes back at the next start.
    if (index != 1) {
        doc.boat.savedSlipSizeIndex = index;
        doc.boat.savedSlipSizeAuto = 0;
    }
    LayoutDock(doc);
}

void SelectDockLayout(CKLVNDoc& doc, int dockLayout) {
    doc.dock.dockLayout = dockLayout;
    LayoutDock(doc);
}

bool DoDockCommand(CKLVNDoc& doc, int commandId) {
    if (commandId == ID_SLIP_AUTO) {
        SelectAutoSlipSize(doc);
        return true;
    }
    const int standard = StandardSlipOfCommand(commandId);
    if (standard >= 0) {
        SelectSlipSize(doc, standard);
        return true;
    }
    const int layout = LayoutOfCommand(commandId);
    if (layout != 0) {
        SelectDockLayout(doc, layout);
        return true;
    }
    return false;
}
