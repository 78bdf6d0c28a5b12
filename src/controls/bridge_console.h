#pragma once

#include <cstdint>

#include "controls/console_layout.h"

struct CKLVNDoc;

// What a coloured button shows.
enum class ButtonColour {
    Inactive,    // black on (250,250,250)
    NeutralLit,  // white on grey: N, AMID, OFF
    AheadLit,    // black on green: ahead, or to starboard
    AsternLit,   // black on red: astern, or to port
    SyncOn,      // black on green: SYNC while it is on
};

// An engine bar by its engine's direction; the rudder bar by its side.
enum class BarColour { Green, Grey, Red };

struct Rgb {
    std::uint8_t r, g, b;
};
struct ButtonColours {
    Rgb text, back;
};
ButtonColours ColoursOf(ButtonColour colour);
Rgb ColourOf(BarColour colour);
const char* NameOf(ButtonColour colour);
const char* NameOf(BarColour colour);
constexpr Rgb CONSOLE_BACKGROUND = {31, 185, 242};

// What a scroll bar reports. Up is left on the rudder bar.
enum class BarNotification { LineUp, LineDown, PageUp, PageDown, ThumbReleased };

enum class PressResult {
    Done,
    Close,        // CANCEL: the window is to be destroyed
    NotInLayout,  // the layout has no such button; nothing happened
};

// The bridge console's logic: its mirrors of the engines and the rudder, the
// command of every control, and everything its window shows, as data. It
// never holds the truth: every control calls the control operations on the
// document, and those call back its Show operations (through the user
// interface) with the document's state.
class BridgeConsole {
public:
    // A console in the layout that applies to the document now, with its
    // buttons at their initial colours; it shows nothing of the document yet.
    explicit BridgeConsole(CKLVNDoc& doc);

    const CKLVNDoc& Document() const { return doc_; }

    // The opening display: run state, rudder, thruster and engines from the
    // document.
    void ShowOpening();

    // The display calls of the control operations.
    void ShowEngine(int engine, int direction, int percent);
    void ShowRudder(int command, int percent);
    void ShowThruster(int command);
    void ShowRunState();

    // A button clicked, a bar's notification (position matters only for a
    // released thumb), a key pressed anywhere on the console.
    PressResult Press(int id);
    bool Scroll(int barId, BarNotification notification, int position = 0);
    void Key(int code);

    // What the window shows. Every query takes a control id of the layout;
    // ids the layout lacks read as inactive, position 0 and an empty caption.
    ConsoleLayout Layout() const { return layout_; }
    const ConsoleTemplate& Template() const { return ConsoleTemplateOf(layout_); }
    bool Has(int id) const { return SlotOf(id) >= 0; }
    ButtonColour Colour(int id) const;
    const char* Caption(int id) const;
    int BarPosition(int id) const;
    BarColour BarColourOf(int id) const;

    // The mirrors: per engine the throttle (separate) or lever value
    // (combined, 50 neutral) and the direction; SYNC; the rudder bar.
    int Magnitude(int engine) const { return magnitude_[engine & 1]; }
    int Direction(int engine) const { return direction_[engine & 1]; }
    bool Synchronized() const { return synchronized_; }
    int RudderPosition() const { return rudderPosition_; }

private:
    static constexpr int CAPTION_SIZE = 12;

    int SlotOf(int id) const;
    void SetColour(int id, ButtonColour colour);
    void SetBar(int id, int position);
    void SetCaption(int id, const char* text);
    int EngineBar(int engine) const;
    void RecolourEngineButtons();
    void Change(int selector, int command, int direction = 1, int percent = 0);

    void PressEngineButton(int id);
    void PressBothButton(int id);
    void PressFull(int engine);
    void PressLeverEnd(int engine, int direction);
    void ScrollThrottle(int engine, BarNotification notification, int position);
    void ScrollLever(int engine, BarNotification notification, int position);
    void ScrollRudder(BarNotification notification, int position);
    void ApplyBarRelease(int engine);

    CKLVNDoc& doc_;
    ConsoleLayout layout_;
    int magnitude_[2] = {0, 0};
    int direction_[2] = {0, 0};
    bool synchronized_ = false;
    int rudderPosition_ = 50;
    ButtonColour colour_[MAX_CONSOLE_CONTROLS] = {};
    int position_[MAX_CONSOLE_CONTROLS] = {};
    char caption_[MAX_CONSOLE_CONTROLS][CAPTION_SIZE] = {};
};
