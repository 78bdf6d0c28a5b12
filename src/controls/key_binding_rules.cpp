#include "controls/key_binding_rules.h"

#include <cstdio>
#include <cstring>

#include "controls/key_bindings.h"
#include "controls/key_dispatch.h"
#include "controls/virtual_keys.h"
#include "document/document.h"
#include "document/settings_file.h"

namespace {

constexpr const char* ACTION_NAMES[KEY_BINDING_COUNT] = {
    "Bow thruster to port",
    "Bow thruster to starboard",
    "Bow thruster off",
    "Port engine ahead",
    "Port engine astern",
    "Port engine neutral",
    "Starboard engine ahead",
    "Starboard engine astern",
    "Starboard engine neutral",
    "Both engines ahead",
    "Both engines astern",
    "Both engines neutral",
    "Rudder to port",
    "Rudder to starboard",
    "Rudder amidships",
    "Run / Pause",
    "Stop & Reset",
};

constexpr int KEY_SHIFT = 16, KEY_CTRL = 17, KEY_ALT = 18;
constexpr int KEY_CAPS_LOCK = 20, KEY_NUM_LOCK = 144, KEY_SCROLL_LOCK = 145;

struct FixedKey {
    int code;
    const char* meaning;
};

constexpr FixedKey FIXED_KEYS[] = {
    {KEY_ESCAPE, "ends the program"},
    {KEY_F1, "runs and pauses the simulation in the main view"},
    {KEY_F2, "stops the simulation and resets the boat in the main view"},
    {KEY_PAGE_UP, "moves the camera farther away"},
    {KEY_PAGE_DOWN, "brings the camera closer"},
    {KEY_F11, "puts the boat at the dock's start pose while paused"},
    {KEY_F12, "makes the boat's present place the start pose while paused"},
    {KEY_EQUALS, "widens the view"},
    {KEY_MINUS, "narrows the view"},
    {KEY_COMMA, "is kept free and does nothing"},
    {KEY_PERIOD, "is kept free and does nothing"},
    {KEY_SLASH, "is kept free and does nothing"},
    {KEY_SHIFT, "changes what the mouse wheel does"},
    {KEY_CTRL, "changes what the mouse wheel does and starts the menu shortcuts"},
    {KEY_ALT, "opens the menus"},
    {KEY_CAPS_LOCK, "is a lock key"},
    {KEY_NUM_LOCK, "is a lock key"},
    {KEY_SCROLL_LOCK, "is a lock key"},
};

bool IsSlot(int slot) {
    return slot >= 0 && slot < KEY_BINDING_COUNT;
}

BindingCheck Refusal(BindingVerdict verdict, int otherSlot = -1) {
    BindingCheck check = {verdict, otherSlot, {}};
    return check;
}

}  // namespace

const char* KeyActionName(int slot) {
    return IsSlot(slot) ? ACTION_NAMES[slot] : "";
}

KeySlotUse KeySlotUseOn(const BoatRecord& boat, int slot) {
    if (slot >= KEY_SLOTS_CONSULTED) return KeySlotUse::StoredOnly;
    if (slot <= KEY_SLOT_THRUSTER_OFF) {
        return boat.hasBowThruster ? KeySlotUse::Applies : KeySlotUse::NotOnThisBoat;
    }
    if (slot <= KEY_SLOT_STARBOARD_NEUTRAL) {
        return boat.engineCount >= 2 ? KeySlotUse::Applies : KeySlotUse::NotOnThisBoat;
    }
    return KeySlotUse::Applies;
}

const char* FixedKeyMeaning(int code) {
    for (const FixedKey& key : FIXED_KEYS) {
        if (key.code == code) return key.meaning;
    }
    return nullptr;
}

BindingCheck CheckKeyBinding(const std::int32_t (&bindings)[KEY_BINDING_COUNT], int slot,
                             int code) {
    BindingCheck check = Refusal(BindingVerdict::Accepted);
    const char* name = VirtualKeyName(code);
    if (!IsSlot(slot) || slot >= KEY_SLOTS_CONSULTED) {
        check = Refusal(BindingVerdict::StoredOnlySlot);
        std::snprintf(check.message, sizeof check.message,
                      "\"%s\" is always %s in the main view and cannot be changed.",
                      KeyActionName(slot), slot == KEY_SLOT_RUN ? "F1" : "F2");
    } else if (name == nullptr) {
        check = Refusal(BindingVerdict::NoKey);
        std::snprintf(check.message, sizeof check.message, "That key cannot be bound.");
    } else if (const char* meaning = FixedKeyMeaning(code)) {
        check = Refusal(BindingVerdict::FixedKey);
        std::snprintf(check.message, sizeof check.message, "%s cannot be bound: it %s.", name,
                      meaning);
    } else {
        for (int other = 0; other < KEY_SLOTS_CONSULTED; ++other) {
            if (other == slot || bindings[other] != code) continue;
            check = Refusal(BindingVerdict::HeldByOtherSlot, other);
            std::snprintf(check.message, sizeof check.message, "%s is already bound to \"%s\".",
                          name, KeyActionName(other));
            break;
        }
    }
    return check;
}

KeyBindingDraft DraftFromSettings(const CKLVNDoc& doc) {
    KeyBindingDraft draft;
    std::memcpy(draft.bindings, doc.settings.keyBindings, sizeof draft.bindings);
    return draft;
}

KeyBindingDraft DefaultKeyDraft() {
    KeyBindingDraft draft;
    std::memcpy(draft.bindings, DEFAULT_KEY_BINDINGS, sizeof draft.bindings);
    return draft;
}

BindingCheck ProposeBinding(KeyBindingDraft& draft, int slot, int code) {
    const BindingCheck check = CheckKeyBinding(draft.bindings, slot, code);
    if (check.verdict == BindingVerdict::Accepted) draft.bindings[slot] = code;
    return check;
}

void AcceptKeyBindings(CKLVNDoc& doc, const KeyBindingDraft& draft) {
    std::memcpy(doc.settings.keyBindings, draft.bindings, sizeof draft.bindings);
    SaveSettings(doc);
}
