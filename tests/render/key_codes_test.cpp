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
    // {Qt key, on the keypad, code}: shifted symbols share their key ("=" "+", "-" "_",
    // "," "<", "." ">", "/" "?"), the keypad has codes of its own, unknown keys give 0.
    const int keys[][3] = {{Qt::Key_F1, 0, KEY_F1},
                           {Qt::Key_F2, 0, KEY_F2},
                           {Qt::Key_F11, 0, KEY_F11},
                           {Qt::Key_F12, 0, KEY_F12},
                           {Qt::Key_Escape, 0, KEY_ESCAPE},
                           {Qt::Key_PageUp, 0, KEY_PAGE_UP},
                           {Qt::Key_PageDown, 0, KEY_PAGE_DOWN},
                           {Qt::Key_Equal, 0, KEY_EQUALS},
                           {Qt::Key_Plus, 0, KEY_EQUALS},
                           {Qt::Key_Minus, 0, KEY_MINUS},
                           {Qt::Key_Underscore, 0, KEY_MINUS},
                           {Qt::Key_Less, 0, KEY_COMMA},
                           {Qt::Key_Greater, 0, KEY_PERIOD},
                           {Qt::Key_Question, 0, KEY_SLASH},
                           {Qt::Key_Exclam, 0, '1'},
                           {Qt::Key_Plus, 1, 107},
                           {Qt::Key_Minus, 1, 109},
                           {Qt::Key_5, 1, 0x65},
                           {Qt::Key_5, 0, '5'},
                           {Qt::Key_unknown, 0, 0},
                           {Qt::Key_VolumeUp, 0, 0}};
    for (const auto& k : keys) EXPECT_EQ(VirtualKeyFromQt(k[0], k[1] != 0), k[2]) << k[0];
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
