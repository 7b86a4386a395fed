// Showing an entry of the error list in the result and source windows.
#include "editor/error_navigation.h"

#include "editor/apply_edit.h"
#include "editor/edit_buffer.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"

#include <algorithm>

namespace zped {

namespace {

// Cursor to the start of a line, the whole line selected, the view moved by the request.
void mark_line(EditBuffer& buffer, int line, int top_request) {
    line = std::clamp(line, 0, buffer.line_count() - 1);
    TextPosition start{line, 0};
    buffer.cursor = start;
    buffer.desired = start;
    buffer.selection_anchor = start;
    buffer.selection_end = {line, buffer.line_length(line)};
    buffer.has_selection = buffer.selection_anchor != buffer.selection_end;
    buffer.view = resolve_view(buffer, start, {top_request, kScrollToCursor});
    editor_ui().repaint(buffer, -1);
}

int show_entry(EditorSession& session, int index) {
    ToolResults& results = session.tool_results;
    if (index < 0 || !results.result_window) return 1;
    if (!results.source_window) {
        editor_ui().status("Source window has been removed.", false);
        return 1;
    }
    const ErrorEntry& entry = results.errors[static_cast<std::size_t>(index)];
    mark_line(*results.result_window, entry.result_line, kScrollToCursor);
    // Activated first: a reload of a file changed outside must not undo the mark.
    session.activate(results.source_window);
    if (!results.source_window) return 1;
    mark_line(*results.source_window, entry.source_line - 1, kKeepOrCentre);
    editor_ui().status(entry.text, false);
    return 0;
}

} // namespace

int show_next_error(EditorSession& session) {
    const ToolResults& results = session.tool_results;
    if (!results.result_window) return 1;
    return show_entry(session, next_entry(results.errors, results.result_window->cursor.line));
}

int show_previous_error(EditorSession& session) {
    const ToolResults& results = session.tool_results;
    if (!results.result_window) return 1;
    return show_entry(session, previous_entry(results.errors, results.result_window->cursor.line));
}

} // namespace zped
