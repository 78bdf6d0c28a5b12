#include "controls/console_layout.h"

#include <cstddef>

namespace {

using K = ControlKind;

// Every engine button stack is FWD (or FF) 75 high, N 40 and REV (or FR) 70,
// together as tall as the 185-high engine bar beside it.
constexpr int BAR_HEIGHT = 185;
constexpr int TOP_HEIGHT = 75;
constexpr int MIDDLE_HEIGHT = 40;
constexpr int BOTTOM_HEIGHT = 70;
constexpr int BAR_WIDTH = 20;

constexpr DialogRect Top(int x, int y, int width) {
    return {x, y, width, TOP_HEIGHT};
}
constexpr DialogRect Middle(int x, int y, int width) {
    return {x, y + TOP_HEIGHT, width, MIDDLE_HEIGHT};
}
constexpr DialogRect Bottom(int x, int y, int width) {
    return {x, y + TOP_HEIGHT + MIDDLE_HEIGHT, width, BOTTOM_HEIGHT};
}
constexpr DialogRect Bar(int x, int y) {
    return {x, y, BAR_WIDTH, BAR_HEIGHT};
}

// One engine, separate shift buttons and throttle bar.
constexpr int Y139 = 38;
constexpr ConsoleControl ENGINE_139[] = {
    {CONSOLE_STATIC, K::Heading, "ENGINE CONTROL", "ENGINE CONTROL", {7, 6, 148, 9}},
    {CONSOLE_PORT_FULL, K::PushButton, "FULL", "FULL", {96, 20, 28, 14}},
    {CONSOLE_PORT_FWD, K::ColourButton, "FWD", "FWD", Top(30, Y139, 48)},
    {CONSOLE_PORT_N, K::ColourButton, "N", "N", Middle(30, Y139, 48)},
    {CONSOLE_PORT_REV, K::ColourButton, "REV", "REV", Bottom(30, Y139, 48)},
    {CONSOLE_PORT_THROTTLE_BAR, K::VerticalBar, "", "Throttle", Bar(100, Y139)},
    {CONSOLE_PORT_RPM, K::Readout, "ERPM", "ERPM", {93, Y139 + BAR_HEIGHT + 3, 34, 9}},
};

// Two engines, separate: port, both and starboard button columns, then the
// two throttle bars.
constexpr int Y140 = 32;
constexpr ConsoleControl ENGINE_140[] = {
    {CONSOLE_STATIC, K::Heading, "ENGINE CONTROLS", "ENGINE CONTROLS", {7, 4, 148, 9}},
    {CONSOLE_STATIC, K::Label, "  P", "  P", {10, 22, 24, 9}},
    {CONSOLE_STATIC, K::Label, "B", "B", {35, 22, 24, 9}},
    {CONSOLE_STATIC, K::Label, "  S", "  S", {60, 22, 24, 9}},
    {CONSOLE_PORT_FWD, K::ColourButton, "FWD", "FWD", Top(10, Y140, 24)},
    {CONSOLE_PORT_N, K::ColourButton, "N", "N", Middle(10, Y140, 24)},
    {CONSOLE_PORT_REV, K::ColourButton, "REV", "REV", Bottom(10, Y140, 24)},
    {CONSOLE_BOTH_FWD, K::ColourButton, "", "Both FWD", Top(35, Y140, 24)},
    {CONSOLE_BOTH_N, K::ColourButton, "", "Both N", Middle(35, Y140, 24)},
    {CONSOLE_BOTH_REV, K::ColourButton, "", "Both REV", Bottom(35, Y140, 24)},
    {CONSOLE_SYNC, K::ColourButton, "SYNC", "SYNC", {35, Y140 + BAR_HEIGHT + 3, 24, 14}},
    {CONSOLE_STARBOARD_FWD, K::ColourButton, "FWD", "FWD", Top(60, Y140, 24)},
    {CONSOLE_STARBOARD_N, K::ColourButton, "N", "N", Middle(60, Y140, 24)},
    {CONSOLE_STARBOARD_REV, K::ColourButton, "REV", "REV", Bottom(60, Y140, 24)},
    {CONSOLE_PORT_FULL, K::PushButton, "FULL", "FULL", {90, 16, 28, 14}},
    {CONSOLE_STARBOARD_FULL, K::PushButton, "FULL", "FULL", {125, 16, 28, 14}},
    {CONSOLE_PORT_THROTTLE_BAR, K::VerticalBar, "", "Port throttle", Bar(94, Y140)},
    {CONSOLE_STARBOARD_THROTTLE_BAR, K::VerticalBar, "", "Starboard throttle", Bar(129, Y140)},
    {CONSOLE_STATIC, K::Label, "P", "P", {101, Y140 + BAR_HEIGHT + 2, 12, 9}},
    {CONSOLE_STATIC, K::Label, "  S", "  S", {132, Y140 + BAR_HEIGHT + 2, 16, 9}},
    {CONSOLE_PORT_RPM, K::Readout, "ERPM", "ERPM", {87, Y140 + BAR_HEIGHT + 12, 34, 9}},
    {CONSOLE_STARBOARD_RPM, K::Readout, "ERPM", "ERPM", {122, Y140 + BAR_HEIGHT + 12, 34, 9}},
};

// One engine, combined: FF, N and FR beside the lever.
constexpr int Y141 = 20;
constexpr ConsoleControl ENGINE_141[] = {
    {CONSOLE_STATIC, K::Heading, "ENGINE CONTROLS", "ENGINE CONTROLS", {7, 6, 148, 9}},
    {CONSOLE_PORT_LEVER_FF, K::ColourButton, "FF", "FF", Top(55, Y141, 24)},
    {CONSOLE_PORT_LEVER_N, K::ColourButton, "N", "N", Middle(55, Y141, 24)},
    {CONSOLE_PORT_LEVER_FR, K::ColourButton, "FR", "FR", Bottom(55, Y141, 24)},
    {CONSOLE_PORT_LEVER_BAR, K::VerticalBar, "", "Lever", Bar(81, Y141)},
    {CONSOLE_PORT_RPM, K::Readout, "ERPM", "ERPM", {74, Y141 + BAR_HEIGHT + 3, 34, 9}},
};

// Two engines, combined: port lever and buttons, both-engine buttons in the
// middle, starboard buttons and lever.
constexpr int Y142 = 26;
constexpr ConsoleControl ENGINE_142[] = {
    {CONSOLE_STATIC, K::Heading, "ENGINE CONTROLS", "ENGINE CONTROLS", {7, 4, 148, 9}},
    {CONSOLE_STATIC, K::Label, "PORT", "PORT", {10, 15, 24, 9}},
    {CONSOLE_STATIC, K::Label, "STBD", "STBD", {125, 15, 24, 9}},
    {CONSOLE_PORT_LEVER_BAR, K::VerticalBar, "", "Port lever", Bar(10, Y142)},
    {CONSOLE_PORT_LEVER_FF, K::ColourButton, "FF", "FF", Top(32, Y142, 22)},
    {CONSOLE_PORT_LEVER_N, K::ColourButton, "N", "N", Middle(32, Y142, 22)},
    {CONSOLE_PORT_LEVER_FR, K::ColourButton, "FR", "FR", Bottom(32, Y142, 22)},
    {CONSOLE_BOTH_LEVER_FWD, K::ColourButton, "FWD", "FWD", Top(58, Y142, 40)},
    {CONSOLE_BOTH_LEVER_N, K::ColourButton, "N", "N", Middle(58, Y142, 40)},
    {CONSOLE_BOTH_LEVER_REV, K::ColourButton, "REV", "REV", Bottom(58, Y142, 40)},
    {CONSOLE_STARBOARD_LEVER_FF, K::ColourButton, "FF", "FF", Top(102, Y142, 22)},
    {CONSOLE_STARBOARD_LEVER_N, K::ColourButton, "N", "N", Middle(102, Y142, 22)},
    {CONSOLE_STARBOARD_LEVER_FR, K::ColourButton, "FR", "FR", Bottom(102, Y142, 22)},
    {CONSOLE_STARBOARD_LEVER_BAR, K::VerticalBar, "", "Starboard lever", Bar(125, Y142)},
    {CONSOLE_PORT_RPM, K::Readout, "ERPM", "ERPM", {3, Y142 + BAR_HEIGHT + 3, 34, 9}},
    {CONSOLE_STARBOARD_RPM, K::Readout, "ERPM", "ERPM", {118, Y142 + BAR_HEIGHT + 3, 34, 9}},
};

// The thruster, the rudder and the button row every layout ends with, placed
// from the top of the thruster heading. A layout is this much taller than its
// engine part.
constexpr int SHARED_HEIGHT = 108;
constexpr ConsoleControl SHARED[] = {
    {CONSOLE_STATIC, K::Heading, "BOW THRUSTER CONTROL", "BOW THRUSTER CONTROL", {7, 0, 148, 9}},
    {CONSOLE_THRUSTER_PORT, K::ColourButton, "PORT", "PORT", {7, 11, 48, 16}},
    {CONSOLE_THRUSTER_OFF, K::ColourButton, "OFF", "OFF", {57, 11, 48, 16}},
    {CONSOLE_THRUSTER_STBD, K::ColourButton, "STBD", "STBD", {107, 11, 48, 16}},
    {CONSOLE_STATIC, K::Heading, "RUDDER CONTROL", "RUDDER CONTROL", {7, 33, 148, 9}},
    {CONSOLE_RUDDER_BAR, K::HorizontalBar, "", "Rudder", {11, 44, 140, 15}},
    {CONSOLE_RUDDER_HARD_PORT, K::ColourButton, "HARD PORT", "HARD PORT", {7, 62, 48, 16}},
    {CONSOLE_RUDDER_AMID, K::ColourButton, "AMID", "AMID", {57, 62, 48, 16}},
    {CONSOLE_RUDDER_HARD_STBD, K::ColourButton, "HARD STBD", "HARD STBD", {107, 62, 48, 16}},
    {CONSOLE_CANCEL, K::PushButton, "CANCEL", "CANCEL", {7, 86, 50, 16}},
    {CONSOLE_PAUSE, K::DefaultButton, "PAUSE", "PAUSE", {105, 86, 50, 16}},
};

template <std::size_t N>
ConsoleTemplate Assemble(ConsoleLayout layout, int height, const ConsoleControl (&engine)[N]) {
    ConsoleTemplate t = {layout, CONSOLE_WIDTH_UNITS, height, 0, {}};
    for (const ConsoleControl& control : engine) t.controls[t.count++] = control;
    for (const ConsoleControl& control : SHARED) {
        ConsoleControl placed = control;
        placed.rect.y += height - SHARED_HEIGHT;
        t.controls[t.count++] = placed;
    }
    return t;
}

static_assert(sizeof ENGINE_140 / sizeof ENGINE_140[0] + sizeof SHARED / sizeof SHARED[0] <=
              MAX_CONSOLE_CONTROLS);

}  // namespace

ConsoleLayout ConsoleLayoutFor(int engineCount, bool shiftThrottleCombined) {
    const bool twin = engineCount >= 2;
    if (shiftThrottleCombined) {
        return twin ? ConsoleLayout::TwoEnginesCombined : ConsoleLayout::OneEngineCombined;
    }
    return twin ? ConsoleLayout::TwoEnginesSeparate : ConsoleLayout::OneEngineSeparate;
}

const ConsoleTemplate& ConsoleTemplateOf(ConsoleLayout layout) {
    static const ConsoleTemplate templates[4] = {
        Assemble(ConsoleLayout::OneEngineSeparate, 351, ENGINE_139),
        Assemble(ConsoleLayout::TwoEnginesSeparate, 366, ENGINE_140),
        Assemble(ConsoleLayout::OneEngineCombined, 342, ENGINE_141),
        Assemble(ConsoleLayout::TwoEnginesCombined, 337, ENGINE_142),
    };
    switch (layout) {
        case ConsoleLayout::TwoEnginesSeparate:
            return templates[1];
        case ConsoleLayout::OneEngineCombined:
            return templates[2];
        case ConsoleLayout::TwoEnginesCombined:
            return templates[3];
        default:
            return templates[0];
    }
}

bool IsTwinLayout(ConsoleLayout layout) {
    return layout == ConsoleLayout::TwoEnginesSeparate ||
           layout == ConsoleLayout::TwoEnginesCombined;
}

bool IsCombinedLayout(ConsoleLayout layout) {
    return layout == ConsoleLayout::OneEngineCombined ||
           layout == ConsoleLayout::TwoEnginesCombined;
}

ScreenRect PlaceConsole(const ScreenRect& mainWindow, const ScreenRect& screen, int width,
                        int height) {
    constexpr int BELOW_TOP = 30;
    const int screenRight = screen.x + screen.width;
    const int screenBottom = screen.y + screen.height;
    int x = mainWindow.x + mainWindow.width;
    if (x + width > screenRight) x = mainWindow.x - width;
    // No room on either side: over the main window's right edge, on screen.
    if (x < screen.x) x = screenRight - width;
    if (x < screen.x) x = screen.x;
    int y = mainWindow.y + BELOW_TOP;
    if (y + height > screenBottom) y = screenBottom - height;
    if (y < screen.y) y = screen.y;
    return {x, y, width, height};
}
