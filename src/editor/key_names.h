// Keys as the accelerator tables name them: virtual-key codes, the key-name list of the
// accelerator file, and the keys that type single characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zped {

struct KeyCombo {
    int key = 0; // virtual-key code
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool operator==(const KeyCombo&) const = default;
};

// Virtual-key codes the editor itself refers to.
namespace vk {
inline constexpr int BackSpace = 8, Tab = 9, Enter = 13, Esc = 27, Space = 32, PgUp = 33, PgDn = 34,
                     End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Ins = 45,
                     Del = 46, F1 = 112;
}

// The code of a name in the key-name list ("F1" .. "F24", "Esc", "Enter", ...).
std::optional<int> key_code_of_name(std::string_view name);
// The first name of the list for a code, or empty.
std::string key_name_of_code(int code);

// The key that types a character, with Shift when the character needs it (lower-case letters
// are their capitals; capitals need no Shift).
std::optional<KeyCombo> key_of_character(char ch);
// The character a key types without Shift, or 0.
char character_of_key(int code);

// "Ctrl+", "Shift+", "Alt+" (in this order) and the key's name or character; with
// `blanks` the prefixes are "Ctrl ", "Shift ", "Alt " (the accelerator dialog's form).
std::string combo_text(const KeyCombo& combo, bool blanks = false);

// What stands in for a combination a terminal cannot deliver, tried when the delivered one has
// no accelerator: Alt+digit for Ctrl+digit, Alt+Shift+digit for Ctrl+Shift+digit, and
// Ctrl+Alt+letter for Ctrl+Shift+letter.
std::optional<KeyCombo> terminal_stand_in(const KeyCombo& delivered);

} // namespace zped
