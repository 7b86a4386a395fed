// Translation of ncurses key codes and escape sequences.
#include "terminal_keys.h"

#include <cstdio>
#include <cstring>
#include <curses.h>
#include <string>
#include <string_view>

namespace zped::terminal {

namespace {
constexpr int F(int n) {
    return vk::F1 + n - 1;
}

// Key codes of our own sequences: the virtual key and the xterm modifier bits; the marks of a
// bracketed paste.
constexpr int kOwnCodes = 1024;
constexpr int kPasteStart = kOwnCodes - 2;
constexpr int kPasteEnd = kOwnCodes - 1;
constexpr std::string_view kPasteEndMark = "\033[201~";
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

KeyEvent from_code(int code) {
    KeyEvent event;
    if (code >= kOwnCodes && code < kOwnCodes + 256 * 16) {
        int bits = (code - kOwnCodes) % 16;
        event.input.combo = {(code - kOwnCodes) / 16, (bits & 1) != 0, (bits & 4) != 0,
                             (bits & 2) != 0};
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
    if (code < 128) {
        event.input = key_of_typed(std::string(1, static_cast<char>(code)));
        event.none = event.input.combo.key == 0 && event.input.typed.empty();
        return event;
    }
    std::optional<KeyCombo> key = curses_key(code);
    if (!key)
        event.none = true;
    else
        event.input.combo = *key;
    return event;
}

// The bytes that follow at once (a character's continuation bytes, a paste's text).
int next_byte(int wait_ms) {
    timeout(wait_ms);
    int ch = getch();
    return ch;
}

// The rest of a UTF-8 character whose first byte was `lead`; an invalid byte stays alone.
KeyEvent utf8_character(int lead) {
    KeyEvent event;
    std::string bytes(1, static_cast<char>(lead));
    int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    for (int i = 1; i < length; ++i) {
        int ch = next_byte(50);
        if (ch == ERR) break;
        if (ch < 0x80 || ch > 0xBF) {
            ungetch(ch);
            break;
        }
        bytes += static_cast<char>(ch);
    }
    event.input.typed = bytes;
    return event;
}

// The pasted text up to the end mark, read raw so that no byte of it is taken for a key.
KeyEvent pasted_text() {
    KeyEvent event;
    event.paste = true;
    keypad(stdscr, FALSE);
    for (;;) {
        int ch = next_byte(2000);
        if (ch == ERR) break; // the end mark never came: keep what arrived
        event.pasted += static_cast<char>(ch);
        if (event.pasted.size() >= kPasteEndMark.size() &&
            std::string_view(event.pasted).substr(event.pasted.size() - kPasteEndMark.size()) ==
                kPasteEndMark) {
            event.pasted.resize(event.pasted.size() - kPasteEndMark.size());
            break;
        }
    }
    keypad(stdscr, TRUE);
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
    define("\033[200~", kPasteStart);
    define(std::string(kPasteEndMark), kPasteEnd);
    for (const auto& [number, key] : tildes) {
        define("\033[" + std::to_string(number) + "~", own_code(key, 0));
        for (int m = 2; m <= 8; ++m)
            define("\033[" + std::to_string(number) + ";" + std::to_string(m) + "~",
                   own_code(key, m - 1));
    }
}

KeyEvent translate_key(int first) {
    if (first == kPasteStart) {
        KeyEvent event = pasted_text();
        timeout(-1);
        return event;
    }
    if (first == kPasteEnd) {
        KeyEvent event;
        event.none = true;
        return event;
    }
    if (first >= 0x80 && first <= 0xFF) {
        KeyEvent event = utf8_character(first);
        timeout(-1);
        return event;
    }
    if (first != 27) return from_code(first);
    // Esc alone, or Esc followed at once by a key: Alt+key.
    nodelay(stdscr, TRUE);
    int next = getch();
    nodelay(stdscr, FALSE);
    if (next == ERR) return from_code(27);
    KeyEvent event = from_code(next);
    if (event.none || event.mouse || event.resize) return event;
    event.input.typed.clear();
    event.input.combo.alt = true;
    return event;
}

void set_bracketed_paste(bool on) {
    std::fputs(on ? "\033[?2004h" : "\033[?2004l", stdout);
    std::fflush(stdout);
}

} // namespace zped::terminal
