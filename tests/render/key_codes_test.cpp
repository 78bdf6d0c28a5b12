#include "render/key_codes.h"

#include <gtest/gtest.h>

#include <Qt>

#include "controls/key_bindings.h"
#include "controls/key_dispatch.h"
#include "controls/virtual_keys.h"

namespace {

// The codes the settings file stores come out of the keys a user presses.
TEST(KeyCodes, BoundKeysAndFixedKeysMapToTheirVirtualKeyCodes) {
    const int letters[] = {Qt::Key_U, Qt::Key_O, Qt::Key_I, Qt::Key_W, Qt::Key_X,
                           Qt::Key_S, Qt::Key_R, Qt::Key_V, Qt::Key_F, Qt::Key_E,
                           Qt::Key_C, Qt::Key_D, Qt::Key_J, Qt::Key_L, Qt::Key_K};
    for (int slot = 0; slot < KEY_SLOTS_CONSULTED; ++slot) {
        EXPECT_EQ(VirtualKeyFromQt(letters[slot], false), DEFAULT_KEY_BINDINGS[slot]) << slot;
    }
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F1, false), KEY_F1);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F2, false), KEY_F2);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F11, false), KEY_F11);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F12, false), KEY_F12);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Escape, false), KEY_ESCAPE);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_PageUp, false), KEY_PAGE_UP);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_PageDown, false), KEY_PAGE_DOWN);
}

TEST(KeyCodes, ShiftedSymbolsShareTheirKeyAndTheKeypadHasItsOwn) {
    // "=" and "+" are one key, "-" and "_" another, as are "," "<", "." ">", "/" "?".
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Equal, false), KEY_EQUALS);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Plus, false), KEY_EQUALS);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus, false), KEY_MINUS);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Underscore, false), KEY_MINUS);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Less, false), KEY_COMMA);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Greater, false), KEY_PERIOD);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Question, false), KEY_SLASH);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Exclam, false), '1');
    // The keypad's plus and minus are not the zoom keys.
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Plus, true), 107);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus, true), 109);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_5, true), 0x65);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_5, false), '5');
    // Keys without a code are left alone.
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_unknown, false), 0);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_VolumeUp, false), 0);
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
