// The key-name list and the US keyboard's character keys.
#include "editor/key_names.h"

#include <array>
#include <cstring>

namespace zped {

namespace {
struct KeyName {
    const char* name;
    int code;
};

// clang-format off
const KeyName kNames[] = {
    {"Esc", 27}, {"Enter", 13}, {"Space", 32}, {"BkSp", 8}, {"BackSpace", 8}, {"Tab", 9},
    {"Up", 38}, {"Down", 40}, {"Left", 37}, {"Right", 39}, {"PgUp", 33}, {"PgDn", 34},
    {"Home", 36}, {"End", 35}, {"Ins", 45}, {"Insert", 45}, {"Del", 46}, {"Delete", 46},
    {"GrayPlus", 107}, {"GrayMinus", 109}, {"GrayEnter", 43}, {"GraySlash", 111},
    {"GrayStar", 106}, {"NumDOT", 110},
};

// Character keys of the US layout besides letters and digits: unshifted, shifted, code.
struct CharacterKey { char plain; char shifted; int code; };
const CharacterKey kCharacterKeys[] = {
    {';', ':', 186}, {'=', '+', 187}, {',', '<', 188}, {'-', '_', 189}, {'.', '>', 190},
    {'/', '?', 191}, {'`', '~', 192}, {'[', '{', 219}, {'\\', '|', 220}, {']', '}', 221},
    {'\'', '"', 222},
};
const char kShiftedDigits[] = ")!@#$%^&*("; // Shift+0 .. Shift+9
// clang-format on
} // namespace

std::optional<int> key_code_of_name(std::string_view name) {
    if (name.size() >= 2 && name[0] == 'F' &&
        name.find_first_not_of("0123456789", 1) == std::string_view::npos && name.size() <= 3) {
        int n = std::stoi(std::string(name.substr(1)));
        if (n >= 1 && n <= 24 && name[1] != '0') return 111 + n;
        return std::nullopt;
    }
    if (name.size() == 4 && name.substr(0, 3) == "Num" && name[3] >= '0' && name[3] <= '9')
        return 96 + (name[3] - '0');
    for (const KeyName& k : kNames)
        if (name == k.name) return k.code;
    return std::nullopt;
}

std::string key_name_of_code(int code) {
    // Appended rather than concatenated: GCC 12 warns falsely about operator+ here at -O3.
    std::string name;
    if (code >= 112 && code <= 135) return name.append("F").append(std::to_string(code - 111));
    if (code >= 96 && code <= 105) return name.append("Num").append(std::to_string(code - 96));
    for (const KeyName& k : kNames)
        if (k.code == code) return k.name;
    return {};
}

std::optional<KeyCombo> key_of_character(char ch) {
    if (ch >= 'a' && ch <= 'z') return KeyCombo{ch - 'a' + 'A'};
    if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')) return KeyCombo{ch};
    if (ch == ' ') return KeyCombo{vk::Space};
    if (const char* digit = std::strchr(kShiftedDigits, ch); digit && ch)
        return KeyCombo{'0' + static_cast<int>(digit - kShiftedDigits), true};
    for (const CharacterKey& k : kCharacterKeys) {
        if (ch == k.plain) return KeyCombo{k.code};
        if (ch == k.shifted) return KeyCombo{k.code, true};
    }
    return std::nullopt;
}

char character_of_key(int code) {
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return static_cast<char>(code);
    for (const CharacterKey& k : kCharacterKeys)
        if (code == k.code) return k.plain;
    return 0;
}

std::string combo_text(const KeyCombo& combo, bool blanks) {
    std::string text;
    if (combo.ctrl) text += blanks ? "Ctrl " : "Ctrl+";
    if (combo.shift) text += blanks ? "Shift " : "Shift+";
    if (combo.alt) text += blanks ? "Alt " : "Alt+";
    std::string name = key_name_of_code(combo.key);
    if (name.empty()) {
        char ch = character_of_key(combo.key);
        if (ch) name = std::string(1, ch);
    }
    return text + name;
}

std::optional<KeyCombo> terminal_stand_in(const KeyCombo& d) {
    bool digit = d.key >= '0' && d.key <= '9';
    bool letter = d.key >= 'A' && d.key <= 'Z';
    if (digit && d.alt && !d.ctrl) return KeyCombo{d.key, d.shift, true, false};
    if (letter && d.alt && d.ctrl && !d.shift) return KeyCombo{d.key, true, true, false};
    return std::nullopt;
}

} // namespace zped
