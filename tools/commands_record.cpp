// Script commands a recorded drive needs beyond the others: the set-up it
// began with as one block, the scene clicks as the click points the mouse ray
// gave, and the wind and current switched on or off during the run.

#include <string>

#include "docks/dock_lines_click.h"
#include "docks/fenders.h"
#include "document/command_table.h"
#include "document/document.h"
#include "practice/recording.h"
#include "script_commands.h"

namespace {

// restore HEX: the slip sizes, wind and current and random state, laid out
// and reset as they were when the drive began.
bool ReadRestore(const Words& args, ScriptAction& action, std::string& error) {
    RecordedSetup setup;
    if (args.size() != 1 || !SetupFromHex(args[0], setup)) {
        error = "expected the set-up block a recording writes";
        return false;
    }
    action = [setup](ScriptContext& context, std::string&) {
        ApplySetup(context.doc, setup);
        return true;
    };
    return true;
}

// click line ACTION BX BY DX DY WX WY | click fender set|remove BX BY DX DY WX WY:
// the click met the boat's freeboard at B (boat frame), the dock deck at D
// and the water at W (world frame).
bool ReadClick(const Words& args, ScriptAction& action, std::string& error) {
    double p[6] = {};
    bool ok = args.size() == 8;
    for (int k = 0; ok && k < 6; ++k) ok = ReadReal(args[2 + k], p[k]);
    long long lineAction = -1;
    int fenderAction = -1;
    if (ok && args[0] == "line") {
        ok = ReadInteger(args[1], LINE_CLICK_LEFT, LINE_CLICK_SHIFT_RIGHT, lineAction);
    } else if (ok && args[0] == "fender") {
        fenderAction = args[1] == "set" ? FENDER_SET : args[1] == "remove" ? FENDER_REMOVE : -1;
        ok = fenderAction >= 0;
    } else {
        ok = false;
    }
    if (!ok) {
        error = "expected line ACTION(0...3) or fender set|remove, then BX BY DX DY WX WY";
        return false;
    }
    action = [p, lineAction, fenderAction](ScriptContext& context, std::string&) {
        Mooring& m = context.doc.mooring;
        m.clickBoatPoint = {p[0], p[1]};
        m.clickDeckPoint = {p[2], p[3]};
        m.clickWaterPoint = {p[4], p[5]};
        if (lineAction >= 0) {
            LineClick(context.doc, static_cast<int>(lineAction));
        } else {
            FenderClick(context.doc, fenderAction);
        }
        return true;
    };
    return true;
}

// switch wind|current on|off: the Environment menu's switches.
bool ReadSwitch(const Words& args, ScriptAction& action, std::string& error) {
    const bool ok = args.size() == 2 && (args[0] == "wind" || args[0] == "current") &&
                    (args[1] == "on" || args[1] == "off");
    if (!ok) {
        error = "expected wind|current on|off";
        return false;
    }
    const bool wind = args[0] == "wind", on = args[1] == "on";
    action = [wind, on](ScriptContext& context, std::string&) {
        CKLVNDoc& doc = context.doc;
        const bool now = (wind ? doc.settings.windOn : doc.settings.currentOn) != 0;
        if (now != on) (wind ? ToggleWind : ToggleCurrent)(doc);
        return true;
    };
    return true;
}

const ScriptCommand RECORD_COMMANDS[] = {
    {"restore", IN_HEADER, true, ReadRestore},
    {"click", IN_TIMELINE, false, ReadClick},
    {"switch", IN_TIMELINE, false, ReadSwitch},
};

}  // namespace

CommandTable RecordCommands() {
    return {RECORD_COMMANDS, sizeof RECORD_COMMANDS / sizeof RECORD_COMMANDS[0]};
}
