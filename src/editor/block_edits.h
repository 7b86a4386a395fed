// Edits of whole lines in blocks: adding or removing the language's line comment at the start of
// each line, indenting or un-indenting by one tab, and setting the case of the language's
// reserved words (keyword category 1) up to the line comment. Every changed line (for the case,
// every changed word) is one transaction, so Undo takes them back one at a time; the cursor and
// the selection stay where they are.
#pragma once

#include "editor/edit_buffer.h"

#include <functional>
#include <optional>
#include <string_view>

namespace zped {

// Lines first .. last (0-based, inclusive).
struct LineRange {
    int first = 0;
    int last = 0;
};

// The lines of the selection: from the anchor's line to the end's line, without a last line
// that the selection only reaches at column 0. nullopt without a selection.
std::optional<LineRange> selected_lines(const EditBuffer& buffer);

// What the block edits need of the buffer's language.
struct BlockLanguage {
    std::string line_comment; // empty: the language has none
    // The length of a reserved word (keyword category 1) that begins at a position of a line,
    // as colouring finds it; 0 when none does (or a keyword of another category wins there).
    std::function<int(std::string_view line, std::size_t at)> reserved_word;
};

enum class LineEdit { AddComment, RemoveComment, AddIndent, RemoveIndent, Uppercase, Lowercase };

struct BlockEditResult {
    int changed = 0;  // transactions made
    int too_long = 0; // lines left alone because they would pass the line limit
};

// Applies one block edit to the range (clamped to the text; nothing when first > last). Comment
// edits need a line comment and do nothing without one.
BlockEditResult edit_lines(EditBuffer& buffer, LineRange range, LineEdit edit,
                           const BlockLanguage& language);

} // namespace zped
