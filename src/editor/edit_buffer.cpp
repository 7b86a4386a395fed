// Position arithmetic and range replacement of an edit buffer.
#include "editor/edit_buffer.h"

#include "editor/display_columns.h"
#include "editor/edit_memory.h"
#include "editor/utf8.h"

#include <cassert>
#include <filesystem>
#include <new>
#include <unistd.h>

namespace zped {

bool is_untitled(std::string_view name) {
    return name.substr(0, 8) == "Untitled";
}

std::string absolute_file_name(std::string_view name) {
    if (name.empty()) return {};
    std::string path(name);
    if (path[0] != '/') {
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd)) path = std::string(cwd) + "/" + path;
    }
    return std::filesystem::path(path).lexically_normal().string();
}

EditBuffer::EditBuffer() {
    lines.append("");
}
EditBuffer::~EditBuffer() = default;

TextPosition EditBuffer::next_position(TextPosition p) const {
    p = clamp(p);
    if (p.column < line_length(p.line))
        return {p.line,
                p.column + utf8_character_bytes(line(p.line), static_cast<std::size_t>(p.column))};
    if (p.line + 1 < line_count()) return {p.line + 1, 0};
    return p;
}

TextPosition EditBuffer::previous_position(TextPosition p) const {
    p = clamp(p);
    if (p.column > 0)
        return {p.line, static_cast<int>(
                            utf8_previous_start(line(p.line), static_cast<std::size_t>(p.column)))};
    if (p.line > 0) {
        int length = line_length(p.line - 1);
        return {p.line - 1, length < kMaxLineLength ? length : kMaxLineLength};
    }
    return p;
}

TextPosition EditBuffer::clamp(TextPosition p) const {
    if (p.line < 0) p.line = 0;
    if (p.line >= line_count()) p.line = line_count() - 1;
    if (p.column < 0) p.column = 0;
    if (p.column > line_length(p.line)) p.column = line_length(p.line);
    return p;
}

std::string EditBuffer::text_between(TextPosition a, TextPosition b, bool crlf) const {
    if (!(a < b) || a.line >= line_count() || a.line < 0) return {};
    std::string_view separator = crlf ? "\r\n" : "\n";
    auto part = [&](int index, int from, int to) {
        std::string_view text = line(index);
        int length = static_cast<int>(text.size());
        from = std::min(std::max(from, 0), length);
        to = std::min(std::max(to, from), length);
        return text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    };
    if (a.line == b.line) return std::string(part(a.line, a.column, b.column));
    std::string text(part(a.line, a.column, kMaxLineLength + 1));
    for (int index = a.line + 1; index <= b.line && index < line_count(); ++index) {
        text += separator;
        text += part(index, 0, index == b.line ? b.column : kMaxLineLength + 1);
    }
    return text;
}

DisplayColumn EditBuffer::display_column(TextPosition p) const {
    p = clamp(p);
    return display_width(line(p.line), p.column, tab_size);
}

TextPosition EditBuffer::end_of_text() const {
    return {line_count() - 1, line_length(line_count() - 1)};
}

namespace {
// The segments of a text between "\n". A "\r" before a "\n" stays: ApplyEdit has dropped the
// one the rules drop already, and undo must put back a line that ended in "\r" as it was.
std::vector<std::string> split_segments(std::string_view text) {
    std::vector<std::string> segments;
    std::size_t from = 0;
    for (;;) {
        std::size_t nl = text.find('\n', from);
        if (nl == std::string_view::npos) {
            segments.emplace_back(text.substr(from));
            return segments;
        }
        segments.emplace_back(text.substr(from, nl - from));
        from = nl + 1;
    }
}
} // namespace

ReplaceResult EditBuffer::replace_range(TextPosition start, TextPosition end,
                                        std::string_view text) {
    start = clamp(start);
    if (end.line >= line_count()) end = end_of_text();
    end = clamp(end);
    if (end < start) end = start;
    if (start == end && text.empty()) return ReplaceResult::Done;

    std::string_view head = line(start.line).substr(0, static_cast<std::size_t>(start.column));
    std::string_view tail = line(end.line).substr(static_cast<std::size_t>(end.column));
    std::vector<std::string> new_lines;
    try {
        new_lines = split_segments(text);
        new_lines.front().insert(0, head);
        new_lines.back().append(tail);
    } catch (const std::bad_alloc&) {
        EditMemory::report_exhausted(head.size() + text.size() + tail.size());
        return ReplaceResult::OutOfMemory;
    }
    for (const std::string& l : new_lines)
        if (static_cast<int>(l.size()) > kMaxLineLength) return ReplaceResult::LineTooLong;
    if (!lines.replace_lines(start.line, end.line, new_lines)) return ReplaceResult::OutOfMemory;
    modified = true;
    cursor = clamp(cursor);
    assert(invariants_hold(lines.changed_first, lines.changed_count));
    return ReplaceResult::Done;
}

void EditBuffer::set_lines(const std::vector<std::string>& new_lines) {
    lines.clear();
    if (new_lines.empty() || !lines.replace_lines(0, -1, new_lines)) lines.append("");
    cursor = clamp(cursor);
}

bool EditBuffer::invariants_hold(int first, int count) const {
    if (line_count() < 1) return false;
    for (int i = first; i < first + count && i < line_count(); ++i)
        if (line_length(i) > kMaxLineLength) return false;
    return cursor.line >= 0 && cursor.line < line_count() && cursor.column >= 0 &&
           cursor.column <= line_length(cursor.line);
}

} // namespace zped
