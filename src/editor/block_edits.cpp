// The line edits behind AddComment, RemoveComment, AddIndent, RemoveIndent and the HDL Edits
// dialog.
#include "editor/block_edits.h"

#include "editor/apply_edit.h"

#include <algorithm>

namespace zped {

namespace {

bool is_letter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

bool is_identifier_char(char ch) {
    return is_letter(ch) || (ch >= '0' && ch <= '9') || ch == '_';
}

std::string with_case(std::string_view word, bool upper) {
    std::string out(word);
    for (char& ch : out)
        if (upper && ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
        else if (!upper && ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return out;
}

// One transaction that leaves the cursor, the selection and (as far as it can) the view alone.
void replace_in_line(EditBuffer& buffer, int line, int from, int to, std::string_view text) {
    ApplyEdit(buffer, {line, from}, {line, to}, text, buffer.clamp(buffer.cursor),
              {kScrollToCursor, kScrollToCursor}, {{kKeep, kKeep}, {kKeep, kKeep}});
}

void insert_at_start(EditBuffer& buffer, int line, std::string_view text, BlockEditResult& result) {
    if (buffer.line_length(line) + static_cast<int>(text.size()) > kMaxLineLength) {
        ++result.too_long;
        return;
    }
    replace_in_line(buffer, line, 0, 0, text);
    ++result.changed;
}

void remove_from_start(EditBuffer& buffer, int line, std::string_view text,
                       BlockEditResult& result) {
    if (buffer.line(line).substr(0, text.size()) != text) return;
    replace_in_line(buffer, line, 0, static_cast<int>(text.size()), "");
    ++result.changed;
}

void recase_line(EditBuffer& buffer, int line, const BlockLanguage& language, bool upper,
                 BlockEditResult& result) {
    std::size_t stop = buffer.line(line).size();
    if (!language.line_comment.empty())
        stop = std::min(stop, buffer.line(line).find(language.line_comment));
    std::size_t at = 0;
    while (at < stop) {
        std::string_view text = buffer.line(line);
        char ch = text[at];
        int length = is_letter(ch) && language.reserved_word ? language.reserved_word(text, at) : 0;
        if (length > 0) {
            std::string_view word = text.substr(at, static_cast<std::size_t>(length));
            std::string cased = with_case(word, upper);
            if (cased != word) {
                replace_in_line(buffer, line, static_cast<int>(at), static_cast<int>(at) + length,
                                cased);
                ++result.changed;
            }
            at += static_cast<std::size_t>(length);
        } else if (is_identifier_char(ch)) {
            // A whole identifier is passed over, so that a reserved word inside one (my_signal,
            // x1signal) stays as it is.
            while (at < stop && is_identifier_char(text[at]))
                ++at;
        } else {
            ++at;
        }
    }
}

} // namespace

std::optional<LineRange> selected_lines(const EditBuffer& buffer) {
    if (!buffer.has_selection || buffer.selection_anchor == buffer.selection_end)
        return std::nullopt;
    TextPosition from = buffer.clamp(std::min(buffer.selection_anchor, buffer.selection_end));
    TextPosition to = buffer.clamp(std::max(buffer.selection_anchor, buffer.selection_end));
    int last = to.line;
    if (to.column == 0 && to.line > from.line) --last;
    return LineRange{from.line, last};
}

BlockEditResult edit_lines(EditBuffer& buffer, LineRange range, LineEdit edit,
                           const BlockLanguage& language) {
    BlockEditResult result;
    range.first = std::max(range.first, 0);
    range.last = std::min(range.last, buffer.line_count() - 1);
    bool comment = edit == LineEdit::AddComment || edit == LineEdit::RemoveComment;
    if (range.first > range.last || buffer.read_only || (comment && language.line_comment.empty()))
        return result;
    for (int line = range.first; line <= range.last; ++line) {
        switch (edit) {
        case LineEdit::AddComment:
            insert_at_start(buffer, line, language.line_comment, result);
            break;
        case LineEdit::RemoveComment:
            remove_from_start(buffer, line, language.line_comment, result);
            break;
        case LineEdit::AddIndent:
            insert_at_start(buffer, line, "\t", result);
            break;
        case LineEdit::RemoveIndent:
            remove_from_start(buffer, line, "\t", result);
            break;
        case LineEdit::Uppercase:
        case LineEdit::Lowercase:
            recase_line(buffer, line, language, edit == LineEdit::Uppercase, result);
            break;
        }
    }
    return result;
}

} // namespace zped
