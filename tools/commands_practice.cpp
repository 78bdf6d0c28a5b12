// Script commands of an exercise, all in the header: its title and one-line
// description, the goal, an optional time limit and the start pose. A script
// with a goal is an exercise: kelvane-sim counts the score as it runs and
// prints the result after the trace.

#include <cstdio>
#include <string>

#include "document/document.h"
#include "practice/goal.h"
#include "script_commands.h"
#include "simulation/step.h"

namespace {

constexpr double MAX_LIMIT_SECONDS = 86400.0;
constexpr double MAX_GATE_FEET = 100000.0;

// The words as one line of text that fits a field of size characters.
bool ReadLineOfText(const Words& args, std::size_t size, std::string& text, std::string& error) {
    text.clear();
    for (const std::string& word : args) text += (text.empty() ? "" : " ") + word;
    if (!text.empty() && text.size() < size) return true;
    error = "expected a line of 1 ... " + std::to_string(size - 1) + " characters";
    return false;
}

bool ReadTitle(const Words& args, ScriptAction& action, std::string& error) {
    std::string text;
    if (!ReadLineOfText(args, PRACTICE_TITLE_SIZE, text, error)) return false;
    action = [text](ScriptContext& context, std::string&) {
        std::snprintf(context.doc.practice.title, PRACTICE_TITLE_SIZE, "%s", text.c_str());
        return true;
    };
    return true;
}

bool ReadDescribe(const Words& args, ScriptAction& action, std::string& error) {
    std::string text;
    if (!ReadLineOfText(args, PRACTICE_DESCRIPTION_SIZE, text, error)) return false;
    action = [text](ScriptContext& context, std::string&) {
        std::snprintf(context.doc.practice.description, PRACTICE_DESCRIPTION_SIZE, "%s",
                      text.c_str());
        return true;
    };
    return true;
}

// A real number within [min, max].
bool ReadBounded(const std::string& word, double min, double max, double& value) {
    return ReadReal(word, value) && value >= min && value <= max;
}

// goal moored A|B | goal alongside | goal gate X Y RADIUS HEADING TOLERANCE
bool ReadGoal(const Words& args, ScriptAction& action, std::string& error) {
    Goal goal = {};
    bool ok = false;
    if (args.size() == 2 && args[0] == "moored" && (args[1] == "A" || args[1] == "B")) {
        goal.kind = GOAL_MOORED;
        goal.slip = args[1] == "B" ? SLIP_B : SLIP_A;
        ok = true;
    } else if (args.size() == 1 && args[0] == "alongside") {
        goal.kind = GOAL_ALONGSIDE;
        ok = true;
    } else if (args.size() == 6 && args[0] == "gate") {
        goal.kind = GOAL_GATE;
        ok = ReadBounded(args[1], -MAX_GATE_FEET, MAX_GATE_FEET, goal.gateX) &&
             ReadBounded(args[2], -MAX_GATE_FEET, MAX_GATE_FEET, goal.gateY) &&
             ReadBounded(args[3], 0.0, MAX_GATE_FEET, goal.gateRadius) && goal.gateRadius > 0.0 &&
             ReadBounded(args[4], 0.0, 360.0, goal.gateHeading) &&
             ReadBounded(args[5], 0.0, 180.0, goal.gateTolerance);
    }
    if (!ok) {
        error =
            "expected moored A|B, alongside, or gate X Y RADIUS HEADING TOLERANCE (ft, a radius "
            "above 0, compass degrees 0 ... 360, a tolerance 0 ... 180)";
        return false;
    }
    action = [goal](ScriptContext& context, std::string&) {
        const double limit = context.doc.practice.goal.timeLimit;
        context.doc.practice.goal = goal;
        context.doc.practice.goal.timeLimit = limit;
        return true;
    };
    return true;
}

// limit SECONDS: the run ends when this much running time has passed.
bool ReadLimit(const Words& args, ScriptAction& action, std::string& error) {
    double seconds = 0.0;
    if (args.size() != 1 || !ReadBounded(args[0], 0.0, MAX_LIMIT_SECONDS, seconds) ||
        !(seconds > 0.0)) {
        error = "expected SECONDS above 0 and at most " +
                std::to_string(static_cast<int>(MAX_LIMIT_SECONDS));
        return false;
    }
    action = [seconds](ScriptContext& context, std::string&) {
        context.doc.practice.goal.timeLimit = seconds;
        return true;
    };
    return true;
}

// start X Y HEADING: the start pose (ft, compass degrees), kept as a captured
// pose so that a later change of layout leaves the boat there.
bool ReadStart(const Words& args, ScriptAction& action, std::string& error) {
    double x = 0.0, y = 0.0, compass = 0.0;
    if (args.size() != 3 || !ReadBounded(args[0], -MAX_GATE_FEET, MAX_GATE_FEET, x) ||
        !ReadBounded(args[1], -MAX_GATE_FEET, MAX_GATE_FEET, y) ||
        !ReadBounded(args[2], 0.0, 360.0, compass)) {
        error = "expected X Y HEADING (ft, compass degrees 0 ... 360)";
        return false;
    }
    double heading = 450.0 - compass;
    while (heading >= 360.0) heading -= 360.0;
    action = [x, y, heading](ScriptContext& context, std::string&) {
        BoatRecord& boat = context.doc.boat;
        boat.startX = x;
        boat.startY = y;
        boat.startHeading = heading;
        boat.startPoseCaptured = 1;
        ResetBoat(context.doc);
        return true;
    };
    return true;
}

const ScriptCommand PRACTICE_COMMANDS[] = {
    {"title", IN_HEADER, true, ReadTitle}, {"describe", IN_HEADER, true, ReadDescribe},
    {"goal", IN_HEADER, true, ReadGoal},   {"limit", IN_HEADER, true, ReadLimit},
    {"start", IN_HEADER, true, ReadStart},
};

}  // namespace

CommandTable PracticeCommands() {
    return {PRACTICE_COMMANDS, sizeof PRACTICE_COMMANDS / sizeof PRACTICE_COMMANDS[0]};
}
