#pragma once

#include "boat/boat_record.h"
#include "boat/units.h"
#include "common/random_source.h"
#include "common/user_interface.h"
#include "controls/control_state.h"
#include "docks/dock_layout.h"
#include "docks/mooring.h"
#include "document/camera.h"
#include "document/settings_record.h"
#include "practice/practice_run.h"
#include "simulation/contact.h"
#include "simulation/dynamic_state.h"
#include "simulation/environment_record.h"
#include "simulation/gaussian_random.h"

struct Recorder;

constexpr int STATUS_TEXT_SIZE = 200;
constexpr int DATA_FOLDER_SIZE = 4096;

// The one owner of all state for the whole run of the program. Every record is
// fixed-size storage inside this object, so nothing is allocated while the
// simulation runs. The operations that work on it are free functions named
// after what they do (Step, ChangeEngine, LayoutDock, ...), in the folder of
// the subsystem they belong to.
struct CKLVNDoc {
    BoatRecord boat;         // the live boat
    BoatRecord scratchBoat;  // edited by the boat commands, copied over the live one on OK
    bool boatPresent;        // the live boat came from a file or a command, not from defaults

    SettingsRecord settings;
    EnvironmentRecord env;  // the simulation's working copy of settings.envSettingsPersisted
    UnitFactors units;

    DynamicState state;
    ForceAccumulators forces;
    ControlState controls;
    DockLayout dock;
    ContactState contact;
    Mooring mooring;
    Camera camera;
    RandomSource random;
    GaussianState gaussian;  // the spare normal deviate and the first-draw seeding
    char statusText[STATUS_TEXT_SIZE];
    PracticeRun practice;  // the exercise being driven, if any

    // Where "Persist.kvn" and the .boat files live. Empty: the document reads and
    // writes no file at all (the headless runner, unless a script asks).
    char dataFolder[DATA_FOLDER_SIZE];

    UserInterface* ui;   // never null: a silent one until the shell attaches its own
    Recorder* recorder;  // where the drive is recorded; null: nowhere
    bool inputLocked;    // a replay drives: the window's keys, clicks, console and pad do nothing
};

// Zeroes every record and attaches the silent user interface. The start-up
// that brings the document to life is separate (it reads files).
void ClearDocument(CKLVNDoc& doc);
