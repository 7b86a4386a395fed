// The search commands: FindText and ReplaceText with their dialogs, and FindNextText, which
// repeats the last of them from the cursor without a dialog.
#pragma once

#include "editor/search_state.h"

namespace zped {

class EditorSession;
struct Dialog;
struct EditBuffer;

// The "Find Text" and "Replace Text" dialogs filled from the state, with the proposed text.
Dialog find_dialog(const SearchState& state, const std::string& proposal);
Dialog replace_dialog(const SearchState& state, const std::string& proposal);
// Takes what the user entered into the state.
void take_find_dialog(const Dialog& dialog, SearchState& state);
void take_replace_dialog(const Dialog& dialog, SearchState& state);

// Searches the buffer for the state's text; the cursor moves to the match. 0 when found.
int find_in_buffer(EditBuffer& buffer, const SearchState& state, bool repeated);
// Replaces the first match, or all of them, asking about each when the state says so.
// Returns the number of replacements, or -1 when no match was found.
int replace_in_buffer(EditBuffer& buffer, const SearchState& state, bool repeated);

int find_text(EditorSession& session);
int find_next_text(EditorSession& session);
int replace_text(EditorSession& session);

} // namespace zped
