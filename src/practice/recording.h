#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

#include "boat/boat_record.h"
#include "common/random_source.h"
#include "docks/dock_layout.h"
#include "practice/practice_run.h"
#include "simulation/dynamic_state.h"
#include "simulation/environment_record.h"
#include "simulation/gaussian_random.h"

struct CKLVNDoc;

// Every drive is recorded as a kelvane-sim script: the set-up as it stood when
// the drive began, then each input as an "at STEP COMMAND" line, STEP being
// the number of Step calls since the drive began. A drive begins at the first
// input or running step after a reset (or after the recorder is started), so
// the last drive stays savable until the next one begins.
//
// Every input is written where it enters the document (the control
// operations, the run state, the scene clicks, the bulk line and fender
// commands, the wind and current switches), so keys, the bridge console, the
// gamepad and the menus are all caught. An operation called from inside
// another recorded one is not written again.

constexpr int RECORDING_CAPACITY = 32768;  // inputs; the recording stops when full
constexpr int RECORDED_TEXT_SIZE = 192;

// What the set-up holds beyond the boat, the layout and the exercise: the dock's
// slip sizes, the working copy of wind and current, the switches and every
// random state the run depends on. Written as one hex block ("restore HEX").
struct RecordedSetup {
    EnvironmentRecord env;
    SlipSize slipSizes[SLIP_SIZE_COUNT];
    std::int32_t slipSizeIndex;
    std::uint8_t slipSizeAuto;
    std::uint8_t windOn, currentOn;
    std::uint8_t firstRunningStepDone;
    RandomSource random;
    GaussianState gaussian;
    // A start pose captured with F12 or set by an exercise, which laying the
    // dock out anew would take from wherever the boat stands.
    double startX, startY, startHeading;
    std::uint8_t startPoseCaptured;
};

struct RecordedInput {
    std::int64_t step;
    char text[RECORDED_TEXT_SIZE];
};

enum RecorderPhase : std::int32_t {
    RECORDER_OFF = 0,      // nothing is recorded
    RECORDER_WAITING = 1,  // a drive begins at the next input or running step
    RECORDER_DRIVE = 2,    // a drive is being recorded
    RECORDER_STOPPED = 3,  // full, or cut by a change it cannot write
};

struct Recorder {
    std::int32_t phase;  // RecorderPhase
    std::int32_t depth;  // recorded operations now running, one inside another
    std::int64_t steps;  // Step calls since the drive began
    bool hasDrive;       // setup and inputs below describe a drive
    char stopReason[RECORDED_TEXT_SIZE];

    // The set-up when the drive began.
    BoatRecord boat;
    std::int32_t boatType;
    std::int32_t dockLayout;
    RecordedSetup setup;
    PracticeRun practice;
    bool running;

    DynamicState lastState;  // after the drive's last step
    std::int32_t count;
    RecordedInput inputs[RECORDING_CAPACITY];
};

// Attaches the recorder to the document; the next input or running step
// begins a drive. Null detaches (a replay runs without one).
void StartRecording(CKLVNDoc& doc, Recorder* recorder);

// The drive so far is over: the next input or running step begins a new one.
// Called by every reset of the boat.
void EndRecordedDrive(CKLVNDoc& doc);

// Stops the drive where it is with the reason given (shown when it is saved).
void CutRecording(CKLVNDoc& doc, const char* reason);

// Around each recorded operation. Write formats the command, with the drive's
// present step, only from the outermost one; before the first it begins a
// drive if one is waiting.
class RecordedOperation {
public:
    explicit RecordedOperation(CKLVNDoc& doc);
    ~RecordedOperation();
    RecordedOperation(const RecordedOperation&) = delete;
    RecordedOperation& operator=(const RecordedOperation&) = delete;
    void Write(const char* format, ...) __attribute__((format(printf, 2, 3)));

private:
    Recorder* recorder_;
    CKLVNDoc& doc_;
};

// Around every Step call.
void NoteStepStarting(CKLVNDoc& doc);
void NoteStepDone(CKLVNDoc& doc);

// The set-up of the document now, and the same set-up made again on a
// document just brought up (the layout laid out anew, the boat reset).
void CaptureSetup(const CKLVNDoc& doc, RecordedSetup& setup);
void ApplySetup(CKLVNDoc& doc, const RecordedSetup& setup);
std::string SetupToHex(const RecordedSetup& setup);
bool SetupFromHex(const std::string& hex, RecordedSetup& setup);

// Writes the drive as a script at path (a .sim file), with its boat in a
// .boat file beside it; both are written beside their place and renamed into
// it. False with error saying what failed. notice says when the recording
// stopped short of the drive's end.
bool SaveRecording(const Recorder& recorder, const std::string& path, std::string& error,
                   std::string& notice);
