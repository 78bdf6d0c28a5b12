#include "controls/virtual_keys.h"

#include <cstdio>

namespace {

struct KeyName {
    int code;
    const char* name;
};

// Every code the keyboard mapping produces that is not a letter, a digit, a
// keypad digit or a function key (those are named by rule below).
constexpr KeyName NAMES[] = {
    {8, "Backspace"},     {9, "Tab"},     {12, "Clear"},  {13, "Enter"},
    {16, "Shift"},        {17, "Ctrl"},   {18, "Alt"},    {19, "Pause"},
    {20, "Caps Lock"},    {27, "Escape"}, {32, "Space"},  {33, "Page Up"},
    {34, "Page Down"},    {35, "End"},    {36, "Home"},   {37, "Left"},
    {38, "Up"},           {39, "Right"},  {40, "Down"},   {44, "Print Screen"},
    {45, "Insert"},       {46, "Delete"}, {106, "Num *"}, {107, "Num +"},
    {109, "Num -"},       {110, "Num ."}, {111, "Num /"}, {144, "Num Lock"},
    {145, "Scroll Lock"}, {186, ";"},     {187, "="},     {188, ","},
    {189, "-"},           {190, "."},     {191, "/"},     {192, "`"},
    {219, "["},           {220, "\\"},    {221, "]"},     {222, "'"},
};

constexpr int LETTER_A = 'A', LETTER_Z = 'Z';
constexpr int DIGIT_0 = '0', DIGIT_9 = '9';
constexpr int KEYPAD_0 = 0x60, KEYPAD_9 = 0x69;
constexpr int FUNCTION_1 = 0x70, FUNCTION_24 = 0x87;

// Names made by rule, kept for the whole run so callers may hold the pointer.
struct RuleNames {
    char letters[26][2];
    char digits[10][2];
    char keypad[10][6];
    char function[24][4];
    RuleNames() {
        for (int k = 0; k < 26; ++k) std::snprintf(letters[k], sizeof letters[k], "%c", 'A' + k);
        for (int k = 0; k < 10; ++k) {
            std::snprintf(digits[k], sizeof digits[k], "%c", '0' + k);
            std::snprintf(keypad[k], sizeof keypad[k], "Num %d", k);
        }
        for (int k = 0; k < 24; ++k) std::snprintf(function[k], sizeof function[k], "F%d", k + 1);
    }
};

const RuleNames& Rules() {
    static const RuleNames names;
    return names;
}

}  // namespace

const char* VirtualKeyName(int code) {
    if (code >= LETTER_A && code <= LETTER_Z) return Rules().letters[code - LETTER_A];
    if (code >= DIGIT_0 && code <= DIGIT_9) return Rules().digits[code - DIGIT_0];
    if (code >= KEYPAD_0 && code <= KEYPAD_9) return Rules().keypad[code - KEYPAD_0];
    if (code >= FUNCTION_1 && code <= FUNCTION_24) return Rules().function[code - FUNCTION_1];
    for (const KeyName& key : NAMES) {
        if (key.code == code) return key.name;
    }
    return nullptr;
}

void DescribeVirtualKey(int code, char* out, std::size_t size) {
    if (size == 0) return;
    const char* name = VirtualKeyName(code);
    if (name) {
        std::snprintf(out, size, "%s", name);
    } else {
        std::snprintf(out, size, "code %d", code);
    }
}
