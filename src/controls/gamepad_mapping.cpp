#include "controls/gamepad_mapping.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "controls/control_state.h"
#include "document/document.h"
#include "simulation/step.h"

const char GAMEPAD_MAPPING_FILE_NAME[] = "Gamepad.txt";

namespace {

constexpr const char* AXIS_NAMES[GAMEPAD_AXES] = {"leftx",  "lefty",       "rightx",
                                                  "righty", "lefttrigger", "righttrigger"};
constexpr const char* BUTTON_NAMES[GAMEPAD_BUTTONS] = {"a",
                                                       "b",
                                                       "x",
                                                       "y",
                                                       "back",
                                                       "guide",
                                                       "start",
                                                       "leftstick",
                                                       "rightstick",
                                                       "leftshoulder",
                                                       "rightshoulder",
                                                       "dpup",
                                                       "dpdown",
                                                       "dpleft",
                                                       "dpright"};
constexpr int DEAD_ZONE_MAX_PERCENT = 90;
constexpr double AXIS_FULL = 32767.0;
constexpr int LINE_SIZE = 160;

enum class SettingKind { Axis, Button, Percent };
struct Setting {
    const char* name;
    SettingKind kind;
    GamepadAxis GamepadMapping::*axis;
    GamepadButton GamepadMapping::*button;
};
constexpr Setting SETTINGS[] = {
    {"port engine", SettingKind::Axis, &GamepadMapping::portEngine, nullptr},
    {"starboard engine", SettingKind::Axis, &GamepadMapping::starboardEngine, nullptr},
    {"rudder", SettingKind::Axis, &GamepadMapping::rudder, nullptr},
    {"rudder to port", SettingKind::Axis, &GamepadMapping::rudderToPort, nullptr},
    {"rudder to starboard", SettingKind::Axis, &GamepadMapping::rudderToStarboard, nullptr},
    {"thruster to port", SettingKind::Button, nullptr, &GamepadMapping::thrusterPort},
    {"thruster to starboard", SettingKind::Button, nullptr, &GamepadMapping::thrusterStarboard},
    {"run pause", SettingKind::Button, nullptr, &GamepadMapping::runPause},
    {"stop reset", SettingKind::Button, nullptr, &GamepadMapping::stopReset},
    {"dead zone", SettingKind::Percent, nullptr, nullptr},
};

// Lower-cased, with the spaces at both ends taken off.
void Trimmed(const char* from, const char* to, char* out, std::size_t size) {
    while (from < to && std::isspace(static_cast<unsigned char>(*from))) ++from;
    while (to > from && std::isspace(static_cast<unsigned char>(to[-1]))) --to;
    std::size_t n = 0;
    for (; from < to && n + 1 < size; ++from) {
        out[n++] = static_cast<char>(std::tolower(static_cast<unsigned char>(*from)));
    }
    out[n] = '\0';
}

template <typename T, int N>
bool Lookup(const char* name, const char* const (&names)[N], T& out) {
    if (std::strcmp(name, "none") == 0) {
        out = static_cast<T>(-1);
        return true;
    }
    for (int k = 0; k < N; ++k) {
        if (std::strcmp(name, names[k]) == 0) {
            out = static_cast<T>(k);
            return true;
        }
    }
    return false;
}

bool ReadPercent(const char* value, int& out) {
    char* end = nullptr;
    const long percent = std::strtol(value, &end, 10);
    if (end == value || *end != '\0' || percent < 0 || percent > DEAD_ZONE_MAX_PERCENT)
        return false;
    out = static_cast<int>(percent);
    return true;
}

// One "setting = name" line; false when it names nothing the helm knows.
bool ParseLine(const char* line, GamepadMapping& mapping) {
    const char* equals = std::strchr(line, '=');
    if (equals == nullptr) return false;
    char key[LINE_SIZE], value[LINE_SIZE];
    Trimmed(line, equals, key, sizeof key);
    Trimmed(equals + 1, line + std::strlen(line), value, sizeof value);
    for (const Setting& s : SETTINGS) {
        if (std::strcmp(key, s.name) != 0) continue;
        switch (s.kind) {
            case SettingKind::Axis:
                return Lookup(value, AXIS_NAMES, mapping.*s.axis);
            case SettingKind::Button:
                return Lookup(value, BUTTON_NAMES, mapping.*s.button);
            case SettingKind::Percent:
                return ReadPercent(value, mapping.deadZonePercent);
        }
    }
    return false;
}

// A reading as a fraction of full travel, 0 inside the dead zone and rising
// evenly from its edge, so that no step appears where the zone ends.
double DeadZoned(double value, int deadZonePercent) {
    double f = value / AXIS_FULL;
    if (f > 1.0) f = 1.0;
    if (f < -1.0) f = -1.0;
    const double zone = deadZonePercent * 0.01;
    const double magnitude = std::fabs(f);
    if (magnitude <= zone) return 0.0;
    const double t = (magnitude - zone) / (1.0 - zone);
    return f < 0 ? -t : t;
}

std::int16_t AxisOf(const GamepadInput& input, GamepadAxis axis) {
    const int k = static_cast<int>(axis);
    return k >= 0 && k < GAMEPAD_AXES ? input.axis[k] : 0;
}

bool ButtonOf(const bool (&buttons)[GAMEPAD_BUTTONS], GamepadButton button) {
    const int k = static_cast<int>(button);
    return k >= 0 && k < GAMEPAD_BUTTONS && buttons[k];
}

int GearOf(const CKLVNDoc& doc, int engine) {
    const int notch = doc.controls.throttleNotch[engine];
    return (notch > NOTCH_NEUTRAL) - (notch < NOTCH_NEUTRAL);
}

// The gear that decides a neutral stop: for both engines, either one in the
// gear opposite to the one asked for.
int GearFor(const CKLVNDoc& doc, int selector, int wantedDirection) {
    if (selector != ENGINE_BOTH) return GearOf(doc, selector);
    for (int e = 0; e < 2; ++e) {
        if (GearOf(doc, e) == -wantedDirection) return -wantedDirection;
    }
    return GearOf(doc, 0);
}

void DriveEngine(CKLVNDoc& doc, int selector, EngineCommand wanted, GamepadHelmState& state,
                 int engine) {
    const EngineCommand step = NeutralStop(GearFor(doc, selector, wanted.direction), wanted);
    if (step.direction == 0) {
        ChangeEngine(doc, selector, ENGINE_NEUTRAL, 1, 0);
    } else {
        ChangeEngine(doc, selector, ENGINE_SET_BY_VALUE, step.direction, step.percent);
    }
    state.pending[engine] = !(step == wanted);
}

void ApplyEngines(CKLVNDoc& doc, const GamepadMapping& mapping, const GamepadInput& input,
                  bool synchronized, GamepadHelmState& state) {
    const int idle = ThrottleIdlePercent(doc.boat);
    const int zone = mapping.deadZonePercent;
    const EngineCommand wanted[2] = {
        StickThrottle(AxisOf(input, mapping.portEngine), zone, idle),
        StickThrottle(AxisOf(input, mapping.starboardEngine), zone, idle)};
    const bool twin = doc.boat.engineCount >= 2;
    const bool both = twin && synchronized;
    if (!(wanted[0] == state.reading[0]) || state.pending[0]) {
        DriveEngine(doc, both ? ENGINE_BOTH : ENGINE_PORT, wanted[0], state, 0);
    }
    if (twin && !both && (!(wanted[1] == state.reading[1]) || state.pending[1])) {
        DriveEngine(doc, ENGINE_STARBOARD, wanted[1], state, 1);
    } else if (!twin || both) {
        state.pending[1] = false;  // the starboard axis drives nothing now
    }
    state.reading[0] = wanted[0];
    state.reading[1] = wanted[1];
}

// A shoulder pressed puts the thruster to its side; letting go of one while the
// other is held goes back to the other; letting go of both turns it off.
void ApplyThruster(CKLVNDoc& doc, const GamepadMapping& mapping, const GamepadInput& input,
                   const GamepadHelmState& state) {
    const bool port = ButtonOf(input.button, mapping.thrusterPort);
    const bool starboard = ButtonOf(input.button, mapping.thrusterStarboard);
    const bool portWas = ButtonOf(state.button, mapping.thrusterPort);
    const bool starboardWas = ButtonOf(state.button, mapping.thrusterStarboard);
    if (!doc.boat.hasBowThruster || (port == portWas && starboard == starboardWas)) return;
    int command = THRUSTER_OFF;
    if (starboard && !starboardWas) {
        command = THRUSTER_STARBOARD;
    } else if (port) {
        command = THRUSTER_PORT;
    } else if (starboard) {
        command = THRUSTER_STARBOARD;
    }
    SetThruster(doc, command);
}

bool Pressed(const GamepadInput& input, const GamepadHelmState& state, GamepadButton button) {
    return ButtonOf(input.button, button) && !ButtonOf(state.button, button);
}

}  // namespace

GamepadMapping DefaultGamepadMapping() {
    return {GamepadAxis::LeftY,           GamepadAxis::RightY,
            GamepadAxis::RightX,          GamepadAxis::LeftTrigger,
            GamepadAxis::RightTrigger,    GamepadButton::LeftShoulder,
            GamepadButton::RightShoulder, GamepadButton::Start,
            GamepadButton::Back,          20};
}

int ParseGamepadMapping(const char* text, std::size_t size, GamepadMapping& mapping, char* problem,
                        std::size_t problemSize) {
    int problems = 0;
    int lineNumber = 0;
    std::size_t at = 0;
    while (at < size) {
        std::size_t end = at;
        while (end < size && text[end] != '\n') ++end;
        ++lineNumber;
        char line[LINE_SIZE];
        Trimmed(text + at, text + end, line, sizeof line);
        const bool tooLong = end - at >= sizeof line;
        at = end + 1;
        if (std::strchr(line, ',')) continue;
        if (char* comment = std::strchr(line, '#')) *comment = '\0';
        if (line[0] == '\0') continue;
        if (!tooLong && ParseLine(line, mapping)) continue;
        if (problems++ == 0 && problemSize > 0) {
            std::snprintf(problem, problemSize, "%s line %d: \"%.60s\" is not a gamepad setting",
                          GAMEPAD_MAPPING_FILE_NAME, lineNumber, line);
        }
    }
    return problems;
}

int ThrottleIdlePercent(const BoatRecord& boat) {
    const double percent = boat.throttlePowerTable[NOTCH_IDLE_AHEAD] * 100.0;
    if (!(percent > 0.0)) return 0;
    if (percent >= 100.0) return 100;
    return static_cast<int>(percent);
}

EngineCommand StickThrottle(std::int16_t value, int deadZonePercent, int idlePercent) {
    const double ahead = DeadZoned(-static_cast<double>(value), deadZonePercent);
    if (ahead == 0.0) return {0, 0};
    const int percent =
        idlePercent + static_cast<int>(std::lround(std::fabs(ahead) * (100 - idlePercent)));
    return {ahead > 0 ? 1 : -1, percent};
}

EngineCommand NeutralStop(int gear, EngineCommand wanted) {
    if (gear != 0 && wanted.direction == -gear) return {0, 0};
    return wanted;
}

int PadRudderPercent(const GamepadInput& input, const GamepadMapping& mapping) {
    const int zone = mapping.deadZonePercent;
    double over = DeadZoned(AxisOf(input, mapping.rudder), zone) +
                  DeadZoned(AxisOf(input, mapping.rudderToStarboard), zone) -
                  DeadZoned(AxisOf(input, mapping.rudderToPort), zone);
    if (over > 1.0) over = 1.0;
    if (over < -1.0) over = -1.0;
    return 50 + static_cast<int>(std::lround(50.0 * over));
}

void TakeGamepadBaseline(const CKLVNDoc& doc, const GamepadMapping& mapping,
                         const GamepadInput& input, GamepadHelmState& state) {
    const int idle = ThrottleIdlePercent(doc.boat);
    state.reading[0] =
        StickThrottle(AxisOf(input, mapping.portEngine), mapping.deadZonePercent, idle);
    state.reading[1] =
        StickThrottle(AxisOf(input, mapping.starboardEngine), mapping.deadZonePercent, idle);
    state.pending[0] = state.pending[1] = false;
    state.rudderPercent = PadRudderPercent(input, mapping);
    std::memcpy(state.button, input.button, sizeof state.button);
}

void ApplyGamepad(CKLVNDoc& doc, const GamepadMapping& mapping, const GamepadInput& input,
                  bool synchronized, GamepadHelmState& state) {
    ApplyEngines(doc, mapping, input, synchronized, state);
    const int rudder = PadRudderPercent(input, mapping);
    if (rudder != state.rudderPercent) ChangeRudder(doc, RUDDER_SET_BY_PERCENT, rudder);
    state.rudderPercent = rudder;
    ApplyThruster(doc, mapping, input, state);
    if (Pressed(input, state, mapping.runPause)) SetRunState(doc, 1, doc.state.running ? 0 : 1);
    if (Pressed(input, state, mapping.stopReset)) {
        SetRunState(doc, 1, 0);
        ResetBoat(doc);
    }
    std::memcpy(state.button, input.button, sizeof state.button);
}
