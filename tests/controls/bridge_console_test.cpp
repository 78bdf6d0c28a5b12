#include "controls/bridge_console.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/constants.h"
#include "control_test_doc.h"
#include "controls/headless_console.h"
#include "simulation/step.h"

namespace {

using C = ButtonColour;
using N = BarNotification;
enum Op { PRESS, LINE_UP, LINE_DOWN, PAGE_UP, RELEASE, KEY, REOPEN };
struct Action {
    Op op;
    int id;
    int position = 0;
};
struct Expect {
    int id, value;  // a bar's position, or a button's colour
};
struct Case {
    const char* what;
    int engines;
    bool combined;
    std::vector<Action> actions;
    int port, starboard;  // notches afterwards
    std::vector<Expect> bars, colours;
};

struct ConsoleDoc : ControlTestDoc {
    HeadlessConsole host;
    ConsoleDoc(int engines, bool combined) : ControlTestDoc(engines) {
        doc.settings.shiftThrottleCombined = combined ? 1 : 0;
        doc.ui = &host;
        host.Open(doc);
    }
    BridgeConsole& console() { return *host.Console(); }
    void Apply(const Action& a) {
        const N notification[] = {N::LineUp, N::LineUp, N::LineDown, N::PageUp, N::ThumbReleased};
        if (a.op == PRESS) {
            EXPECT_EQ(console().Press(a.id), PressResult::Done) << a.id;
        }
        if (a.op >= LINE_UP && a.op <= RELEASE) {
            EXPECT_TRUE(console().Scroll(a.id, notification[a.op], a.position)) << a.id;
        }
        if (a.op == KEY) console().Key(a.id);
        if (a.op == REOPEN) host.ReopenConsole();
    }
};

constexpr int THROTTLE = CONSOLE_PORT_THROTTLE_BAR, STBD_THROTTLE = CONSOLE_STARBOARD_THROTTLE_BAR;
constexpr int LEVER = CONSOLE_PORT_LEVER_BAR, RUDDER = CONSOLE_RUDDER_BAR;
constexpr int FWD = CONSOLE_PORT_FWD, REV = CONSOLE_PORT_REV, FULL = CONSOLE_PORT_FULL;
constexpr int SYNC = CONSOLE_SYNC, BOTH_N = CONSOLE_BOTH_N;
constexpr int C_ = static_cast<int>(C::AheadLit), R_ = static_cast<int>(C::AsternLit);
constexpr int G_ = static_cast<int>(C::NeutralLit), I_ = static_cast<int>(C::Inactive);

TEST(BridgeConsole, EveryControlDrivesTheDocumentAndShowsItsState) {
    // The test table idles at 21 %; notch 3 is 66 % astern.
    // clang-format off
    const Case cases[] = {
        {"throttle never below idle astern", 1, false, {{PRESS, REV}, {LINE_UP, THROTTLE},
         {LINE_DOWN, THROTTLE}, {LINE_DOWN, THROTTLE}}, 7, 8, {}, {{REV, R_}}},
        {"throttle released below idle gives idle", 1, false,
         {{PRESS, FWD}, {RELEASE, THROTTLE, 95}}, 9, 8, {{THROTTLE, 79}}, {}},
        {"throttle released in neutral stays neutral", 1, false, {{RELEASE, THROTTLE, 0}}, 8, 8,
         {{THROTTLE, 100}}, {}},
        {"FULL in neutral, then in gear", 1, false, {{PRESS, FULL}, {PRESS, REV}, {PRESS, FULL}},
         0, 8, {}, {}},
        {"lever released at the centre: neutral", 1, true,
         {{PRESS, CONSOLE_PORT_LEVER_FF}, {RELEASE, LEVER, 50}}, 8, 8, {{LEVER, 50}},
         {{CONSOLE_PORT_LEVER_N, G_}, {CONSOLE_PORT_LEVER_FF, I_}}},
        {"lever released at 49: idle ahead", 1, true, {{RELEASE, LEVER, 49}}, 9, 8,
         {{LEVER, 40}}, {{CONSOLE_PORT_LEVER_N, I_}}},
        {"lever arrows step", 1, true, {{LINE_UP, LEVER}, {LINE_UP, LEVER}, {LINE_DOWN, LEVER}},
         9, 8, {}, {}},
        {"SYNC: starboard controls do nothing", 2, false, {{PRESS, SYNC},
         {PRESS, CONSOLE_STARBOARD_FWD}, {PRESS, CONSOLE_STARBOARD_FULL},
         {RELEASE, STBD_THROTTLE, 0}, {PRESS, CONSOLE_STARBOARD_REV}}, 8, 8,
         {{THROTTLE, 100}, {STBD_THROTTLE, 100}}, {{SYNC, int(C::SyncOn)}}},
        {"SYNC: port controls move both bars", 2, false,
         {{PRESS, SYNC}, {PRESS, FWD}, {LINE_UP, THROTTLE}}, 10, 10,
         {{THROTTLE, 68}, {STBD_THROTTLE, 68}}, {{CONSOLE_STARBOARD_FWD, C_}, {BOTH_N, I_}}},
        {"SYNC: port FULL drives both", 2, false, {{PRESS, SYNC}, {PRESS, REV}, {PRESS, FULL}},
         0, 0, {{STBD_THROTTLE, 0}}, {}},
        {"both REV, then both N", 2, false, {{PRESS, CONSOLE_BOTH_REV},
         {PRESS, CONSOLE_BOTH_REV}, {PRESS, BOTH_N}}, 8, 8, {}, {{BOTH_N, G_}}},
        {"twin levers: FF and the middle buttons", 2, true,
         {{PRESS, CONSOLE_STARBOARD_LEVER_FF}, {PRESS, CONSOLE_BOTH_LEVER_REV}}, 7, 7,
         {{CONSOLE_STARBOARD_LEVER_BAR, 61}}, {{CONSOLE_STARBOARD_LEVER_FF, I_}}},
        {"HARD STBD lights green at 100", 1, false, {{PRESS, CONSOLE_RUDDER_HARD_STBD}}, 8, 8,
         {{RUDDER, 100}}, {{CONSOLE_RUDDER_HARD_STBD, C_}}},
        {"rudder arrows and pages, kept in range", 1, false, {{LINE_UP, RUDDER},
         {PAGE_UP, RUDDER}, {RELEASE, RUDDER, 3}, {LINE_UP, RUDDER}}, 8, 8, {{RUDDER, 0}},
         {{CONSOLE_RUDDER_HARD_PORT, R_}}},
        {"a bar-set rudder opens where it stands", 1, false, {{RELEASE, RUDDER, 75}, {REOPEN, 0}},
         8, 8, {{RUDDER, 75}}, {}},
        {"a running thruster opens lit", 1, false, {{PRESS, CONSOLE_THRUSTER_STBD}, {REOPEN, 0}},
         8, 8, {}, {{CONSOLE_THRUSTER_STBD, C_}, {CONSOLE_THRUSTER_OFF, I_}}},
        {"Enter, Escape, Tab and F1 do nothing; a control key acts", 1, false,
         {{KEY, 13}, {KEY, 27}, {KEY, 9}, {KEY, 112}, {KEY, 'E'}}, 9, 8, {}, {{FWD, C_}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConsoleDoc t(c.engines, c.combined);
        for (const Action& a : c.actions) t.Apply(a);
        t.ExpectNotches(c.port, c.starboard);
        for (const Expect& e : c.bars) EXPECT_EQ(t.console().BarPosition(e.id), e.value) << e.id;
        for (const Expect& e : c.colours) EXPECT_EQ(int(t.console().Colour(e.id)), e.value) << e.id;
        EXPECT_EQ(t.doc.state.running, 0);
    }
}

TEST(BridgeConsole, OpensFromTheDocumentInTheLayoutThatApplies) {
    ConsoleDoc t(1, false);
    EXPECT_EQ(t.console().Layout(), ConsoleLayout::OneEngineSeparate);
    EXPECT_EQ(t.host.Console()->Press(CONSOLE_SYNC), PressResult::NotInLayout);
    t.host.Close();
    for (int k = 0; k < 5; ++k) ChangeEngine(t.doc, ENGINE_PORT, ENGINE_STEP_ASTERN, 1, 0);
    ChangeRudder(t.doc, RUDDER_STEP_PORT, 0);
    t.host.Open(t.doc);
    EXPECT_EQ(t.console().BarPosition(THROTTLE), 100 - 66);
    EXPECT_EQ(t.console().BarColourOf(THROTTLE), BarColour::Red);
    EXPECT_EQ(t.console().BarPosition(RUDDER), 44);
    EXPECT_STREQ(t.console().Caption(CONSOLE_PORT_RPM), t.doc.controls.engineRpmText[0]);
    EXPECT_STREQ(t.console().Caption(CONSOLE_PAUSE), "RUN");
    EXPECT_EQ(t.console().Press(CONSOLE_PAUSE), PressResult::Done);
    EXPECT_EQ(t.doc.state.running, 1);
    EXPECT_STREQ(t.console().Caption(CONSOLE_PAUSE), "PAUSE");
    EXPECT_EQ(t.console().Press(CONSOLE_CANCEL), PressResult::Close);

    // Combined on a twin reopens in the twin lever layout; the angle the bar set
    // is the document's.
    t.doc.boat.engineCount = 2;
    t.doc.settings.shiftThrottleCombined = 1;
    ReopenBridgeConsole(t.doc);
    EXPECT_EQ(t.console().Layout(), ConsoleLayout::TwoEnginesCombined);
    t.console().Scroll(RUDDER, N::ThumbReleased, 25);
    EXPECT_NEAR(t.doc.controls.rudderAngle / DEG_TO_RAD, -30.0, 1e-9);
    EXPECT_FALSE(t.console().Scroll(THROTTLE, N::LineUp));
}

TEST(ConsoleLayout, FourTemplatesWithoutOverlapPlacedOnScreen) {
    const ConsoleLayout layouts[] = {ConsoleLayoutFor(1, false), ConsoleLayoutFor(2, false),
                                     ConsoleLayoutFor(1, true), ConsoleLayoutFor(2, true)};
    const int heights[] = {351, 366, 342, 337};
    for (int k = 0; k < 4; ++k) {
        const ConsoleTemplate& t = ConsoleTemplateOf(layouts[k]);
        EXPECT_EQ(static_cast<int>(t.layout), 139 + k);
        EXPECT_EQ(t.heightUnits, heights[k]);
        for (int i = 0; i < t.count; ++i) {
            const DialogRect& a = t.controls[i].rect;
            EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.width <= t.widthUnits &&
                        a.y + a.height <= t.heightUnits)
                << k << " " << t.controls[i].accessibleName;
            for (int j = 0; j < i; ++j) {
                const DialogRect& b = t.controls[j].rect;
                const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x ||
                                   a.y + a.height <= b.y || b.y + b.height <= a.y;
                EXPECT_TRUE(apart)
                    << k << " " << t.controls[i].caption << " / " << t.controls[j].caption;
            }
        }
    }

    // Beside a small window, 30 below its top; a full-screen window leaves the
    // console at the right edge, still wholly on screen.
    const ScreenRect screen = {0, 0, 1280, 800};
    const ScreenRect beside = PlaceConsole({100, 50, 800, 600}, screen, 260, 700);
    EXPECT_EQ(beside.x, 900);
    EXPECT_EQ(beside.y, 80);
    const ScreenRect full = PlaceConsole({0, 0, 1280, 800}, screen, 260, 790);
    EXPECT_EQ(full.x, 1020);
    EXPECT_EQ(full.y, 10);
    EXPECT_EQ(PlaceConsole({900, 0, 380, 500}, screen, 260, 700).x, 640);
}

}  // namespace
