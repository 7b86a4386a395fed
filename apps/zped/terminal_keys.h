// What the terminal delivers, translated into the key combinations of the accelerator tables:
// Ctrl+letter as control codes, Alt+key as Esc followed by the key, function and cursor keys
// with their xterm modifier forms. Combinations a terminal cannot deliver have stand-ins.
#pragma once

#include "editor/key_dispatch.h"

#include <optional>
#include <string>
#include <vector>

namespace zped::terminal {

struct KeyEvent {
    KeyInput input;     // the key, and the character it types (UTF-8) without Ctrl or Alt
    bool mouse = false; // the event is a mouse event (read it with getmouse)
    bool resize = false;
    bool paste = false; // the terminal pasted `pasted` (bracketed paste)
    std::string pasted;
    bool none = false; // nothing usable
    const KeyCombo& combo() const { return input.combo; }
};

// Teaches ncurses the xterm and vt220 sequences of cursor, editing and function keys with and
// without modifiers, whatever the terminal description says, so that the same keys work in
// xterm, tmux, screen and the Linux console.
void install_key_sequences();

// Reads the rest of an event that began with `first` (an ncurses key code): the other bytes of
// a UTF-8 character, the key after Esc, or the text of a paste up to its end mark.
KeyEvent translate_key(int first);

// Switches the terminal's bracketed paste on or off: pasted text then arrives between marks,
// so that it is inserted as text, not typed key by key.
void set_bracketed_paste(bool on);

} // namespace zped::terminal
