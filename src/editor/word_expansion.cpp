// LanguageExpand and the word before the cursor.
#include "editor/word_expansion.h"

#include "editor/apply_edit.h"
#include "editor/editor_session.h"
#include "editor/keyword_lookup.h"
#include "editor/template_expansion.h"

namespace zped {

namespace {

bool is_alphanumeric_at(const EditBuffer& buffer, TextPosition p) {
    std::string_view text = buffer.line(p.line);
    if (p.column >= static_cast<int>(text.size())) return false;
    char ch = text[static_cast<std::size_t>(p.column)];
    return is_letter(ch) || is_digit(ch);
}

} // namespace

TextPosition word_before_cursor(const EditBuffer& buffer, TextPosition cursor) {
    cursor = buffer.clamp(cursor);
    TextPosition p = buffer.previous_position(cursor);
    if (p == cursor) return cursor;
    while (!is_alphanumeric_at(buffer, p)) {
        TextPosition before = buffer.previous_position(p);
        if (before == p) return p;
        p = before;
    }
    while (p.column > 0 && is_alphanumeric_at(buffer, {p.line, p.column - 1}))
        --p.column;
    return p;
}

bool parse_template_reference(std::string_view expansion, std::string& name, std::string& file) {
    if (expansion.size() < 6 || expansion.front() != '[' || expansion.back() != ']') return false;
    std::size_t close = expansion.find(']');
    if (close == 1 || close + 1 >= expansion.size() || expansion[close + 1] != '[' ||
        expansion.substr(1, close - 1).find('[') != std::string_view::npos)
        return false;
    std::string_view rest = expansion.substr(close + 2, expansion.size() - close - 3);
    if (rest.empty() || rest.find_first_of("[]") != std::string_view::npos) return false;
    name = std::string(expansion.substr(1, close - 1));
    file = std::string(rest);
    return true;
}

int LanguageExpand(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer || buffer->read_only) return 1;
    TextPosition cursor = buffer->clamp(buffer->cursor);
    if (cursor.column == 0) return 1;
    TextPosition start = word_before_cursor(*buffer, cursor);
    const Language& language = session.languages.entry(buffer->language);
    const std::string* expansion = language.expansion_of(buffer->text_between(start, cursor));
    if (!expansion) return 1;
    if (!expansion->empty() && expansion->front() == '[') {
        std::string name, file;
        if (!parse_template_reference(*expansion, name, file)) return 1;
        return expand_template_by_name(session, *buffer, name, file, start) ? 0 : 1;
    }
    std::string text = *expansion;
    TextPosition after{start.line, start.column + static_cast<int>(text.size())};
    ApplyEdit(*buffer, start, cursor, text, after, {kScrollToCursor, kScrollToCursor},
              SelectionRequest::empty_at(after));
    return 0;
}

} // namespace zped
