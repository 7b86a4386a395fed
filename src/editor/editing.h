// The editing operations behind typing and the cursor and deletion commands. Cursor movement
// changes no text and makes no transaction; every text change goes through ApplyEdit.
#pragma once

#include "editor/edit_buffer.h"

#include <string_view>

namespace zped {

// Moves the cursor, scrolling as little as needed. With `extend` the selection grows from its
// anchor (or from the old cursor), else it is dropped. Vertical moves keep the desired column.
void move_cursor(EditBuffer& buffer, TextPosition target, bool extend, bool vertical = false);

TextPosition line_up(const EditBuffer& buffer, int lines); // negative: down
TextPosition word_left(const EditBuffer& buffer, TextPosition from);
TextPosition word_right(const EditBuffer& buffer, TextPosition from);

// The selection in order (anchor before end).
void ordered_selection(const EditBuffer& buffer, TextPosition& from, TextPosition& to);

// Types text at the cursor, replacing the selection; in overwrite mode a typed character
// replaces the one under the cursor.
void type_text(EditBuffer& buffer, std::string_view text, bool overwrite);
// A line break, followed by the current line's leading blanks and tabs when auto-indenting.
void new_line(EditBuffer& buffer, bool auto_indent);
void delete_char(EditBuffer& buffer);
void backspace_char(EditBuffer& buffer);
void delete_line(EditBuffer& buffer);
void delete_word(EditBuffer& buffer);
// Pastes text (a terminal's paste, a script's "paste") over the selection or at the cursor as
// one transaction: "\r\n", "\r" and "\n" all break lines, nothing is indented, and a resulting
// line longer than 255 bytes is split into pieces of 254 bytes as loading splits a long line,
// with a status text. Returns the number of lines that had to be split, or -1 when nothing was
// pasted (a read-only buffer).
int paste_text(EditBuffer& buffer, std::string_view text);
// Deletes the selection; false when there is none.
bool delete_selection(EditBuffer& buffer);

} // namespace zped
