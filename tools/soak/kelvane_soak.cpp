// kelvane-soak: drives the real document through long runs of random
// kelvane-sim scripts and checks after every Step that the boat's state stays
// finite and bounded, that the hull does not sink into docks and pilings, and
// that Step allocates nothing.
//
//   kelvane-soak [--steps N] [--minutes M] [--seed S] [--strict]
//
// The run is cut into scripts of SCRIPT_STEPS steps; script k is made from
// seed S + k alone and covers boat type seed mod 3 and dock layout
// (seed / 3) mod 9 + 1, so 27 scripts in a row visit every pair. With --minutes it goes on until
// the time is up (and at least N steps). On a failure it prints the seed, the step and the script
// itself, which kelvane-sim replays; exit status 1.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../script_reader.h"
#include "../script_start.h"
#include "allocation_count.h"
#include "document/document.h"
#include "simulation/contact.h"
#include "simulation/step.h"

namespace {

constexpr long long SCRIPT_STEPS = 4000;  // 100 s of simulated time
constexpr double WORLD_BOUND = 20000.0;   // ft: farther than 100 s at any speed
constexpr double MAX_SPEED = 200.0;       // ft/s over the ground, about 118 knots
constexpr double MAX_YAW_RATE = 20.0;     // rad/s
constexpr double MAX_PENETRATION = 1.0;   // ft into a dock or piling

// A small generator of its own, so that a seed makes the same script on every
// platform (the standard distributions are not specified bit for bit).
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ >> 32);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }
    double Between(double lo, double hi) { return lo + (hi - lo) * (Next() / 4294967296.0); }
    const char* Pick(std::initializer_list<const char*> words) {
        return words.begin()[Below(static_cast<int>(words.size()))];
    }

private:
    std::uint64_t state_;
};

struct GeneratedScript {
    std::string text;
    // Steps whose commands move the boat without the physics (a new layout or
    // slip, a reset, a start pose, F2, F11, F12): the boat may then sit inside
    // a dock until the contact stage has pushed it out.
    std::vector<long long> placements;
};

void Line(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Line(std::string& text, const char* format, ...) {
    char buffer[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    text += buffer;
    text += '\n';
}

void Header(Dice& dice, std::uint32_t seed, GeneratedScript& script) {
    static const char* const TYPES[3] = {"motorboat", "sailboat", "houseboat"};
    std::string& t = script.text;
    Line(t, "type %s", TYPES[seed % 3]);
    Line(t, "layout %u", seed / 3 % 9 + 1);
    Line(t, "seed %u", seed);
    Line(t, "steps %lld", SCRIPT_STEPS);
    Line(t, "every %lld", SCRIPT_STEPS);
    if (dice.Below(10) < 7) {
        Line(t, "wind %.1f %.0f varies %.1f %s", dice.Between(0, 30), dice.Between(0, 360),
             dice.Between(0, 30), dice.Pick({"slow", "medium", "fast"}));
    }
    if (dice.Below(10) < 6) {
        Line(t, "current %.2f %.0f varies %.2f %s", dice.Between(0, 5), dice.Between(0, 360),
             dice.Between(0, 2), dice.Pick({"slow", "medium", "fast"}));
    }
}

// One random command at step s; true when it places the boat.
bool Command(Dice& dice, long long s, std::string& t) {
    const int line = dice.Below(9);
    switch (dice.Below(16)) {
        case 0:
        case 1:
            Line(t, "at %lld engine %s %s", s, dice.Pick({"port", "starboard", "both"}),
                 dice.Pick({"ahead", "neutral", "astern"}));
            return false;
        case 2:
            Line(t, "at %lld engine %s value %d %d", s, dice.Pick({"port", "starboard", "both"}),
                 dice.Below(3) - 1, dice.Below(101));
            return false;
        case 3:
            Line(t, "at %lld rudder %s", s,
                 dice.Pick({"port", "starboard", "amidships", "hardport", "hardstarboard"}));
            return false;
        case 4:
            Line(t, "at %lld rudder percent %d", s, dice.Below(101));
            return false;
        case 5:
            Line(t, "at %lld thruster %s", s, dice.Pick({"port", "starboard", "off"}));
            return false;
        case 6: {
            // The bound keys and any other code a keyboard can send.
            const int key = dice.Below(2) ? "UOIWXSRVFECDJLK"[dice.Below(15)] : dice.Below(256);
            Line(t, "at %lld key %d", s, key);
            return key == 0x71 || key == 0x7A || key == 0x7B;  // F2, F11, F12
        }
        case 7: {
            const char* key = dice.Pick({"F1", "F2", "F11", "F12"});
            Line(t, "at %lld key %s", s, key);
            return std::strcmp(key, "F1") != 0;
        }
        case 8:
        case 9:
            Line(t, "at %lld line %d stow", s, line);
            Line(t, "at %lld line %d attach %.1f %.1f", s, line, dice.Between(-20, 100),
                 dice.Between(-60, 70));
            return false;
        case 10:
            Line(t, "at %lld line %d %s", s, line, dice.Pick({"harden", "loosen", "stow"}));
            return false;
        case 11:
            Line(t, "at %lld lines %s", s, dice.Pick({"loosen", "harden", "harden", "remove"}));
            return false;
        case 12:
            Line(t, "at %lld fender %.1f %.1f", s, dice.Between(-8, 8), dice.Between(-25, 25));
            return false;
        case 13:
            if (dice.Below(3) == 0) {
                Line(t, "at %lld fenders remove", s);
            } else {
                Line(t, "at %lld unfender %.1f %.1f", s, dice.Between(-8, 8),
                     dice.Between(-25, 25));
            }
            return false;
        case 14:
            switch (dice.Below(4)) {
                case 0:
                    Line(t, "at %lld layout %d", s, dice.Below(9) + 1);
                    break;
                case 1:
                    Line(t, "at %lld slip %s", s, dice.Pick({"auto", "0", "1", "2", "3", "4"}));
                    break;
                case 2:
                    Line(t, "at %lld pose %s", s, dice.Pick({"capture", "default"}));
                    break;
                default:
                    Line(t, "at %lld reset", s);
                    Line(t, "at %lld run", std::min(s + 1, SCRIPT_STEPS - 1));
                    break;
            }
            return true;
        default:
            Line(t, "at %lld pause", s);
            Line(t, "at %lld run", std::min(s + 1 + dice.Below(40), SCRIPT_STEPS - 1));
            return false;
    }
}

GeneratedScript MakeScript(std::uint32_t seed) {
    Dice dice(seed);
    GeneratedScript script;
    Header(dice, seed, script);
    Line(script.text, "at 0 run");
    for (long long s = 1; s < SCRIPT_STEPS; s += 10 + dice.Below(150)) {
        if (Command(dice, s, script.text)) script.placements.push_back(s);
    }
    return script;
}

// The deepest penetration the contact search finds where the boat now lies;
// the contact list is put back as the step left it.
double Penetration(CKLVNDoc& doc) {
    const ContactState kept = doc.contact;
    double deepest = 0.0;
    const int found = FindContacts(doc);
    for (int c = 0; c < found && c < CONTACT_LIST_SIZE; ++c) {
        deepest = std::fmax(deepest,
                            std::hypot(doc.contact.contactPushX[c], doc.contact.contactPushY[c]));
    }
    doc.contact = kept;
    return deepest;
}

template <typename Record>
bool AllReal(const Record& record) {
    static_assert(sizeof(Record) % sizeof(double) == 0);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    for (std::size_t i = 0; i < sizeof(Record); i += sizeof(double)) {
        double value;
        std::memcpy(&value, bytes + i, sizeof value);
        if (!std::isfinite(value)) return false;
    }
    return true;
}

// What is wrong with the document after a Step, or "" when nothing is.
std::string Violation(CKLVNDoc& doc, bool checkPenetration, double& penetration) {
    const DynamicState& s = doc.state;
    const double values[] = {s.posX,           s.posY,        s.waterVelX,       s.waterVelY,
                             s.groundVelX,     s.groundVelY,  s.speedOverGround, s.yawRate,
                             s.headingRad,     s.surgeSpeed,  s.swaySpeed,       s.driftAngle,
                             s.compassHeading, s.hullAngleDeg};
    for (double v : values) {
        if (!std::isfinite(v)) return "a state value is not finite";
    }
    if (!AllReal(doc.forces)) return "a force is not finite";
    for (const DockLine& line : doc.mooring.dockLines) {
        if (!std::isfinite(line.lineLength) || !std::isfinite(line.forceX) ||
            !std::isfinite(line.forceY) || !std::isfinite(line.stretch)) {
            return "a dock line's state is not finite";
        }
    }
    if (std::fabs(s.posX) > WORLD_BOUND || std::fabs(s.posY) > WORLD_BOUND) {
        return "the boat left the world";
    }
    if (s.speedOverGround > MAX_SPEED || std::fabs(s.yawRate) > MAX_YAW_RATE) {
        return "speed or turn rate out of bounds";
    }
    penetration = Penetration(doc);
    if (checkPenetration && penetration >= MAX_PENETRATION) {
        char text[96];
        std::snprintf(text, sizeof text, "the hull is %.3f ft inside a dock or piling",
                      penetration);
        return text;
    }
    return "";
}

struct Totals {
    long long steps = 0;
    long long scripts = 0;
    double deepest = 0.0;     // ft, outside placements
    long long deepSteps = 0;  // steps ending 1 ft or more inside, outside placements
    std::string firstDeep;    // where the first of them was
};

// Whether a step that ends with the hull 1 ft or more inside a dock or piling
// fails the run (--strict) or is counted and reported.
bool strictPenetration = false;

// Runs one script, checking after every Step. Returns "" or what failed, with
// the step.
std::string RunScript(const GeneratedScript& generated, CKLVNDoc& doc, Totals& totals) {
    Script script;
    std::string error, output;
    std::istringstream in(generated.text);
    if (!ReadScriptFrom(in, "soak", script, error)) return error;
    ScriptContext context = {doc, output};
    if (!StartScript(script, context, "soak", error)) return error;

    std::size_t next = 0, placement = 0;
    bool settling = true;  // the start pose, too, is a placement
    for (long long call = 0; call < script.steps; ++call) {
        for (; next < script.timeline.size() && script.timeline[next].step == call; ++next) {
            if (!script.timeline[next].action(context, error)) return error;
            output.clear();
        }
        for (; placement < generated.placements.size() && generated.placements[placement] == call;
             ++placement) {
            settling = true;
        }
        allocationCount = 0;
        countingAllocations = true;
        Step(doc);
        countingAllocations = false;
        if (allocationCount != 0) return "Step allocated at step " + std::to_string(call);
        double penetration = 0.0;
        std::string wrong = Violation(doc, strictPenetration && !settling, penetration);
        if (!wrong.empty()) return wrong + " at step " + std::to_string(call);
        if (penetration < MAX_PENETRATION) settling = false;
        if (!settling) totals.deepest = std::fmax(totals.deepest, penetration);
        if (!settling && penetration >= MAX_PENETRATION && totals.deepSteps++ == 0) {
            totals.firstDeep =
                "seed " + std::to_string(script.seed) + " step " + std::to_string(call);
        }
    }
    totals.steps += script.steps;
    ++totals.scripts;
    return "";
}

int Usage() {
    std::fprintf(stderr, "usage: kelvane-soak [--steps N] [--minutes M] [--seed S] [--strict]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    long long steps = 200000;
    double minutes = 0.0;
    std::uint32_t seed = 1;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--steps") == 0 && hasValue) {
            steps = std::atoll(argv[++i]);
        } else if (std::strcmp(argv[i], "--minutes") == 0 && hasValue) {
            minutes = std::atof(argv[++i]);
        } else if (std::strcmp(argv[i], "--strict") == 0) {
            strictPenetration = true;
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
            seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            return Usage();
        }
    }
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + std::chrono::duration<double>(minutes * 60.0);
    auto doc = std::make_unique<CKLVNDoc>();
    Totals totals;
    for (long long k = 0; totals.steps < steps || std::chrono::steady_clock::now() < deadline;
         ++k) {
        const std::uint32_t scriptSeed = seed + static_cast<std::uint32_t>(k);
        const GeneratedScript script = MakeScript(scriptSeed);
        const std::string failure = RunScript(script, *doc, totals);
        if (!failure.empty()) {
            std::fprintf(stderr,
                         "kelvane-soak: script %lld (seed %u; replay: kelvane-soak --seed %u "
                         "--steps 1, or kelvane-sim on the script below): %s\n%s",
                         k, scriptSeed, scriptSeed, failure.c_str(), script.text.c_str());
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "kelvane-soak: %lld steps in %lld scripts from seed %u, %.1f s: all states finite and "
        "bounded, no allocation in Step, deepest penetration %.3f ft; %lld steps ended 1 ft or "
        "more inside a dock or piling%s%s\n",
        totals.steps, totals.scripts, seed, seconds, totals.deepest, totals.deepSteps,
        totals.deepSteps ? ", the first at " : "", totals.firstDeep.c_str());
    return 0;
}
