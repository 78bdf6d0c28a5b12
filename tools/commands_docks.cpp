// Script commands of the dock layout: the layout and the slip size as the
// Docks menu sets them, the start pose as F11 and F12 set it, and a dump of
// the whole dock geometry as one JSON line on stderr.

#include <cmath>
#include <cstdio>
#include <string>

#include "docks/custom_slip.h"
#include "docks/dock_commands.h"
#include "docks/dock_layout.h"
#include "document/document.h"
#include "script_commands.h"

namespace {

constexpr long long MAX_CUSTOM_FEET = 100000;

// Shows the Custom Slip Size corrections on stderr, as the message boxes
// would show them; the rest stays as silent as the runner's interface.
class SlipMessagesToStderr : public SilentUserInterface {
public:
    void ShowMessage(const char* text) override {
        std::fprintf(stderr, "kelvane-sim: slip: %s\n", text);
    }
};

// "custom W L": whole feet as typed into the dialog in English units.
void ApplyCustomSlipInFeet(CKLVNDoc& doc, int width, int length) {
    UserInterface* shell = doc.ui;
    SlipMessagesToStderr messages;
    const UnitFactors units = doc.units;
    doc.units.lengthToInternal = 1.0;
    doc.ui = &messages;
    ApplyCustomSlip(doc, width, length);
    doc.ui = shell;
    doc.units = units;
}

// layout N (timeline): the Docks menu's layout item.
bool ReadLayout(const Words& args, ScriptAction& action, std::string& error) {
    long long layout = 0;
    if (args.size() != 1 || !ReadInteger(args[0], 1, 9, layout)) {
        error = "expected a dock layout 1 ... 9";
        return false;
    }
    action = [layout](ScriptContext& context, std::string&) {
        SelectDockLayout(context.doc, static_cast<int>(layout));
        return true;
    };
    return true;
}

// slip auto | slip 0...4 | slip custom W L: the Docks menu's slip sizes.
bool ReadSlip(const Words& args, ScriptAction& action, std::string& error) {
    long long index = 0, width = 0, length = 0;
    if (args.size() == 1 && args[0] == "auto") {
        action = [](ScriptContext& context, std::string&) {
            SelectAutoSlipSize(context.doc);
            return true;
        };
        return true;
    }
    if (args.size() == 1 && ReadInteger(args[0], 0, CUSTOM_SLIP - 1, index)) {
        action = [index](ScriptContext& context, std::string&) {
            SelectSlipSize(context.doc, static_cast<int>(index));
            return true;
        };
        return true;
    }
    if (args.size() == 3 && args[0] == "custom" &&
        ReadInteger(args[1], -MAX_CUSTOM_FEET, MAX_CUSTOM_FEET, width) &&
        ReadInteger(args[2], -MAX_CUSTOM_FEET, MAX_CUSTOM_FEET, length)) {
        action = [width, length](ScriptContext& context, std::string&) {
            ApplyCustomSlipInFeet(context.doc, static_cast<int>(width), static_cast<int>(length));
            return true;
        };
        return true;
    }
    error = "expected auto, a standard size 0 ... 4, or custom W L in whole feet";
    return false;
}

// pose default | pose capture: the start pose of F11 and F12.
bool ReadPose(const Words& args, ScriptAction& action, std::string& error) {
    if (args.size() != 1 || (args[0] != "default" && args[0] != "capture")) {
        error = "expected default or capture";
        return false;
    }
    const bool capture = args[0] == "capture";
    action = [capture](ScriptContext& context, std::string&) {
        SetStartPose(context.doc, capture);
        return true;
    };
    return true;
}

// ---- dump dock ----

void AppendNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    out += text;
}

void AppendList(std::string& out, const double* values, int count) {
    out += '[';
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += ',';
        AppendNumber(out, values[i]);
    }
    out += ']';
}

void AppendBox(std::string& out, const char* key, const DockRect& box) {
    const double values[4] = {box.xMin, box.yMin, box.xMax, box.yMax};
    out += std::string(",\"") + key + "\":";
    AppendList(out, values, 4);
}

int Clamped(int count, int limit) {
    return count < 0 ? 0 : count > limit ? limit : count;
}

std::string DockJson(const CKLVNDoc& doc) {
    const DockLayout& dock = doc.dock;
    std::string out = "{\"dockLayout\":" + std::to_string(dock.dockLayout);

    out += ",\"dockRects\":[";
    for (int i = 0; i < Clamped(dock.dockRectCount, MAX_DOCK_RECTS); ++i) {
        const DockRect& r = dock.dockRects[i];
        const double values[4] = {r.xMin, r.yMin, r.xMax, r.yMax};
        if (i > 0) out += ',';
        AppendList(out, values, 4);
    }
    out += "],\"pilings\":[";
    for (int i = 0; i < Clamped(dock.pilingCount, MAX_PILINGS); ++i) {
        const double values[2] = {dock.pilings[i].x, dock.pilings[i].y};
        if (i > 0) out += ',';
        AppendList(out, values, 2);
    }
    out += "],\"contactCells\":[";
    for (int i = 0; i < Clamped(dock.contactCellCount, MAX_CONTACT_CELLS); ++i) {
        const ContactCell& c = dock.contactCells[i];
        const double values[7] = {c.x1,           c.y1, c.x2, c.y2, double(c.kind), double(c.pushX),
                                  double(c.pushY)};
        if (i > 0) out += ',';
        AppendList(out, values, 7);
    }
    out += "],\"cellGroups\":[";
    for (int g = 0; g < CELL_GROUPS; ++g) {
        if (g > 0) out += ',';
        out += '[';
        for (int i = 0; i < Clamped(dock.cellGroupCount[g], MAX_CONTACT_CELLS); ++i) {
            if (i > 0) out += ',';
            out += std::to_string(dock.cellGroups[g][i]);
        }
        out += ']';
    }
    out += ']';
    AppendBox(out, "slipBoxA", dock.slipBoxA);
    AppendBox(out, "slipBoxB", dock.slipBoxB);
    AppendBox(out, "dockBounds", dock.dockBounds);
    out += ",\"slipSideLines\":[";
    for (int s = 0; s < 2; ++s) {
        const SideLine& line = dock.slipSideLines[s];
        const double values[3] = {line.x, line.y, line.sign};
        if (s > 0) out += ',';
        AppendList(out, values, 3);
    }
    const int index = Clamped(dock.slipSizeIndex, SLIP_SIZE_COUNT - 1);
    out += "],\"slipSizeIndex\":" + std::to_string(dock.slipSizeIndex);
    out += ",\"slipSizeAuto\":" + std::to_string(dock.slipSizeAuto);
    out += ",\"slipWidth\":";
    AppendNumber(out, dock.slipSizes[index].width);
    out += ",\"slipLength\":";
    AppendNumber(out, dock.slipSizes[index].length);
    out += ",\"startX\":";
    AppendNumber(out, doc.boat.startX);
    out += ",\"startY\":";
    AppendNumber(out, doc.boat.startY);
    out += ",\"startHeading\":";
    AppendNumber(out, doc.boat.startHeading);
    out += '}';
    return out;
}

bool ReadDumpDock(const Words& args, ScriptAction& action, std::string& error) {
    if (args.size() != 1 || args[0] != "dock") {
        error = "expected dock";
        return false;
    }
    action = [](ScriptContext& context, std::string&) {
        const std::string json = DockJson(context.doc);
        std::fprintf(stderr, "%s\n", json.c_str());
        return true;
    };
    return true;
}

const ScriptCommand DOCKS_COMMANDS[] = {
    {"layout", IN_TIMELINE, false, ReadLayout},
    {"slip", IN_HEADER | IN_TIMELINE, true, ReadSlip},
    {"pose", IN_TIMELINE, false, ReadPose},
    {"dump", IN_TIMELINE, false, ReadDumpDock},
};

}  // namespace

CommandTable DocksCommands() {
    return {DOCKS_COMMANDS, sizeof DOCKS_COMMANDS / sizeof DOCKS_COMMANDS[0]};
}
