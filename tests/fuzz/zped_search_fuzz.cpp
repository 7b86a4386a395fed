// Search and replace on arbitrary text: the first line of the input is the search text, the
// second the replacement, the third byte picks range, direction and options, the rest is the
// buffer. Every find must land on a real match, and a replace-all run must end with the buffer's
// invariants intact; the block edits run over the result with a "--" line comment.
#include "editor/apply_edit.h"
#include "editor/block_edits.h"
#include "editor/edit_buffer.h"
#include "editor/editor_ui.h"
#include "editor/file_text.h"
#include "editor/find_replace.h"
#include "editor/text_search.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

std::string take_line(std::string& text) {
    std::size_t nl = text.find('\n');
    std::string line = text.substr(0, nl);
    text.erase(0, nl == std::string::npos ? text.size() : nl + 1);
    return line;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    std::string input(reinterpret_cast<const char*>(data), size);
    auto options = static_cast<unsigned char>(input[0]);
    input.erase(0, 1);
    zped::SearchState state;
    state.text = take_line(input).substr(0, zped::kMaxSearchText);
    state.replacement = take_line(input).substr(0, zped::kMaxSearchText);
    state.range = static_cast<zped::SearchRange>(options % 3);
    state.direction =
        (options & 4) ? zped::SearchDirection::Backward : zped::SearchDirection::Forward;
    state.whole_words = options & 8;
    state.case_sensitive = options & 16;
    state.replace_all = options & 32;
    state.prompt = false;

    zped::EditBuffer buffer;
    buffer.set_lines(zped::split_file_text(input));
    zped::InitHistory(buffer);
    int last = buffer.line_count() - 1;
    buffer.cursor = buffer.clamp({last / 2, static_cast<int>(options)});
    buffer.selection_anchor = {0, 1};
    buffer.selection_end = buffer.clamp({last, 3});
    buffer.has_selection = options & 64;

    if (zped::find_in_buffer(buffer, state, options & 128) == 0)
        check(zped::matches_at(buffer, buffer.cursor,
                               {state.text, state.case_sensitive, state.whole_words}));
    zped::replace_in_buffer(buffer, state, false);
    check(buffer.invariants_hold(0, buffer.line_count()));
    zped::BlockLanguage language;
    language.line_comment = "--";
    for (zped::LineEdit edit :
         {zped::LineEdit::AddComment, zped::LineEdit::RemoveIndent, zped::LineEdit::Uppercase})
        zped::edit_lines(buffer, {0, buffer.line_count() - 1}, edit, language);
    check(buffer.invariants_hold(0, buffer.line_count()));
    return 0;
}
