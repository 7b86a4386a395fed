// What the terminal delivers, translated into the key combinations of the accelerator tables:
// Ctrl+letter as control codes, Alt+key as Esc followed by the key, function and cursor keys
// with their xterm modifier forms. Combinations a terminal cannot deliver have stand-ins.
#pragma once

#include "editor/key_names.h"

#include <optional>
#include <vector>

namespace zped::terminal {

struct KeyEvent {
    KeyCombo combo;
    char typed = 0;     // a printable character without Ctrl or Alt
    bool mouse = false; // the event is a mouse event (read it with getmouse)
    bool resize = false;
    bool none = false; // nothing usable
};

// Teaches ncurses the xterm and vt220 sequences of cursor, editing and function keys with and
// without modifiers, whatever the terminal description says, so that the same keys work in
// xterm, tmux, screen and the Linux console.
void install_key_sequences();

// Reads the rest of an event that began with `first` (an ncurses key code).
KeyEvent translate_key(int first);

} // namespace zped::terminal
