// What a key does in an edit window, for every front end: its accelerator first (or that of the
// combination a terminal delivers in its place), then the cursor, deletion and typing keys.
#pragma once

#include "editor/key_names.h"

#include <string>

namespace zped {

class EditorSession;

struct KeyInput {
    KeyCombo combo;
    std::string typed; // the character the key types (UTF-8 bytes), empty for none
};

// Runs the command mapped to the key, or to its terminal stand-in; false when there is none.
bool run_accelerator(EditorSession& session, const KeyCombo& combo);

// Cursor movement (with Shift: extending the selection), deletion, Insert, Enter, Tab and typed
// characters on the active buffer; false when the key means nothing there.
bool handle_editing_key(EditorSession& session, const KeyInput& key);

// The accelerator, else the editing key.
bool dispatch_key(EditorSession& session, const KeyInput& key);

// What a terminal delivers for a typed byte or character: the key and, for printable text, the
// character. Control bytes become their keys (Enter, Tab, Esc, BackSpace, Ctrl+letter).
KeyInput key_of_typed(std::string_view character);

} // namespace zped
