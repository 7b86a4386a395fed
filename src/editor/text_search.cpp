// Matching and scanning for the search commands.
#include "editor/text_search.h"

#include <algorithm>

namespace zped {

namespace {

bool is_word_byte(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '_';
}

char lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool same_bytes(std::string_view a, std::string_view b, bool case_sensitive) {
    if (case_sensitive) return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

TextPosition end_of_document(const EditBuffer& buffer) {
    int last = buffer.line_count() - 1;
    return {last, std::min(buffer.line_length(last), kMaxLineLength)};
}

} // namespace

bool matches_at(const EditBuffer& buffer, TextPosition at, const MatchRule& rule) {
    if (rule.text.empty() || at.line < 0 || at.line >= buffer.line_count() || at.column < 0)
        return false;
    std::string_view line = buffer.line(at.line);
    auto column = static_cast<std::size_t>(at.column);
    if (column + rule.text.size() > line.size()) return false;
    if (!same_bytes(line.substr(column, rule.text.size()), rule.text, rule.case_sensitive))
        return false;
    if (!rule.whole_words) return true;
    std::size_t after = column + rule.text.size();
    if (column > 0 && is_word_byte(line[column - 1])) return false;
    return after >= line.size() || !is_word_byte(line[after]);
}

TextPosition next_byte(const EditBuffer& buffer, TextPosition p) {
    if (p.line < buffer.line_count() && p.column + 1 < buffer.line_length(p.line))
        return {p.line, p.column + 1};
    return {p.line + 1, 0};
}

TextPosition previous_byte(const EditBuffer& buffer, TextPosition p) {
    if (p.column > 0) return {p.line, p.column - 1};
    if (p.line > 0) return {p.line - 1, std::min(buffer.line_length(p.line - 1), kMaxLineLength)};
    return p;
}

std::optional<TextPosition> scan_forward(const EditBuffer& buffer, TextPosition start,
                                         TextPosition limit, const MatchRule& rule) {
    if (rule.text.empty()) return std::nullopt;
    for (TextPosition p = start; p.line < buffer.line_count() && p <= limit;
         p = next_byte(buffer, p))
        if (matches_at(buffer, p, rule)) return p;
    return std::nullopt;
}

std::optional<TextPosition> scan_backward(const EditBuffer& buffer, TextPosition start,
                                          TextPosition limit, const MatchRule& rule) {
    if (rule.text.empty() || buffer.line_count() == 0) return std::nullopt;
    TextPosition p = start;
    if (p.line >= buffer.line_count()) p = end_of_document(buffer);
    const int length = static_cast<int>(rule.text.size());
    while (p >= limit) {
        if (matches_at(buffer, p, rule)) return p;
        if (p.column > 0)
            --p.column;
        else if (p.line > 0)
            p = {p.line - 1, std::max(0, buffer.line_length(p.line - 1) - length)};
        else
            break;
    }
    return std::nullopt;
}

ScanBounds first_search_bounds(const EditBuffer& buffer, SearchRange range,
                               SearchDirection direction) {
    TextPosition cursor = buffer.clamp(buffer.cursor);
    TextPosition from, to;
    bool selected = range == SearchRange::SelectedText && buffer.has_selection &&
                    buffer.selection_anchor != buffer.selection_end;
    if (selected) {
        from = buffer.clamp(std::min(buffer.selection_anchor, buffer.selection_end));
        to = buffer.clamp(std::max(buffer.selection_anchor, buffer.selection_end));
    }
    bool whole =
        range == SearchRange::EntireText || (range == SearchRange::SelectedText && !selected);
    if (direction == SearchDirection::Forward) {
        TextPosition start = selected ? from : whole ? TextPosition{0, 0} : cursor;
        return {start, selected ? previous_byte(buffer, to) : end_of_document(buffer)};
    }
    TextPosition start = selected ? previous_byte(buffer, to)
                         : whole  ? end_of_document(buffer)
                                  : cursor;
    return {start, selected ? from : TextPosition{0, 0}};
}

ScanBounds next_search_bounds(const EditBuffer& buffer, SearchRange range,
                              SearchDirection direction) {
    ScanBounds bounds = first_search_bounds(buffer, range, direction);
    TextPosition cursor = buffer.clamp(buffer.cursor);
    if (direction == SearchDirection::Forward)
        bounds.start = next_byte(buffer, cursor);
    else if (cursor == TextPosition{0, 0})
        bounds.start = {-1, 0}; // nothing lies before the start of the text
    else
        bounds.start = previous_byte(buffer, cursor);
    return bounds;
}

std::string word_at_cursor(const EditBuffer& buffer) {
    TextPosition p = buffer.clamp(buffer.cursor);
    std::string_view line = buffer.line(p.line);
    auto begin = static_cast<std::size_t>(p.column);
    auto end = begin;
    while (begin > 0 && is_word_byte(line[begin - 1]))
        --begin;
    while (end < line.size() && is_word_byte(line[end]))
        ++end;
    return std::string(line.substr(begin, std::min(end - begin, kMaxSearchText)));
}

} // namespace zped
