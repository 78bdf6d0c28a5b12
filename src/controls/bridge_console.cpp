#include "controls/bridge_console.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "common/constants.h"
#include "controls/control_state.h"
#include "controls/key_dispatch.h"
#include "document/document.h"
#include "simulation/step.h"

namespace {

constexpr double PERCENT_PER_RUDDER_STEP = 5.555555555555555;  // 100 / 18

int Clamp(int value, int low, int high) {
    return value < low ? low : value > high ? high : value;
}

int SignOfInt(int value) {
    return (value > 0) - (value < 0);
}

// A power fraction as a whole percent, truncated toward zero and kept within
// -100 ... 100 whatever the table holds.
int PercentOf(double fraction) {
    const double percent = fraction * 100.0;
    if (std::isnan(percent)) return 0;
    if (percent <= -100.0) return -100;
    if (percent >= 100.0) return 100;
    return static_cast<int>(percent);
}

// The buttons of one engine (or of both engines) from top to bottom: FWD or
// FF, N, REV or FR.
struct ButtonStack {
    int top, middle, bottom;
};

constexpr ButtonStack SEPARATE_STACKS[2] = {
    {CONSOLE_PORT_FWD, CONSOLE_PORT_N, CONSOLE_PORT_REV},
    {CONSOLE_STARBOARD_FWD, CONSOLE_STARBOARD_N, CONSOLE_STARBOARD_REV},
};
constexpr ButtonStack COMBINED_STACKS[2] = {
    {CONSOLE_PORT_LEVER_FF, CONSOLE_PORT_LEVER_N, CONSOLE_PORT_LEVER_FR},
    {CONSOLE_STARBOARD_LEVER_FF, CONSOLE_STARBOARD_LEVER_N, CONSOLE_STARBOARD_LEVER_FR},
};
constexpr ButtonStack SEPARATE_BOTH = {CONSOLE_BOTH_FWD, CONSOLE_BOTH_N, CONSOLE_BOTH_REV};
constexpr ButtonStack COMBINED_BOTH = {CONSOLE_BOTH_LEVER_FWD, CONSOLE_BOTH_LEVER_N,
                                       CONSOLE_BOTH_LEVER_REV};

bool IsBar(ControlKind kind) {
    return kind == ControlKind::VerticalBar || kind == ControlKind::HorizontalBar;
}

bool IsButton(ControlKind kind) {
    return kind == ControlKind::ColourButton || kind == ControlKind::PushButton ||
           kind == ControlKind::DefaultButton;
}

// Where the rudder bar stands for the rudder as it is. A stepped rudder stands
// at its step's place on the bar; a rudder last set from the bar has an angle
// that no step gives, and stands where that angle lies on the bar.
int RudderBarPosition(const ControlState& controls) {
    const int index = Clamp(controls.rudderIndex, 0, ANGLE_STEP_COUNT - 1);
    if (controls.rudderAngle == ANGLE_STEPS[index]) {
        return static_cast<int>(index * PERCENT_PER_RUDDER_STEP);
    }
    const double sweep = ANGLE_STEPS[ANGLE_STEP_COUNT - 1] - ANGLE_STEPS[0];
    const double percent = (controls.rudderAngle - ANGLE_STEPS[0]) / sweep * 100.0;
    if (!(percent > 0.0)) return 0;
    if (percent >= 100.0) return 100;
    return static_cast<int>(std::lround(percent));
}

}  // namespace

ButtonColours ColoursOf(ButtonColour colour) {
    constexpr Rgb BLACK = {0, 0, 0};
    switch (colour) {
        case ButtonColour::NeutralLit:
            return {{255, 255, 255}, {150, 150, 150}};
        case ButtonColour::AheadLit:
        case ButtonColour::SyncOn:
            return {BLACK, {0, 255, 0}};
        case ButtonColour::AsternLit:
            return {BLACK, {255, 0, 0}};
        case ButtonColour::Inactive:
            break;
    }
    return {BLACK, {250, 250, 250}};
}

Rgb ColourOf(BarColour colour) {
    switch (colour) {
        case BarColour::Green:
            return {0, 255, 0};
        case BarColour::Red:
            return {255, 0, 0};
        case BarColour::Grey:
            break;
    }
    return {150, 150, 150};
}

const char* NameOf(ButtonColour colour) {
    switch (colour) {
        case ButtonColour::NeutralLit:
            return "neutral lit";
        case ButtonColour::AheadLit:
            return "ahead lit";
        case ButtonColour::AsternLit:
            return "astern lit";
        case ButtonColour::SyncOn:
            return "on";
        case ButtonColour::Inactive:
            break;
    }
    return "inactive";
}

const char* NameOf(BarColour colour) {
    return colour == BarColour::Green ? "green" : colour == BarColour::Red ? "red" : "grey";
}

BridgeConsole::BridgeConsole(CKLVNDoc& doc)
    : doc_(doc),
      layout_(ConsoleLayoutFor(doc.boat.engineCount, doc.settings.shiftThrottleCombined != 0)) {
    const ConsoleTemplate& t = Template();
    for (int slot = 0; slot < t.count; ++slot) {
        const ConsoleControl& control = t.controls[slot];
        std::snprintf(caption_[slot], CAPTION_SIZE, "%s", control.caption);
        if (control.kind == ControlKind::VerticalBar) position_[slot] = 100;
    }
    for (int id :
         {CONSOLE_PORT_N, CONSOLE_PORT_LEVER_N, CONSOLE_STARBOARD_N, CONSOLE_STARBOARD_LEVER_N,
          CONSOLE_BOTH_N, CONSOLE_BOTH_LEVER_N, CONSOLE_THRUSTER_OFF, CONSOLE_RUDDER_AMID}) {
        SetColour(id, ButtonColour::NeutralLit);
    }
    if (IsCombinedLayout(layout_)) {
        SetBar(CONSOLE_PORT_LEVER_BAR, 50);
        SetBar(CONSOLE_STARBOARD_LEVER_BAR, 50);
    }
    SetBar(CONSOLE_RUDDER_BAR, rudderPosition_);
}

void BridgeConsole::ShowOpening() {
    const ControlState& controls = doc_.controls;
    ShowRunState();
    ShowRudder(RUDDER_STEP_PORT, RudderBarPosition(controls));
    // The thruster as it pushes now, so a console opened with the thruster on
    // never shows it off.
    const double thrust = controls.thrusterThrust;
    ShowThruster(thrust > 0.0 ? THRUSTER_PORT : thrust < 0.0 ? THRUSTER_STARBOARD : THRUSTER_OFF);
    const int engines = IsTwinLayout(layout_) ? 2 : 1;
    for (int e = 0; e < engines; ++e) {
        const int notch = Clamp(controls.throttleNotch[e], NOTCH_FULL_ASTERN, NOTCH_FULL_AHEAD);
        const int percent = PercentOf(doc_.boat.throttlePowerTable[notch]);
        ShowEngine(e, SignOfInt(percent), percent);
    }
}

// Each engine is shown as the document reports it, SYNC or not: with SYNC on
// every console control moves both engines together anyway, and a key that
// moves one engine alone is then shown on that engine's own bar and buttons.
void BridgeConsole::ShowEngine(int engine, int direction, int percent) {
    if (engine != 0 && engine != 1) return;
    percent = Clamp(percent, -100, 100);
    direction_[engine] = SignOfInt(direction);
    if (IsCombinedLayout(layout_)) {
        magnitude_[engine] = (percent + 100) / 2;
    } else {
        magnitude_[engine] = percent < 0 ? -percent : percent;
    }
    SetBar(EngineBar(engine), 100 - magnitude_[engine]);
    RecolourEngineButtons();
    SetCaption(CONSOLE_PORT_RPM, doc_.controls.engineRpmText[0]);
    if (IsTwinLayout(layout_)) SetCaption(CONSOLE_STARBOARD_RPM, doc_.controls.engineRpmText[1]);
}

void BridgeConsole::RecolourEngineButtons() {
    const bool combined = IsCombinedLayout(layout_);
    const ButtonStack* stacks = combined ? COMBINED_STACKS : SEPARATE_STACKS;
    const ButtonStack& both = combined ? COMBINED_BOTH : SEPARATE_BOTH;
    for (const ButtonStack& stack : {stacks[0], stacks[1], both}) {
        for (int id : {stack.top, stack.middle, stack.bottom})
            SetColour(id, ButtonColour::Inactive);
    }
    const int engines = IsTwinLayout(layout_) ? 2 : 1;
    for (int e = 0; e < engines; ++e) {
        const ButtonStack& stack = stacks[e];
        if (combined) {
            if (magnitude_[e] == 50) SetColour(stack.middle, ButtonColour::NeutralLit);
            if (magnitude_[e] == 100) SetColour(stack.top, ButtonColour::AheadLit);
            if (magnitude_[e] == 0) SetColour(stack.bottom, ButtonColour::AsternLit);
        } else {
            if (direction_[e] == 0) SetColour(stack.middle, ButtonColour::NeutralLit);
            if (direction_[e] > 0) SetColour(stack.top, ButtonColour::AheadLit);
            if (direction_[e] < 0) SetColour(stack.bottom, ButtonColour::AsternLit);
        }
    }
    if (engines == 2 && direction_[0] == 0 && direction_[1] == 0) {
        SetColour(both.middle, ButtonColour::NeutralLit);
    }
}

void BridgeConsole::ShowRudder(int, int percent) {
    rudderPosition_ = Clamp(percent, 0, 100);
    SetBar(CONSOLE_RUDDER_BAR, rudderPosition_);
    SetColour(CONSOLE_RUDDER_HARD_PORT,
              rudderPosition_ == 0 ? ButtonColour::AsternLit : ButtonColour::Inactive);
    SetColour(CONSOLE_RUDDER_AMID,
              rudderPosition_ == 50 ? ButtonColour::NeutralLit : ButtonColour::Inactive);
    SetColour(CONSOLE_RUDDER_HARD_STBD,
              rudderPosition_ == 100 ? ButtonColour::AheadLit : ButtonColour::Inactive);
}

void BridgeConsole::ShowThruster(int command) {
    SetColour(CONSOLE_THRUSTER_PORT,
              command == THRUSTER_PORT ? ButtonColour::AsternLit : ButtonColour::Inactive);
    SetColour(CONSOLE_THRUSTER_OFF,
              command == THRUSTER_OFF ? ButtonColour::NeutralLit : ButtonColour::Inactive);
    SetColour(CONSOLE_THRUSTER_STBD,
              command == THRUSTER_STARBOARD ? ButtonColour::AheadLit : ButtonColour::Inactive);
}

void BridgeConsole::ShowRunState() {
    SetCaption(CONSOLE_PAUSE, doc_.state.running ? "PAUSE" : "RUN");
}

PressResult BridgeConsole::Press(int id) {
    const int slot = SlotOf(id);
    if (slot < 0 || !IsButton(Template().controls[slot].kind)) return PressResult::NotInLayout;
    switch (id) {
        case CONSOLE_CANCEL:
            return PressResult::Close;
        case CONSOLE_PAUSE:
            SetRunState(doc_, 1, doc_.state.running ? 0 : 1);
            ShowRunState();
            break;
        case CONSOLE_SYNC:
            synchronized_ = !synchronized_;
            Change(ENGINE_BOTH, ENGINE_NEUTRAL);
            SetColour(CONSOLE_SYNC, synchronized_ ? ButtonColour::SyncOn : ButtonColour::Inactive);
            break;
        case CONSOLE_THRUSTER_PORT:
        case CONSOLE_THRUSTER_OFF:
        case CONSOLE_THRUSTER_STBD:
            if (doc_.boat.hasBowThruster) {
                SetThruster(doc_, id == CONSOLE_THRUSTER_PORT   ? THRUSTER_PORT
                                  : id == CONSOLE_THRUSTER_STBD ? THRUSTER_STARBOARD
                                                                : THRUSTER_OFF);
            }
            break;
        case CONSOLE_RUDDER_HARD_PORT:
            ChangeRudder(doc_, RUDDER_STEP_PORT, -1);
            break;
        case CONSOLE_RUDDER_HARD_STBD:
            ChangeRudder(doc_, RUDDER_STEP_STARBOARD, -1);
            break;
        case CONSOLE_RUDDER_AMID:
            ChangeRudder(doc_, RUDDER_AMIDSHIPS, 0);
            break;
        case CONSOLE_PORT_FULL:
            PressFull(0);
            break;
        case CONSOLE_STARBOARD_FULL:
            PressFull(1);
            break;
        case CONSOLE_PORT_LEVER_FF:
        case CONSOLE_PORT_LEVER_FR:
            PressLeverEnd(0, id == CONSOLE_PORT_LEVER_FF ? 1 : -1);
            break;
        case CONSOLE_STARBOARD_LEVER_FF:
        case CONSOLE_STARBOARD_LEVER_FR:
            PressLeverEnd(1, id == CONSOLE_STARBOARD_LEVER_FF ? 1 : -1);
            break;
        case CONSOLE_BOTH_FWD:
        case CONSOLE_BOTH_N:
        case CONSOLE_BOTH_REV:
        case CONSOLE_BOTH_LEVER_FWD:
        case CONSOLE_BOTH_LEVER_N:
        case CONSOLE_BOTH_LEVER_REV:
            PressBothButton(id);
            break;
        default:
            PressEngineButton(id);
            break;
    }
    return PressResult::Done;
}

// FWD, N and REV of one engine. FWD and REV first take the engine out of the
// opposite gear, then step it on in their own; with SYNC the port buttons
// work both engines and the starboard ones do nothing.
void BridgeConsole::PressEngineButton(int id) {
    const bool starboard = id == CONSOLE_STARBOARD_FWD || id == CONSOLE_STARBOARD_N ||
                           id == CONSOLE_STARBOARD_REV || id == CONSOLE_STARBOARD_LEVER_N;
    if (starboard && synchronized_) return;
    const int e = starboard ? 1 : 0;
    const int selector = synchronized_ ? ENGINE_BOTH : e;
    if (id == CONSOLE_PORT_N || id == CONSOLE_PORT_LEVER_N || id == CONSOLE_STARBOARD_N ||
        id == CONSOLE_STARBOARD_LEVER_N) {
        magnitude_[e] = 0;
        direction_[e] = 0;
        if (synchronized_) {
            magnitude_[1] = 0;
            direction_[1] = 0;
        }
        Change(selector, ENGINE_NEUTRAL);
        return;
    }
    const int gear = (id == CONSOLE_PORT_FWD || id == CONSOLE_STARBOARD_FWD) ? 1 : -1;
    if (direction_[e] == -gear) Change(selector, ENGINE_NEUTRAL);
    direction_[e] = gear;
    if (synchronized_) direction_[1] = gear;
    Change(selector, gear > 0 ? ENGINE_STEP_AHEAD : ENGINE_STEP_ASTERN);
}

void BridgeConsole::PressBothButton(int id) {
    if (id == CONSOLE_BOTH_N || id == CONSOLE_BOTH_LEVER_N) {
        for (int e = 0; e < 2; ++e) magnitude_[e] = direction_[e] = 0;
        Change(ENGINE_BOTH, ENGINE_NEUTRAL);
        return;
    }
    const int gear = (id == CONSOLE_BOTH_FWD || id == CONSOLE_BOTH_LEVER_FWD) ? 1 : -1;
    if (direction_[0] == -gear || direction_[1] == -gear) {
        // The separate layout's buttons shift through neutral; the combined
        // layout's move both levers one notch on from where they stand.
        magnitude_[0] = magnitude_[1] = 0;
        if (id == CONSOLE_BOTH_FWD || id == CONSOLE_BOTH_REV) Change(ENGINE_BOTH, ENGINE_NEUTRAL);
    }
    direction_[0] = direction_[1] = gear;
    Change(ENGINE_BOTH, gear > 0 ? ENGINE_STEP_AHEAD : ENGINE_STEP_ASTERN);
}

// FULL: full power in the gear the engine is in; in neutral it stays there.
void BridgeConsole::PressFull(int engine) {
    if (engine == 1 && synchronized_) return;
    const bool both = engine == 0 && synchronized_;
    const int gear = direction_[engine] > 0 ? 1 : -1;
    if (direction_[engine] == 0) {
        magnitude_[engine] = 0;
        Change(engine, ENGINE_NEUTRAL);
        if (both) Change(ENGINE_STARBOARD, ENGINE_NEUTRAL);
        return;
    }
    Change(engine, ENGINE_SET_BY_VALUE, gear, 100);
    if (both) {
        direction_[0] = direction_[1] = gear;
        Change(ENGINE_STARBOARD, ENGINE_SET_BY_VALUE, gear, 100);
    }
}

// FF and FR: the lever all the way ahead or astern.
void BridgeConsole::PressLeverEnd(int engine, int gear) {
    if (engine == 1 && synchronized_) return;
    direction_[engine] = gear;
    int selector = engine;
    if (engine == 0 && synchronized_) {
        direction_[1] = gear;
        selector = ENGINE_BOTH;
    }
    Change(selector, ENGINE_SET_BY_VALUE, gear, 100);
}

bool BridgeConsole::Scroll(int barId, BarNotification notification, int position) {
    const int slot = SlotOf(barId);
    if (slot < 0 || !IsBar(Template().controls[slot].kind)) return false;
    switch (barId) {
        case CONSOLE_RUDDER_BAR:
            ScrollRudder(notification, position);
            break;
        case CONSOLE_PORT_THROTTLE_BAR:
        case CONSOLE_STARBOARD_THROTTLE_BAR:
            ScrollThrottle(barId == CONSOLE_PORT_THROTTLE_BAR ? 0 : 1, notification, position);
            break;
        default:
            ScrollLever(barId == CONSOLE_PORT_LEVER_BAR ? 0 : 1, notification, position);
            break;
    }
    return true;
}

// The throttle works only within the gear the shift buttons chose: it never
// passes through neutral, and in gear it is never pulled below idle.
void BridgeConsole::ScrollThrottle(int engine, BarNotification notification, int position) {
    if (engine == 1 && synchronized_) return;
    const int gear = direction_[engine];
    if (notification == BarNotification::ThumbReleased) {
        if (gear == 0) {
            magnitude_[engine] = 0;
        } else {
            const int idle =
                Clamp(PercentOf(doc_.boat.throttlePowerTable[NOTCH_IDLE_AHEAD]), 0, 100);
            magnitude_[engine] = 100 - Clamp(position, 0, 100 - idle);
        }
        ApplyBarRelease(engine);
        return;
    }
    if (gear == 0) return;
    const bool up =
        notification == BarNotification::LineUp || notification == BarNotification::PageUp;
    const int notch = doc_.controls.throttleNotch[engine];
    const int selector = engine == 0 && synchronized_ ? ENGINE_BOTH : engine;
    if (gear > 0) {
        if (up && notch >= NOTCH_IDLE_AHEAD) Change(selector, ENGINE_STEP_AHEAD);
        if (!up && notch > NOTCH_IDLE_AHEAD) Change(selector, ENGINE_STEP_ASTERN);
    } else {
        if (up && notch <= NOTCH_IDLE_ASTERN) Change(selector, ENGINE_STEP_ASTERN);
        if (!up && notch < NOTCH_IDLE_ASTERN) Change(selector, ENGINE_STEP_AHEAD);
    }
}

// A combined lever: up is ahead, 50 is neutral.
void BridgeConsole::ScrollLever(int engine, BarNotification notification, int position) {
    if (engine == 1 && synchronized_) return;
    if (notification == BarNotification::ThumbReleased) {
        const int s = (50 - Clamp(position, 0, 100)) * 2;
        magnitude_[engine] = s < 0 ? -s : s;
        direction_[engine] = SignOfInt(s);
        ApplyBarRelease(engine);
        return;
    }
    const bool up =
        notification == BarNotification::LineUp || notification == BarNotification::PageUp;
    Change(engine, up ? ENGINE_STEP_AHEAD : ENGINE_STEP_ASTERN);
}

void BridgeConsole::ApplyBarRelease(int engine) {
    int selector = engine;
    if (engine == 0 && synchronized_) {
        magnitude_[1] = magnitude_[0];
        direction_[1] = direction_[0];
        selector = ENGINE_BOTH;
    }
    const int gear = direction_[engine];
    const int magnitude = magnitude_[engine];
    if (gear == 0) {
        Change(selector, ENGINE_NEUTRAL);
    } else {
        Change(selector, ENGINE_SET_BY_VALUE, gear, magnitude);
    }
}

void BridgeConsole::ScrollRudder(BarNotification notification, int position) {
    int p = rudderPosition_;
    switch (notification) {
        case BarNotification::LineUp:
            p -= 5;
            break;
        case BarNotification::LineDown:
            p += 5;
            break;
        case BarNotification::PageUp:
            p -= 10;
            break;
        case BarNotification::PageDown:
            p += 10;
            break;
        case BarNotification::ThumbReleased:
            p = position;
            break;
    }
    p = Clamp(p, 0, 100);
    SetBar(CONSOLE_RUDDER_BAR, p);
    ChangeRudder(doc_, RUDDER_SET_BY_PERCENT, p);
    rudderPosition_ = p;
}

void BridgeConsole::Key(int code) {
    HandleControlKey(doc_, code);
}

void BridgeConsole::Change(int selector, int command, int direction, int percent) {
    ChangeEngine(doc_, selector, command, direction, percent);
}

int BridgeConsole::SlotOf(int id) const {
    if (id == CONSOLE_STATIC) return -1;
    const ConsoleTemplate& t = Template();
    for (int slot = 0; slot < t.count; ++slot) {
        if (t.controls[slot].id == id) return slot;
    }
    return -1;
}

int BridgeConsole::EngineBar(int engine) const {
    if (IsCombinedLayout(layout_)) {
        return engine == 0 ? CONSOLE_PORT_LEVER_BAR : CONSOLE_STARBOARD_LEVER_BAR;
    }
    return engine == 0 ? CONSOLE_PORT_THROTTLE_BAR : CONSOLE_STARBOARD_THROTTLE_BAR;
}

void BridgeConsole::SetColour(int id, ButtonColour colour) {
    const int slot = SlotOf(id);
    if (slot >= 0) colour_[slot] = colour;
}

void BridgeConsole::SetBar(int id, int position) {
    const int slot = SlotOf(id);
    if (slot >= 0) position_[slot] = position;
}

void BridgeConsole::SetCaption(int id, const char* text) {
    const int slot = SlotOf(id);
    if (slot >= 0) std::snprintf(caption_[slot], CAPTION_SIZE, "%s", text);
}

ButtonColour BridgeConsole::Colour(int id) const {
    const int slot = SlotOf(id);
    return slot >= 0 ? colour_[slot] : ButtonColour::Inactive;
}

const char* BridgeConsole::Caption(int id) const {
    const int slot = SlotOf(id);
    if (slot < 0) return "";
    const ControlKind kind = Template().controls[slot].kind;
    if (kind == ControlKind::Readout || kind == ControlKind::DefaultButton) return caption_[slot];
    return Template().controls[slot].caption;
}

int BridgeConsole::BarPosition(int id) const {
    const int slot = SlotOf(id);
    return slot >= 0 ? position_[slot] : 0;
}

BarColour BridgeConsole::BarColourOf(int id) const {
    if (id == CONSOLE_RUDDER_BAR) {
        return rudderPosition_ < 50   ? BarColour::Red
               : rudderPosition_ > 50 ? BarColour::Green
                                      : BarColour::Grey;
    }
    const int engine = (id == CONSOLE_STARBOARD_THROTTLE_BAR || id == CONSOLE_STARBOARD_LEVER_BAR);
    return direction_[engine] > 0   ? BarColour::Green
           : direction_[engine] < 0 ? BarColour::Red
                                    : BarColour::Grey;
}
