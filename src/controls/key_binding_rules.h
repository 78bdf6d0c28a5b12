#pragma once

#include <cstdint>

#include "document/settings_record.h"

struct BoatRecord;
struct CKLVNDoc;

// The action of a key binding slot in words ("Port engine ahead").
const char* KeyActionName(int slot);

// Whether a slot's action can act on a boat: thruster keys need a thruster,
// the single-engine keys a twin; the last two slots are only stored, as the
// main view runs and resets on F1 and F2 whatever they hold.
enum class KeySlotUse { Applies, NotOnThisBoat, StoredOnly };
KeySlotUse KeySlotUseOn(const BoatRecord& boat, int slot);

// What a key does that no binding can take from it, or null when it is free:
// the camera, start-pose and view-angle keys, Escape, F1 and F2, the
// modifiers (they change what the mouse wheel does) and the lock keys.
const char* FixedKeyMeaning(int code);

enum class BindingVerdict {
    Accepted,
    StoredOnlySlot,   // the slot is not the user's to change
    NoKey,            // a code no key produces
    FixedKey,         // FixedKeyMeaning says what the key does
    HeldByOtherSlot,  // otherSlot holds it; bindings are never swapped silently
};

struct BindingCheck {
    BindingVerdict verdict;
    int otherSlot;      // for HeldByOtherSlot, else -1
    char message[160];  // what the user is told when it is refused, else empty
};

// Whether code may be bound to slot, given what every slot holds now. Only the
// slots the key dispatch consults count as holding a key.
BindingCheck CheckKeyBinding(const std::int32_t (&bindings)[KEY_BINDING_COUNT], int slot, int code);

// The bindings being edited, apart from the document until they are accepted.
struct KeyBindingDraft {
    std::int32_t bindings[KEY_BINDING_COUNT];
};
KeyBindingDraft DraftFromSettings(const CKLVNDoc& doc);
KeyBindingDraft DefaultKeyDraft();
// Binds code to slot when the check accepts it; the draft is unchanged otherwise.
BindingCheck ProposeBinding(KeyBindingDraft& draft, int slot, int code);
// Writes the draft into the settings record and the settings file at once.
void AcceptKeyBindings(CKLVNDoc& doc, const KeyBindingDraft& draft);
