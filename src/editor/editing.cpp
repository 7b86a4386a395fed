// Cursor movement, typing and deletion.
#include "editor/editing.h"

#include "editor/apply_edit.h"
#include "editor/display_columns.h"

namespace zped {

namespace {
bool is_word_char(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '_';
}

char char_at(const EditBuffer& buffer, TextPosition p) {
    const std::string& text = buffer.line(p.line);
    return p.column < static_cast<int>(text.size()) ? text[static_cast<std::size_t>(p.column)]
                                                    : '\n';
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
        to.column =
            std::min(from.column + static_cast<int>(text.size()), buffer.line_length(from.line));
    replace(buffer, from, to, text, end_of_inserted(from, text));
}

void new_line(EditBuffer& buffer, bool auto_indent) {
    std::string text = "\n";
    if (auto_indent) {
        const std::string& line = buffer.line(buffer.clamp(buffer.cursor).line);
        std::size_t indent = line.find_first_not_of(" \t");
        if (indent == std::string::npos) indent = line.size();
        indent = std::min<std::size_t>(indent, static_cast<std::size_t>(buffer.cursor.column));
        text += line.substr(0, indent);
    }
    type_text(buffer, text, false);
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
