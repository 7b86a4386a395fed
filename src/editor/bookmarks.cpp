// The bookmark table and the SetMark / GotoMark commands.
#include "editor/bookmarks.h"

#include "editor/apply_edit.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "foundation/strings.h"

namespace zped {

using zeph::format_text;

void Bookmarks::drop(int n, EditBuffer& buffer, TextPosition position) {
    marks_[static_cast<std::size_t>(n)] = {position, true, &buffer};
}

void Bookmarks::forget(const EditBuffer& buffer) {
    for (Bookmark& mark : marks_)
        if (mark.buffer == &buffer) mark.buffer = nullptr;
}

int set_mark(EditorSession& session, int n) {
    EditBuffer* buffer = session.active();
    if (!buffer) return 1;
    session.bookmarks.drop(n, *buffer, buffer->clamp(buffer->cursor));
    editor_ui().status(format_text("Dropped bookmark %d.", n), false);
    return 0;
}

int goto_mark(EditorSession& session, int n) {
    const Bookmark& mark = session.bookmarks.entry(n);
    if (!mark.set) {
        editor_ui().status(format_text("Bookmark %d is not set.", n), true);
        return 1;
    }
    if (!mark.buffer) {
        editor_ui().status(format_text("Window of bookmark %d has been deleted.", n), true);
        return 1;
    }
    EditBuffer* buffer = mark.buffer;
    TextPosition position = mark.position;
    session.activate(buffer);
    // The text may have shrunk since the mark was dropped.
    move_cursor(*buffer, position, false);
    buffer->view = resolve_view(*buffer, buffer->cursor, {kKeepOrCentre, kScrollToCursor});
    return 0;
}

} // namespace zped
