#include "document/command_table.h"

#include "boat/boat_file_commands.h"
#include "boat/units.h"
#include "controls/control_state.h"
#include "docks/dock_commands.h"
#include "docks/dock_lines.h"
#include "docks/fenders.h"
#include "document/document.h"
#include "document/settings_file.h"
#include "practice/recording.h"
#include "simulation/step.h"

namespace {

using H = CommandHandler;
using C = CommandCheck;
using Id = CommandId;

}  // namespace

// The Docks items take their texts from the Docks menu's own table
// (dock_commands.h); their rows here hold null texts.
//
// The Separate and Combined items carry the prompts written for them, and
// Show Bridge the console's prompt, although their ids differ by one: a
// prompt that never shows helps nobody.
const CommandRow COMMANDS[COMMAND_COUNT] = {
    {Id::EnglishUnits, "English Units", "Use English units in all inputs", "", "", H::Document,
     C::Document},
    {Id::MetricUnits, "Metric Units", "Use Metric units in all input", "", "", H::Document,
     C::Document},
    {Id::Exit, "E&xit", "Quit the application", "", "Ctrl+Q", H::Shell, C::Never},
    {Id::ViewToolbar, "&Toolbar", "Show or hide the toolbar", "", "", H::Shell, C::Shell},
    {Id::ViewStatusBar, "&Status Bar", "Show or hide the status bar", "", "", H::Shell, C::Shell},
    {Id::Run, "Run", "", "Run", "", H::Document, C::Document},
    {Id::Pause, "Pause", "", "Pause", "", H::Document, C::Document},
    {Id::Reset, "Reset", "", "Stop & Reset", "", H::Document, C::Never},
    {Id::SeparateShiftThrottle, "Separate Shift and Throttle",
     "Shift and Throttle are on separate controls", "", "", H::Document, C::Document},
    {Id::CombinedShiftThrottle, "Combined Shift and Throttle",
     "Shift and Throttle are combined on one control", "", "", H::Document, C::Document},
    {Id::SlipAuto, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::Slip10x20, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::Slip13x30, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::Slip16x40, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::Slip19x50, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::Slip22x60, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::SlipCustom, nullptr, nullptr, "", "", H::Shell, C::Document},
    {Id::SlipAndPilings, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::SlipsBottom, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::SlipsRight, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::SlipsTop, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::SlipsLeft, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::PilingsBottom, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::PilingsRight, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::PilingsTop, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::PilingsLeft, nullptr, nullptr, "", "", H::Document, C::Document},
    {Id::OpenBoat, "Open ...", "Open a boat file and load it", "", "Ctrl+O", H::Document, C::Never},
    {Id::NewMotorboat, "Motorboat ...", "Define a new motorboat", "", "", H::Shell, C::Never},
    // The prompt as first written said "saliboat".
    {Id::NewSailboat, "Sailboat ...", "Define a new sailboat", "", "", H::Shell, C::Never},
    {Id::NewHouseboat, "Houseboat ...", "Define a new houseboat", "", "", H::Shell, C::Never},
    {Id::EditBoat, "Edit ...", "Edit the current boat", "Edit the current boat", "", H::Shell,
     C::Never},
    {Id::SaveBoat, "Save", "Save the current boat", "", "Ctrl+S", H::Document, C::Never},
    {Id::DeleteBoat, "Delete ...", "Delete a boat definition file", "", "", H::Document, C::Never},
    {Id::AdvSettings, "Adv Settings", "", "", "", H::Shell, C::Never},
    {Id::EnvironmentSettings, "Settings ...", "Change the wind and current settings", "", "",
     H::Shell, C::Never},
    {Id::Wind, "Wind", "Toggle the wind on/off", "Toggle the wind on/off", "", H::Document,
     C::Document},
    {Id::Current, "Current", "Toggle current flow on/off", "Toggle current flow on/off", "",
     H::Document, C::Document},
    {Id::Keys, "Keys ...", "Change the keys that drive the boat", "", "", H::Shell, C::Never},
    {Id::Gamepad, "Gamepad", "Drive with a game controller", "", "", H::Shell, C::Shell},
    {Id::Exercises, "Exercises ...", "Choose an exercise and practise it", "", "", H::Shell,
     C::Never},
    {Id::SaveRecording, "Save Recording ...", "Save the drive since the last reset as a script", "",
     "", H::Shell, C::Never},
    {Id::Replay, "Replay ...", "Play a saved recording back in the window", "", "", H::Shell,
     C::Never},
    {Id::About, "&About KLVN...", "", "", "", H::Shell, C::Never},
    {Id::ShowBridge, "Show Bridge", "Show the Bridge Control Console", "Show Bridge", "", H::Shell,
     C::Never},
    {Id::ToolbarGap, "", "", "", "", H::None, C::Never},
    {Id::LoosenAllLines, "Loosen All Lines", "Loosen All Lines", "", "", H::Document, C::Never},
    {Id::HardenAllLines, "Harden All Lines", "Harden All Lines", "", "", H::Document, C::Never},
    {Id::RemoveAllLines, "Remove All Lines", "Remove All Lines", "", "", H::Document, C::Never},
    {Id::LinesGap, "", "", "", "", H::None, C::Never},
    {Id::RemoveAllFenders, "Remove All Fenders", "Remove All Fenders", "", "", H::Document,
     C::Never},
    {Id::EndGap, "", "", "", "", H::None, C::Never},
};

const CommandRow* FindCommand(CommandId id) {
    for (const CommandRow& row : COMMANDS) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

const char* CommandLabel(const CKLVNDoc& doc, CommandId id) {
    if (FindDockMenuItem(static_cast<int>(id))) return DockMenuLabel(doc, static_cast<int>(id));
    const CommandRow* row = FindCommand(id);
    if (row == nullptr) return "";
    return row->label;
}

const char* CommandPrompt(CommandId id) {
    if (const DockMenuItem* item = FindDockMenuItem(static_cast<int>(id))) return item->prompt;
    const CommandRow* row = FindCommand(id);
    return row == nullptr ? "" : row->prompt;
}

bool CommandChecked(const CKLVNDoc& doc, CommandId id) {
    const SettingsRecord& s = doc.settings;
    switch (id) {
        case Id::EnglishUnits:
            return s.metricUnits == 0;
        case Id::MetricUnits:
            return s.metricUnits == 1;
        case Id::Run:
            return doc.state.running != 0;
        case Id::Pause:
            return doc.state.running == 0;
        case Id::SeparateShiftThrottle:
            return s.shiftThrottleCombined == 0;
        case Id::CombinedShiftThrottle:
            return s.shiftThrottleCombined == 1;
        case Id::Wind:
            return s.windOn != 0;
        case Id::Current:
            return s.currentOn != 0;
        default:
            return DockMenuChecked(doc, static_cast<int>(id));
    }
}

void ToggleWind(CKLVNDoc& doc) {
    RecordedOperation record(doc);
    record.Write("switch wind %s", doc.settings.windOn ? "off" : "on");
    doc.settings.windOn = doc.settings.windOn ? 0 : 1;
    SaveSettings(doc);
}

void ToggleCurrent(CKLVNDoc& doc) {
    RecordedOperation record(doc);
    record.Write("switch current %s", doc.settings.currentOn ? "off" : "on");
    doc.settings.currentOn = doc.settings.currentOn ? 0 : 1;
    SaveSettings(doc);
}

void SetShiftThrottleCombined(CKLVNDoc& doc, bool combined) {
    doc.settings.shiftThrottleCombined = combined ? 1 : 0;
    SaveSettings(doc);
    ReopenBridgeConsole(doc);
}

namespace {

// The commands that change a setting or the run state.
bool DoSettingCommand(CKLVNDoc& doc, CommandId id) {
    switch (id) {
        case Id::EnglishUnits:
            SetDisplayUnits(doc, false);
            return true;
        case Id::MetricUnits:
            SetDisplayUnits(doc, true);
            return true;
        case Id::SeparateShiftThrottle:
            SetShiftThrottleCombined(doc, false);
            return true;
        case Id::CombinedShiftThrottle:
            SetShiftThrottleCombined(doc, true);
            return true;
        case Id::Wind:
            ToggleWind(doc);
            return true;
        case Id::Current:
            ToggleCurrent(doc);
            return true;
        case Id::Run:
            SetRunState(doc, 1, 1);
            return true;
        case Id::Pause:
            SetRunState(doc, 1, 0);
            return true;
        case Id::Reset:
            SetRunState(doc, 1, 0);
            ResetBoat(doc);
            return true;
        default:
            return false;
    }
}

// The boat files and the bulk line and fender commands.
bool DoBoatCommand(CKLVNDoc& doc, CommandId id) {
    switch (id) {
        case Id::OpenBoat:
            OpenBoat(doc);
            return true;
        case Id::SaveBoat:
            SaveBoat(doc);
            return true;
        case Id::DeleteBoat:
            DeleteBoat(doc);
            return true;
        case Id::LoosenAllLines:
            SetAllLines(doc, ALL_LINES_LOOSEN);
            return true;
        case Id::HardenAllLines:
            SetAllLines(doc, ALL_LINES_HARDEN);
            return true;
        case Id::RemoveAllLines:
            SetAllLines(doc, ALL_LINES_REMOVE);
            return true;
        case Id::RemoveAllFenders:
            RemoveAllFenders(doc);
            return true;
        default:
            return false;
    }
}

}  // namespace

bool DoCommand(CKLVNDoc& doc, CommandId id) {
    if (DoSettingCommand(doc, id) || DoBoatCommand(doc, id)) return true;
    return DoDockCommand(doc, static_cast<int>(id));
}
