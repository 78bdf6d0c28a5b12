#include "render/key_codes.h"

#include <gtest/gtest.h>

#include <Qt>

#include "controls/key_bindings.h"
#include "controls/key_dispatch.h"
#include "controls/virtual_keys.h"

namespace {

// The codes the settings file stores come out of the keys a user presses.
TEST(KeyCodes, KeysMapToTheirVirtualKeyCodes) {
    const int letters[] = {Qt::Key_U, Qt::Key_O, Qt::Key_I, Qt::Key_W, Qt::Key_X,
                           Qt::Key_S, Qt::Key_R, Qt::Key_V, Qt::Key_F, Qt::Key_E,
                           Qt::Key_C, Qt::Key_D, Qt::Key_J, Qt::Key_L, Qt::Key_K};
    for (int slot = 0; slot < KEY_SLOTS_CONSULTED; ++slot)
        EXPECT_EQ(VirtualKeyFromQt(letters[slot], false), DEFAULT_KEY_BINDINGS[slot]) << slot;
    // Shifted symbols share their key ("=" "+", "-" "_", "," "<", "." ">", "/" "?"), the
    // keypad has codes of its own (the last three), unknown keys give 0.
    const int qtKeys[] = {Qt::Key_F1,       Qt::Key_F11,        Qt::Key_F12,   Qt::Key_Escape,
                          Qt::Key_PageUp,   Qt::Key_PageDown,   Qt::Key_Equal, Qt::Key_Plus,
                          Qt::Key_Minus,    Qt::Key_Underscore, Qt::Key_Less,  Qt::Key_Greater,
                          Qt::Key_Question, Qt::Key_Exclam,     Qt::Key_5,     Qt::Key_unknown,
                          Qt::Key_VolumeUp, Qt::Key_Plus,       Qt::Key_Minus, Qt::Key_5};
    const int codes[] = {KEY_F1,     KEY_F11,    KEY_F12,   KEY_ESCAPE, KEY_PAGE_UP, KEY_PAGE_DOWN,
                         KEY_EQUALS, KEY_EQUALS, KEY_MINUS, KEY_MINUS,  KEY_COMMA,   KEY_PERIOD,
                         KEY_SLASH,  '1',        '5',       0,          0,           107,
                         109,        0x65};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(VirtualKeyFromQt(qtKeys[i], i >= 17), codes[i]) << qtKeys[i];
}

// The Keys dialog names every code a key press can give.
TEST(KeyCodes, EveryCodeAKeyGivesHasAName) {
    for (int key = 0; key < 0x200; ++key) {
        const int qtKey = key < 0x100 ? key : Qt::Key_Escape + key - 0x100;
        for (bool keypad : {false, true}) {
            const int code = VirtualKeyFromQt(qtKey, keypad);
            EXPECT_TRUE(code == 0 || VirtualKeyName(code) != nullptr) << qtKey << " " << code;
        }
    }
}

}  // namespace
