// Script commands of the dock lines and fenders, all in the timeline: a line
// made fast, hardened, loosened or stowed as the mouse would do it, the three
// bulk line commands, and fenders set and removed at a boat-frame point. Like
// the mouse, the clicks do nothing while mouse input is off.

#include <string>

#include "docks/click_points.h"
#include "docks/dock_lines.h"
#include "docks/dock_lines_click.h"
#include "docks/fenders.h"
#include "document/document.h"
#include "script_commands.h"

namespace {

constexpr int LINE_BEEP_HZ = 1000;
constexpr int LINE_BEEP_MS = 100;

// A click straight down onto world (x, y): the ray meets every height there.
void ClickStraightDownAt(CKLVNDoc& doc, PlanePoint world) {
    doc.mooring.clickBoatPoint = WorldToBoat(doc, world);
    doc.mooring.clickDeckPoint = world;
    doc.mooring.clickWaterPoint = world;
}

// The same for a boat-frame point.
void ClickStraightDownOnBoat(CKLVNDoc& doc, PlanePoint boat) {
    PlanePoint world = BoatToWorld(doc, boat);
    doc.mooring.clickBoatPoint = boat;
    doc.mooring.clickDeckPoint = world;
    doc.mooring.clickWaterPoint = world;
}

// Line i picked up at its cleat (if it is not in hand already), then a click
// straight down at (x, y): made fast on a deck there, to a piling within reach
// or, for the anchor line, to the bottom; a line too short or over open water
// stays in hand, as it would under the mouse. A line already made fast has to
// be stowed first.
bool AttachLine(CKLVNDoc& doc, int i, PlanePoint world, std::string& error) {
    if (!doc.state.mouseInputEnabled) return true;
    DockLine& line = doc.mooring.dockLines[i];
    if (line.state >= LINE_SLACK) {
        error = "line " + std::to_string(i) + " is made fast already; stow it first";
        return false;
    }
    if (line.state == LINE_STOWED) {
        SetLineState(doc, i, nullptr, LINE_IN_HAND);
        doc.ui->Beep(LINE_BEEP_HZ, LINE_BEEP_MS);
    }
    ClickStraightDownAt(doc, world);
    char text[STATUS_TEXT_SIZE] = "";
    MakeFastAtClick(doc, i, text, sizeof text);
    doc.ui->SetStatusText(text);
    return true;
}

// What a click on a made-fast line does: left hardens a slack line, right
// loosens (a slack line only when shortened), Shift + right casts off. Stowing
// also drops a line in hand. Otherwise nothing happens.
void WorkLine(CKLVNDoc& doc, int i, int newState) {
    if (!doc.state.mouseInputEnabled) return;
    DockLine& line = doc.mooring.dockLines[i];
    bool changes = false;
    if (newState == LINE_TAUT) {
        changes = line.state == LINE_SLACK;
    } else if (newState == LINE_SLACK) {
        changes = line.state == LINE_TAUT ||
                  (line.state == LINE_SLACK && line.lineLength < NominalLineLength(doc, i));
    } else if (line.state == LINE_IN_HAND) {
        SetLineState(doc, i, nullptr, LINE_STOWED);
        return;
    } else {
        changes = line.state >= LINE_SLACK;
    }
    if (!changes) return;
    SetLineState(doc, i, nullptr, newState);
    doc.ui->Beep(LINE_BEEP_HZ, LINE_BEEP_MS);
}

// line I attach X Y | line I harden | line I loosen | line I stow
bool ReadLineCommand(const Words& args, ScriptAction& action, std::string& error) {
    long long index = 0;
    bool ok = args.size() >= 2 && ReadInteger(args[0], 0, DOCK_LINE_COUNT - 1, index);
    int i = static_cast<int>(index);
    if (ok && args[1] == "attach") {
        PlanePoint point = {0.0, 0.0};
        if (args.size() == 4 && ReadReal(args[2], point.x) && ReadReal(args[3], point.y)) {
            action = [i, point](ScriptContext& context, std::string& failure) {
                return AttachLine(context.doc, i, point, failure);
            };
            return true;
        }
    } else if (ok && args.size() == 2) {
        int newState = args[1] == "harden"   ? LINE_TAUT
                       : args[1] == "loosen" ? LINE_SLACK
                       : args[1] == "stow"   ? LINE_STOWED
                                             : -1;
        if (newState >= 0) {
            action = [i, newState](ScriptContext& context, std::string&) {
                WorkLine(context.doc, i, newState);
                return true;
            };
            return true;
        }
    }
    error = "expected line I(0...8) attach X Y, or line I harden|loosen|stow";
    return false;
}

// lines loosen|harden|remove: the three bulk commands.
bool ReadLines(const Words& args, ScriptAction& action, std::string& error) {
    int mode = -1;
    if (args.size() == 1) {
        mode = args[0] == "loosen"   ? ALL_LINES_LOOSEN
               : args[0] == "harden" ? ALL_LINES_HARDEN
               : args[0] == "remove" ? ALL_LINES_REMOVE
                                     : -1;
    }
    if (mode < 0) {
        error = "expected loosen, harden or remove";
        return false;
    }
    action = [mode](ScriptContext& context, std::string&) {
        SetAllLines(context.doc, mode);
        return true;
    };
    return true;
}

// fender X Y / unfender X Y: a Ctrl click at a boat-frame point.
bool ReadFenderClick(const Words& args, int fenderAction, ScriptAction& action,
                     std::string& error) {
    PlanePoint point = {0.0, 0.0};
    if (args.size() != 2 || !ReadReal(args[0], point.x) || !ReadReal(args[1], point.y)) {
        error = "expected X Y, a point in the boat frame (ft, x to starboard, y to the bow)";
        return false;
    }
    action = [fenderAction, point](ScriptContext& context, std::string&) {
        if (!context.doc.state.mouseInputEnabled) return true;
        ClickStraightDownOnBoat(context.doc, point);
        FenderClick(context.doc, fenderAction);
        return true;
    };
    return true;
}

bool ReadFender(const Words& args, ScriptAction& action, std::string& error) {
    return ReadFenderClick(args, FENDER_SET, action, error);
}

bool ReadUnfender(const Words& args, ScriptAction& action, std::string& error) {
    return ReadFenderClick(args, FENDER_REMOVE, action, error);
}

// fenders remove: "Remove All Fenders".
bool ReadFenders(const Words& args, ScriptAction& action, std::string& error) {
    if (args.size() != 1 || args[0] != "remove") {
        error = "expected remove";
        return false;
    }
    action = [](ScriptContext& context, std::string&) {
        RemoveAllFenders(context.doc);
        return true;
    };
    return true;
}

const ScriptCommand LINES_COMMANDS[] = {
    {"line", IN_TIMELINE, false, ReadLineCommand}, {"lines", IN_TIMELINE, false, ReadLines},
    {"fender", IN_TIMELINE, false, ReadFender},    {"unfender", IN_TIMELINE, false, ReadUnfender},
    {"fenders", IN_TIMELINE, false, ReadFenders},
};

}  // namespace

CommandTable LinesCommands() {
    return {LINES_COMMANDS, sizeof LINES_COMMANDS / sizeof LINES_COMMANDS[0]};
}
