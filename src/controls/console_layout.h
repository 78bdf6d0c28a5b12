#pragma once

#include <cstdint>

// The bridge console's four layouts as data: which controls each has, what
// they are called and where they stand, in dialog units. The window builds
// its widgets from this table and the console logic finds its controls in it.

// The ids the console's controls have always had; scripts and traces name
// controls by these numbers.
enum ConsoleControlId : int {
    CONSOLE_STATIC = -1,  // a label that nothing refers to
    CONSOLE_PAUSE = 1,    // the default button: PAUSE while running, RUN while paused
    CONSOLE_CANCEL = 2,
    CONSOLE_PORT_LEVER_BAR = 1104,
    CONSOLE_PORT_LEVER_N = 1105,
    CONSOLE_PORT_LEVER_FR = 1110,
    CONSOLE_PORT_LEVER_FF = 1111,
    CONSOLE_STARBOARD_N = 1117,
    CONSOLE_STARBOARD_FULL = 1120,
    CONSOLE_PORT_FULL = 1121,
    CONSOLE_RUDDER_AMID = 1124,
    CONSOLE_STARBOARD_REV = 1125,
    CONSOLE_STARBOARD_FWD = 1126,
    CONSOLE_RUDDER_HARD_STBD = 1127,
    CONSOLE_RUDDER_HARD_PORT = 1128,
    CONSOLE_RUDDER_BAR = 1129,
    CONSOLE_PORT_THROTTLE_BAR = 1130,
    CONSOLE_STARBOARD_THROTTLE_BAR = 1131,
    CONSOLE_SYNC = 1132,
    CONSOLE_PORT_FWD = 1133,
    CONSOLE_BOTH_FWD = 1134,
    CONSOLE_PORT_N = 1135,
    CONSOLE_PORT_REV = 1136,
    CONSOLE_BOTH_N = 1137,
    CONSOLE_BOTH_REV = 1138,
    CONSOLE_STARBOARD_LEVER_FF = 1139,
    CONSOLE_STARBOARD_LEVER_N = 1140,
    CONSOLE_STARBOARD_LEVER_FR = 1141,
    CONSOLE_STARBOARD_LEVER_BAR = 1142,
    CONSOLE_THRUSTER_PORT = 1144,
    CONSOLE_THRUSTER_OFF = 1145,
    CONSOLE_THRUSTER_STBD = 1146,
    CONSOLE_BOTH_LEVER_FWD = 1147,
    CONSOLE_BOTH_LEVER_N = 1148,
    CONSOLE_BOTH_LEVER_REV = 1149,
    CONSOLE_PORT_RPM = 1161,
    CONSOLE_STARBOARD_RPM = 1162,
};

// The four layouts, by the numbers of their dialog templates.
enum class ConsoleLayout : int {
    OneEngineSeparate = 139,
    TwoEnginesSeparate = 140,
    OneEngineCombined = 141,
    TwoEnginesCombined = 142,
};

enum class ControlKind {
    ColourButton,   // owner-drawn, coloured by the state it shows
    PushButton,     // FULL and CANCEL
    DefaultButton,  // PAUSE / RUN
    VerticalBar,    // engine throttle or lever, 0 at the top
    HorizontalBar,  // the rudder, 0 at the left (port)
    Heading,        // a centred static title
    Label,          // a left-aligned static
    Readout,        // a centred static whose text is the engine RPM
};

struct DialogRect {
    int x, y, width, height;  // dialog units
};

struct ConsoleControl {
    int id;
    ControlKind kind;
    const char* caption;         // the text it shows at opening
    const char* accessibleName;  // what assistive tools call it
    DialogRect rect;
};

constexpr int CONSOLE_WIDTH_UNITS = 162;
constexpr int MAX_CONSOLE_CONTROLS = 40;

// One layout's controls, the shared thruster, rudder and button rows included.
struct ConsoleTemplate {
    ConsoleLayout layout;
    int widthUnits;
    int heightUnits;
    int count;
    ConsoleControl controls[MAX_CONSOLE_CONTROLS];
};

// Separate shift and throttle or combined levers, one engine or two.
ConsoleLayout ConsoleLayoutFor(int engineCount, bool shiftThrottleCombined);
const ConsoleTemplate& ConsoleTemplateOf(ConsoleLayout layout);

bool IsTwinLayout(ConsoleLayout layout);
bool IsCombinedLayout(ConsoleLayout layout);

// Where the console window opens, in screen pixels: beside the main window
// (to its right, else to its left), 30 pixels below its top, and always
// wholly on the screen's free area when it fits there.
struct ScreenRect {
    int x, y, width, height;
};
ScreenRect PlaceConsole(const ScreenRect& mainWindow, const ScreenRect& screen, int width,
                        int height);
