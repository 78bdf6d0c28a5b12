// Script commands of the bridge console: open it as Show Bridge does, press
// its buttons and work its bars by control id, type a key into it, and dump
// its mirrors and everything it shows as one JSON line on stderr. The console
// is the same logic the window runs, so a run driven from the console can be
// repeated and compared exactly.

#include <cstdio>
#include <string>

#include "controls/headless_console.h"
#include "document/document.h"
#include "script_commands.h"

namespace {

constexpr long long MAX_CONTROL_ID = 2000;

HeadlessConsole* HostOf(CKLVNDoc& doc) {
    return dynamic_cast<HeadlessConsole*>(doc.ui);
}

// The open console, or null with the reason in error.
BridgeConsole* OpenConsole(CKLVNDoc& doc, std::string& error) {
    HeadlessConsole* host = HostOf(doc);
    BridgeConsole* console = host ? host->Console() : nullptr;
    if (!console) error = "the bridge console is not open ('console open' first)";
    return console;
}

std::string NotOnLayout(const BridgeConsole& console, long long id) {
    return "control " + std::to_string(id) + " is not on console layout " +
           std::to_string(static_cast<int>(console.Layout()));
}

bool ReadOpen(ScriptAction& action) {
    action = [](ScriptContext& context, std::string& error) {
        HeadlessConsole* host = HostOf(context.doc);
        if (!host) error = "this run has no bridge console";
        if (host) host->Open(context.doc);
        return host != nullptr;
    };
    return true;
}

bool ReadPress(long long id, ScriptAction& action) {
    action = [id](ScriptContext& context, std::string& error) {
        BridgeConsole* console = OpenConsole(context.doc, error);
        if (!console) return false;
        const PressResult result = console->Press(static_cast<int>(id));
        if (result == PressResult::NotInLayout) {
            error = NotOnLayout(*console, id);
            return false;
        }
        // CANCEL destroys the console; the console object goes with it.
        if (result == PressResult::Close) HostOf(context.doc)->Close();
        return true;
    };
    return true;
}

bool ReadBar(long long id, const Words& args, ScriptAction& action, std::string& error) {
    const char* names[] = {"lineup", "linedown", "pageup", "pagedown", "release"};
    const BarNotification notifications[] = {BarNotification::LineUp, BarNotification::LineDown,
                                             BarNotification::PageUp, BarNotification::PageDown,
                                             BarNotification::ThumbReleased};
    int which = -1;
    for (int k = 0; k < 5; ++k) {
        if (args.size() >= 3 && args[2] == names[k]) which = k;
    }
    long long position = 0;
    const bool release = which == 4;
    if (which < 0 || args.size() != (release ? 4u : 3u) ||
        (release && !ReadInteger(args[3], 0, 100, position))) {
        error = "expected bar ID lineup|linedown|pageup|pagedown, or bar ID release P(0...100)";
        return false;
    }
    const BarNotification notification = notifications[which];
    action = [id, notification, position](ScriptContext& context, std::string& failure) {
        BridgeConsole* console = OpenConsole(context.doc, failure);
        if (!console) return false;
        if (console->Scroll(static_cast<int>(id), notification, static_cast<int>(position))) {
            return true;
        }
        failure = NotOnLayout(*console, id);
        return false;
    };
    return true;
}

bool ReadKeyInConsole(long long code, ScriptAction& action) {
    action = [code](ScriptContext& context, std::string& error) {
        BridgeConsole* console = OpenConsole(context.doc, error);
        if (console) console->Key(static_cast<int>(code));
        return console != nullptr;
    };
    return true;
}

// console open | console press ID | console bar ID NOTIFICATION [P] | console key CODE
bool ReadConsole(const Words& args, ScriptAction& action, std::string& error) {
    long long value = 0;
    if (args.size() == 1 && args[0] == "open") return ReadOpen(action);
    if (args.size() == 2 && args[0] == "press" && ReadInteger(args[1], 0, MAX_CONTROL_ID, value)) {
        return ReadPress(value, action);
    }
    if (args.size() >= 3 && args[0] == "bar" && ReadInteger(args[1], 0, MAX_CONTROL_ID, value)) {
        return ReadBar(value, args, action, error);
    }
    if (args.size() == 2 && args[0] == "key" && ReadInteger(args[1], 0, 255, value)) {
        return ReadKeyInConsole(value, action);
    }
    error =
        "expected open, press ID, bar ID lineup|linedown|pageup|pagedown|release P, or key "
        "CODE(0...255)";
    return false;
}

void AppendQuoted(std::string& out, const char* text) {
    out += '"';
    for (const char* c = text; *c; ++c) {
        if (*c == '"' || *c == '\\') out += '\\';
        out += *c;
    }
    out += '"';
}

std::string ConsoleJson(const BridgeConsole& console) {
    std::string out = "{\"layout\":" + std::to_string(static_cast<int>(console.Layout()));
    out += ",\"magnitude\":[" + std::to_string(console.Magnitude(0)) + "," +
           std::to_string(console.Magnitude(1)) + "]";
    out += ",\"direction\":[" + std::to_string(console.Direction(0)) + "," +
           std::to_string(console.Direction(1)) + "]";
    out += ",\"synchronized\":" + std::to_string(console.Synchronized() ? 1 : 0);
    out += ",\"rudderPosition\":" + std::to_string(console.RudderPosition());
    std::string buttons, bars, captions;
    const ConsoleTemplate& t = console.Template();
    for (int i = 0; i < t.count; ++i) {
        const int id = t.controls[i].id;
        const std::string key = "[" + std::to_string(id) + ",";
        switch (t.controls[i].kind) {
            case ControlKind::ColourButton:
                buttons += (buttons.empty() ? "" : ",") + key;
                AppendQuoted(buttons, NameOf(console.Colour(id)));
                buttons += ']';
                break;
            case ControlKind::VerticalBar:
            case ControlKind::HorizontalBar:
                bars +=
                    (bars.empty() ? "" : ",") + key + std::to_string(console.BarPosition(id)) + ",";
                AppendQuoted(bars, NameOf(console.BarColourOf(id)));
                bars += ']';
                break;
            case ControlKind::Readout:
            case ControlKind::DefaultButton:
                captions += (captions.empty() ? "" : ",") + key;
                AppendQuoted(captions, console.Caption(id));
                captions += ']';
                break;
            default:
                break;
        }
    }
    out +=
        ",\"buttons\":[" + buttons + "],\"bars\":[" + bars + "],\"captions\":[" + captions + "]}";
    return out;
}

bool ReadDumpConsole(const Words& args, ScriptAction& action, std::string& error) {
    if (args.size() != 1 || args[0] != "console") {
        error = "expected console";
        return false;
    }
    action = [](ScriptContext& context, std::string& failure) {
        BridgeConsole* console = OpenConsole(context.doc, failure);
        if (console) std::fprintf(stderr, "%s\n", ConsoleJson(*console).c_str());
        return console != nullptr;
    };
    return true;
}

const ScriptCommand CONSOLE_COMMANDS[] = {
    {"console", IN_TIMELINE, false, ReadConsole},
    {"dump", IN_TIMELINE, false, ReadDumpConsole},
};

}  // namespace

CommandTable ConsoleCommands() {
    return {CONSOLE_COMMANDS, sizeof CONSOLE_COMMANDS / sizeof CONSOLE_COMMANDS[0]};
}
