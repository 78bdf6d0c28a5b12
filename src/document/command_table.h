#pragma once

struct CKLVNDoc;

// Every command of the menu bar and the toolbar, by the id it has always had:
// settings files and the key dispatch never store these, but keeping the ids
// lets a reader match a menu item, its toolbar button and its prompt at once.
enum class CommandId : int {
    Run = 32773,
    Pause = 32774,
    Reset = 32775,
    ShowBridge = 32781,
    Slip10x20 = 32784,
    SlipAuto = 32785,
    Slip13x30 = 32786,
    Slip16x40 = 32787,
    Slip19x50 = 32788,
    Slip22x60 = 32789,
    SlipCustom = 32790,
    SlipAndPilings = 32791,
    EditBoat = 32792,
    ToolbarGap = 32793,
    NewMotorboat = 32795,
    NewSailboat = 32796,
    NewHouseboat = 32797,
    OpenBoat = 32798,
    SaveBoat = 32799,
    DeleteBoat = 32800,
    EnvironmentSettings = 32801,
    Wind = 32802,
    Current = 32803,
    EnglishUnits = 32804,
    MetricUnits = 32805,
    SeparateShiftThrottle = 32807,
    CombinedShiftThrottle = 32809,
    SlipsBottom = 32810,
    SlipsRight = 32811,
    SlipsTop = 32812,
    SlipsLeft = 32813,
    PilingsBottom = 32814,
    PilingsRight = 32815,
    PilingsTop = 32816,
    PilingsLeft = 32817,
    AdvSettings = 32819,
    LoosenAllLines = 32820,
    HardenAllLines = 32821,
    RemoveAllLines = 32822,
    LinesGap = 32823,
    RemoveAllFenders = 32824,
    EndGap = 32825,
    // Beyond the original menus, at the end of the Control menu.
    Keys = 32830,
    Gamepad = 32831,
    // The Practice menu.
    Exercises = 32832,
    SaveRecording = 32833,
    Replay = 32834,
    About = 57664,
    Exit = 57665,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
};

// Who carries a command out: the document by itself, or the shell, which
// owns the windows and dialogs it needs. Gaps have no handler at all and are
// therefore always disabled.
enum class CommandHandler { Document, Shell, None };

// Whether an item can carry a check mark, and what decides it.
enum class CommandCheck { Never, Document, Shell };

struct CommandRow {
    CommandId id;
    // Null for the Docks items, whose texts (and metric labels) live in the
    // Docks menu's table.
    const char* label;     // the menu text, with its mnemonic
    const char* prompt;    // the status-bar prompt while the item is hovered
    const char* tooltip;   // the toolbar button's tip, or empty
    const char* shortcut;  // a desktop shortcut ("Ctrl+O"), or empty
    CommandHandler handler;
    CommandCheck check;
};

constexpr int COMMAND_COUNT = 51;
extern const CommandRow COMMANDS[COMMAND_COUNT];

// The row of an id, or null for an id that is no command.
const CommandRow* FindCommand(CommandId id);

// The menu text in the present unit mode (only slip sizes change).
const char* CommandLabel(const CKLVNDoc& doc, CommandId id);

// The status-bar prompt, or empty.
const char* CommandPrompt(CommandId id);

// The check mark of a command the document decides (false for the others).
// Toolbar buttons of the same command show pressed by the same rule.
bool CommandChecked(const CKLVNDoc& doc, CommandId id);

// Carries out a command the document owns, writing the settings file where
// the command changes a setting. Returns false for commands the shell runs
// and for gaps.
bool DoCommand(CKLVNDoc& doc, CommandId id);

// The Wind, Current and Shift-and-Throttle switches of the settings.
void ToggleWind(CKLVNDoc& doc);
void ToggleCurrent(CKLVNDoc& doc);
void SetShiftThrottleCombined(CKLVNDoc& doc, bool combined);
