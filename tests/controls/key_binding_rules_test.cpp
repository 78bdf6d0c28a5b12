#include "controls/key_binding_rules.h"

#include <gtest/gtest.h>

#include "control_test_doc.h"
#include "controls/key_dispatch.h"
#include "controls/virtual_keys.h"
#include "document/settings_file.h"

namespace {

TEST(KeyBindingRules, RefusesFixedHeldAndStoredOnlyAndNeverSwaps) {
    struct Case {
        int slot, code;
        BindingVerdict verdict;
        const char* message;
    };
    const Case cases[] = {
        {KEY_SLOT_PORT_AHEAD, 'Q', BindingVerdict::Accepted, ""},
        {KEY_SLOT_PORT_AHEAD, 'G', BindingVerdict::Accepted, ""},  // only a stored slot holds it
        {KEY_SLOT_PORT_AHEAD, 'E', BindingVerdict::HeldByOtherSlot,
         "E is already bound to \"Both engines ahead\"."},
        {KEY_SLOT_PORT_AHEAD, KEY_PAGE_UP, BindingVerdict::FixedKey,
         "Page Up cannot be bound: it moves the camera farther away."},
        {KEY_SLOT_RUDDER_PORT, KEY_F1, BindingVerdict::FixedKey,
         "F1 cannot be bound: it runs and pauses the simulation in the main view."},
        {KEY_SLOT_RUDDER_PORT, 16, BindingVerdict::FixedKey,
         "Shift cannot be bound: it changes what the mouse wheel does."},
        {KEY_SLOT_RUDDER_PORT, 300, BindingVerdict::NoKey, "That key cannot be bound."},
        {KEY_SLOT_RUN, 'Q', BindingVerdict::StoredOnlySlot,
         "\"Run / Pause\" is always F1 in the main view and cannot be changed."},
    };
    for (const Case& c : cases) {
        KeyBindingDraft draft = DefaultKeyDraft();
        draft.bindings[KEY_SLOT_RESET] = 'G';
        const BindingCheck check = ProposeBinding(draft, c.slot, c.code);
        SCOPED_TRACE(c.code);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_STREQ(check.message, c.message);
        const bool taken = c.verdict == BindingVerdict::Accepted;
        EXPECT_EQ(draft.bindings[c.slot], taken ? c.code : DEFAULT_KEY_BINDINGS[c.slot]);
        EXPECT_EQ(draft.bindings[KEY_SLOT_BOTH_AHEAD], 'E');
    }
}

TEST(KeyBindingRules, UnknownCodeLoadsNeverFiresAndShowsAsCode) {
    ControlTestDoc t(2, false);
    t.doc.settings.keyBindings[KEY_SLOT_PORT_AHEAD] = 300;
    std::uint8_t bytes[SETTINGS_RECORD_SIZE];
    SettingsRecordToBytes(t.doc.settings, bytes);
    SettingsRecord settings = {};
    EXPECT_EQ(DecodeSettingsFile(bytes, sizeof bytes, settings), SETTINGS_FILE_LOADED);
    EXPECT_EQ(settings.keyBindings[KEY_SLOT_PORT_AHEAD], 300);
    HandleControlKey(t.doc, 'W');
    EXPECT_EQ(t.notch(0), NOTCH_NEUTRAL);
    char name[16];
    DescribeVirtualKey(300, name, sizeof name);
    EXPECT_STREQ(name, "code 300");
    EXPECT_EQ(KeySlotUseOn(t.doc.boat, KEY_SLOT_THRUSTER_OFF), KeySlotUse::NotOnThisBoat);
    t.doc.boat.engineCount = 1;
    EXPECT_EQ(KeySlotUseOn(t.doc.boat, KEY_SLOT_STARBOARD_NEUTRAL), KeySlotUse::NotOnThisBoat);
}

}  // namespace
