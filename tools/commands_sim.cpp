// Script commands of the simulation core and the helm: the boat type, the saved
// layout, wind and current in the header; run, pause, reset, keys, engines,
// rudder and thruster in the timeline.

#include <cstring>

#include "boat/boat_record.h"
#include "controls/control_state.h"
#include "controls/key_bindings.h"
#include "controls/key_dispatch.h"
#include "document/document.h"
#include "script_commands.h"
#include "simulation/step.h"

namespace {

// An action that cannot fail.
ScriptAction Always(std::function<void(CKLVNDoc&)> apply) {
    return [apply](ScriptContext& context, std::string&) {
        apply(context.doc);
        return true;
    };
}

// Index of word in choices, or -1.
int ChoiceOf(const std::string& word, std::initializer_list<const char*> choices) {
    int index = 0;
    for (const char* choice : choices) {
        if (word == choice) return index;
        ++index;
    }
    return -1;
}

// ---- Header: settings as the program would find them saved ----

bool ReadType(const Words& args, ScriptAction& action, std::string& error) {
    int type = args.size() == 1 ? ChoiceOf(args[0], {"motorboat", "sailboat", "houseboat"}) : -1;
    if (type < 0) {
        error = "expected motorboat, sailboat or houseboat";
        return false;
    }
    // The saved current boat type, with an empty boat list: start-up builds the
    // full default boat of that type (unless a boat file was loaded).
    action = Always([type](CKLVNDoc& doc) {
        doc.settings.currentBoatType = type;
        doc.settings.boatCount = 0;
    });
    return true;
}

bool ReadLayoutSetting(const Words& args, ScriptAction& action, std::string& error) {
    long long layout = 0;
    if (args.size() != 1 || !ReadInteger(args[0], 1, 9, layout)) {
        error = "expected a dock layout 1 ... 9";
        return false;
    }
    action = Always([layout](CKLVNDoc& doc) {
        doc.settings.dockLayoutSaved = static_cast<std::int32_t>(layout);
    });
    return true;
}

// The ranges of the Environment Settings dialog.
struct EnvironmentRanges {
    double maxSpeed;               // knots
    double maxSpeedVariation;      // knots
    double maxDirectionVariation;  // degrees
};

constexpr EnvironmentRanges WIND_RANGES = {30.0, 30.0, 90.0};
constexpr EnvironmentRanges CURRENT_RANGES = {5.0, 2.0, 40.0};

// Rate of change: period in steps by rate index (slow, medium, fast).
constexpr std::int32_t RATE_PERIOD[3] = {200, 100, 20};

// "SPEED DIR [varies VARIATION fast|medium|slow]" for wind (speedIndex 0) or
// current (speedIndex 2): switches it on and sets the saved environment record.
bool ReadEnvironment(const Words& args, int speedIndex, const EnvironmentRanges& ranges,
                     ScriptAction& action, std::string& error) {
    double speed = 0.0, direction = 0.0, variation = 0.0;
    int rate = -1;
    bool varies = args.size() == 5;
    bool ok =
        (args.size() == 2 || varies) && ReadReal(args[0], speed) && ReadReal(args[1], direction);
    if (ok && varies) {
        ok = args[2] == "varies" && ReadReal(args[3], variation);
        rate = ChoiceOf(args[4], {"slow", "medium", "fast"});
        ok = ok && rate >= 0;
    }
    if (!ok) {
        error = "expected SPEED DIR [varies VARIATION fast|medium|slow]";
        return false;
    }
    if (speed < 0.0 || speed > ranges.maxSpeed) {
        error = "speed must lie in 0 ... " + std::to_string(static_cast<int>(ranges.maxSpeed)) +
                " knots";
        return false;
    }
    if (direction < 0.0 || direction > 360.0) {
        error = "direction must lie in 0 ... 360 degrees";
        return false;
    }
    if (variation < 0.0 || variation > ranges.maxSpeedVariation ||
        variation > ranges.maxDirectionVariation) {
        error = "variation must lie in 0 ... " +
                std::to_string(static_cast<int>(ranges.maxSpeedVariation));
        return false;
    }

    action = Always([=](CKLVNDoc& doc) {
        EnvironmentRecord& env = doc.settings.envSettingsPersisted;
        if (speedIndex == ENV_WIND_SPEED) {
            doc.settings.windOn = 1;
        } else {
            doc.settings.currentOn = 1;
        }
        double values[2] = {speed, direction};
        for (int i = 0; i < 2; ++i) {
            int k = speedIndex + i;
            env.envAverage[k] = values[i];
            env.envValue[k] = values[i];
            env.envSmoothed[k] = 0.0;
            // The last line says whether it varies, as a saved setting would.
            env.envVaries[k] = varies ? 1 : 0;
            if (varies) {
                env.envVariation[k] = variation;
                env.envRateIndex[k] = rate;
                env.envRatePeriod[k] = RATE_PERIOD[rate];
            }
        }
    });
    return true;
}

bool ReadWind(const Words& args, ScriptAction& action, std::string& error) {
    return ReadEnvironment(args, ENV_WIND_SPEED, WIND_RANGES, action, error);
}

bool ReadCurrent(const Words& args, ScriptAction& action, std::string& error) {
    return ReadEnvironment(args, ENV_CURRENT_SPEED, CURRENT_RANGES, action, error);
}

// ---- Timeline: the run state ----

bool ReadNoArguments(const Words& args, std::string& error) {
    if (args.empty()) return true;
    error = "takes no arguments";
    return false;
}

bool ReadRun(const Words& args, ScriptAction& action, std::string& error) {
    action = Always([](CKLVNDoc& doc) { SetRunState(doc, 1, 1); });
    return ReadNoArguments(args, error);
}

bool ReadPause(const Words& args, ScriptAction& action, std::string& error) {
    action = Always([](CKLVNDoc& doc) { SetRunState(doc, 1, 0); });
    return ReadNoArguments(args, error);
}

// Stop & Reset: pause first, then put the boat back.
bool ReadReset(const Words& args, ScriptAction& action, std::string& error) {
    action = Always([](CKLVNDoc& doc) {
        SetRunState(doc, 1, 0);
        ResetBoat(doc);
    });
    return ReadNoArguments(args, error);
}

// ---- Timeline: keys ----

// A virtual-key code: decimal, a single upper-case letter, or F1, F2, F11, F12.
bool ReadKeyCode(const std::string& word, int& code) {
    if (word.size() == 1 && word[0] >= 'A' && word[0] <= 'Z') {
        code = word[0];
        return true;
    }
    int function = ChoiceOf(word, {"F1", "F2", "F11", "F12"});
    if (function >= 0) {
        const int codes[4] = {KEY_F1, KEY_F2, KEY_F11, KEY_F12};
        code = codes[function];
        return true;
    }
    long long value = 0;
    if (!ReadInteger(word, 0, 255, value)) return false;
    code = static_cast<int>(value);
    return true;
}

bool ReadKey(const Words& args, ScriptAction& action, std::string& error) {
    int code = 0;
    if (args.size() != 1 || !ReadKeyCode(args[0], code)) {
        error = "expected a key code 0 ... 255, an upper-case letter, F1, F2, F11 or F12";
        return false;
    }
    // F1 and F2 as the main view handles them; every other key, Escape included,
    // as a control key.
    action = Always([code](CKLVNDoc& doc) {
        if (code == KEY_F1 || code == KEY_F2) {
            HandleViewKey(doc, code);
        } else {
            HandleControlKey(doc, code);
        }
    });
    return true;
}

// ---- Timeline: the helm ----

bool ReadEngine(const Words& args, ScriptAction& action, std::string& error) {
    int selector = args.size() >= 2 ? ChoiceOf(args[0], {"port", "starboard", "both"}) : -1;
    if (selector >= 0 && args.size() == 2) {
        int step = ChoiceOf(args[1], {"ahead", "neutral", "astern"});
        if (step >= 0) {
            const int commands[3] = {ENGINE_STEP_AHEAD, ENGINE_NEUTRAL, ENGINE_STEP_ASTERN};
            int command = commands[step];
            action = Always([=](CKLVNDoc& doc) { ChangeEngine(doc, selector, command, 1, 0); });
            return true;
        }
    }
    long long direction = 0, percent = 0;
    if (selector >= 0 && args.size() == 4 && args[1] == "value" &&
        ReadInteger(args[2], -1, 1, direction) && ReadInteger(args[3], 0, 100, percent)) {
        action = Always([=](CKLVNDoc& doc) {
            ChangeEngine(doc, selector, ENGINE_SET_BY_VALUE, static_cast<int>(direction),
                         static_cast<int>(percent));
        });
        return true;
    }
    error =
        "expected port|starboard|both ahead|neutral|astern, or port|starboard|both value "
        "DIR(-1|0|1) PCT(0...100)";
    return false;
}

bool ReadRudder(const Words& args, ScriptAction& action, std::string& error) {
    long long percent = 0;
    if (args.size() == 2 && args[0] == "percent" && ReadInteger(args[1], 0, 100, percent)) {
        action = Always([percent](CKLVNDoc& doc) {
            ChangeRudder(doc, RUDDER_SET_BY_PERCENT, static_cast<int>(percent));
        });
        return true;
    }
    int choice =
        args.size() == 1
            ? ChoiceOf(args[0], {"port", "starboard", "amidships", "hardport", "hardstarboard"})
            : -1;
    if (choice < 0) {
        error = "expected port|starboard|amidships|hardport|hardstarboard or percent P(0...100)";
        return false;
    }
    // Hard over is a step command with a negative percent.
    const int commands[5] = {RUDDER_STEP_PORT, RUDDER_STEP_STARBOARD, RUDDER_AMIDSHIPS,
                             RUDDER_STEP_PORT, RUDDER_STEP_STARBOARD};
    const int percents[5] = {0, 0, 0, -1, -1};
    int command = commands[choice];
    int stepPercent = percents[choice];
    action = Always([=](CKLVNDoc& doc) { ChangeRudder(doc, command, stepPercent); });
    return true;
}

bool ReadThruster(const Words& args, ScriptAction& action, std::string& error) {
    int choice = args.size() == 1 ? ChoiceOf(args[0], {"port", "starboard", "off"}) : -1;
    if (choice < 0) {
        error = "expected port, starboard or off";
        return false;
    }
    const int commands[3] = {THRUSTER_PORT, THRUSTER_STARBOARD, THRUSTER_OFF};
    int command = commands[choice];
    // As the console does: nothing on a boat without a thruster.
    action = Always([command](CKLVNDoc& doc) {
        if (doc.boat.hasBowThruster) SetThruster(doc, command);
    });
    return true;
}

const ScriptCommand SIM_COMMANDS[] = {
    {"type", IN_HEADER, false, ReadType},           {"layout", IN_HEADER, false, ReadLayoutSetting},
    {"wind", IN_HEADER, false, ReadWind},           {"current", IN_HEADER, false, ReadCurrent},
    {"run", IN_TIMELINE, false, ReadRun},           {"pause", IN_TIMELINE, false, ReadPause},
    {"reset", IN_TIMELINE, false, ReadReset},       {"key", IN_TIMELINE, false, ReadKey},
    {"engine", IN_TIMELINE, false, ReadEngine},     {"rudder", IN_TIMELINE, false, ReadRudder},
    {"thruster", IN_TIMELINE, false, ReadThruster},
};

}  // namespace

CommandTable SimCommands() {
    return {SIM_COMMANDS, sizeof SIM_COMMANDS / sizeof SIM_COMMANDS[0]};
}
