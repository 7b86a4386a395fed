// Translation of ncurses key codes and escape sequences.
#include "terminal_keys.h"

#include <cstring>
#include <curses.h>
#include <string>

namespace zped::terminal {

namespace {
constexpr int F(int n) {
    return vk::F1 + n - 1;
}

// Key codes of our own sequences: the virtual key and the xterm modifier bits.
constexpr int kOwnCodes = 1024;
int own_code(int key, int bits) {
    return kOwnCodes + key * 16 + bits;
}

void define(const std::string& sequence, int code) {
    if (key_defined(sequence.c_str()) == 0) define_key(sequence.c_str(), code);
}

KeyCombo with_modifier_digit(int key, int digit) {
    // xterm modifier parameter: 1 + (shift 1, alt 2, ctrl 4).
    int bits = digit - 1;
    return {key, (bits & 1) != 0, (bits & 4) != 0, (bits & 2) != 0};
}

// Extended names such as "kUP5" (Ctrl+Up) or "kDC2" (Shift+Delete).
std::optional<KeyCombo> extended_key(int code) {
    const char* name = keyname(code);
    if (!name || name[0] != 'k') return std::nullopt;
    std::string text(name);
    if (text.size() < 3 || text.back() < '2' || text.back() > '8') return std::nullopt;
    int digit = text.back() - '0';
    std::string base = text.substr(0, text.size() - 1);
    static const std::pair<const char*, int> bases[] = {
        {"kUP", vk::Up},    {"kDN", vk::Down}, {"kLFT", vk::Left}, {"kRIT", vk::Right},
        {"kHOM", vk::Home}, {"kEND", vk::End}, {"kNXT", vk::PgDn}, {"kPRV", vk::PgUp},
        {"kDC", vk::Del},   {"kIC", vk::Ins},
    };
    for (const auto& [prefix, key] : bases)
        if (base == prefix) return with_modifier_digit(key, digit);
    return std::nullopt;
}

std::optional<KeyCombo> curses_key(int code) {
    if (code >= KEY_F(1) && code <= KEY_F(63)) {
        int n = code - KEY_F(0);
        if (n <= 12) return KeyCombo{F(n)};
        if (n <= 24) return KeyCombo{F(n - 12), true};
        if (n <= 36) return KeyCombo{F(n - 24), false, true};
        if (n <= 48) return KeyCombo{F(n - 36), true, true};
        if (n <= 60) return KeyCombo{F(n - 48), false, false, true};
        return KeyCombo{F(n - 60), true, false, true};
    }
    switch (code) {
    case KEY_UP:
        return KeyCombo{vk::Up};
    case KEY_DOWN:
        return KeyCombo{vk::Down};
    case KEY_LEFT:
        return KeyCombo{vk::Left};
    case KEY_RIGHT:
        return KeyCombo{vk::Right};
    case KEY_HOME:
        return KeyCombo{vk::Home};
    case KEY_END:
        return KeyCombo{vk::End};
    case KEY_PPAGE:
        return KeyCombo{vk::PgUp};
    case KEY_NPAGE:
        return KeyCombo{vk::PgDn};
    case KEY_IC:
        return KeyCombo{vk::Ins};
    case KEY_DC:
        return KeyCombo{vk::Del};
    case KEY_BACKSPACE:
        return KeyCombo{vk::BackSpace};
    case KEY_ENTER:
        return KeyCombo{vk::Enter};
    case KEY_BTAB:
        return KeyCombo{vk::Tab, true};
    case KEY_SR:
        return KeyCombo{vk::Up, true};
    case KEY_SF:
        return KeyCombo{vk::Down, true};
    case KEY_SLEFT:
        return KeyCombo{vk::Left, true};
    case KEY_SRIGHT:
        return KeyCombo{vk::Right, true};
    case KEY_SHOME:
        return KeyCombo{vk::Home, true};
    case KEY_SEND:
        return KeyCombo{vk::End, true};
    case KEY_SPREVIOUS:
        return KeyCombo{vk::PgUp, true};
    case KEY_SNEXT:
        return KeyCombo{vk::PgDn, true};
    case KEY_SDC:
        return KeyCombo{vk::Del, true};
    case KEY_SIC:
        return KeyCombo{vk::Ins, true};
    default:
        return extended_key(code);
    }
}

// A code below 32 or DEL, as the key it is.
std::optional<KeyCombo> control_key(int code) {
    switch (code) {
    case 8:
    case 127:
        return KeyCombo{vk::BackSpace};
    case 9:
        return KeyCombo{vk::Tab};
    case 10:
    case 13:
        return KeyCombo{vk::Enter};
    case 27:
        return KeyCombo{vk::Esc};
    default:
        if (code >= 1 && code <= 26) return KeyCombo{'A' + code - 1, false, true};
        return std::nullopt;
    }
}

KeyEvent from_code(int code) {
    KeyEvent event;
    if (code >= kOwnCodes && code < kOwnCodes + 256 * 16) {
        int bits = (code - kOwnCodes) % 16;
        event.combo = {(code - kOwnCodes) / 16, (bits & 1) != 0, (bits & 4) != 0, (bits & 2) != 0};
        return event;
    }
    if (code == KEY_MOUSE) {
        event.mouse = true;
        return event;
    }
    if (code == KEY_RESIZE) {
        event.resize = true;
        return event;
    }
    if (code >= 32 && code < 127) {
        event.typed = static_cast<char>(code);
        event.combo = key_of_character(event.typed).value_or(KeyCombo{});
        // A capital letter arrives typed with Shift.
        if (event.typed >= 'A' && event.typed <= 'Z') event.combo.shift = true;
        return event;
    }
    std::optional<KeyCombo> key = code < 128 ? control_key(code) : curses_key(code);
    if (!key)
        event.none = true;
    else
        event.combo = *key;
    return event;
}
} // namespace

void install_key_sequences() {
    const std::pair<char, int> letters[] = {
        {'A', vk::Up},  {'B', vk::Down}, {'C', vk::Right}, {'D', vk::Left}, {'H', vk::Home},
        {'F', vk::End}, {'P', F(1)},     {'Q', F(2)},      {'R', F(3)},     {'S', F(4)}};
    const std::pair<int, int> tildes[] = {{1, vk::Home}, {2, vk::Ins},  {3, vk::Del},  {4, vk::End},
                                          {5, vk::PgUp}, {6, vk::PgDn}, {7, vk::Home}, {8, vk::End},
                                          {11, F(1)},    {12, F(2)},    {13, F(3)},    {14, F(4)},
                                          {15, F(5)},    {17, F(6)},    {18, F(7)},    {19, F(8)},
                                          {20, F(9)},    {21, F(10)},   {23, F(11)},   {24, F(12)}};
    for (const auto& [letter, key] : letters) {
        define(std::string("\033[") + letter, own_code(key, 0));
        define(std::string("\033O") + letter, own_code(key, 0));
        for (int m = 2; m <= 8; ++m)
            define("\033[1;" + std::to_string(m) + letter, own_code(key, m - 1));
    }
    for (const auto& [number, key] : tildes) {
        define("\033[" + std::to_string(number) + "~", own_code(key, 0));
        for (int m = 2; m <= 8; ++m)
            define("\033[" + std::to_string(number) + ";" + std::to_string(m) + "~",
                   own_code(key, m - 1));
    }
}

KeyEvent translate_key(int first) {
    if (first != 27) return from_code(first);
    // Esc alone, or Esc followed at once by a key: Alt+key.
    nodelay(stdscr, TRUE);
    int next = getch();
    nodelay(stdscr, FALSE);
    if (next == ERR) return from_code(27);
    KeyEvent event = from_code(next);
    if (event.none || event.mouse || event.resize) return event;
    event.typed = 0;
    event.combo.alt = true;
    return event;
}

} // namespace zped::terminal
