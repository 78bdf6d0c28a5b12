#include "practice/recording.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "boat/boat_file.h"
#include "docks/dock_layout.h"
#include "document/document.h"
#include "simulation/step.h"

namespace {

// The script reader's longest run; a drive stops being recorded there.
constexpr std::int64_t MAX_RECORDED_STEPS = 1000000;

const char* const BOAT_TYPES[3] = {"motorboat", "sailboat", "houseboat"};

void StopDrive(Recorder& recorder, const char* reason) {
    if (recorder.phase != RECORDER_DRIVE) return;
    recorder.phase = RECORDER_STOPPED;
    std::snprintf(recorder.stopReason, sizeof recorder.stopReason,
                  "The recording stopped at step %lld: %s.", static_cast<long long>(recorder.steps),
                  reason);
}

// The set-up as it stands now becomes the start of a new drive.
void BeginDrive(CKLVNDoc& doc, Recorder& recorder) {
    // The first running step would seed the source from the clock: seeding it
    // now, the same way, lets the recording know its seed.
    if (!doc.gaussian.seeded) {
        SeedSimulationRandom(doc, static_cast<std::uint32_t>(std::time(nullptr)));
    }
    recorder.boat = doc.boat;
    recorder.boatType = doc.settings.currentBoatType;
    recorder.dockLayout = doc.dock.dockLayout;
    CaptureSetup(doc, recorder.setup);
    recorder.practice = doc.practice;
    recorder.running = doc.state.running != 0;
    recorder.lastState = doc.state;
    recorder.steps = 0;
    recorder.count = 0;
    recorder.stopReason[0] = '\0';
    recorder.hasDrive = true;
    recorder.phase = RECORDER_DRIVE;
}

void AppendHex(std::string& out, const void* bytes, std::size_t size) {
    const char* digits = "0123456789abcdef";
    const auto* b = static_cast<const std::uint8_t*>(bytes);
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[b[i] >> 4];
        out += digits[b[i] & 15];
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A line of text for a header command: no comment mark, no line break.
std::string ScriptText(const char* text, std::size_t size) {
    std::string out(text, strnlen(text, size));
    for (char& c : out) {
        if (c == '#' || c == '\n' || c == '\r') c = ' ';
    }
    return out;
}

void AppendLine(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void AppendLine(std::string& out, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    out += line;
    out += '\n';
}

void AppendExercise(std::string& out, const PracticeRun& run) {
    if (run.outcome != PRACTICE_RUNNING || run.goal.kind == GOAL_NONE) return;
    const std::string title = ScriptText(run.title, sizeof run.title);
    const std::string description = ScriptText(run.description, sizeof run.description);
    if (!title.empty()) AppendLine(out, "title %s", title.c_str());
    if (!description.empty()) AppendLine(out, "describe %s", description.c_str());
    const Goal& g = run.goal;
    if (g.kind == GOAL_MOORED) AppendLine(out, "goal moored %s", g.slip == SLIP_B ? "B" : "A");
    if (g.kind == GOAL_ALONGSIDE) AppendLine(out, "goal alongside");
    if (g.kind == GOAL_GATE) {
        AppendLine(out, "goal gate %.17g %.17g %.17g %.17g %.17g", g.gateX, g.gateY, g.gateRadius,
                   g.gateHeading, g.gateTolerance);
    }
    if (g.timeLimit > 0.0) AppendLine(out, "limit %.17g", g.timeLimit);
}

// The file name of path without its folder and its last suffix.
std::string StemOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    for (char& c : name) {
        if (c == ' ' || c == '\t' || c == '#') c = '_';
    }
    return name.empty() ? std::string("recording") : name;
}

std::string ScriptOf(const Recorder& recorder, const std::string& boatFile) {
    std::string out;
    AppendLine(out, "# A drive recorded by Kelvane: kelvane-sim runs it and prints its trace.");
    AppendLine(out, "steps %lld", static_cast<long long>(recorder.steps));
    AppendLine(out, "every 1");
    AppendLine(out, "seed %u", static_cast<unsigned>(recorder.setup.random.next));
    const int type = recorder.boatType >= 0 && recorder.boatType < 3 ? recorder.boatType : 0;
    AppendLine(out, "type %s", BOAT_TYPES[type]);
    AppendLine(out, "boat %s", boatFile.c_str());
    if (recorder.dockLayout >= 1 && recorder.dockLayout <= 9) {
        AppendLine(out, "layout %d", static_cast<int>(recorder.dockLayout));
    }
    AppendExercise(out, recorder.practice);
    out += "restore " + SetupToHex(recorder.setup) + "\n";
    if (recorder.running && recorder.steps > 0) AppendLine(out, "at 0 run");
    for (int i = 0; i < recorder.count; ++i) {
        const RecordedInput& input = recorder.inputs[i];
        // An input after the last step changed nothing the run went through.
        if (input.step >= recorder.steps) break;
        AppendLine(out, "at %lld %s", static_cast<long long>(input.step), input.text);
    }
    return out;
}

bool WriteWhole(const std::string& path, const std::string& text, std::string& error) {
    const std::string part = path + ".part";
    std::FILE* file = std::fopen(part.c_str(), "wb");
    if (!file) {
        error = "Cannot create " + part + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = "Cannot write " + part + " (the disk may be full)";
        std::remove(part.c_str());
        return false;
    }
    if (std::rename(part.c_str(), path.c_str()) != 0) {
        error = "Cannot replace " + path + ": " + std::strerror(errno);
        std::remove(part.c_str());
        return false;
    }
    return true;
}

}  // namespace

void StartRecording(CKLVNDoc& doc, Recorder* recorder) {
    doc.recorder = recorder;
    if (!recorder) return;
    recorder->phase = RECORDER_WAITING;
    recorder->depth = 0;
    recorder->hasDrive = false;
}

void EndRecordedDrive(CKLVNDoc& doc) {
    Recorder* recorder = doc.recorder;
    if (recorder && recorder->phase != RECORDER_OFF) recorder->phase = RECORDER_WAITING;
}

void CutRecording(CKLVNDoc& doc, const char* reason) {
    if (doc.recorder) StopDrive(*doc.recorder, reason);
}

RecordedOperation::RecordedOperation(CKLVNDoc& doc) : recorder_(doc.recorder), doc_(doc) {
    if (recorder_) ++recorder_->depth;
}

RecordedOperation::~RecordedOperation() {
    if (recorder_) --recorder_->depth;
}

void RecordedOperation::Write(const char* format, ...) {
    if (!recorder_ || recorder_->depth != 1) return;
    Recorder& recorder = *recorder_;
    if (recorder.phase == RECORDER_WAITING) BeginDrive(doc_, recorder);
    if (recorder.phase != RECORDER_DRIVE) return;
    if (recorder.count >= RECORDING_CAPACITY) {
        char reason[96];
        std::snprintf(reason, sizeof reason, "its store of %d inputs was full", RECORDING_CAPACITY);
        StopDrive(recorder, reason);
        return;
    }
    RecordedInput& input = recorder.inputs[recorder.count++];
    input.step = recorder.steps;
    va_list args;
    va_start(args, format);
    std::vsnprintf(input.text, sizeof input.text, format, args);
    va_end(args);
}

void NoteStepStarting(CKLVNDoc& doc) {
    Recorder* recorder = doc.recorder;
    if (recorder && recorder->phase == RECORDER_WAITING && doc.state.running) {
        BeginDrive(doc, *recorder);
    }
}

void NoteStepDone(CKLVNDoc& doc) {
    Recorder* recorder = doc.recorder;
    if (!recorder || recorder->phase != RECORDER_DRIVE) return;
    ++recorder->steps;
    recorder->lastState = doc.state;
    if (recorder->steps >= MAX_RECORDED_STEPS) StopDrive(*recorder, "a script runs no longer");
}

void CaptureSetup(const CKLVNDoc& doc, RecordedSetup& setup) {
    std::memset(static_cast<void*>(&setup), 0, sizeof setup);
    setup.env = doc.env;
    std::memcpy(setup.slipSizes, doc.dock.slipSizes, sizeof setup.slipSizes);
    setup.slipSizeIndex = doc.dock.slipSizeIndex;
    setup.slipSizeAuto = doc.dock.slipSizeAuto;
    setup.windOn = doc.settings.windOn ? 1 : 0;
    setup.currentOn = doc.settings.currentOn ? 1 : 0;
    setup.firstRunningStepDone = doc.state.firstRunningStepDone ? 1 : 0;
    setup.random = doc.random;
    setup.gaussian = doc.gaussian;
    setup.startX = doc.boat.startX;
    setup.startY = doc.boat.startY;
    setup.startHeading = doc.boat.startHeading;
    setup.startPoseCaptured = doc.boat.startPoseCaptured;
}

void ApplySetup(CKLVNDoc& doc, const RecordedSetup& setup) {
    std::memcpy(doc.dock.slipSizes, setup.slipSizes, sizeof setup.slipSizes);
    doc.dock.slipSizeIndex = setup.slipSizeIndex;
    doc.dock.slipSizeAuto = setup.slipSizeAuto;
    LayoutDock(doc);  // the slip as it was
    doc.boat.startX = setup.startX;
    doc.boat.startY = setup.startY;
    doc.boat.startHeading = setup.startHeading;
    doc.boat.startPoseCaptured = setup.startPoseCaptured;
    ResetBoat(doc);
    doc.env = setup.env;
    doc.settings.windOn = setup.windOn;
    doc.settings.currentOn = setup.currentOn;
    doc.state.firstRunningStepDone = setup.firstRunningStepDone != 0;
    doc.random = setup.random;
    doc.gaussian = setup.gaussian;
}

std::string SetupToHex(const RecordedSetup& setup) {
    std::string hex;
    AppendHex(hex, &setup, sizeof setup);
    return hex;
}

bool SetupFromHex(const std::string& hex, RecordedSetup& setup) {
    if (hex.size() != 2 * sizeof setup) return false;
    RecordedSetup read;
    auto* bytes = reinterpret_cast<std::uint8_t*>(&read);
    for (std::size_t i = 0; i < sizeof read; ++i) {
        const int high = HexDigit(hex[2 * i]), low = HexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0) return false;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    // Indexes a damaged block could carry past their arrays.
    if (read.slipSizeIndex < 0 || read.slipSizeIndex >= SLIP_SIZE_COUNT) return false;
    for (int k = 0; k < ENV_QUANTITIES; ++k) {
        if (read.env.envRateIndex[k] < 0 || read.env.envRateIndex[k] > ENV_RATE_FAST) return false;
    }
    setup = read;
    return true;
}

bool SaveRecording(const Recorder& recorder, const std::string& path, std::string& error,
                   std::string& notice) {
    notice.clear();
    if (!recorder.hasDrive) {
        error = "Nothing has been driven since the last reset: there is no drive to save.";
        return false;
    }
    const std::size_t slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string boatFile = StemOf(path) + BOAT_FILE_SUFFIX;
    const std::string boatPath = folder + boatFile;
    if (WriteBoatFile(boatPath.c_str(), recorder.boat) != RECORD_FILE_WHOLE) {
        error = "Cannot write the boat file " + boatPath;
        return false;
    }
    if (!WriteWhole(path, ScriptOf(recorder, boatFile), error)) return false;
    if (recorder.phase == RECORDER_STOPPED) notice = recorder.stopReason;
    return true;
}
