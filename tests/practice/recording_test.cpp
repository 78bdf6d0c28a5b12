// A drive made live through the window's entry points (the view's keys, the
// bridge console, clicks on lines, the menu commands) is recorded, saved and
// run again by the script runner: it ends in the same bytes of boat state.

#include "practice/recording.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "../support/sim_runner.h"
#include "controls/headless_console.h"
#include "controls/key_bindings.h"
#include "controls/key_dispatch.h"
#include "docks/click_points.h"
#include "docks/dock_lines_click.h"
#include "document/command_table.h"
#include "document/document.h"
#include "script_reader.h"
#include "script_start.h"
#include "simulation/step.h"

namespace {

// A click straight down on a world point, as the view's ray gives it.
void ClickAt(CKLVNDoc& doc, PlanePoint world, bool inBoatFrame = false) {
    const PlanePoint b = inBoatFrame ? world : WorldToBoat(doc, world);
    const double nearPoint[3] = {b.x, b.y, 500.0}, farPoint[3] = {b.x, b.y, -500.0};
    SetClickPoints(doc, nearPoint, farPoint);
    LineClick(doc, LINE_CLICK_LEFT);
}

int KeyOf(const CKLVNDoc& doc, const std::string& engine, const std::string& command) {
    const int both[3] = {KEY_SLOT_BOTH_AHEAD, KEY_SLOT_BOTH_NEUTRAL, KEY_SLOT_BOTH_ASTERN};
    const int rudder[3] = {KEY_SLOT_RUDDER_PORT, KEY_SLOT_RUDDER_AMIDSHIPS,
                           KEY_SLOT_RUDDER_STARBOARD};
    const int* slots = engine == "rudder" ? rudder : both;
    const int k = command == "ahead" || command == "port"          ? 0
                  : command == "neutral" || command == "amidships" ? 1
                                                                   : 2;
    return doc.settings.keyBindings[slots[k]];
}

// One drive line done as the user would do it in the window.
void DoLive(CKLVNDoc& doc, HeadlessConsole& console, const Words& w) {
    if (w[0] == "run" && !doc.state.running) HandleViewKey(doc, KEY_F1);
    if (w[0] == "pause") DoCommand(doc, CommandId::Pause);
    if (w[0] == "reset") HandleViewKey(doc, KEY_F2);
    if (w[0] == "wind") DoCommand(doc, CommandId::Wind);
    if (w[0] == "engine" || w[0] == "rudder") HandleViewKey(doc, KeyOf(doc, w[0], w.back()));
    if (w[0] == "console" && w[1] == "open") console.Open(doc);
    if (w[0] == "console" && w[1] == "press") console.Console()->Press(std::stoi(w[2]));
    if (w[0] == "console" && w[1] == "rudder") {
        console.Console()->Scroll(1129, BarNotification::ThumbReleased, std::stoi(w[2]));
    }
    if (w[0] == "line") {
        const DockLine& line = doc.mooring.dockLines[std::stoi(w[1])];
        ClickAt(doc, {line.cleatX, line.cleatY}, true);  // picks it up, or hardens it
        if (w[2] == "attach") ClickAt(doc, {std::stod(w[3]), std::stod(w[4])});
    }
}

struct Drive {
    const char* name;
    const char* header;  // an exercise file, or the set-up itself
    const char* inputs;  // a drive file, or the inputs themselves
    const char* extra;   // more inputs, or null
    bool goalMet;
};

const Drive DRIVES[] = {
    {"keys and line clicks into the slip", "exercises/03_into_the_slip.sim",
     "tests/practice/drives/03_into_the_slip.sim", nullptr, true},
    {"sailboat with the console, a pause and the wind switched", "exercises/04_sailboat_breeze.sim",
     "tests/practice/drives/04_sailboat_breeze.sim",
     "at 20 console open\nat 30 console rudder 30\nat 60 console press 1\nat 90 console press 1\n"
     "at 200 pause\nat 240 run\nat 700 wind\n",
     true},
    {"reset after a run in a varying wind and current",
     "type houseboat\nlayout 5\nseed 9\nwind 12 45 varies 6 fast\ncurrent 1 90 varies 1 medium\n",
     "steps 900\nat 0 run\nat 10 engine both ahead\nat 50 rudder port\nat 300 reset\n"
     "at 330 run\nat 340 engine both astern\nat 600 rudder starboard\n",
     nullptr, false},
};

std::string TextOf(const char* fileOrText) {
    if (std::strchr(fileOrText, '\n')) return fileOrText;
    return ReadText(std::string(KELVANE_SOURCE_DIR) + "/" + fileOrText);
}

Script Read(const std::string& text) {
    Script script;
    std::string error;
    std::istringstream in(text);
    EXPECT_TRUE(ReadScriptFrom(in, "drive.sim", script, error)) << error;
    return script;
}

TEST(RecordingTest, ARecordedDriveRunsAgainToTheSameStateBytes) {
    auto recorder = std::make_unique<Recorder>();
    for (const Drive& drive : DRIVES) {
        SCOPED_TRACE(drive.name);
        const std::string inputs =
            TextOf(drive.inputs) + (drive.extra ? std::string(drive.extra) : std::string());
        const std::string header = TextOf(drive.header);
        const Script script = Read(header + "steps 1\n");
        long long steps = 0;
        std::vector<std::pair<long long, Words>> live;
        for (const std::string& line : Split(inputs)) {
            std::istringstream words(line.substr(0, line.find('#')));
            Words w;
            for (std::string word; words >> word;) w.push_back(word);
            if (w.size() == 2 && w[0] == "steps") steps = std::stoll(w[1]);
            if (w.size() > 2 && w[0] == "at")
                live.push_back({std::stoll(w[1]), {w.begin() + 2, w.end()}});
        }
        std::stable_sort(live.begin(), live.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });

        auto doc = std::make_unique<CKLVNDoc>();
        std::string output, error;
        ScriptContext context = {*doc, output};
        ASSERT_TRUE(StartScript(script, context, "drive.sim", error)) << error;
        HeadlessConsole console;
        doc->ui = &console;
        StartRecording(*doc, recorder.get());
        std::size_t next = 0;
        for (long long call = 0; call < steps; ++call) {
            for (; next < live.size() && live[next].first == call; ++next) {
                DoLive(*doc, console, live[next].second);
            }
            Step(*doc);
            ObservePracticeStep(*doc);
        }
        EXPECT_EQ(doc->practice.outcome == PRACTICE_GOAL_MET, drive.goalMet);
        EXPECT_EQ(std::memcmp(&recorder->lastState, &doc->state, sizeof doc->state), 0);

        TempFolder folder;
        std::string notice;
        ASSERT_TRUE(SaveRecording(*recorder, folder.File("drive.sim"), error, notice)) << error;
        EXPECT_EQ(notice, "");
        const SimRun run = RunSimArgs(folder, "'" + folder.File("drive.sim") + "'");
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.find("Result: goal met") != std::string::npos, drive.goalMet);

        Script again;
        ASSERT_TRUE(ReadScript(folder.File("drive.sim"), again, error)) << error;
        auto replay = std::make_unique<CKLVNDoc>();
        ScriptContext replayContext = {*replay, output};
        ASSERT_TRUE(StartScript(again, replayContext, folder.File("drive.sim"), error)) << error;
        HeadlessConsole quiet;
        replay->ui = &quiet;
        next = 0;
        for (long long call = 0; call < again.steps; ++call) {
            for (; next < again.timeline.size() && again.timeline[next].step == call; ++next) {
                ASSERT_TRUE(again.timeline[next].action(replayContext, error)) << error;
            }
            Step(*replay);
        }
        EXPECT_EQ(std::memcmp(&replay->state, &doc->state, sizeof doc->state), 0);
        EXPECT_EQ(replay->controls.rudderAngle, doc->controls.rudderAngle);
    }
}

TEST(RecordingTest, NothingDrivenIsNotSavedAndADamagedSetUpIsRefused) {
    auto recorder = std::make_unique<Recorder>();
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    StartRecording(*doc, recorder.get());
    TempFolder folder;
    std::string error, notice;
    EXPECT_FALSE(SaveRecording(*recorder, folder.File("none.sim"), error, notice));
    EXPECT_NE(error, "");
    RecordedSetup setup = {};
    std::string hex = SetupToHex(setup);
    EXPECT_TRUE(SetupFromHex(hex, setup));
    const std::string bad[] = {hex.substr(2), hex.substr(0, hex.size() - 1) + "g",
                               std::string(hex.size(), 'f')};
    for (const std::string& text : bad) EXPECT_FALSE(SetupFromHex(text, setup));
}

}  // namespace
