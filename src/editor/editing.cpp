// Cursor movement, typing and deletion.
#include "editor/editing.h"

#include "editor/apply_edit.h"
#include "editor/display_columns.h"
#include "editor/edit_memory.h"
#include "editor/editor_ui.h"
#include "editor/utf8.h"
#include "foundation/strings.h"

#include <new>

namespace zped {

namespace {
bool is_word_char(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '_';
}

char char_at(const EditBuffer& buffer, TextPosition p) {
    std::string_view text = buffer.line(p.line);
    return p.column < static_cast<int>(text.size()) ? text[static_cast<std::size_t>(p.column)]
                                                    : '\n';
}

// Where typing `text` in overwrite mode stops replacing: as many characters as it has, within
// the line.
TextPosition over_characters(const EditBuffer& buffer, TextPosition from, std::string_view text) {
    TextPosition to = from;
    for (std::size_t i = 0; i < text.size();
         i += static_cast<std::size_t>(utf8_character_bytes(text, i))) {
        if (to.column >= buffer.line_length(from.line)) break;
        to = buffer.next_position(to);
    }
    return to;
}

void replace(EditBuffer& buffer, TextPosition from, TextPosition to, std::string_view text,
             TextPosition cursor) {
    ApplyEdit(buffer, from, to, text, cursor, {kScrollToCursor, kScrollToCursor},
              SelectionRequest::empty_at(cursor));
}
} // namespace

void move_cursor(EditBuffer& buffer, TextPosition target, bool extend, bool vertical) {
    target = buffer.clamp(target);
    if (extend) {
        if (!buffer.has_selection) buffer.selection_anchor = buffer.cursor;
        buffer.selection_end = target;
        buffer.has_selection = buffer.selection_anchor != buffer.selection_end;
    } else {
        buffer.has_selection = false;
        buffer.selection_anchor = buffer.selection_end = target;
    }
    buffer.cursor = target;
    buffer.view = resolve_view(buffer, target, {kScrollToCursor, kScrollToCursor});
    if (!vertical) buffer.desired = target;
}

TextPosition line_up(const EditBuffer& buffer, int lines) {
    int line = buffer.cursor.line - lines;
    line = std::max(0, std::min(line, buffer.line_count() - 1));
    TextPosition desired = buffer.clamp(buffer.desired);
    DisplayColumn wanted =
        display_width(buffer.line(desired.line), desired.column, buffer.tab_size);
    return {line, byte_column_at(buffer.line(line), wanted, buffer.tab_size)};
}

TextPosition word_left(const EditBuffer& buffer, TextPosition from) {
    TextPosition p = buffer.previous_position(from);
    while (p != TextPosition{0, 0} && !is_word_char(char_at(buffer, p)))
        p = buffer.previous_position(p);
    while (p.column > 0 && is_word_char(char_at(buffer, {p.line, p.column - 1})))
        --p.column;
    return p;
}

TextPosition word_right(const EditBuffer& buffer, TextPosition from) {
    TextPosition p = buffer.clamp(from);
    TextPosition end = buffer.end_of_text();
    while (p != end && is_word_char(char_at(buffer, p)))
        p = buffer.next_position(p);
    while (p != end && !is_word_char(char_at(buffer, p)))
        p = buffer.next_position(p);
    return p;
}

void ordered_selection(const EditBuffer& buffer, TextPosition& from, TextPosition& to) {
    from = std::min(buffer.selection_anchor, buffer.selection_end);
    to = std::max(buffer.selection_anchor, buffer.selection_end);
}

void type_text(EditBuffer& buffer, std::string_view text, bool overwrite) {
    TextPosition from = buffer.clamp(buffer.cursor);
    TextPosition to = from;
    if (buffer.has_selection)
        ordered_selection(buffer, from, to);
    else if (overwrite && text.find('\n') == std::string_view::npos)
        to = over_characters(buffer, from, text);
    replace(buffer, from, to, text, end_of_inserted(from, text));
}

void new_line(EditBuffer& buffer, bool auto_indent) {
    std::string text = "\n";
    if (auto_indent) {
        std::string_view line = buffer.line(buffer.clamp(buffer.cursor).line);
        std::size_t indent = line.find_first_not_of(" \t");
        if (indent == std::string_view::npos) indent = line.size();
        indent = std::min<std::size_t>(indent, static_cast<std::size_t>(buffer.cursor.column));
        text += line.substr(0, indent);
    }
    type_text(buffer, text, false);
}

namespace {
// Pasted line breaks, whatever the terminal sent, become "\n".
std::string with_line_feeds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

// Appends a physical line to `lines` as loading would store it: pieces of 254 bytes when it is
// longer than a buffer line may be. Returns the number of pieces.
int add_as_loaded(std::vector<std::string_view>& lines, std::string_view line) {
    if (static_cast<int>(line.size()) <= kMaxLineLength) {
        lines.push_back(line);
        return 1;
    }
    int pieces = 0;
    for (std::size_t at = 0; at < line.size(); at += kLoadChunk, ++pieces)
        lines.push_back(line.substr(at, kLoadChunk));
    return pieces;
}

// The paste with its line breaks made "\n".
int paste_lines(EditBuffer& buffer, const std::string& text) {
    TextPosition from = buffer.clamp(buffer.cursor);
    TextPosition to = from;
    if (buffer.has_selection) ordered_selection(buffer, from, to);
    std::string_view head = buffer.line(from.line).substr(0, static_cast<std::size_t>(from.column));
    std::string_view tail = buffer.line(to.line).substr(static_cast<std::size_t>(to.column));
    std::string joined = std::string(head) + text + std::string(tail);
    bool too_long = false;
    for (std::size_t begin = 0, end = 0; end != std::string::npos && !too_long; begin = end + 1) {
        end = joined.find('\n', begin);
        too_long = (end == std::string::npos ? joined.size() : end) - begin >
                   static_cast<std::size_t>(kMaxLineLength);
    }
    if (!too_long) {
        replace(buffer, from, to, text, end_of_inserted(from, text));
        return 0;
    }
    // The lines are split as loading splits them; the cursor ends after the last pasted byte.
    std::size_t cursor_offset = head.size() + text.size();
    std::vector<std::string_view> lines;
    int split = 0;
    TextPosition cursor = from;
    std::size_t begin = 0;
    for (;;) {
        std::size_t end = joined.find('\n', begin);
        std::string_view line = std::string_view(joined).substr(
            begin, end == std::string::npos ? std::string::npos : end - begin);
        int line_index = from.line + static_cast<int>(lines.size());
        int pieces = add_as_loaded(lines, line);
        if (pieces > 1) ++split;
        if (cursor_offset >= begin && cursor_offset <= begin + line.size()) {
            std::size_t within = cursor_offset - begin;
            int piece = pieces == 1 ? 0 : static_cast<int>(within / kLoadChunk);
            if (piece == pieces) --piece; // the very end of the last full piece
            cursor = {line_index + piece,
                      static_cast<int>(within - static_cast<std::size_t>(piece) * kLoadChunk)};
        }
        if (end == std::string::npos) break;
        begin = end + 1;
    }
    std::string replacement;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) replacement += '\n';
        replacement += lines[i];
    }
    // The text before the cursor and after the selection stays out of the transaction unless
    // a split falls inside it.
    std::size_t first_length = std::min(joined.find('\n'), joined.size());
    std::size_t last_length = joined.size() - (joined.rfind('\n') + 1);
    std::size_t last_split =
        last_length > static_cast<std::size_t>(kMaxLineLength)
            ? (last_length + kLoadChunk - 1) / kLoadChunk * kLoadChunk - kLoadChunk
            : 0;
    bool head_kept =
        first_length <= static_cast<std::size_t>(kMaxLineLength) || head.size() <= kLoadChunk;
    bool tail_kept = last_split <= last_length - tail.size();
    std::size_t prefix = head_kept ? head.size() : 0;
    std::size_t suffix = tail_kept ? tail.size() : 0;
    TextPosition start = head_kept ? from : TextPosition{from.line, 0};
    TextPosition end = tail_kept ? to : TextPosition{to.line, buffer.line_length(to.line)};
    replace(buffer, start, end, replacement.substr(prefix, replacement.size() - prefix - suffix),
            cursor);
    editor_ui().status(zeph::format_text("%d pasted line(s) over %d bytes split into lines of %d.",
                                         split, kMaxLineLength, static_cast<int>(kLoadChunk)),
                       false);
    return split;
}
} // namespace

int paste_text(EditBuffer& buffer, std::string_view pasted) {
    if (buffer.read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return -1;
    }
    try {
        return paste_lines(buffer, with_line_feeds(pasted));
    } catch (const std::bad_alloc&) {
        EditMemory::report_exhausted(pasted.size());
        return -1;
    }
}

bool delete_selection(EditBuffer& buffer) {
    if (!buffer.has_selection) return false;
    TextPosition from, to;
    ordered_selection(buffer, from, to);
    replace(buffer, from, to, "", from);
    return true;
}

void delete_char(EditBuffer& buffer) {
    if (delete_selection(buffer)) return;
    TextPosition from = buffer.clamp(buffer.cursor);
    TextPosition to = buffer.next_position(from);
    if (to != from) replace(buffer, from, to, "", from);
}

void backspace_char(EditBuffer& buffer) {
    if (delete_selection(buffer)) return;
    TextPosition to = buffer.clamp(buffer.cursor);
    TextPosition from = buffer.previous_position(to);
    if (from.line < to.line) from.column = buffer.line_length(from.line);
    if (to != from) replace(buffer, from, to, "", from);
}

void delete_line(EditBuffer& buffer) {
    int line = buffer.clamp(buffer.cursor).line;
    TextPosition from{line, 0};
    TextPosition to = line + 1 < buffer.line_count() ? TextPosition{line + 1, 0}
                                                     : TextPosition{line, buffer.line_length(line)};
    if (to == from && line > 0) from = {line - 1, buffer.line_length(line - 1)};
    if (to != from) replace(buffer, from, to, "", {from.line, 0});
}

void delete_word(EditBuffer& buffer) {
    TextPosition from = buffer.clamp(buffer.cursor);
    TextPosition to = word_right(buffer, from);
    if (to.line > from.line)
        to = from.column < buffer.line_length(from.line)
                 ? TextPosition{from.line, buffer.line_length(from.line)}
                 : buffer.next_position(from);
    if (to != from) replace(buffer, from, to, "", from);
}

} // namespace zped
