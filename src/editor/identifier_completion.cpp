// Completion of identifiers from the open buffers.
#include "editor/identifier_completion.h"

#include "editor/apply_edit.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/keyword_lookup.h"
#include "foundation/strings.h"

#include <algorithm>
#include <unordered_set>

namespace zped {

using zeph::format_text;

namespace {

bool has_prefix(std::string_view word, std::string_view prefix, bool case_sensitive) {
    if (word.size() <= prefix.size()) return false;
    std::string_view start = word.substr(0, prefix.size());
    return case_sensitive ? start == prefix : zeph::equal_ignoring_case(start, prefix);
}

} // namespace

std::vector<std::string_view> identifiers_of(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t p = 0;
    while (p < line.size()) {
        if (!is_word_char(line[p])) {
            ++p;
            continue;
        }
        std::size_t end = p;
        while (end < line.size() && is_word_char(line[end]))
            ++end;
        if (!is_digit(line[p])) words.push_back(line.substr(p, end - p));
        p = end;
    }
    return words;
}

bool IdentifierCompletion::continues(const EditorSession& session, const EditBuffer& buffer) {
    if (buffer_ != &buffer || made_ == nullptr || candidates_.empty()) return false;
    if (!buffer.history.initialised() || &buffer.history.current_record() != made_) return false;
    const std::string& shown = shown_ == 0 ? prefix_ : candidates_[shown_ - 1];
    TextPosition end{start_.line, start_.column + static_cast<int>(shown.size())};
    if (made_->start != start_ || made_->inserted != shown || buffer.cursor != end) return false;
    return std::any_of(session.buffers.begin(), session.buffers.end(),
                       [&](const auto& b) { return b.get() == &buffer; });
}

void IdentifierCompletion::collect(const EditorSession& session, const EditBuffer& buffer,
                                   bool case_sensitive) {
    candidates_.clear();
    std::unordered_set<std::string_view> seen;
    auto offer = [&](std::string_view word) {
        if (has_prefix(word, prefix_, case_sensitive) && seen.insert(word).second)
            candidates_.emplace_back(word);
    };
    // Backwards from the cursor: the identifiers before it on its line, nearest first, then
    // the lines above. The identifier the cursor stands in is not offered.
    for (int line = start_.line; line >= 0; --line) {
        std::string_view text = buffer.line(line);
        std::vector<std::string_view> words = identifiers_of(text);
        for (auto it = words.rbegin(); it != words.rend(); ++it) {
            int column = static_cast<int>(it->data() - text.data());
            if (line == start_.line && column >= start_.column) continue;
            offer(*it);
        }
    }
    for (int line = start_.line; line < buffer.line_count(); ++line) {
        std::string_view text = buffer.line(line);
        for (std::string_view word : identifiers_of(text)) {
            int column = static_cast<int>(word.data() - text.data());
            if (line == start_.line && column <= start_.column) continue;
            offer(word);
        }
    }
    for (const auto& other : session.buffers) {
        if (other.get() == &buffer || other->window_kind != kEditWindow) continue;
        for (int line = 0; line < other->line_count(); ++line)
            for (std::string_view word : identifiers_of(other->line(line)))
                offer(word);
    }
}

int IdentifierCompletion::expand(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer) return 1;
    if (buffer->read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return 1;
    }
    if (!continues(session, *buffer)) {
        buffer_ = nullptr;
        made_ = nullptr;
        TextPosition cursor = buffer->clamp(buffer->cursor);
        std::string_view text = buffer->line(cursor.line);
        int start = cursor.column;
        while (start > 0 && is_word_char(text[static_cast<std::size_t>(start - 1)]))
            --start;
        // A completion replaces the part of the identifier before the cursor only.
        start_ = {cursor.line, start};
        prefix_ = std::string(text.substr(static_cast<std::size_t>(start),
                                          static_cast<std::size_t>(cursor.column - start)));
        if (prefix_.empty() || is_digit(prefix_[0])) {
            editor_ui().status("No identifier before the cursor.", true);
            return 1;
        }
        collect(session, *buffer, session.languages.entry(buffer->language).case_sensitive);
        if (candidates_.empty()) {
            editor_ui().status(format_text("No identifier begins with '%s'.", prefix_.c_str()),
                               true);
            return 1;
        }
        shown_ = 0;
    }
    const std::string& before = shown_ == 0 ? prefix_ : candidates_[shown_ - 1];
    shown_ = (shown_ + 1) % (candidates_.size() + 1);
    const std::string& now = shown_ == 0 ? prefix_ : candidates_[shown_ - 1];
    TextPosition from = start_;
    TextPosition to{start_.line, start_.column + static_cast<int>(before.size())};
    TextPosition cursor{start_.line, start_.column + static_cast<int>(now.size())};
    ApplyEdit(*buffer, from, to, now, cursor, {kScrollToCursor, kScrollToCursor},
              SelectionRequest::empty_at(cursor));
    buffer_ = buffer;
    made_ = buffer->history.initialised() ? &buffer->history.current_record() : nullptr;
    if (!made_ || made_->inserted != now || buffer->cursor != cursor) {
        buffer_ = nullptr; // the line would have grown too long
        made_ = nullptr;
        return 1;
    }
    if (shown_ == 0)
        editor_ui().status(format_text("No more identifiers: back to '%s'.", prefix_.c_str()),
                           false);
    else
        editor_ui().status(format_text("Identifier %d of %d.", static_cast<int>(shown_),
                                       static_cast<int>(candidates_.size())),
                           false);
    return 0;
}

} // namespace zped
