// Finding a text in an edit buffer, byte by byte: a match at a position (case or ASCII case
// ignored, whole words), and scans forward and backward from a start position to a limit. A
// match never spans a line break.
#pragma once

#include "editor/edit_buffer.h"
#include "editor/search_state.h"

#include <optional>
#include <string_view>

namespace zped {

struct MatchRule {
    std::string_view text;
    bool case_sensitive = false;
    bool whole_words = false;
};

// The search text matches at `at`: the line's bytes from that column begin with it, and with
// whole words the characters before and after it are no letters, digits or "_".
bool matches_at(const EditBuffer& buffer, TextPosition at, const MatchRule& rule);

// Byte steps over the text: one byte right, or column 0 of the next line after the last byte
// (past the last line: a line index equal to the line count); one byte left, or the previous
// line's end clamped to 255 (unchanged at the start of the text).
TextPosition next_byte(const EditBuffer& buffer, TextPosition p);
TextPosition previous_byte(const EditBuffer& buffer, TextPosition p);

// The first match at or after `start` that does not begin past `limit`.
std::optional<TextPosition> scan_forward(const EditBuffer& buffer, TextPosition start,
                                         TextPosition limit, const MatchRule& rule);
// The first match at or before `start` (moving left; from column 0 on to the previous line at its
// length less the search length) that does not begin before `limit`.
std::optional<TextPosition> scan_backward(const EditBuffer& buffer, TextPosition start,
                                          TextPosition limit, const MatchRule& rule);

struct ScanBounds {
    TextPosition start;
    TextPosition limit;
};

// Start and limit of a search from the dialog: by range and direction, from the selection, the
// whole text or the cursor. A "selected text" range without a selection searches the whole
// text.
ScanBounds first_search_bounds(const EditBuffer& buffer, SearchRange range,
                               SearchDirection direction);
// Start and limit of a repeated search: one byte after the cursor (forward) or before it
// (backward), with the limit of the range.
ScanBounds next_search_bounds(const EditBuffer& buffer, SearchRange range,
                              SearchDirection direction);

// The word around the cursor (letters, digits and "_"), proposed as the search text; empty
// when the cursor is not at a word.
std::string word_at_cursor(const EditBuffer& buffer);

} // namespace zped
